#include "aip/qoraipPersistentMatrix.h"

namespace qor {
namespace aip {

PersistentMatrix::PersistentMatrix(json::Node *adopted)
    : PersistentFields(adopted, plat::PersistentDataType::Matrix,
                       {real("__a", 1.0), real("__b", 0.0), real("__c", 0.0), real("__d", 1.0), real("__tx", 0.0),
                        real("__ty", 0.0)}) {}

PersistentMatrix::PersistentMatrix(const TransformMatrix &value, const std::string &key)
    : PersistentMatrix(json::Node::create(json::Object, key)) {
    setValue(value);
}

TransformMatrix PersistentMatrix::value() const {
    return TransformMatrix(realAt(0), realAt(1), realAt(2), realAt(3), realAt(4), realAt(5));
}

bool PersistentMatrix::setValue(const TransformMatrix &value) {
    const double coefficients[] = {value.a, value.b, value.c, value.d, value.tx, value.ty};
    bool all = true;
    for (size_t i = 0; i < 6; ++i) all = setRealAt(i, coefficients[i]) && all;
    return all;
}

} // namespace aip
} // namespace qor

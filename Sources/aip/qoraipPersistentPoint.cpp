#include "aip/qoraipPersistentPoint.h"

namespace qor {
namespace aip {

PersistentPoint::PersistentPoint(json::Node *adopted)
    : PersistentFields(adopted, plat::PersistentDataType::Point, {real("__x", 0.0), real("__y", 0.0)}) {}

PersistentPoint::PersistentPoint(const Point &value, const std::string &key)
    : PersistentPoint(json::Node::create(json::Object, key)) {
    setValue(value);
}

Point PersistentPoint::value() const { return Point(realAt(0), realAt(1)); }

bool PersistentPoint::setValue(const Point &value) {
    bool first = setRealAt(0, value.x);
    return setRealAt(1, value.y) && first;
}

} // namespace aip
} // namespace qor

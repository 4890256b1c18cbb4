#include "aip/qoraipPersistentSize.h"

namespace qor {
namespace aip {

PersistentSize::PersistentSize(json::Node *adopted)
    : PersistentFields(adopted, plat::PersistentDataType::Size, {real("__w", 0.0), real("__h", 0.0)}) {}

PersistentSize::PersistentSize(const Size &value, const std::string &key)
    : PersistentSize(json::Node::create(json::Object, key)) {
    setValue(value);
}

Size PersistentSize::value() const { return Size(realAt(0), realAt(1)); }

bool PersistentSize::setValue(const Size &value) {
    bool first = setRealAt(0, value.width);
    return setRealAt(1, value.height) && first;
}

} // namespace aip
} // namespace qor

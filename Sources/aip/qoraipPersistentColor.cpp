#include "aip/qoraipPersistentColor.h"

namespace qor {
namespace aip {

PersistentColor::PersistentColor(json::Node *adopted)
    : PersistentFields(adopted, plat::PersistentDataType::Color,
                       {real("__r", 0.0), real("__g", 0.0), real("__b", 0.0), real("__o", 1.0)}) {
    refresh();
}

PersistentColor::PersistentColor(const Color &value, const std::string &key)
    : PersistentColor(json::Node::create(json::Object, key)) {
    setValue(value);
}

void PersistentColor::refresh() { cached_ = Color(realAt(0), realAt(1), realAt(2), realAt(3)); }

Color PersistentColor::value() const { return cached_; }

bool PersistentColor::setValue(const Color &value) {
    const double channels[] = {value.r, value.g, value.b, value.a};
    bool all = true;
    for (size_t i = 0; i < 4; ++i) all = setRealAt(i, channels[i]) && all;
    refresh();
    return all;
}

} // namespace aip
} // namespace qor

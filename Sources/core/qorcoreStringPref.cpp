#include "core/qorcoreStringPref.h"

#include "plat/qorplatPersistentString.h"

namespace qor {
namespace core {

std::string StringPref::stringValue() const {
    auto *s = dynamic_cast<plat::PersistentString *>(prefDataImpl(*this));
    return s ? s->value() : std::string();
}
bool StringPref::setString(const std::string &value) {
    auto *s = dynamic_cast<plat::PersistentString *>(prefDataImpl(*this));
    return s && s->setValue(value);
}

} // namespace core
} // namespace qor

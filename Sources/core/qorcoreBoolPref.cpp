#include "core/qorcoreBoolPref.h"

#include "plat/qorplatPersistentBool.h"

namespace qor {
namespace core {

bool BoolPref::boolValue() const {
    auto *b = dynamic_cast<plat::PersistentBool *>(prefDataImpl(*this));
    return b && b->value();
}
bool BoolPref::setBool(bool value) {
    auto *b = dynamic_cast<plat::PersistentBool *>(prefDataImpl(*this));
    return b && b->setValue(value);
}

} // namespace core
} // namespace qor

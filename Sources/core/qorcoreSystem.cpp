#include "core/qorcoreSystem.h"

#include "plat/qorplatCallbackScheduler.h"

namespace qor {
namespace core {

int32_t currentModifierKeys()
{
    return static_cast<int32_t>(plat::modifierKeyMask() & (1 | 2 | 4 | 8));
}

int32_t osVersionCode()
{
    int32_t code = static_cast<int32_t>(plat::osVersionCode());
    switch (code) {
    case 100000: case 60300: case 60200: case 60101: case 60100: case 60002:
    case 60001: case 60000: case 50103: case 50102: case 50101: case 50100:
        return code;
    default:
        return 0;
    }
}

}  // namespace core
}  // namespace qor

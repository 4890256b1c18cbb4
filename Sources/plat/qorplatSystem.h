// Platform queries of the keyboard's modifier keys and of the operating-system version.
#pragma once

#include <cstdint>

namespace qor {
namespace plat {

// 1 Shift, 2 Alt, 4 Control, for the keys held down now.
int32_t currentModifierKeys();
// major × 10000 + minor × 100 + service pack, of the newest known version the system reaches.
int32_t osVersionCode();

}  // namespace plat
}  // namespace qor

// Client queries of the modifier keys held down and of the operating-system version.
#pragma once

#include <cstdint>

namespace qor {
namespace core {

// A bit set: 1 Shift, 2 Alt, 4 Control (and 8 when the platform reports it).
int32_t currentModifierKeys();
// One of the twelve known version codes (100000 for 10.0 down to 50100), else 0.
int32_t osVersionCode();

}  // namespace core
}  // namespace qor

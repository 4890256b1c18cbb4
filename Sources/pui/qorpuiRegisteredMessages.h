// Window messages the UI layer registers by name when the module loads.
#pragma once

namespace qor {
namespace pui {

extern const char16_t comboSelEndOkMessageName[];
// Posted by the owner-drawn combo box to itself when a selection ends with OK.
extern const unsigned int comboSelEndOkMessage;

}  // namespace pui
}  // namespace qor

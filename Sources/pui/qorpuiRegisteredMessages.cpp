#include "pui/qorpuiRegisteredMessages.h"

#include "win/WinUser.h"

namespace qor {
namespace pui {

const char16_t comboSelEndOkMessageName[] = u"QorPluginComboSelEndOK";
const unsigned int comboSelEndOkMessage = RegisterWindowMessageW(comboSelEndOkMessageName);

}  // namespace pui
}  // namespace qor

#include "core/qorcoreAlert.h"

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "win/WinBase.h"

namespace qor {
namespace core {

void messageAlert(const std::string& message)
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  if (!globals || !globals->alertsEnabled)
    return;
  OutputDebugStringA(("Alert: " + message + "\n").c_str());
}

void alert(const std::string& message)
{
  messageAlert(message);
}

}  // namespace core
}  // namespace qor

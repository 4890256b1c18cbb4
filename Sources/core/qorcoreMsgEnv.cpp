#include "core/qorcoreMsgEnv.h"

#include "core/qorcoreDispatcher.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor::core {

CoreGlobals* msgCoreGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

Dispatcher* msgDispatcher() { return Dispatcher::instance(); }

} // namespace qor::core

#include "core/qorcoreHandleGlobals.h"

#include "core/qorcoreCoreGlobals.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

CoreGlobals* handleGlobals()
{
    pui::BasePlugin* plugin = pui::BasePlugin::instance();
    UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
    return ui ? ui->coreGlobals : nullptr;
}

}  // namespace core
}  // namespace qor

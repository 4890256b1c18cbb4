#include "pui/qorpuiWindowLists.h"

#include "aip/qoraipIllustrator.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace pui {

namespace qorpuiWindowLists_detail {
UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}
}  // namespace qorpuiWindowLists_detail

void adjustBorderlessPanelsBrightness()
{
  if (aip::Illustrator* app = aip::Illustrator::instance())
    app->themeColor(10, 10);
}

void adjustFloatingDialogsBrightness()
{
  if (aip::Illustrator* app = aip::Illustrator::instance())
    app->themeColor(20, 10);
}

void adjustControlBarsBrightness() {}


}  // namespace pui
}  // namespace qor

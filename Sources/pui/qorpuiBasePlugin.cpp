#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiWinMfcHtmlSvgHelper.h"

#include "aip/qoraipPlatformServices.h"
#include "aip/qoraipPluginGlobals.h"
#include "pui/qorpuiConstants.h"
#include "pui/qorpuiKeypressMonitors.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindowLists.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace pui {

namespace qorpuiBasePlugin_detail {
BasePlugin* instance = nullptr;
}

BasePlugin::BasePlugin(PluginRef pluginRef, const std::string& name) : aip::BasePlugin(pluginRef, name)
{
  if (!qorpuiBasePlugin_detail::instance)
    qorpuiBasePlugin_detail::instance = this;
  createUiGlobals();
}

BasePlugin::~BasePlugin()
{
  startupLog("Beginning UI plugin destruction");
  aip::PluginGlobals* pluginGlobals = globals();
  if (UiGlobals* ui = pluginGlobals ? pluginGlobals->uiGlobals : nullptr) {
    startupLog("Cleaning up remaining control bars");
    ui->controlBars.clear();
    if (!ui->modalDialogs.isEmpty()) {
      const std::string warning = "WARNING: " + name() +
                                  " - Not all ModalDialog instances have been destructed; "
                                  "this can cause crashing on quit under certain circumstances!";
      startupLog(warning);
      aip::platform::debuggerOutput(warning + "\n");
    }
    startupLog("Cleaning up remaining modal dialogs");
    ui->modalDialogs.clear();
    startupLog("Cleaning up remaining borderless panels");
    for (auto entry = ui->borderlessPanels.begin(); entry != ui->borderlessPanels.end();) {
      BorderlessPanel* panel = *entry;
      ++entry;
      delete panel;
    }
    ui->borderlessPanels.clear();
    startupLog("Cleaning up remaining panels");
    ui->panels.clear();
    startupLog("Cleaning up globals");
    delete ui;
    pluginGlobals->uiGlobals = nullptr;
  }
  startupLog("Setting UI plugin instance to NULL");
  qorpuiBasePlugin_detail::instance = nullptr;
  startupLog("Ending UI plugin destruction");
}

BasePlugin* BasePlugin::instance()
{
  return qorpuiBasePlugin_detail::instance;
}

void BasePlugin::setInstance(BasePlugin* plugin)
{
  qorpuiBasePlugin_detail::instance = plugin;
}

UiGlobals* BasePlugin::uiGlobals() const
{
  aip::PluginGlobals* pluginGlobals = globals();
  return pluginGlobals ? pluginGlobals->uiGlobals : nullptr;
}

void BasePlugin::createUiGlobals()
{
  if (aip::PluginGlobals* pluginGlobals = globals())
    pluginGlobals->uiGlobals = new UiGlobals();
}

int32_t BasePlugin::startup()
{
  startupLog("Beginning UI plugin startup");
  startupLog("Passing startup event to base plugin");
  if (int32_t code = aip::BasePlugin::startup()) {
    startupLog("Base plugin startup failed");
    return code;
  }
  startupLog("Subscribing to UI brightness change notifier");
  addBaseNotifier(uiThemeChangedNotifierPrefix, "AI UI Brightness Changed Notifier",
                  new utils::__Callback<BasePlugin>(this, &BasePlugin::adjustBrightness));
  return 0;
}

int32_t BasePlugin::postStartup()
{
  startupLog("Beginning UI plugin post-startup");
  startupLog("Passing post-startup event to base plugin");
  if (int32_t code = aip::BasePlugin::postStartup()) {
    startupLog("Base plugin post-startup failed");
    return code;
  }
  startupLog("Ending UI plugin post-startup");
  return 0;
}

int32_t BasePlugin::preShutdown()
{
  startupLog("Beginning UI plugin pre-shutdown");
  startupLog("Passing pre-shutdown event to base plugin");
  if (int32_t code = aip::BasePlugin::preShutdown()) {
    startupLog("Base plugin pre-shutdown failed");
    return code;
  }
  startupLog("Hiding all borderless panels");
  closeAllBorderlessPanels();
  if (UiGlobals* ui = uiGlobals()) {
    startupLog("Cleaning up borderless panels");
    while (!ui->borderlessPanels.isEmpty())
      delete ui->borderlessPanels.front();
    ui->borderlessPanels.clear();
  }
  startupLog("Cleaning up keypress monitors");
  clearKeypressMonitors();
  releaseSvgRenderer();
  startupLog("Ending UI plugin pre-shutdown");
  return 0;
}

int32_t BasePlugin::shutdown()
{
  startupLog("Beginning UI plugin shutdown");
  startupLog("Passing shutdown event to base plugin");
  if (int32_t code = aip::BasePlugin::shutdown()) {
    startupLog("Base plugin shutdown failed");
    return code;
  }
  startupLog("Cleaning up Windows tooltip");
  destroySharedTooltip();
  startupLog("Ending base plugin shutdown");
  return 0;
}

void BasePlugin::onSelect()
{
  closeAllBorderlessPanels();
  aip::BasePlugin::onSelect();
}

void BasePlugin::onDeselect()
{
  closeAllBorderlessPanels();
  aip::BasePlugin::onDeselect();
}

void BasePlugin::adjustBrightness()
{
  startupLog("Adjusting brightness of all control bars");
  adjustControlBarsBrightness();
  startupLog("Adjusting brightness of all modal dialogs");
  redrawAllModalDialogs();
  startupLog("Adjusting brightness of all floating dialogs");
  adjustFloatingDialogsBrightness();
  startupLog("Adjusting brightness of all panels");
  adjustPanelsBrightness();
  startupLog("Adjusting brightness of all borderless panels");
  adjustBorderlessPanelsBrightness();
}

}  // namespace pui
}  // namespace qor

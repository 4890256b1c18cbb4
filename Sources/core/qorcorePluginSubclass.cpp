#include "core/qorcorePluginSubclass.h"

#include <cmath>

#include "aip/qoraipDocument.h"
#include "aip/qoraipDocumentView.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuitePointers.h"
#include "aip/qoraipToolMessageData.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreModalDialog.h"
#include "core/qorcorePluginRegistrations.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

__IntPluginSubclass::__IntPluginSubclass(PluginRef pluginRef, const std::string& name)
  : pui::BasePlugin(pluginRef, name), currentTool(registrations::newTool())
{
  aip::BasePlugin::setInstance(this);
  pui::BasePlugin::setInstance(this);
  createCoreGlobals();
}

__IntPluginSubclass::~__IntPluginSubclass()
{
  startupLog("Cleaning up all intermediate plugin registered callbacks");
  for (Callback** place : {&startupCallback, &postStartupCallback, &shutdownCallback, &uiBrightnessCallback}) {
    delete *place;
    *place = nullptr;
  }
  for (ModalDialog** place : {&aboutDialog, &prefsDialog}) {
    delete *place;
    *place = nullptr;
  }
  for (MenuItem** place : {&aboutMenuItem, &prefsMenuItem}) {
    registrations::deleteMenuItem(*place);
    *place = nullptr;
  }
  for (Callback** place : {&preShutdownCallback, &menuGoCallback, &menuUpdateCallback}) {
    delete *place;
    *place = nullptr;
  }
  for (int event = 0; event < ToolEventCount; ++event) {
    delete beforeCallbacks[event];
    beforeCallbacks[event] = nullptr;
    delete afterCallbacks[event];
    afterCallbacks[event] = nullptr;
  }
  registrations::deleteTool(currentTool);
  currentTool = nullptr;
  // The core globals go with the layer: every client handle and record that looks them up is gone
  // by now, and later lookups find the chain broken.
  if (UiGlobals* ui = uiGlobals()) {
    if (ui->coreGlobals)
      clearFontCache(ui->coreGlobals->fontCache);
    delete ui->coreGlobals;
    ui->coreGlobals = nullptr;
  }
}

void __IntPluginSubclass::createCoreGlobals()
{
  if (UiGlobals* ui = uiGlobals())
    ui->coreGlobals = new CoreGlobals();
}

void __IntPluginSubclass::storeClone(Callback*& place, const Callback& callback)
{
  delete place;
  place = nullptr;
  place = callback.clone();
}

void __IntPluginSubclass::runCallback(Callback* callback)
{
  if (callback)
    callback->execute();
}

namespace qorcorePluginSubclass_detail {
struct PhaseLines
{
  const char* begin;
  const char* pass;
  const char* failure;
  const char* end;
};
const PhaseLines startupLines{"Beginning intermediate plugin startup", "Passing startup event to UI plugin",
                              "UI plugin startup failed", "Ending intermediate plugin startup"};
const PhaseLines postStartupLines{"Beginning intermediate plugin post-startup",
                                  "Passing post-startup event to UI plugin", "UI plugin post-startup failed",
                                  "Ending intermediate plugin post-startup"};
const PhaseLines preShutdownLines{"Beginning intermediate plugin pre-shutdown",
                                  "Passing pre-shutdown event to UI plugin", "UI plugin pre-shutdown failed",
                                  "Ending intermediate plugin pre-shutdown"};
const PhaseLines shutdownLines{"Beginning intermediate plugin shutdown", "Passing shutdown event to UI plugin",
                               "UI plugin shutdown failed", "Ending intermediate plugin shutdown"};

template <typename Phase>
int32_t runPhase(__IntPluginSubclass& plugin, const PhaseLines& lines, Phase phase)
{
  plugin.startupLog(lines.begin);
  plugin.startupLog(lines.pass);
  if (int32_t code = phase()) {
    plugin.startupLog(lines.failure);
    return code;
  }
  plugin.startupLog(lines.end);
  return 0;
}
}  // namespace qorcorePluginSubclass_detail

int32_t __IntPluginSubclass::startup()
{
  return qorcorePluginSubclass_detail::runPhase(*this, qorcorePluginSubclass_detail::startupLines,
                                                [this] { return pui::BasePlugin::startup(); });
}

int32_t __IntPluginSubclass::postStartup()
{
  return qorcorePluginSubclass_detail::runPhase(*this, qorcorePluginSubclass_detail::postStartupLines,
                                                [this] { return pui::BasePlugin::postStartup(); });
}

int32_t __IntPluginSubclass::preShutdown()
{
  return qorcorePluginSubclass_detail::runPhase(*this, qorcorePluginSubclass_detail::preShutdownLines,
                                                [this] { return pui::BasePlugin::preShutdown(); });
}

int32_t __IntPluginSubclass::shutdown()
{
  return qorcorePluginSubclass_detail::runPhase(*this, qorcorePluginSubclass_detail::shutdownLines,
                                                [this] { return pui::BasePlugin::shutdown(); });
}

bool __IntPluginSubclass::isStartingUp() const
{
  return coreStartingUp || aip::BasePlugin::isStartingUp();
}
bool __IntPluginSubclass::isStartupDone() const
{
  return coreStartupDone && aip::BasePlugin::isStartupDone();
}
bool __IntPluginSubclass::isPostStartingUp() const
{
  return corePostStartingUp || aip::BasePlugin::isPostStartingUp();
}
bool __IntPluginSubclass::isPostStartupDone() const
{
  return corePostStartupDone && aip::BasePlugin::isPostStartupDone();
}
bool __IntPluginSubclass::isPreShuttingDown() const
{
  return corePreShuttingDown || aip::BasePlugin::isPreShuttingDown();
}
bool __IntPluginSubclass::isPreShutdownDone() const
{
  return corePreShutdownDone && aip::BasePlugin::isPreShutdownDone();
}
bool __IntPluginSubclass::isShuttingDown() const
{
  return coreShuttingDown || aip::BasePlugin::isShuttingDown();
}
bool __IntPluginSubclass::isShutdownDone() const
{
  return coreShutdownDone && aip::BasePlugin::isShutdownDone();
}

void __IntPluginSubclass::onMenuGo()
{
  aip::BasePlugin::onMenuGo();
  runCallback(menuGoCallback);
}

void __IntPluginSubclass::onMenuUpdate()
{
  aip::BasePlugin::onMenuUpdate();
  runCallback(menuUpdateCallback);
}

void __IntPluginSubclass::adjustBrightness()
{
  pui::BasePlugin::adjustBrightness();
  runCallback(uiBrightnessCallback);
}

void __IntPluginSubclass::onUIBrightnessChanged()
{
  adjustBrightness();
}

void __IntPluginSubclass::runToolEvent(ToolEvent event, const std::function<void()>& lowerHandler)
{
  runCallback(beforeCallbacks[event]);
  lowerHandler();
  runCallback(afterCallbacks[event]);
}

void __IntPluginSubclass::onSelect()
{
  runCallback(beforeCallbacks[SelectEvent]);
  pui::BasePlugin::onSelect();
  if (const ::ToolMessage* message = toolMessage(); message && aip::BasePlugin::currentTool())
    registrations::assignTool(currentTool, message->tool);
  if (aip::BasePlugin::currentTool())
    registrations::runToolCallback(currentTool, 0);
  runCallback(afterCallbacks[SelectEvent]);
}

void __IntPluginSubclass::onDeselect()
{
  runCallback(beforeCallbacks[DeselectEvent]);
  pui::BasePlugin::onDeselect();
  registrations::runToolCallback(currentTool, 1);
  registrations::clearTool(currentTool);
  runCallback(afterCallbacks[DeselectEvent]);
}

void __IntPluginSubclass::onReselect()
{
  runCallback(beforeCallbacks[ReselectEvent]);
  aip::BasePlugin::onReselect();
  registrations::runToolCallback(currentTool, 2);
  runCallback(afterCallbacks[ReselectEvent]);
}

void __IntPluginSubclass::onTrackCursor()
{
  runToolEvent(TrackCursorEvent, [this] { aip::BasePlugin::onTrackCursor(); });
}

void __IntPluginSubclass::onMouseDown()
{
  if (const ::ToolMessage* message = toolMessage()) {
    aip::ToolMessageData copy(*message);
    mouseDownPoint = copy.cursor();
  }
  runToolEvent(MouseDownEvent, [this] { aip::BasePlugin::onMouseDown(); });
}

void __IntPluginSubclass::onMouseDrag()
{
  const ::ToolMessage* message = toolMessage();
  aip::Illustrator* app = aip::Illustrator::instance();
  aip::Document* doc = app ? app->currentDocument() : nullptr;
  aip::DocumentView* view = doc ? doc->currentView() : nullptr;
  if (!message || !view)
    return;
  aip::ToolMessageData copy(*message);
  double zoom = view->zoom();
  // Two screen units in document units; a drag strictly inside them in both directions is dropped. A view
  // without a usable zoom has no screen units to measure with, so its drags are dropped as well.
  if (!(zoom > 0) || !std::isfinite(zoom))
    return;
  const double tolerance = 2.0 / zoom;
  if (copy.cursor().equalsWithin(mouseDownPoint, tolerance))
    return;
  runToolEvent(MouseDragEvent, [this] { aip::BasePlugin::onMouseDrag(); });
}

void __IntPluginSubclass::onMouseUp()
{
  runToolEvent(MouseUpEvent, [this] { aip::BasePlugin::onMouseUp(); });
}

void __IntPluginSubclass::onIncreaseDiameter()
{
  runToolEvent(IncreaseDiameterEvent, [this] { aip::BasePlugin::onIncreaseDiameter(); });
}

void __IntPluginSubclass::onDecreaseDiameter()
{
  runToolEvent(DecreaseDiameterEvent, [this] { aip::BasePlugin::onDecreaseDiameter(); });
}

void __IntPluginSubclass::onEditOptions()
{
  runToolEvent(EditOptionsEvent, [this] { aip::BasePlugin::onEditOptions(); });
}

}  // namespace core
}  // namespace qor

// The top layer of the plug-in object, the one that knows the client: it holds the client's
// callbacks, dialogs and menu items, runs the client's callbacks around the lower layers' handling
// of host events, and creates the core globals.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "aip/qoraipArtboardPoint.h"
#include "pui/qorpuiBasePlugin.h"

namespace qor {
namespace core {

class Callback;
class ModalDialog;
class MenuItem;
class Tool;
class Plugin;

class __IntPluginSubclass : public pui::BasePlugin
{
public:
  // The ten tool events, in the order their callbacks are stored.
  enum ToolEvent
  {
    SelectEvent,
    ReselectEvent,
    DeselectEvent,
    TrackCursorEvent,
    MouseDownEvent,
    MouseDragEvent,
    MouseUpEvent,
    DecreaseDiameterEvent,
    IncreaseDiameterEvent,
    EditOptionsEvent,
    ToolEventCount
  };

  __IntPluginSubclass(PluginRef pluginRef, const std::string& name);
  ~__IntPluginSubclass() override;

  int32_t startup() override;
  int32_t postStartup() override;
  int32_t preShutdown() override;
  int32_t shutdown() override;

  bool isStartingUp() const override;
  bool isStartupDone() const override;
  bool isPostStartingUp() const override;
  bool isPostStartupDone() const override;
  bool isPreShuttingDown() const override;
  bool isPreShutdownDone() const override;
  bool isShuttingDown() const override;
  bool isShutdownDone() const override;

  void onMenuGo() override;
  void onMenuUpdate() override;
  void onSelect() override;
  void onDeselect() override;
  void onReselect() override;
  void onMouseUp() override;
  void onMouseDown() override;
  void onMouseDrag() override;
  void onTrackCursor() override;
  void onIncreaseDiameter() override;
  void onDecreaseDiameter() override;
  void onEditOptions() override;
  // The UI layer's refresh, then the client's brightness callback.
  void adjustBrightness() override;
  void onUIBrightnessChanged();

  void createCoreGlobals();
  void onDocumentOpened();
  void onDocumentAboutToClose();
  void onFontListChanged();

private:
  friend class Plugin;

  // Replaces a stored callback with a clone of the argument.
  static void storeClone(Callback*& place, const Callback& callback);
  static void runCallback(Callback* callback);
  // The lower layer's handler is called by name: through a member pointer it would dispatch back here.
  void runToolEvent(ToolEvent event, const std::function<void()>& lowerHandler);

  Callback* startupCallback = nullptr;
  Callback* postStartupCallback = nullptr;
  Callback* shutdownCallback = nullptr;
  Callback* uiBrightnessCallback = nullptr;
  ModalDialog* aboutDialog = nullptr;
  ModalDialog* prefsDialog = nullptr;
  MenuItem* aboutMenuItem = nullptr;
  MenuItem* prefsMenuItem = nullptr;
  bool coreStartingUp = false;
  bool coreStartupDone = false;
  bool corePostStartingUp = false;
  bool corePostStartupDone = false;
  bool coreShuttingDown = false;
  bool coreShutdownDone = false;
  Tool* currentTool = nullptr;
  aip::ArtboardPoint mouseDownPoint;
  Callback* preShutdownCallback = nullptr;
  Callback* menuGoCallback = nullptr;
  Callback* menuUpdateCallback = nullptr;
  Callback* beforeCallbacks[ToolEventCount] = {};
  Callback* afterCallbacks[ToolEventCount] = {};
  bool corePreShuttingDown = false;
  bool corePreShutdownDone = false;
};

}  // namespace core
}  // namespace qor

// The client facade: the one object through which client code reaches the plug-in machinery.
// It holds no state of its own; every operation forwards to the layered plug-in object or the
// dispatcher.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "hostapi/HostApi.h"

namespace qor {
namespace core {

class Callback;
class Dispatcher;
class MenuItem;
class ModalDialog;
class Tool;
class __IntPluginSubclass;

enum UndoContextKind : int32_t
{
  StandardUndoContext = 10,
  SilentUndoContext = 20,
  AppendUndoContext = 30
};

class __IntPluginData
{
public:
  virtual ~__IntPluginData();

  __IntPluginSubclass* plugin = nullptr;
  Dispatcher* dispatcher = nullptr;
};

class Plugin
{
public:
  // With a null reference no layered object and no dispatcher are made.
  Plugin(PluginRef pluginRef, const std::string& name);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;
  virtual ~Plugin();

  // The facade the entry point created, or null.
  static Plugin* instance();
  static void setInstance(Plugin* plugin);

  // The four lifecycle phases, run by the entry point.
  int32_t startup();
  int32_t postStartup();
  int32_t preShutdown();
  int32_t shutdown();

  virtual PluginRef pluginRef() const;
  virtual std::string filePath() const;
  virtual std::string fileName() const;
  virtual std::string name() const;
  virtual void setName(const std::string& name);
  virtual int32_t optionBits() const;
  virtual void setOptionBits(int32_t bits);
  virtual Dispatcher* dispatcher() const;
  virtual Tool* currentTool() const;
  virtual void undoChanges();
  virtual bool setUndoKind(UndoContextKind kind);
  virtual bool resourceDataByName(int32_t type, const std::string& name, std::vector<char>& data);
  virtual bool resourceDataById(int32_t type, int16_t id, std::vector<char>& data);
  virtual bool snapAFEnabled() const;
  virtual void setSnapAFEnabled(bool enabled);
  virtual bool snapLEnabled() const;
  virtual void setSnapLEnabled(bool enabled);
  virtual bool snapPMEnabled() const;
  virtual void setSnapPMEnabled(bool enabled);
  virtual bool snapGEnabled() const;
  virtual void setSnapGEnabled(bool enabled);
  virtual bool isStartingUp() const;
  virtual bool isStartupDone() const;
  virtual bool isPostStartingUp() const;
  virtual bool isPostStartupDone() const;
  virtual bool isPreShuttingDown() const;
  virtual bool isPreShutdownDone() const;
  virtual bool isShuttingDown() const;
  virtual bool isShutdownDone() const;
  virtual std::ostream* logStream(const std::string& category) const;
  virtual void addLogStream(const std::string& category, std::ostream* stream);

  // Setters store a clone and delete the one stored before; getters return the stored clone.
  virtual Callback* startupCallback() const;
  virtual void setStartupCallback(const Callback& callback);
  virtual Callback* postStartupCallback() const;
  virtual void setPostStartupCallback(const Callback& callback);
  virtual Callback* preShutdownCallback() const;
  virtual void setPreShutdownCallback(const Callback& callback);
  virtual Callback* shutdownCallback() const;
  virtual void setShutdownCallback(const Callback& callback);
  virtual Callback* menuGoCallback() const;
  virtual void setMenuGoCallback(const Callback& callback);
  virtual Callback* menuUpdateCallback() const;
  virtual void setMenuUpdateCallback(const Callback& callback);
  virtual Callback* uiBrightnessCallback() const;
  virtual void setUIBrightnessCallback(const Callback& callback);

  virtual Callback* beforeSelectCallback() const;
  virtual void setBeforeSelectCallback(const Callback& callback);
  virtual Callback* afterSelectCallback() const;
  virtual void setAfterSelectCallback(const Callback& callback);
  virtual Callback* beforeDeselectCallback() const;
  virtual void setBeforeDeselectCallback(const Callback& callback);
  virtual Callback* afterDeselectCallback() const;
  virtual void setAfterDeselectCallback(const Callback& callback);
  virtual Callback* beforeReselectCallback() const;
  virtual void setBeforeReselectCallback(const Callback& callback);
  virtual Callback* afterReselectCallback() const;
  virtual void setAfterReselectCallback(const Callback& callback);
  virtual Callback* beforeTrackCursorCallback() const;
  virtual void setBeforeTrackCursorCallback(const Callback& callback);
  virtual Callback* afterTrackCursorCallback() const;
  virtual void setAfterTrackCursorCallback(const Callback& callback);
  virtual Callback* beforeMouseDownCallback() const;
  virtual void setBeforeMouseDownCallback(const Callback& callback);
  virtual Callback* afterMouseDownCallback() const;
  virtual void setAfterMouseDownCallback(const Callback& callback);
  virtual Callback* beforeMouseDragCallback() const;
  virtual void setBeforeMouseDragCallback(const Callback& callback);
  virtual Callback* afterMouseDragCallback() const;
  virtual void setAfterMouseDragCallback(const Callback& callback);
  virtual Callback* beforeMouseUpCallback() const;
  virtual void setBeforeMouseUpCallback(const Callback& callback);
  virtual Callback* afterMouseUpCallback() const;
  virtual void setAfterMouseUpCallback(const Callback& callback);
  virtual Callback* beforeDecreaseDiameterCallback() const;
  virtual void setBeforeDecreaseDiameterCallback(const Callback& callback);
  virtual Callback* afterDecreaseDiameterCallback() const;
  virtual void setAfterDecreaseDiameterCallback(const Callback& callback);
  virtual Callback* beforeIncreaseDiameterCallback() const;
  virtual void setBeforeIncreaseDiameterCallback(const Callback& callback);
  virtual Callback* afterIncreaseDiameterCallback() const;
  virtual void setAfterIncreaseDiameterCallback(const Callback& callback);
  virtual Callback* beforeEditOptionsCallback() const;
  virtual void setBeforeEditOptionsCallback(const Callback& callback);
  virtual Callback* afterEditOptionsCallback() const;
  virtual void setAfterEditOptionsCallback(const Callback& callback);

  // Setters delete the stored handle and keep a copy that shares the argument's container.
  virtual ModalDialog* aboutDialog() const;
  virtual void setAboutDialog(const ModalDialog& dialog);
  virtual ModalDialog* prefsDialog() const;
  virtual void setPrefsDialog(const ModalDialog& dialog);
  virtual MenuItem* aboutMenuItem() const;
  virtual void setAboutMenuItem(const MenuItem& item);
  virtual MenuItem* prefsMenuItem() const;
  virtual void setPrefsMenuItem(const MenuItem& item);

  // The layered plug-in object; null with a null host reference.
  __IntPluginSubclass* layered() const;

private:
  __IntPluginData* data;
};

}  // namespace core
}  // namespace qor

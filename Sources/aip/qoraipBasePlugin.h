// The lowest layer of the plug-in object: owns the plug-in globals and the host event router,
// acquires the framework's suites, runs the base part of the four lifecycle phases, keeps the
// plug-in locked between start-up and shutdown, and offers the plug-in's identity, resources and
// host tool-event handling.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace utils {
class Callback;
}
namespace aip {

struct PluginGlobals;
class EventDispatcher;
class BaseTool;

class BasePlugin
{
public:
  BasePlugin(PluginRef pluginRef, const std::string& name);
  BasePlugin(const BasePlugin&) = delete;
  BasePlugin& operator=(const BasePlugin&) = delete;
  virtual ~BasePlugin();

  // The first base plug-in constructed, until its destruction.
  static BasePlugin* instance();

  // The plug-in module's handle, or null when its file name cannot be read.
  virtual void* moduleHandle() const;
  virtual PluginRef pluginRef() const;
  virtual std::string filePath() const;
  virtual std::string fileName() const;
  virtual std::string name() const;
  virtual void setName(const std::string& name);
  virtual int32_t pluginOptions() const;
  virtual void setPluginOptions(int32_t options);
  // Created on first call; never null.
  virtual EventDispatcher* eventDispatcher();
  // The preferences object a derived layer may set; the base layer deletes it at shutdown.
  virtual void* preferences() const;
  template <typename T>
  void setPreferences(T* object)
  {
    deletePreferences();
    preferences_ = object;
    preferencesDeleter = [](void* owned) { delete static_cast<T*>(owned); };
  }

  // Result codes: 0, 1000 lock refused, 1001 name refused (start-up), 4000 unlock refused.
  virtual int32_t startup();
  virtual int32_t postStartup();
  virtual int32_t preShutdown();
  virtual int32_t shutdown();

  virtual bool isStartingUp() const;
  virtual bool isStartupDone() const;
  virtual bool isPostStartingUp() const;
  virtual bool isPostStartupDone() const;
  virtual bool isPreShuttingDown() const;
  virtual bool isPreShutdownDone() const;
  virtual bool isShuttingDown() const;
  virtual bool isShutdownDone() const;

  virtual bool lockPlugin();
  virtual bool unlockPlugin();

  virtual void onMenuGo();
  virtual void onMenuUpdate();
  virtual BaseTool* currentTool() const;
  virtual void undoChanges();
  // The bytes of a resource of the module in a new array the caller frees, followed by one zero
  // byte that the size does not count.
  virtual bool loadResourceByName(int32_t type, const std::string& name, char** data, int32_t* size);
  virtual bool loadResourceById(int32_t type, int16_t id, char** data, int32_t* size);
  virtual PluginGlobals* globals() const;
  virtual std::ostream* logStream(const std::string& category) const;
  // The first stream registered for a category stays.
  virtual void addLogStream(const std::string& category, std::ostream* stream);

  virtual void onSelect();
  virtual void onDeselect();
  virtual void onReselect();
  virtual void onMouseUp();
  virtual void onMouseDown();
  virtual void onMouseDrag();
  virtual void onTrackCursor();
  virtual void onIncreaseDiameter();
  virtual void onDecreaseDiameter();
  virtual void onEditOptions();

  bool loadResourceData(int32_t type, int16_t id, const std::string& name, char** data, int32_t* size);
  void updateSnappedCursor();

  // Writes one line and a newline to the "StartupLog" stream, when one is registered.
  void startupLog(const std::string& line) const;

  bool snapAFEnabled = true;
  bool snapLEnabled = true;
  bool snapPMEnabled = true;
  bool snapGEnabled = true;

protected:
  static void setInstance(BasePlugin* plugin);

  // The base layer's router interaction, kept apart from the phases.
  // The router owns the notifier and its callback (which may be null).
  void addBaseNotifier(const std::string& prefix, const char* hostNotifierName, utils::Callback* callback = nullptr);
  void subscribeBaseMessage(const char* caller, const char* selector, void (BasePlugin::*handler)());
  void destroyEventDispatcher();
  // The router's copy of the last host tool message, or null.
  const ToolMessage* toolMessage() const;
  std::string notifierSuffix() const;

private:
  void passNameToHost(const std::string& name) const;
  void deletePreferences();

  void* preferences_ = nullptr;
  void (*preferencesDeleter)(void*) = nullptr;
  PluginGlobals* globals_ = nullptr;
  std::map<std::string, std::ostream*>* logStreams = nullptr;
  PluginRef pluginRef_ = nullptr;
  std::string pluginName;
  bool startingUp = false;
  bool startupDone = false;
  bool postStartingUp = false;
  bool postStartupDone = false;
  bool preShuttingDown = false;
  bool preShutdownDone = false;
  bool shuttingDown = false;
  bool shutdownDone = false;
  EventDispatcher* eventDispatcher_ = nullptr;
  BaseTool* currentTool_ = nullptr;
  int32_t lockCount = 0;
  AccessRef accessRef = nullptr;
  int64_t dragCount = 0;
};

// Writes "General plugin error: <code>" to the debugger output.
void reportGeneralPluginError(int32_t code);

}  // namespace aip
}  // namespace qor

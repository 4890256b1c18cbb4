#include "core/qorcorePlugin.h"

#include "aip/qoraipIllustrator.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreModalDialog.h"
#include "core/qorcorePluginRegistrations.h"
#include "core/qorcorePluginSubclass.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcorePlugin_detail {
Plugin* instance = nullptr;
}

__IntPluginData::~__IntPluginData()
{
  delete plugin;
  plugin = nullptr;
}

Plugin::Plugin(PluginRef pluginRef, const std::string& name) : data(new __IntPluginData())
{
  if (!pluginRef)
    return;
  data->plugin = new __IntPluginSubclass(pluginRef, name);
  data->dispatcher = registrations::createDispatcher();
}

Plugin::~Plugin()
{
  delete data;
  data = nullptr;
}

Plugin* Plugin::instance()
{
  return qorcorePlugin_detail::instance;
}

void Plugin::setInstance(Plugin* plugin)
{
  qorcorePlugin_detail::instance = plugin;
}

__IntPluginSubclass* Plugin::layered() const
{
  return data ? data->plugin : nullptr;
}

int32_t Plugin::startup()
{
  __IntPluginSubclass* plugin = layered();
  if (!plugin)
    return 0;
  plugin->startupLog("Beginning qor_core plugin startup");
  plugin->coreStartingUp = true;
  plugin->startupLog("Passing startup event to intermediate plugin");
  const int32_t code = plugin->startup();

  aip::acquireSuite(aip::pluginGroupSuite, kPluginGroupSuiteName, kPluginGroupSuiteVersion);
  aip::acquireSuite(aip::preferenceSuite, kPreferenceSuiteName, kPreferenceSuiteVersion);
  aip::Illustrator* app = aip::Illustrator::instance();
  if (app && app->majorVersion() == 25 && app->minorVersion() == 1 && aip::preferenceSuite)
    aip::preferenceSuite->putBooleanPreference(nullptr, "AiFastExit", 0);

  UiGlobals* ui = plugin->uiGlobals();
  CoreGlobals* globals = ui ? ui->coreGlobals : nullptr;
  if (!globals) {
    plugin->startupLog("qor_core plugin globals appear to be missing");
    return 0;
  }
  plugin->startupLog("Subscribing to document open/close notifiers");
  registrations::registerNotifier(
      data->dispatcher, 220, __Callback<__IntPluginSubclass>(plugin, &__IntPluginSubclass::onDocumentOpened));
  registrations::registerNotifier(data->dispatcher, 200,
                                  __Callback<__IntPluginSubclass>(plugin, &__IntPluginSubclass::onDocumentAboutToClose));
  plugin->startupLog("Subscribing to font list changed notifier");
  registrations::registerNotifier(data->dispatcher, 450,
                                  __Callback<__IntPluginSubclass>(plugin, &__IntPluginSubclass::onFontListChanged));
  plugin->startupLog("Building cached platform font list");
  plugin->onFontListChanged();

  plugin->startupLog("Registering generic plugin custom art group");
  const std::string groupName = name() + " Custom Art";
  if (aip::pluginGroupSuite) {
    PluginGroupDescription description{1, 0, groupName.c_str()};
    aip::pluginGroupSuite->addPluginArtGroup(plugin->pluginRef(), groupName.c_str(), &description, 4096,
                                             &globals->customArtGroup);
  }
  plugin->startupLog("Passing startup event to client of qor_core plugin");
  __IntPluginSubclass::runCallback(plugin->startupCallback);
  plugin->coreStartingUp = false;
  plugin->coreStartupDone = true;
  plugin->startupLog("Ending qor_core plugin startup");
  return (code >= 1000 && code <= 1009) ? 1000 + 10 * (code - 1000) : 0;
}

int32_t Plugin::postStartup()
{
  __IntPluginSubclass* plugin = layered();
  if (!plugin)
    return 0;
  plugin->startupLog("Beginning qor_core plugin post-startup");
  plugin->corePostStartingUp = true;
  plugin->startupLog("Passing post-startup event to intermediate plugin");
  plugin->postStartup();
  plugin->startupLog("Passing post-startup event to client of qor_core plugin");
  __IntPluginSubclass::runCallback(plugin->postStartupCallback);
  plugin->corePostStartingUp = false;
  plugin->corePostStartupDone = true;
  plugin->startupLog("Ending qor_core plugin post-startup");
  return 0;
}

int32_t Plugin::preShutdown()
{
  __IntPluginSubclass* plugin = layered();
  if (!plugin)
    return 0;
  plugin->startupLog("Beginning qor_core plugin pre-shutdown");
  plugin->corePreShuttingDown = true;
  plugin->startupLog("Passing pre-shutdown event to client of qor_core plugin");
  __IntPluginSubclass::runCallback(plugin->preShutdownCallback);
  if (plugin->aboutDialog) {
    plugin->startupLog("Cleaning up \"about\" dialog");
    plugin->aboutDialog->destroy();
  }
  if (plugin->prefsDialog) {
    plugin->startupLog("Cleaning up prefs dialog");
    plugin->prefsDialog->destroy();
  }
  plugin->startupLog("Passing pre-shutdown event to intermediate plugin");
  plugin->preShutdown();
  plugin->corePreShuttingDown = false;
  plugin->corePreShutdownDone = true;
  plugin->startupLog("Ending qor_core plugin pre-shutdown");
  return 0;
}

int32_t Plugin::shutdown()
{
  __IntPluginSubclass* plugin = layered();
  if (!plugin)
    return 0;
  plugin->startupLog("Beginning qor_core plugin shutdown");
  plugin->coreShuttingDown = true;
  plugin->startupLog("Passing shutdown event to client of qor_core plugin");
  __IntPluginSubclass::runCallback(plugin->shutdownCallback);
  if (plugin->aboutMenuItem) {
    plugin->startupLog("Cleaning up \"about\" menu item");
    registrations::destroyMenuItem(plugin->aboutMenuItem);
  }
  if (plugin->prefsMenuItem) {
    plugin->startupLog("Cleaning up prefs menu item");
    registrations::destroyMenuItem(plugin->prefsMenuItem);
  }
  plugin->startupLog("Cleaning up event dispatcher");
  if (data->dispatcher) {
    registrations::destroyDispatcher(data->dispatcher);
    data->dispatcher = nullptr;
  }
  plugin->startupLog("Passing shutdown event to intermediate plugin");
  const int32_t code = plugin->shutdown();
  plugin->coreShuttingDown = false;
  plugin->coreShutdownDone = true;
  plugin->startupLog("Ending qor_core plugin shutdown");
  return code == 4000 ? 4000 : 0;
}

PluginRef Plugin::pluginRef() const
{
  return layered() ? layered()->pluginRef() : nullptr;
}

std::string Plugin::filePath() const
{
  return layered() ? layered()->filePath() : std::string();
}

std::string Plugin::fileName() const
{
  return layered() ? layered()->fileName() : std::string();
}

std::string Plugin::name() const
{
  return layered() ? layered()->name() : std::string();
}

void Plugin::setName(const std::string& name)
{
  if (layered())
    layered()->setName(name);
}

int32_t Plugin::optionBits() const
{
  if (!layered())
    return 0;
  const int32_t host = layered()->pluginOptions();
  return ((host & 2) ? 1 : 0) | ((host & 4) ? 2 : 0);
}

void Plugin::setOptionBits(int32_t bits)
{
  if (layered())
    layered()->setPluginOptions(((bits & 1) ? 2 : 0) | ((bits & 2) ? 4 : 0));
}

Dispatcher* Plugin::dispatcher() const
{
  return data ? data->dispatcher : nullptr;
}

Tool* Plugin::currentTool() const
{
  return layered() ? layered()->currentTool : nullptr;
}

void Plugin::undoChanges()
{
  if (layered())
    layered()->undoChanges();
}

bool Plugin::setUndoKind(UndoContextKind kind)
{
  if (!layered())
    return false;
  int32_t hostKind = 0;
  switch (kind) {
  case StandardUndoContext:
    hostKind = 0;
    break;
  case SilentUndoContext:
    hostKind = 1;
    break;
  case AppendUndoContext:
    hostKind = 2;
    break;
  default:
    return false;
  }
  if (!aip::acquireSuite(aip::undoSuite, kUndoSuiteName, kUndoSuiteVersion))
    return false;
  return aip::undoSuite->setUndoContextKind(hostKind) == 0;
}

namespace qorcorePlugin_detail {
// Copies the loader's bytes into the vector and frees the loader's buffer.
bool takeResource(bool loaded, char* bytes, int32_t size, std::vector<char>& data)
{
  if (!loaded)
    return false;
  std::vector<char> copy(bytes, bytes + size);
  delete[] bytes;
  data = std::move(copy);
  return true;
}
}  // namespace qorcorePlugin_detail

bool Plugin::resourceDataByName(int32_t type, const std::string& name, std::vector<char>& data)
{
  if (!layered())
    return false;
  char* bytes = nullptr;
  int32_t size = 0;
  const bool loaded = layered()->loadResourceByName(type, name, &bytes, &size);
  return qorcorePlugin_detail::takeResource(loaded, bytes, size, data);
}

bool Plugin::resourceDataById(int32_t type, int16_t id, std::vector<char>& data)
{
  if (!layered())
    return false;
  char* bytes = nullptr;
  int32_t size = 0;
  const bool loaded = layered()->loadResourceById(type, id, &bytes, &size);
  return qorcorePlugin_detail::takeResource(loaded, bytes, size, data);
}

bool Plugin::snapAFEnabled() const { return layered() && layered()->snapAFEnabled; }
void Plugin::setSnapAFEnabled(bool enabled)
{
  if (layered())
    layered()->snapAFEnabled = enabled;
}
bool Plugin::snapLEnabled() const { return layered() && layered()->snapLEnabled; }
void Plugin::setSnapLEnabled(bool enabled)
{
  if (layered())
    layered()->snapLEnabled = enabled;
}
bool Plugin::snapPMEnabled() const { return layered() && layered()->snapPMEnabled; }
void Plugin::setSnapPMEnabled(bool enabled)
{
  if (layered())
    layered()->snapPMEnabled = enabled;
}
bool Plugin::snapGEnabled() const { return layered() && layered()->snapGEnabled; }
void Plugin::setSnapGEnabled(bool enabled)
{
  if (layered())
    layered()->snapGEnabled = enabled;
}

bool Plugin::isStartingUp() const { return layered() && layered()->isStartingUp(); }
bool Plugin::isStartupDone() const { return layered() && layered()->isStartupDone(); }
bool Plugin::isPostStartingUp() const { return layered() && layered()->isPostStartingUp(); }
bool Plugin::isPostStartupDone() const { return layered() && layered()->isPostStartupDone(); }
bool Plugin::isPreShuttingDown() const { return layered() && layered()->isPreShuttingDown(); }
bool Plugin::isPreShutdownDone() const { return layered() && layered()->isPreShutdownDone(); }
bool Plugin::isShuttingDown() const { return layered() && layered()->isShuttingDown(); }
bool Plugin::isShutdownDone() const { return layered() && layered()->isShutdownDone(); }

std::ostream* Plugin::logStream(const std::string& category) const
{
  return layered() ? layered()->logStream(category) : nullptr;
}

void Plugin::addLogStream(const std::string& category, std::ostream* stream)
{
  if (layered())
    layered()->addLogStream(category, stream);
}

#define QOR_CORE_PLUGIN_CALLBACK(Getter, Setter, field)                                                       \
  Callback* Plugin::Getter() const { return layered() ? layered()->field : nullptr; }                       \
  void Plugin::Setter(const Callback& callback)                                                               \
  {                                                                                                           \
    if (layered())                                                                                            \
      __IntPluginSubclass::storeClone(layered()->field, callback);                                            \
  }

QOR_CORE_PLUGIN_CALLBACK(startupCallback, setStartupCallback, startupCallback)
QOR_CORE_PLUGIN_CALLBACK(postStartupCallback, setPostStartupCallback, postStartupCallback)
QOR_CORE_PLUGIN_CALLBACK(preShutdownCallback, setPreShutdownCallback, preShutdownCallback)
QOR_CORE_PLUGIN_CALLBACK(shutdownCallback, setShutdownCallback, shutdownCallback)
QOR_CORE_PLUGIN_CALLBACK(menuGoCallback, setMenuGoCallback, menuGoCallback)
QOR_CORE_PLUGIN_CALLBACK(menuUpdateCallback, setMenuUpdateCallback, menuUpdateCallback)
QOR_CORE_PLUGIN_CALLBACK(uiBrightnessCallback, setUIBrightnessCallback, uiBrightnessCallback)

#define QOR_CORE_PLUGIN_TOOL_CALLBACKS(Name)                                                                 \
  QOR_CORE_PLUGIN_CALLBACK(before##Name##Callback, setBefore##Name##Callback,                               \
                           beforeCallbacks[__IntPluginSubclass::Name##Event])                                \
  QOR_CORE_PLUGIN_CALLBACK(after##Name##Callback, setAfter##Name##Callback,                                 \
                           afterCallbacks[__IntPluginSubclass::Name##Event])

QOR_CORE_PLUGIN_TOOL_CALLBACKS(Select)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(Deselect)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(Reselect)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(TrackCursor)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(MouseDown)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(MouseDrag)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(MouseUp)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(DecreaseDiameter)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(IncreaseDiameter)
QOR_CORE_PLUGIN_TOOL_CALLBACKS(EditOptions)

#undef QOR_CORE_PLUGIN_TOOL_CALLBACKS
#undef QOR_CORE_PLUGIN_CALLBACK

ModalDialog* Plugin::aboutDialog() const
{
  return layered() ? layered()->aboutDialog : nullptr;
}

void Plugin::setAboutDialog(const ModalDialog& dialog)
{
  if (!layered())
    return;
  delete layered()->aboutDialog;
  layered()->aboutDialog = nullptr;
  layered()->aboutDialog = new ModalDialog(dialog);
}

ModalDialog* Plugin::prefsDialog() const
{
  return layered() ? layered()->prefsDialog : nullptr;
}

void Plugin::setPrefsDialog(const ModalDialog& dialog)
{
  if (!layered())
    return;
  delete layered()->prefsDialog;
  layered()->prefsDialog = nullptr;
  layered()->prefsDialog = new ModalDialog(dialog);
}

MenuItem* Plugin::aboutMenuItem() const
{
  return layered() ? layered()->aboutMenuItem : nullptr;
}

void Plugin::setAboutMenuItem(const MenuItem& item)
{
  if (!layered())
    return;
  registrations::deleteMenuItem(layered()->aboutMenuItem);
  layered()->aboutMenuItem = nullptr;
  layered()->aboutMenuItem = registrations::copyMenuItem(item);
}

MenuItem* Plugin::prefsMenuItem() const
{
  return layered() ? layered()->prefsMenuItem : nullptr;
}

void Plugin::setPrefsMenuItem(const MenuItem& item)
{
  if (!layered())
    return;
  registrations::deleteMenuItem(layered()->prefsMenuItem);
  layered()->prefsMenuItem = nullptr;
  layered()->prefsMenuItem = registrations::copyMenuItem(item);
}

}  // namespace core
}  // namespace qor

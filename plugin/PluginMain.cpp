// The host's entry point: every host call arrives here as (caller, selector, record). It keeps the
// host's basic suite current, creates the facade and the client on the first start-up call,
// drives the four lifecycle phases and hands every other call to the dispatcher. No exception
// leaves it and the host is always answered 0.
#include <cstdint>
#include <cstring>
#include <new>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "clientHooks.h"
#include "core/qorcorePlugin.h"
#include "core/qorcorePluginRegistrations.h"
#include "hostapi/HostApi.h"
#include "pui/qorpluginWinMfcApp.h"

namespace PluginMain_detail {

// The module's application object: made at load (left empty when memory is short) and freed at
// unload, after its exit handling.
struct ApplicationObject
{
  __qorpluginWinMfcApp* const app = new (std::nothrow) __qorpluginWinMfcApp;
  ApplicationObject() = default;
  ApplicationObject(const ApplicationObject&) = delete;
  ApplicationObject& operator=(const ApplicationObject&) = delete;
  ~ApplicationObject() { delete app; }
};
ApplicationObject applicationObject;
// Right after the application object: runs its InitInstance once loading is done, ExitInstance at unload.
AfxModuleEntry moduleEntry;

using qor::core::Plugin;

bool same(const char* a, const char* b)
{
  return std::strcmp(a, b) == 0;
}

// The plug-in's name as the host knows it, read before the suite registry exists.
std::string hostPluginName(PluginRef pluginRef)
{
  const SpBasicSuite* basic = qor::aip::hostBasicSuite;
  const SpPluginsSuite*& plugins = qor::aip::pluginsSuite;
  if (!basic)
    return std::string();
  bool acquiredHere = false;
  if (!plugins) {
    basic->acquireSuite(kSpPluginsSuiteName, kSpPluginsSuiteVersion, reinterpret_cast<const void**>(&plugins));
    acquiredHere = plugins != nullptr;
  }
  std::string name;
  if (plugins) {
    const char* text = nullptr;
    plugins->getPluginName(pluginRef, &text);
    if (text)
      name = text;
  }
  if (acquiredHere) {
    basic->releaseSuite(kSpPluginsSuiteName, kSpPluginsSuiteVersion);
    plugins = nullptr;
  }
  return name;
}

void createFacade(void* record)
{
  PluginRef pluginRef = record ? static_cast<MessageHeader*>(record)->plugin : nullptr;
  Plugin* facade = new Plugin(pluginRef, hostPluginName(pluginRef));
  Plugin::setInstance(facade);
  if (!clientSetupHook(facade))
    qor::aip::reportGeneralPluginError(int32_t(fourCharCode("SUFE")));
}

void startup(Plugin* facade)
{
  facade->startup();
}

void shutdown(Plugin* facade)
{
  facade->shutdown();
  clientDestroyHook(facade);
  delete facade;
  Plugin::setInstance(nullptr);
}

void ignore(Plugin*) {}

// Calls the entry point answers itself; the first matching row wins and a null selector matches
// any selector.
const struct
{
  const char* caller;
  const char* selector;
  void (*run)(Plugin*);
} lifecycleRoutes[] = {
    {"SP Access", nullptr, ignore},
    {"SP Interface", "Startup", startup},
    {"SP Interface", "Shutdown", shutdown},
    {"SP Interface", nullptr, ignore},
};

// The two application notifications drive post-start-up and pre-shutdown and never reach the
// dispatcher.
bool runApplicationNotification(Plugin* facade, const char* caller, void* record)
{
  if (!same(caller, "AI Notifier") || !record)
    return false;
  const char* type = static_cast<NotifierMessage*>(record)->notifierType;
  if (!type)
    return false;
  if (same(type, "AI Application Started Notifier")) {
    facade->postStartup();
    return true;
  }
  if (same(type, "AI Application Shutdown Notifier")) {
    facade->preShutdown();
    return true;
  }
  return false;
}

void route(const char* caller, const char* selector, void* record)
{
  // A missing record keeps the basic suite of the previous call.
  if (record)
    qor::aip::hostBasicSuite = static_cast<MessageHeader*>(record)->basicSuite;
  if (!Plugin::instance()) {
    if (!same(caller, "SP Interface") || !same(selector, "Startup"))
      return;
    createFacade(record);
  }
  Plugin* facade = Plugin::instance();
  for (const auto& row : lifecycleRoutes) {
    if (same(caller, row.caller) && (!row.selector || same(selector, row.selector))) {
      row.run(facade);
      return;
    }
  }
  if (runApplicationNotification(facade, caller, record))
    return;
  // The dispatcher is gone once the shutdown phase has begun, and absent without a host reference.
  if (qor::core::Dispatcher* dispatcher = facade->dispatcher())
    qor::core::registrations::dispatch(dispatcher, caller, selector, record);
}

}  // namespace PluginMain_detail

extern "C" __attribute__((visibility("default"))) int32_t PluginMain(const char* caller, const char* selector,
                                                                     void* message)
{
  if (!caller || !selector)
    return 0;
  try {
    PluginMain_detail::route(caller, selector, message);
  } catch (...) {
    // Nothing may reach the host; the call simply ends here.
  }
  return 0;
}

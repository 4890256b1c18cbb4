// The base layer's traffic with the host event router: its notifiers, its message subscriptions
// and what it reads of the router's current messages.
#include "aip/qoraipBasePlugin.h"

#include "aip/qoraipHostStrings.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipSuite.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace aip {

// Stand-in until the host event router exists: the base notifiers are added to the host directly,
// so that the host sends the application notifications; subscriptions are not kept.
namespace qoraipBasePluginRouting_detail {
const NotifierSuite* notifierSuite = nullptr;
}

EventDispatcher* BasePlugin::eventDispatcher()
{
  return eventDispatcher_;
}

void BasePlugin::addBaseNotifier(const std::string& prefix, const char* hostNotifierName, utils::Callback* callback)
{
  delete callback;
  using qoraipBasePluginRouting_detail::notifierSuite;
  if (!acquireSuite(notifierSuite, kNotifierSuiteName, kNotifierSuiteVersion))
    return;
  const std::string name = utf8ToHostString(prefix + notifierSuffix()).toDefaultString();
  NotifierHandle handle = nullptr;
  notifierSuite->addNotifier(pluginRef(), name.c_str(), hostNotifierName, &handle);
}

void BasePlugin::subscribeBaseMessage(const char*, const char*, void (BasePlugin::*)()) {}

void BasePlugin::destroyEventDispatcher()
{
  eventDispatcher_ = nullptr;
}

const ToolMessage* BasePlugin::toolMessage() const
{
  return nullptr;
}

void BasePlugin::onMenuGo()
{
  if (!globals())
    return;
}

void BasePlugin::onSelect()
{
  if (!globals())
    return;
  currentTool_ = nullptr;
}

}  // namespace aip
}  // namespace qor

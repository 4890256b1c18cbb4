// The base layer's traffic with the host event router: its notifiers, its message subscriptions
// and what it reads of the router's current messages.
#include "aip/qoraipBasePlugin.h"

#include "aip/qoraipEventDispatcher.h"
#include "aip/qoraipNotifier.h"
#include "aip/qoraipPluginGlobals.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace aip {

EventDispatcher* BasePlugin::eventDispatcher()
{
  if (!eventDispatcher_)
    eventDispatcher_ = new EventDispatcher();
  return eventDispatcher_;
}

void BasePlugin::addBaseNotifier(const std::string& prefix, const char* hostNotifierName, utils::Callback* callback)
{
  eventDispatcher()->addNotifier(new Notifier(prefix + notifierSuffix(), hostNotifierName, callback));
}

void BasePlugin::subscribeBaseMessage(const char* caller, const char* selector, void (BasePlugin::*handler)())
{
  eventDispatcher()->subscribe(caller, selector, new utils::__Callback<BasePlugin>(this, handler));
}

void BasePlugin::destroyEventDispatcher()
{
  delete eventDispatcher_;
  eventDispatcher_ = nullptr;
}

const ToolMessage* BasePlugin::toolMessage() const
{
  return eventDispatcher_ ? eventDispatcher_->pluginMessageData() : nullptr;
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

// The base layer's traffic with the host event router: its notifiers, its message subscriptions
// and what it reads of the router's current messages.
#include "aip/qoraipBasePlugin.h"

#include "aip/qoraipBaseTool.h"
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
  // Bound to the virtual operation, so the most derived layer's override runs.
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
  if (!globals() || !eventDispatcher_)
    return;
  const auto* record = static_cast<const MenuMessage*>(eventDispatcher_->currentHostMessage().data);
  if (!record)
    return;
  MenuItem* wrapper = nullptr;
  if (globals()->menuItemWrappers.get(record->menuItem, wrapper) && wrapper)
    wrapper->go();
}

void BasePlugin::onSelect()
{
  if (!globals())
    return;
  currentTool_ = nullptr;
  if (const ToolMessage* message = toolMessage())
    globals()->toolWrappers.get(message->tool, currentTool_);
}

}  // namespace aip
}  // namespace qor

// The base layer's traffic with the host event router: its notifiers, its message subscriptions
// and what it reads of the router's current messages.
#include "aip/qoraipBasePlugin.h"

#include "aip/qoraipBaseTool.h"
#include "aip/qoraipEventDispatcher.h"
#include "aip/qoraipMsgEnv.h"
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
  const std::string name = prefix + notifierSuffix();
  EventDispatcher* router = eventDispatcher();
  // Another registration holding the type (a client's, on a repeated start-up) keeps it: taking it
  // out would silence the client's notifications, and the router brings the base subscription back
  // by itself once that registration goes.
  if (Notifier* holder = router->findNotifierByType(hostNotifierName))
    if (holder->name() != msgToHostDefaultEncoding(name)) {
      delete callback;
      return;
    }
  router->addNotifier(new Notifier(name, hostNotifierName, callback));
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

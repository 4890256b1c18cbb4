#include "core/qorcorePluginRegistrations.h"

#include "core/qorcoreCallback.h"
#include "core/qorcoreDispatcher.h"
#include "core/qorcoreMenuItem.h"
#include "core/qorcoreMessageType.h"
#include "core/qorcoreNotifier.h"
#include "core/qorcoreTool.h"

namespace qor {
namespace core {
namespace registrations {

Dispatcher* createDispatcher()
{
  return new Dispatcher();
}

void destroyDispatcher(Dispatcher* dispatcher)
{
  delete dispatcher;
}

void dispatch(Dispatcher* dispatcher, const char* caller, const char* selector, void* record)
{
  if (!dispatcher)
    return;
  MessageType type = NoMessageType;
  if (!callerSelectorToMessageType(caller, selector, type) || type == CustomMessageType)
    dispatcher->dispatchCustomMessage(caller, selector, record);
  else
    dispatcher->dispatchMessage(type, record);
}

void registerNotifier(Dispatcher* dispatcher, int32_t notifierType, const Callback& callback)
{
  Notifier notifier(static_cast<NotifierType>(notifierType), callback);
  if (dispatcher)
    dispatcher->registerNotifier(notifier);
}

MenuItem* copyMenuItem(const MenuItem& item)
{
  return new MenuItem(item);
}

void destroyMenuItem(MenuItem* item)
{
  if (item)
    item->destroy();
}

void deleteMenuItem(MenuItem* item)
{
  delete item;
}

Tool* newTool()
{
  return new Tool();
}

void deleteTool(Tool* tool)
{
  delete tool;
}

void assignTool(Tool* tool, ToolHandle hostTool)
{
  if (!tool)
    return;
  Tool wrapped(hostTool);
  *tool = wrapped;
}

void clearTool(Tool* tool)
{
  if (!tool)
    return;
  Tool empty;
  *tool = empty;
}

void runToolCallback(Tool* tool, int which)
{
  if (!tool || tool->isEmpty() || !tool->implementation())
    return;
  Callback* callback = which == 0 ? tool->selectCallback() : which == 1 ? tool->deselectCallback() : tool->reselectCallback();
  if (callback)
    callback->execute();
}

}  // namespace registrations
}  // namespace core
}  // namespace qor

// What the facade, the core layer and the entry point use of the dispatcher and of the
// registration handles (menu items, tools, core notifiers), in one place.
#pragma once

#include <cstdint>

#include "hostapi/HostApi.h"

namespace qor {
namespace core {

class Callback;
class Dispatcher;
class MenuItem;
class Tool;

namespace registrations {

Dispatcher* createDispatcher();
void destroyDispatcher(Dispatcher* dispatcher);
// Hands a host call to the dispatcher: a typed message when the pair has a message type, else a
// custom message.
void dispatch(Dispatcher* dispatcher, const char* caller, const char* selector, void* record);
// A core notifier of the type with a clone of the callback, registered with the dispatcher.
void registerNotifier(Dispatcher* dispatcher, int32_t notifierType, const Callback& callback);

MenuItem* copyMenuItem(const MenuItem& item);
// Removes the item from the host; the handle stays.
void destroyMenuItem(MenuItem* item);
void deleteMenuItem(MenuItem* item);

Tool* newTool();
void deleteTool(Tool* tool);
// Makes the handle share the registered record of the host tool.
void assignTool(Tool* tool, ToolHandle hostTool);
void clearTool(Tool* tool);
// Runs the tool's select (0), deselect (1) or reselect (2) callback when it has one.
void runToolCallback(Tool* tool, int which);

}  // namespace registrations
}  // namespace core
}  // namespace qor

#include "core/qorcorePluginRegistrations.h"

namespace qor {
namespace core {
namespace registrations {

// Stand-ins until the dispatcher and the registration handles exist: nothing is dispatched or
// registered, and no menu item or tool handle can be made.
Dispatcher* createDispatcher()
{
  return nullptr;
}

void destroyDispatcher(Dispatcher*) {}

void dispatch(Dispatcher*, const char*, const char*, void*) {}

void registerNotifier(Dispatcher*, int32_t, const Callback&) {}

MenuItem* copyMenuItem(const MenuItem&)
{
  return nullptr;
}

void destroyMenuItem(MenuItem*) {}

void deleteMenuItem(MenuItem*) {}

Tool* newTool()
{
  return nullptr;
}

void deleteTool(Tool*) {}

void assignTool(Tool*, ToolHandle) {}

void clearTool(Tool*) {}

void runToolCallback(Tool*, int) {}

}  // namespace registrations
}  // namespace core
}  // namespace qor

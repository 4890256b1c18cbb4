#include "core/qorcoreMenuItem.h"

#include "core/qorcoreCallback.h"
#include "core/qorcoreMenuGroup.h"
#include "core/qorcoreMsgEnv.h"

namespace qor::core {

__IntMenuItemData::~__IntMenuItemData() { delete callback; }
__IntMenuItemContainer::~__IntMenuItemContainer() { delete data; }

MenuItem::MenuItem() : container(new __IntMenuItemContainer()) {}

MenuItem::MenuItem(const MenuItem& other) : container(other.container)
{
  ++container->refCount;
}

MenuItem::MenuItem(::MenuItemHandle hostHandle) : container(new __IntMenuItemContainer())
{
  aip::msgMenuSuite();
  aip::msgUnicodeStringSuite();
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !hostHandle)
    return;
  __IntMenuItemContainer* registered = nullptr;
  if (globals->menuItemRegistry.get(hostHandle, registered) && registered) {
    delete container;
    container = registered;
    ++container->refCount;
    return;
  }
  container->hostHandle = hostHandle;
  container->data = new __IntMenuItemData();
  container->data->hostHandle = hostHandle;
  globals->menuItemRegistry.insert(hostHandle, container);
}

MenuItem::MenuItem(BuiltinMenuGroup group, const std::string& text, const Callback& callback)
    : container(new __IntMenuItemContainer())
{
  aip::msgMenuSuite();
  aip::msgUnicodeStringSuite();
  if (!msgCoreGlobals())
    return;
  std::string groupName = builtinMenuGroupToName(group);
  if (groupName.empty())
    return;
  create(groupName, text, callback);
}

MenuItem::MenuItem(const MenuGroup& group, const std::string& text, const Callback& callback)
    : container(new __IntMenuItemContainer())
{
  aip::msgMenuSuite();
  aip::msgUnicodeStringSuite();
  if (!msgCoreGlobals() || group.isEmpty())
    return;
  const ::MenuSuite* suite = aip::msgMenuSuite();
  const char* name = nullptr;
  if (!suite || suite->getMenuGroupName(group.hostHandle(), &name) != 0 || !name || !*name)
    return;
  create(name, text, callback);
}

void MenuItem::create(const std::string& groupName, const std::string& text, const Callback& callback)
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (!suite)
    return;
  ::HostString hostText = aip::msgMakeHostString(text);
  int32_t options = text == "-" ? 4 : 1;
  std::string keyboardName = groupName + " " + text;
  ::MenuItemSpec spec{groupName.c_str(), hostText};
  ::MenuItemHandle item = nullptr;
  HostErr err = suite->addMenuItem(aip::msgPluginRef(), keyboardName.c_str(), &spec, options, &item);
  aip::msgDestroyHostString(hostText);
  if (err != 0 || !item)
    return;
  container->data = new __IntMenuItemData();
  container->data->hostHandle = item;
  container->data->callback = cloneCallback(callback);
  container->hostHandle = item;
  if (CoreGlobals* globals = msgCoreGlobals())
    globals->menuItemRegistry.insert(item, container);
}

MenuItem::~MenuItem() { release(); }

void MenuItem::release()
{
  if (!container)
    return;
  if (--container->refCount <= 0) {
    if (CoreGlobals* globals = msgCoreGlobals()) {
      __IntMenuItemContainer* registered = nullptr;
      if (container->hostHandle && globals->menuItemRegistry.get(container->hostHandle, registered) &&
          registered == container)
        globals->menuItemRegistry.remove(container->hostHandle);
    }
    delete container;
  }
  container = nullptr;
}

void MenuItem::destroy()
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !container || !container->data || !container->data->hostHandle)
    return;
  if (const ::MenuSuite* suite = aip::msgMenuSuite())
    suite->removeMenuItem(container->data->hostHandle);
  globals->menuItemRegistry.remove(container->hostHandle);
  container->data->hostHandle = nullptr;
  container->hostHandle = nullptr;
}

MenuItem& MenuItem::operator=(const MenuItem& other)
{
  if (container == other.container || !msgCoreGlobals() || !container || !other.container)
    return *this;
  __IntMenuItemContainer* shared = other.container;
  ++shared->refCount;
  release();
  container = shared;
  return *this;
}

bool MenuItem::operator==(const MenuItem& other) const
{
  if (!container || !other.container)
    return !container && !other.container;
  __IntMenuItemData* a = container->data;
  __IntMenuItemData* b = other.container->data;
  if (!a || !b)
    return !a && !b;
  if (!a->hostHandle || !b->hostHandle)
    return !a->hostHandle && !b->hostHandle;
  return container->hostHandle == other.container->hostHandle;
}

bool MenuItem::operator!=(const MenuItem& other) const { return !(*this == other); }

::MenuItemHandle MenuItem::liveHandle() const
{
  return container && container->data ? container->data->hostHandle : nullptr;
}

::MenuItemHandle MenuItem::hostHandle() const { return liveHandle(); }
bool MenuItem::isEmpty() const { return liveHandle() == nullptr; }

bool MenuItem::isSeparator() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  int32_t options = 0;
  if (!liveHandle() || !suite || suite->getMenuItemOptions(liveHandle(), &options) != 0)
    return false;
  return (options & 4) != 0;
}

MenuGroup* MenuItem::group() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  ::MenuGroupHandle groupHandle = nullptr;
  if (!liveHandle() || !suite || suite->getMenuItemGroup(liveHandle(), &groupHandle) != 0 || !groupHandle)
    return nullptr;
  return new MenuGroup(groupHandle, nullptr);
}

bool MenuItem::isEnabled() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  bool8 flag = 0;
  if (!liveHandle() || !suite || suite->isMenuItemEnabled(liveHandle(), &flag) != 0)
    return false;
  return flag != 0;
}

void MenuItem::setEnabled(bool enabled)
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (!liveHandle() || !suite)
    return;
  enabled ? suite->enableMenuItem(liveHandle()) : suite->disableMenuItem(liveHandle());
}

bool MenuItem::isChecked() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  bool8 flag = 0;
  if (!liveHandle() || !suite || suite->isMenuItemChecked(liveHandle(), &flag) != 0)
    return false;
  return flag != 0;
}

void MenuItem::setChecked(bool checked)
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (liveHandle() && suite)
    suite->checkMenuItem(liveHandle(), checked ? 1 : 0);
}

std::string MenuItem::text() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (!liveHandle() || !suite)
    return std::string();
  ::HostString text = nullptr;
  std::string result;
  if (suite->getMenuItemText(liveHandle(), &text) == 0)
    result = aip::msgHostStringToUtf8(text);
  aip::msgDestroyHostString(text);
  return result;
}

void MenuItem::setText(const std::string& text)
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (!liveHandle() || !suite)
    return;
  ::HostString hostText = aip::msgMakeHostString(text);
  suite->setMenuItemText(liveHandle(), hostText);
  aip::msgDestroyHostString(hostText);
}

Callback* MenuItem::callback() const
{
  return liveHandle() ? container->data->callback : nullptr;
}

void MenuItem::setCallback(const Callback& callback)
{
  if (!liveHandle())
    return;
  // Clone first: the argument may be the stored callback itself.
  Callback* clone = cloneCallback(callback);
  delete container->data->callback;
  container->data->callback = clone;
}

} // namespace qor::core

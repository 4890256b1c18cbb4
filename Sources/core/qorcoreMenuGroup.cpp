#include "core/qorcoreMenuGroup.h"

#include <map>

#include "core/qorcoreMenuItem.h"
#include "core/qorcoreMsgEnv.h"

namespace qor::core {

namespace qorcoreMenuGroup_detail {
// Keyboard name of the host item at `index`, or "" when a step fails.
std::string keyboardNameAt(const ::MenuSuite* suite, int32_t index, ::MenuItemHandle& item)
{
  item = nullptr;
  const char* name = nullptr;
  if (suite->getNthMenuItem(index, &item) != 0 || !item)
    return std::string();
  if (suite->getMenuItemKeyboardName(item, &name) != 0 || !name)
    return std::string();
  return name;
}
} // namespace qorcoreMenuGroup_detail

__IntMenuGroupData::~__IntMenuGroupData() = default;
__IntMenuGroupContainer::~__IntMenuGroupContainer() { delete data; }

MenuGroupEntry::~MenuGroupEntry()
{
  delete group;
  delete item;
}

MenuGroup::MenuGroup() : container(new __IntMenuGroupContainer()) {}

MenuGroup::MenuGroup(::MenuGroupHandle groupHandle, ::MenuItemHandle headerItem)
    : container(new __IntMenuGroupContainer())
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals)
    return;
  const ::MenuSuite* suite = aip::msgMenuSuite();
  aip::msgUnicodeStringSuite();
  if (!groupHandle)
    return;
  __IntMenuGroupContainer* registered = nullptr;
  if (globals->menuGroupRegistry.get(groupHandle, registered) && registered) {
    delete container;
    container = registered;
    ++container->refCount;
    return;
  }
  auto* data = new __IntMenuGroupData();
  data->groupHandle = groupHandle;
  data->headerItem = headerItem;
  const char* name = nullptr;
  if (!headerItem && suite && suite->getMenuGroupName(groupHandle, &name) == 0 && name && *name) {
    int32_t count = 0;
    if (suite->countMenuItems(&count) == 0) {
      for (int32_t i = 0; i < count; ++i) {
        ::MenuItemHandle item = nullptr;
        if (qorcoreMenuGroup_detail::keyboardNameAt(suite, i, item) == name) {
          data->headerItem = item;
          break;
        }
      }
    }
  }
  attach(data);
}

MenuGroup::MenuGroup(BuiltinMenuGroup parent, const std::string& text, bool option1, bool plain,
                     bool option4, bool option2)
    : container(new __IntMenuGroupContainer())
{
  if (!msgCoreGlobals())
    return;
  const ::MenuSuite* suite = aip::msgMenuSuite();
  aip::msgUnicodeStringSuite();
  std::string parentName = builtinMenuGroupToName(parent);
  if (parentName.empty() || !suite)
    return;
  std::string name = parentName + " " + text;
  if (!plain) {
    ::HostString hostText = aip::msgMakeHostString(text);
    ::MenuItemSpec spec{parentName.c_str(), hostText};
    ::MenuItemHandle item = nullptr;
    HostErr err = suite->addMenuItem(aip::msgPluginRef(), name.c_str(), &spec, 1, &item);
    aip::msgDestroyHostString(hostText);
    if (err != 0 || !item)
      return;
    ::MenuGroupHandle group = nullptr;
    if (suite->addMenuGroupAsSubmenu(name.c_str(), option1 ? 1 : 0, item, &group) != 0 || !group)
      return;
    auto* data = new __IntMenuGroupData();
    data->groupHandle = group;
    data->headerItem = item;
    attach(data);
    return;
  }
  int32_t options = 16 + (option4 ? 4 : 0) + (option2 ? 2 : 0) + (option1 ? 1 : 0);
  ::MenuGroupHandle group = nullptr;
  if (suite->addMenuGroup(name.c_str(), options, parentName.c_str(), &group) != 0 || !group)
    return;
  int32_t count = 0;
  if (suite->countMenuItems(&count) != 0)
    return;
  auto* data = new __IntMenuGroupData();
  data->groupHandle = group;
  for (int32_t i = count - 1; i >= 0; --i) {
    ::MenuItemHandle item = nullptr;
    if (qorcoreMenuGroup_detail::keyboardNameAt(suite, i, item) == name) {
      data->headerItem = item;
      break;
    }
  }
  attach(data);
}

void MenuGroup::attach(__IntMenuGroupData* data)
{
  container->data = data;
  container->hostHandle = data->groupHandle;
  if (CoreGlobals* globals = msgCoreGlobals())
    globals->menuGroupRegistry.insert(container->hostHandle, container);
}

MenuGroup::~MenuGroup() { release(); }

void MenuGroup::release()
{
  if (!container)
    return;
  if (--container->refCount <= 0) {
    if (CoreGlobals* globals = msgCoreGlobals()) {
      __IntMenuGroupContainer* registered = nullptr;
      if (container->hostHandle && globals->menuGroupRegistry.get(container->hostHandle, registered) &&
          registered == container)
        globals->menuGroupRegistry.remove(container->hostHandle);
    }
    delete container;
  }
  container = nullptr;
}

void MenuGroup::destroy()
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !container || !container->data)
    return;
  if (container->data->headerItem)
    if (const ::MenuSuite* suite = aip::msgMenuSuite())
      suite->removeMenuItem(container->data->headerItem);
  if (container->hostHandle)
    globals->menuGroupRegistry.remove(container->hostHandle);
  container->data->groupHandle = nullptr;
  container->data->headerItem = nullptr;
  container->hostHandle = nullptr;
}

MenuGroup& MenuGroup::operator=(const MenuGroup& other)
{
  // "Differ" means different containers: two groups that merely compare equal are still distinct.
  if (container == other.container || !msgCoreGlobals() || !container || !other.container)
    return *this;
  __IntMenuGroupContainer* shared = other.container;
  ++shared->refCount;
  release();
  container = shared;
  return *this;
}

bool MenuGroup::operator==(const MenuGroup& other) const
{
  if (!container || !other.container)
    return !container && !other.container;
  __IntMenuGroupData* a = container->data;
  __IntMenuGroupData* b = other.container->data;
  if (!a || !b)
    return !a && !b;
  if (!a->groupHandle || !b->groupHandle)
    return !a->groupHandle && !b->groupHandle;
  return a->headerItem == b->headerItem;
}

bool MenuGroup::operator!=(const MenuGroup& other) const { return !(*this == other); }

::MenuGroupHandle MenuGroup::hostHandle() const
{
  return container && container->data ? container->data->groupHandle : nullptr;
}

::MenuItemHandle MenuGroup::header() const
{
  return container && container->data ? container->data->headerItem : nullptr;
}

::MenuItemHandle MenuGroup::headerItem() const { return header(); }
bool MenuGroup::isEmpty() const { return !hostHandle() && !header(); }
bool MenuGroup::hasNoHeaderItem() const { return header() == nullptr; }

MenuGroup* MenuGroup::parentGroup() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  ::MenuGroupHandle parent = nullptr;
  if (!header() || !suite || suite->getMenuItemGroup(header(), &parent) != 0 || !parent)
    return nullptr;
  return new MenuGroup(parent, nullptr);
}

std::vector<MenuGroupEntry*> MenuGroup::items() const
{
  std::vector<MenuGroupEntry*> entries;
  const ::MenuSuite* suite = aip::msgMenuSuite();
  ::MenuGroupHandle self = hostHandle();
  if (!self || !suite)
    return entries;
  int32_t groupCount = 0;
  if (suite->countMenuGroups(&groupCount) != 0)
    return entries;
  std::map<std::string, ::MenuGroupHandle> groupsByName;
  for (int32_t i = 0; i < groupCount; ++i) {
    ::MenuGroupHandle group = nullptr;
    const char* name = nullptr;
    if (suite->getNthMenuGroup(i, &group) != 0 || !group)
      continue;
    if (suite->getMenuGroupName(group, &name) != 0 || !name)
      continue;
    groupsByName.emplace(name, group);
  }
  int32_t itemCount = 0;
  if (suite->countMenuItems(&itemCount) != 0)
    return entries;
  for (int32_t i = 0; i < itemCount; ++i) {
    ::MenuItemHandle item = nullptr;
    ::MenuGroupHandle itemGroup = nullptr;
    const char* keyboardName = nullptr;
    if (suite->getNthMenuItem(i, &item) != 0 || !item)
      continue;
    if (suite->getMenuItemGroup(item, &itemGroup) != 0 || itemGroup != self)
      continue;
    if (suite->getMenuItemKeyboardName(item, &keyboardName) != 0 || !keyboardName)
      continue;
    auto found = groupsByName.find(keyboardName);
    if (found == groupsByName.end()) {
      auto* entry = new MenuGroupEntry();
      entry->item = new MenuItem(item);
      entries.push_back(entry);
    } else if (found->second != self) {
      auto* entry = new MenuGroupEntry();
      entry->group = new MenuGroup(found->second, item);
      entries.push_back(entry);
    }
  }
  return entries;
}

bool MenuGroup::isEnabled() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  bool8 flag = 0;
  if (!header() || !suite || suite->isMenuItemEnabled(header(), &flag) != 0)
    return false;
  return flag != 0;
}

void MenuGroup::setEnabled(bool enabled)
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (!header() || !suite)
    return;
  enabled ? suite->enableMenuItem(header()) : suite->disableMenuItem(header());
}

std::string MenuGroup::text() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (!header() || !suite)
    return std::string();
  ::HostString text = nullptr;
  std::string result;
  if (suite->getMenuItemText(header(), &text) == 0)
    result = aip::msgHostStringToUtf8(text);
  aip::msgDestroyHostString(text);
  return result;
}

void MenuGroup::setText(const std::string& text)
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  if (!header() || !suite)
    return;
  ::HostString hostText = aip::msgMakeHostString(text);
  suite->setMenuItemText(header(), hostText);
  aip::msgDestroyHostString(hostText);
}

bool MenuGroup::optionBit0() const
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  int32_t options = 0;
  if (!hostHandle() || !suite || suite->getMenuGroupOptions(hostHandle(), &options) != 0)
    return false;
  return (options & 1) != 0;
}

void MenuGroup::setOptionBit0(bool set)
{
  const ::MenuSuite* suite = aip::msgMenuSuite();
  int32_t options = 0;
  if (!hostHandle() || !suite || suite->getMenuGroupOptions(hostHandle(), &options) != 0)
    return;
  suite->setMenuGroupOptions(hostHandle(), set ? (options | 1) : (options & ~1));
}

} // namespace qor::core

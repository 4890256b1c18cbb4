#include "hostsimMenuItems.h"

#include "hostapi/MenuSuite.h"
#include "hostapi/MessageRecords.h"
#include "hostsimMenus.h"
#include "hostsimUnicodeStrings.h"

namespace hostsim {

namespace hostsimMenuItems_detail {

Menus& menus() { return HostApp::instance().area<Menus>(); }
UnicodeStrings& strings() { return HostApp::instance().area<UnicodeStrings>(); }

HostErr addMenuItem(PluginRef, const char* keyboardName, const MenuItemSpec* spec, int32_t options,
                    MenuItemHandle* outItem)
{
  if (!keyboardName || !spec || !spec->groupName || !outItem)
    return kHostErrBadParameter;
  if (HostApp::instance().area<MenuItems>().refusingAdds())
    return kHostErrBadParameter;
  Menus::Group* group = menus().findGroup(std::string(spec->groupName));
  if (!group)
    return kHostErrNotFound;
  // The host registers items under their keyboard name: a name in use is refused.
  for (const Menus::Item& item : menus().items())
    if (!item.removed && item.keyboardName == keyboardName)
      return kHostErrBadParameter;
  std::u16string text;
  if (!strings().read(spec->itemText, text))
    return kHostErrBadParameter;
  Menus::Item item;
  item.handle = HostApp::instance().mintHandle<MenuItemHandle>();
  item.keyboardName = keyboardName;
  item.group = group->handle;
  item.text = strings().utf8(spec->itemText);
  item.options = options;
  menus().items().push_back(item);
  *outItem = item.handle;
  return kHostNoErr;
}

HostErr getMenuItemKeyboardName(MenuItemHandle handle, const char** outName)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item || !outName)
    return kHostErrBadParameter;
  *outName = item->keyboardName.c_str();
  return kHostNoErr;
}

HostErr getMenuItemOptions(MenuItemHandle handle, int32_t* outOptions)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item || !outOptions)
    return kHostErrBadParameter;
  *outOptions = item->options;
  return kHostNoErr;
}

// Live items only, in host order.
std::vector<Menus::Item*> liveItems()
{
  std::vector<Menus::Item*> live;
  for (Menus::Item& item : menus().items())
    if (!item.removed)
      live.push_back(&item);
  return live;
}

HostErr countMenuItems(int32_t* outCount)
{
  if (!outCount)
    return kHostErrBadParameter;
  *outCount = static_cast<int32_t>(liveItems().size());
  return kHostNoErr;
}

HostErr getNthMenuItem(int32_t index, MenuItemHandle* outItem)
{
  std::vector<Menus::Item*> live = liveItems();
  if (!outItem || index < 0 || index >= static_cast<int32_t>(live.size()))
    return kHostErrNotFound;
  *outItem = live[static_cast<size_t>(index)]->handle;
  return kHostNoErr;
}

HostErr setEnabled(MenuItemHandle handle, bool enabled)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item)
    return kHostErrBadParameter;
  item->enabled = enabled;
  return kHostNoErr;
}

HostErr enableMenuItem(MenuItemHandle handle) { return setEnabled(handle, true); }
HostErr disableMenuItem(MenuItemHandle handle) { return setEnabled(handle, false); }

HostErr getMenuItemText(MenuItemHandle handle, HostString* outText)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item || !outText)
    return kHostErrBadParameter;
  return strings().writeUtf8(outText, item->text);
}

HostErr setMenuItemText(MenuItemHandle handle, HostString text)
{
  Menus::Item* item = menus().findItem(handle);
  std::u16string unused;
  if (!item || !strings().read(text, unused))
    return kHostErrBadParameter;
  item->text = strings().utf8(text);
  return kHostNoErr;
}

HostErr checkMenuItem(MenuItemHandle handle, bool8 checked)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item)
    return kHostErrBadParameter;
  item->checked = checked != 0;
  return kHostNoErr;
}

HostErr getMenuItemGroup(MenuItemHandle handle, MenuGroupHandle* outGroup)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item || !outGroup)
    return kHostErrBadParameter;
  *outGroup = item->group;
  return kHostNoErr;
}

HostErr addMenuGroupAsSubmenu(const char* name, int32_t options, MenuItemHandle headerItem,
                              MenuGroupHandle* outGroup)
{
  Menus::Item* header = menus().findItem(headerItem);
  if (!name || !header || !outGroup)
    return kHostErrBadParameter;
  Menus::Group* parent = menus().findGroup(header->group);
  MenuGroupHandle group =
      menus().addGroup(name, options, parent ? parent->name.c_str() : nullptr, headerItem);
  if (!group)
    return kHostErrBadParameter;
  *outGroup = group;
  return kHostNoErr;
}

HostErr isMenuItemEnabled(MenuItemHandle handle, bool8* outEnabled)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item || !outEnabled)
    return kHostErrBadParameter;
  *outEnabled = item->enabled ? 1 : 0;
  return kHostNoErr;
}

HostErr isMenuItemChecked(MenuItemHandle handle, bool8* outChecked)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item || !outChecked)
    return kHostErrBadParameter;
  *outChecked = item->checked ? 1 : 0;
  return kHostNoErr;
}

HostErr removeMenuItem(MenuItemHandle handle)
{
  Menus::Item* item = menus().findItem(handle);
  if (!item)
    return kHostErrBadParameter;
  item->removed = true;
  return kHostNoErr;
}

void install(HostApp& app)
{
  MenuSuite& suite = app.publishSuite<MenuSuite>(kMenuSuiteName, kMenuSuiteVersion);
  suite.addMenuItem = &addMenuItem;
  suite.getMenuItemKeyboardName = &getMenuItemKeyboardName;
  suite.getMenuItemOptions = &getMenuItemOptions;
  suite.countMenuItems = &countMenuItems;
  suite.getNthMenuItem = &getNthMenuItem;
  suite.enableMenuItem = &enableMenuItem;
  suite.disableMenuItem = &disableMenuItem;
  suite.getMenuItemText = &getMenuItemText;
  suite.setMenuItemText = &setMenuItemText;
  suite.checkMenuItem = &checkMenuItem;
  suite.getMenuItemGroup = &getMenuItemGroup;
  suite.addMenuGroupAsSubmenu = &addMenuGroupAsSubmenu;
  suite.isMenuItemEnabled = &isMenuItemEnabled;
  suite.isMenuItemChecked = &isMenuItemChecked;
  suite.removeMenuItem = &removeMenuItem;
}

const AreaInstaller installer(301, &install);

} // namespace hostsimMenuItems_detail

MenuItemHandle MenuItems::findItem(const std::string& keyboardName) const
{
  for (const Menus::Item& item : app_.area<Menus>().items())
    if (!item.removed && item.keyboardName == keyboardName)
      return item.handle;
  return nullptr;
}

HostErr MenuItems::choose(MenuItemHandle item)
{
  MenuMessage record{};
  record.menuItem = item;
  return app_.callPlugin(kMenuCaller, kGoSelector, &record);
}

HostErr MenuItems::choose(const std::string& keyboardName) { return choose(findItem(keyboardName)); }

HostErr MenuItems::update(MenuItemHandle item)
{
  MenuMessage record{};
  record.menuItem = item;
  return app_.callPlugin(kMenuCaller, kUpdateSelector, &record);
}

} // namespace hostsim

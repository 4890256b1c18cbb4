#include "hostsimMenus.h"

#include "hostapi/MenuSuite.h"

#include <algorithm>
#include <ostream>

namespace hostsim {

namespace hostsimMenus_detail {

const char* const kBuiltinGroups[] = {
    "About",
    "Open Document",
    "Recent Files",
    "Close Document",
    "Device Central",
    "Save Document",
    "Save For",
    "Import",
    "Place Document",
    "Export Document",
    "Document Utilities",
    "Document Interchange",
    "Print",
    "Send Document",
    "Application Utilities",
    "Quit",
    "Edit",
    "Undo",
    "Paste Utilities",
    "Edit Utilities",
    "Edit Text",
    "Presets Group",
    "Select",
    "SelectExternal",
    "Same",
    "SelectObject",
    "Preferences",
    "Sync",
    "Clipboard",
    "Repeat",
    "Arrange Transform",
    "Arrange Move",
    "Arrange Group",
    "Arrange Attributes",
    "View Mode",
    "View Adornments",
    "View",
    "View Utilities",
    "View Extension",
    "View Snap",
    "Object Attributes",
    "Object Utilities",
    "Objects",
    "Objects Paths",
    "Objects Paths Popup",
    "Lock",
    "Hide",
    "Guides",
    "Masks",
    "Compound Paths",
    "ArtBoards",
    "Crop Marks",
    "Graphs",
    "Blocks",
    "Wrap",
    "Text Path Type",
    "Type Attributes",
    "Type Palettes",
    "Type Layout",
    "Type Utilities",
    "Type Plugins1",
    "Type Plugins2",
    "Type Asian Options",
    "Type Size Utilities",
    "Type Size",
    "Type Leading Utilities",
    "Type Leading",
    "Type Alignment",
    "Filter Utilities",
    "Effects",
    "Help Menu",
    "Hidden Other Select",
    "Hidden Other Text",
    "Hidden Other Object",
    "Hidden Other Palette",
    "Hidden Other Misc",
    "Window Utilities",
    "Application Container",
    "Tool Palettes",
    "Window Libraries",
    "Adobe Labs Menu Group",
    "Services Menu Group",
    "AIPlugin Document Info",
    "AIPlugin Object Raster",
    "Arrange Multiple Transform",
    "More Menus in the Object Path Popout",
    "AIEdit Colors SubMenu Group",
    "Adobe Color Harmony Editor Menu Group",
    "Adobe Color Filters Menu Group",
    "AIPlugin Document Support",
    "Adobe Plugin Asset Mgmt",
    "ScriptsMenuGroup",
    "WorkspacesMenuGroup",
    "WorkspacesCustomMenuGroup",
    "WorkspacesPresetsMenuGroup",
};

} // namespace hostsimMenus_detail

Menus::Menus(HostApp& app) : app_(app)
{
  for (const char* name : hostsimMenus_detail::kBuiltinGroups) {
    addGroup(name, 0, nullptr);
    groups_.back().builtin = true;
  }
}

MenuGroupHandle Menus::addGroup(const std::string& name, int32_t options, const char* nearGroup,
                                MenuItemHandle headerItem)
{
  if (name.empty() || findGroup(name))
    return nullptr;
  auto position = groups_.end();
  if (nearGroup) {
    position =
        std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) { return g.name == nearGroup; });
    if (position == groups_.end())
      return nullptr;
    ++position;
  }
  Group group;
  group.handle = app_.mintHandle<MenuGroupHandle>();
  group.name = name;
  group.options = options;
  group.headerItem = headerItem;
  return groups_.insert(position, group)->handle;
}

Menus::Group* Menus::findGroup(MenuGroupHandle handle)
{
  for (Group& group : groups_)
    if (handle && group.handle == handle)
      return &group;
  return nullptr;
}

Menus::Group* Menus::findGroup(const std::string& name)
{
  for (Group& group : groups_)
    if (group.name == name)
      return &group;
  return nullptr;
}

Menus::Item* Menus::findItem(MenuItemHandle handle)
{
  for (Item& item : items_)
    if (handle && item.handle == handle && !item.removed)
      return &item;
  return nullptr;
}

void Menus::report(std::ostream& out) const
{
  size_t added = std::count_if(groups_.begin(), groups_.end(), [](const Group& g) { return !g.builtin; });
  out << "Menu groups added: " << added << "\n";
  for (const Group& group : groups_)
    if (!group.builtin)
      out << "  " << group.name << "\n";
  out << "Menu items added: " << items_.size() << "\n";
  for (const Item& item : items_) {
    out << "  " << item.keyboardName << " \"" << item.text << "\"" << (item.removed ? " (removed)" : "")
        << (item.enabled ? "" : " (disabled)") << (item.checked ? " (checked)" : "") << "\n";
  }
}

namespace hostsimMenus_detail {

Menus& menus()
{
  return HostApp::instance().area<Menus>();
}

HostErr addMenuGroup(const char* name, int32_t options, const char* nearGroupName, MenuGroupHandle* outGroup)
{
  if (!name || !outGroup)
    return kHostErrBadParameter;
  MenuGroupHandle group = menus().addGroup(name, options, nearGroupName);
  if (!group)
    return kHostErrBadParameter;
  *outGroup = group;
  return kHostNoErr;
}

HostErr getMenuGroupName(MenuGroupHandle group, const char** outName)
{
  Menus::Group* found = menus().findGroup(group);
  if (!found || !outName)
    return kHostErrBadParameter;
  *outName = found->name.c_str();
  return kHostNoErr;
}

HostErr getMenuGroupOptions(MenuGroupHandle group, int32_t* outOptions)
{
  Menus::Group* found = menus().findGroup(group);
  if (!found || !outOptions)
    return kHostErrBadParameter;
  *outOptions = found->options;
  return kHostNoErr;
}

HostErr setMenuGroupOptions(MenuGroupHandle group, int32_t options)
{
  Menus::Group* found = menus().findGroup(group);
  if (!found)
    return kHostErrBadParameter;
  found->options = options;
  return kHostNoErr;
}

HostErr countMenuGroups(int32_t* outCount)
{
  if (!outCount)
    return kHostErrBadParameter;
  *outCount = int32_t(menus().groups().size());
  return kHostNoErr;
}

HostErr getNthMenuGroup(int32_t index, MenuGroupHandle* outGroup)
{
  if (!outGroup)
    return kHostErrBadParameter;
  if (index < 0 || size_t(index) >= menus().groups().size())
    return kHostErrNotFound;
  *outGroup = menus().groups()[size_t(index)].handle;
  return kHostNoErr;
}

void install(HostApp& app)
{
  app.area<Menus>();
  auto& suite = app.publishSuite<MenuSuite>(kMenuSuiteName, kMenuSuiteVersion);
  suite.addMenuGroup = &addMenuGroup;
  suite.getMenuGroupName = &getMenuGroupName;
  suite.getMenuGroupOptions = &getMenuGroupOptions;
  suite.setMenuGroupOptions = &setMenuGroupOptions;
  suite.countMenuGroups = &countMenuGroups;
  suite.getNthMenuGroup = &getNthMenuGroup;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimMenus_detail

} // namespace hostsim

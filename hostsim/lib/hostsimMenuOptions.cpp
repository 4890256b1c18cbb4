// The hostsim program's menu action: --menu TEXT chooses the plug-in's menu item with that text, as a
// user would: the host first updates the item (("AI Menu", "AI Update")), and only an enabled item is
// then chosen (("AI Menu", "AI Go")). Where several items carry the text, "GROUP>TEXT" names one.
#include "hostsimApp.h"
#include "hostsimMenuItems.h"
#include "hostsimMenus.h"
#include "hostsimRunner.h"

#include <ostream>
#include <vector>

namespace hostsim {

namespace hostsimMenuOptions_detail {

std::string qualifiedName(Menus& menus, const Menus::Item& item)
{
  const Menus::Group* group = menus.findGroup(item.group);
  return (group ? group->name : std::string()) + ">" + item.text;
}

std::vector<MenuItemHandle> matchingItems(Menus& menus, const std::string& text)
{
  std::vector<MenuItemHandle> found;
  for (const Menus::Item& item : menus.items())
    if (!item.removed && (item.text == text || qualifiedName(menus, item) == text))
      found.push_back(item.handle);
  return found;
}

bool chooseAction(HostApp& app, const std::string& text, std::ostream& err)
{
  Menus& menus = app.area<Menus>();
  std::vector<MenuItemHandle> found = matchingItems(menus, text);
  if (found.empty()) {
    err << "hostsim: --menu: no menu item \"" << text << "\"\n";
    return false;
  }
  if (found.size() > 1) {
    err << "hostsim: --menu: \"" << text << "\" names several items; choose one of:\n";
    for (MenuItemHandle handle : found)
      err << "  " << qualifiedName(menus, *menus.findItem(handle)) << "\n";
    return false;
  }
  MenuItems& items = app.area<MenuItems>();
  items.update(found.front());
  const Menus::Item* item = menus.findItem(found.front());
  if (!item || item->removed) {
    err << "hostsim: --menu: \"" << text << "\" went away\n";
    return false;
  }
  if (!item->enabled) {
    err << "hostsim: --menu: \"" << text << "\" is disabled\n";
    return false;
  }
  if (HostErr result = items.choose(found.front()); result != 0) {
    err << "hostsim: --menu: \"" << text << "\" answered " << result << "\n";
    return false;
  }
  return true;
}

const CommandAction menuCommand("menu", "TEXT|GROUP>TEXT", "choose the plug-in's menu item with this text",
                                &chooseAction);

} // namespace hostsimMenuOptions_detail

} // namespace hostsim

// The hostsim program's menu action: --menu TEXT chooses the plug-in's menu item with that text, as a
// user would: the host first updates the item (("AI Menu", "AI Update")), and only an enabled item is
// then chosen (("AI Menu", "AI Go")). Where several items carry the text, "GROUP>TEXT" names one.
#include "hostsimMenuOptions.h"

#include "hostsimApp.h"
#include "hostsimMenuItems.h"
#include "hostsimMenus.h"
#include "hostsimRunSummary.h"
#include "hostsimRunner.h"
#include "hostsimWorkspace.h"

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

// A disabled item's likely reason, as far as the host can tell.
std::string whyDisabled()
{
  const Document* doc = Workspace::instance().current();
  if (!doc)
    return " (no drawing is open: --open FILE.svg opens one)";
  bool selected = false;
  doc->forEachArt([&](Art* art) { selected |= !art->layer && (art->attrs & Art::kSelected); });
  return selected ? std::string() : " (nothing is selected: --select all selects every path)";
}

std::string whyUnchanged(const std::string& itemText, const Document* doc)
{
  bool unselectedPath = false;
  doc->forEachArt([&](Art* art) { unselectedPath |= art->type == Art::kPath && !(art->attrs & Art::kSelected); });
  if (itemText == "Assimilate" && !unselectedPath)
    return ": every path is selected, so there is no unselected path for the selected ones to absorb";
  return std::string();
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
    err << "hostsim: --menu: \"" << text << "\" is disabled" << whyDisabled() << "\n";
    return false;
  }
  const std::string itemText = item->text;
  const RunSummary::Counts before = RunSummary::Counts::of(Workspace::instance().current());
  if (HostErr result = items.choose(found.front()); result != 0) {
    err << "hostsim: --menu: \"" << text << "\" answered " << result << "\n";
    return false;
  }
  const Document* doc = Workspace::instance().current();
  if (doc && RunSummary::Counts::of(doc).fingerprint == before.fingerprint)
    err << "hostsim: --menu: \"" << text << "\" left the drawing as it was" << whyUnchanged(itemText, doc) << "\n";
  return true;
}

} // namespace hostsimMenuOptions_detail

std::vector<std::string> MenuOptions::choosableNames(HostApp& app)
{
  using namespace hostsimMenuOptions_detail;
  Menus& menus = app.area<Menus>();
  std::vector<std::string> names;
  for (const Menus::Item& item : menus.items())
    if (!item.removed && !item.text.empty())
      names.push_back(matchingItems(menus, item.text).size() == 1 ? item.text : qualifiedName(menus, item));
  return names;
}

namespace hostsimMenuOptions_detail {

const CommandAction menuCommand("menu", "TEXT|GROUP>TEXT", "choose the plug-in's menu item with this text",
                                &chooseAction);

} // namespace hostsimMenuOptions_detail

} // namespace hostsim

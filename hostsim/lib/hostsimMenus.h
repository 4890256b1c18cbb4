// The host's menus: an ordered list of menu groups (every built-in group first) and of menu items; the
// group positions of the "AI Menu Suite". Items are added by the menu-item positions.
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class Menus : public Area
{
public:
  explicit Menus(HostApp& app);

  struct Group
  {
    MenuGroupHandle handle = nullptr;
    std::string name;
    int32_t options = 0;
    MenuItemHandle headerItem = nullptr; // the item that opens a submenu group
    bool builtin = false;
  };
  struct Item
  {
    MenuItemHandle handle = nullptr;
    std::string keyboardName;
    MenuGroupHandle group = nullptr;
    std::string text; // UTF-8
    int32_t options = 0;
    bool enabled = true;
    bool checked = false;
    bool removed = false;
  };

  // Adds a group after nearGroup (at the end when null); null when the name is taken or nearGroup unknown.
  MenuGroupHandle addGroup(const std::string& name, int32_t options, const char* nearGroup,
                           MenuItemHandle headerItem = nullptr);
  Group* findGroup(MenuGroupHandle handle);
  Group* findGroup(const std::string& name);
  const std::vector<Group>& groups() const { return groups_; }

  Item* findItem(MenuItemHandle handle);
  std::vector<Item>& items() { return items_; }
  const std::vector<Item>& items() const { return items_; }

  int reportOrder() const override { return 300; }
  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  std::vector<Group> groups_;
  std::vector<Item> items_;
};

} // namespace hostsim

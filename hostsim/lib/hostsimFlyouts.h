// The flyout menus of the host's panels and the "AI Panel Flyout Menu Suite": each menu is a list of
// items and separators under 1-based item ids, with an enabled flag and a check mark per item.
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"
#include "hostsimHandleTable.h"

#include <string>
#include <vector>

namespace hostsim {

class Flyouts : public Area
{
public:
  explicit Flyouts(HostApp& app) : app_(app) {}

  struct Item
  {
    int32_t id = 0;
    std::string text;
    bool separator = false;
    bool enabled = true;
    // 1 checked, 0 none.
    int32_t mark = 0;
  };
  struct Menu
  {
    std::vector<Item> items;
    // The item with this id, or null.
    Item* item(int32_t id);
  };

  FlyoutMenuRef create();
  Menu* find(FlyoutMenuRef menu) const { return menus_.find(menu); }
  bool destroy(FlyoutMenuRef menu) { return menus_.remove(menu); }
  size_t liveCount() const { return menus_.liveCount(); }

private:
  HostApp& app_;
  HandleTable<FlyoutMenuRef, Menu> menus_;
};

} // namespace hostsim

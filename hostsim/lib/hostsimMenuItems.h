// The menu-item positions of the "AI Menu Suite" (and submenu groups) over the host's menus, and the
// user's choice of an item: ("AI Menu", "AI Go") and ("AI Menu", "AI Update").
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <string>

namespace hostsim {

class MenuItems : public Area
{
public:
  explicit MenuItems(HostApp& app) : app_(app) {}

  // The live item with that keyboard name, or null.
  MenuItemHandle findItem(const std::string& keyboardName) const;
  // The user chooses the item: ("AI Menu", "AI Go").
  HostErr choose(MenuItemHandle item);
  HostErr choose(const std::string& keyboardName);
  // The menu holding the item is about to open: ("AI Menu", "AI Update").
  HostErr update(MenuItemHandle item);
  // Test hook: the next addMenuItem calls fail.
  void refuseAdds(bool refuse) { refuseAdds_ = refuse; }
  bool refusingAdds() const { return refuseAdds_; }

private:
  HostApp& app_;
  bool refuseAdds_ = false;
};

} // namespace hostsim

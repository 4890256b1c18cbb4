// The host's interface theme: light or dark and its colour table; the "AI User Interface Theme Suite".
#pragma once

#include "hostapi/HostRecords.h"
#include "hostsimApp.h"

namespace hostsim {

class Theme : public Area
{
public:
  explicit Theme(HostApp& app) : app_(app) {}

  bool isDark() const { return dark_; }
  // Switches the theme; a change is announced with "AI UI Brightness Changed Notifier".
  void setDark(bool dark);
  // The colour of an item (-1 ... 4) in panels (panelFlag 1) or dialogs (0); false for other values.
  bool color(int32_t panelFlag, int32_t item, ThemeColorRecord& color) const;

private:
  HostApp& app_;
  bool dark_ = false;
};

} // namespace hostsim

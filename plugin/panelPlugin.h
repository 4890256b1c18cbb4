// The path-joining client's plug-in object: made by the set-up hook on the host's first start-up
// call, it names the plug-in, answers the four lifecycle phases, owns the menu items and runs the
// two join commands with the options of the preference file.
#pragma once

#include "core/qorcoreMenuItem.h"
#include "hostapi/UnicodeStringSuite.h"

namespace qor {
namespace core {
class Plugin;
}
}  // namespace qor
namespace tf {
class About;
class tfPrefs;
}  // namespace tf

namespace panel {

class Plugin
{
public:
  explicit Plugin(qor::core::Plugin* facade);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;
  virtual ~Plugin();

  void onStartup();
  void onPostStartup();
  void onPreShutdown();
  void onShutdown();

  void onMenuUpdate();
  void onTogglePanelItem();
  void onJunctateMenu();
  void onAssimilateMenu();

  // Store the options in the preference file, then join with them.
  void runJunctateCommand();
  void runAssimilateCommand();

  qor::core::Plugin* facade() const { return facade_; }
  const qor::core::MenuItem& panelMenuItem() const { return panelItem; }
  const qor::core::MenuItem& junctateMenuItem() const { return junctateItem; }
  const qor::core::MenuItem& assimilateMenuItem() const { return assimilateItem; }

private:
  void startCommand();

  qor::core::Plugin* facade_;
  qor::core::MenuItem panelItem;
  qor::core::MenuItem junctateItem;
  qor::core::MenuItem assimilateItem;
};

// The About and preference objects, made by the plug-in object while the plug-in is active.
extern tf::About* about;
extern tf::tfPrefs* prefs;
// The host's Unicode string suite as the client holds it; filled at start-up, may be null.
extern const UnicodeStringSuite* unicodeStringSuite;

}  // namespace panel

// The path-joining client's plug-in object: made by the set-up hook on the host's first start-up
// call, it names the plug-in, answers the four lifecycle phases, owns the menu items and the options
// panel, and runs the two join commands with the options of the panel, stored in the preference file.
#pragma once

#include <string>

#include "core/qorcoreButton.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreMenuItem.h"
#include "core/qorcorePanel.h"
#include "core/qorcoreTextField.h"
#include "core/qorcoreWidgetGroup.h"
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
  void onDocumentChanged();
  void onTogglePanelItem();
  void onJunctateMenu();
  void onAssimilateMenu();

  // Start a due update check once per host run, take the options from the panel, store them in the
  // preference file, then join with them.
  void runJunctateCommand();
  void runAssimilateCommand();

  // The options panel.
  void buildPanel();
  // Field texts to option values, through the host's number reading; and back, 4 decimals at most.
  void readOptionFields();
  void writeOptionFields();
  void onJunctateButton();
  void onAssimilateButton();
  // Keystroke filters and commit handlers of the four fields.
  void filterDistField();
  void filterAngleField();
  void filterSmoothField();
  void filterStraightField();
  void commitDistField();
  void commitAngleField();
  void commitSmoothField();
  void commitStraightField();
  // A click on a field's label gives the field the keyboard focus.
  void onDistLabelClick();
  void onAngleLabelClick();
  void onSmoothLabelClick();
  void onStraightLabelClick();

  // What a commit accepts: outside lowest..highest the field shows the replacement and the alert.
  struct Limit
  {
    double lowest;
    double highest;
    const char* replacement;
    const char* alert;
  };

  qor::core::Plugin* facade() const { return facade_; }
  const qor::core::MenuItem& panelMenuItem() const { return panelItem; }
  const qor::core::MenuItem& junctateMenuItem() const { return junctateItem; }
  const qor::core::MenuItem& assimilateMenuItem() const { return assimilateItem; }
  const qor::core::Panel& optionsPanel() const { return panel; }

  // The panel's width, a constant of the plug-in.
  static constexpr double panelWidth = 240;

private:
  void startCommand();
  // longest: the most UTF-8 bytes the field takes, 0 for no limit. A null limit is the distance field's.
  void filterField(qor::core::TextField& field, std::string& accepted, size_t longest);
  void commitField(qor::core::TextField& field, std::string& accepted, double option, const Limit* limit);

  qor::core::Plugin* facade_;
  qor::core::MenuItem panelItem;
  qor::core::MenuItem junctateItem;
  qor::core::MenuItem assimilateItem;
  qor::core::Panel panel;
  qor::core::Label titleLabel;
  qor::core::Label distUnitLabel;
  qor::core::Label angleUnitLabel;
  qor::core::Label smoothLabel;
  qor::core::TextField smoothField;
  qor::core::TextField straightField;
  qor::core::TextField distField;
  qor::core::TextField angleField;
  qor::core::Button junctateButton;
  qor::core::Button assimilateButton;
  qor::core::WidgetGroup panelWidgets;
  std::string angleText;
  std::string distText;
  std::string smoothText;
  std::string straightText;
};

// The About and preference objects, made by the plug-in object while the plug-in is active.
extern tf::About* about;
extern tf::tfPrefs* prefs;
// The host's Unicode string suite as the client holds it; filled at start-up, may be null.
extern const UnicodeStringSuite* unicodeStringSuite;

}  // namespace panel

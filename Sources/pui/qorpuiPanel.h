// A floating panel of the host application: the host owns its frame, title bar and flyout menu; the
// panel puts one content view into the host's panel window and holds its widgets there (window kind 1),
// keeps its size in units, follows the host's UI scale and forwards the host's notifications to
// client callbacks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aip/qoraipRect.h"
#include "aip/qoraipSize.h"
#include "hostapi/PanelFlyoutMenuSuite.h"
#include "hostapi/PanelSuite.h"
#include "utils/qorutilsCallback.h"
#include "utils/qorutilsList.h"

namespace qor {
namespace pui {

class PopupMenu;
class Widget;
class Window;

// The panel's icons: ten PNG ids, scales 1, 1.5, 2, 3 and 4 of the light interface, then of the dark.
struct PanelIconIds
{
  static constexpr int count = 10;
  uint16_t ids[count] = {};
};

class Panel
{
public:
  Panel(const std::string& title, const aip::Size& size, bool resizableHorizontally, bool resizableVertically,
        const PanelIconIds& iconIds);
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;
  virtual ~Panel();

  virtual void show();
  // Hides twice in a row, as the host may still be showing the panel after the first.
  virtual void hide();
  virtual bool isShown() const;
  virtual void setShown(bool shown);
  virtual void toggle();
  virtual utils::List<Widget*>* widgets() const;
  virtual bool flyoutItemCheckedByName(const std::string& name) const;
  virtual bool flyoutItemChecked(int32_t index) const;
  virtual bool setFlyoutItemCheckedByName(const std::string& name, bool checked);
  virtual bool setFlyoutItemChecked(int32_t index, bool checked);

  void addWidget(Widget* widget);
  void removeWidget(Widget* widget);

  // In units, and in pixels.
  aip::Rect frame() const;
  aip::Rect platformFrame() const;
  void setSize(const aip::Size& size);
  void setHeight(double height);
  void setFrame(const aip::Rect& frame);
  aip::Size minimumSize() const;
  aip::Size maximumSize() const;
  // Only for a resizable panel.
  void setMinimumSize(const aip::Size& size);
  void setMaximumSize(const aip::Size& size);

  // Each takes the callback over and deletes the one it replaces. The flyout callbacks are taken only
  // while the panel has flyout entries.
  void setShownCallback(utils::Callback* callback);
  void setHiddenCallback(utils::Callback* callback);
  void setResizeCallback(utils::Callback* callback);
  void setFlyoutCallback(utils::Callback* callback);
  void setFlyoutPreOpenCallback(utils::Callback* callback);
  utils::Callback* shownCallback() const { return shownCallback_; }
  utils::Callback* hiddenCallback() const { return hiddenCallback_; }
  utils::Callback* resizeCallback() const { return resizeCallback_; }
  utils::Callback* flyoutCallback() const { return flyoutCallback_; }
  utils::Callback* flyoutPreOpenCallback() const { return flyoutPreOpenCallback_; }

  // The flyout's entries; the pop-up menu stays its flyout handle's, the panel only borrows it.
  void setFlyout(PopupMenu* entries);
  PopupMenu* flyoutEntries() const { return flyoutEntries_; }
  void rebuildFlyoutMenu();
  // The position of the first flyout entry with this identifier, -1 for none.
  int32_t flyoutIndexOf(const std::string& name) const;

  PanelRef hostPanel() const { return hostPanel_; }
  FlyoutMenuRef hostFlyoutMenu() const { return hostFlyoutMenu_; }
  Window* window() const { return window_; }
  bool resizableHorizontally() const { return resizableHorizontally_; }
  bool resizableVertically() const { return resizableVertically_; }
  // The size in units: asked for, later observed while shown.
  aip::Size size() const { return size_; }
  // 1 unless the host scales its interface; then the window's DPI step, or the host's snap factor for
  // steps strictly between 1.01 and 1.49.
  double uiScale() const;
  // Whether a deferred view resize waits for the host to apply a size.
  bool resizePending() const { return resizeTimer_ != 0; }

  // The host's procedures.
  static void onFlyoutPreOpen(PanelRef panel);
  static void onFlyoutItem(PanelRef panel, int32_t itemId);
  static void onVisibilityChanged(PanelRef panel, bool8 shown);
  static void onSizeChanged(PanelRef panel);

private:
  static Panel* fromHost(PanelRef panel);
  void scheduleViewResize();
  void resizeView();
  void moveViewTo(const aip::Size& pixels);
  void replace(utils::Callback*& slot, utils::Callback* callback);
  void runClientCallback(utils::Callback* callback);

  PanelRef hostPanel_ = nullptr;
  Window* window_ = nullptr;
  utils::Callback* flyoutPreOpenCallback_ = nullptr;
  utils::Callback* flyoutCallback_ = nullptr;
  void appendFlyoutItems();
  PopupMenu* flyoutEntries_ = nullptr;
  // The entry identifiers the host's flyout items were made from, by item id - 1.
  std::vector<std::string> hostItemIds_;
  FlyoutMenuRef hostFlyoutMenu_ = nullptr;
  utils::Callback* shownCallback_ = nullptr;
  utils::Callback* hiddenCallback_ = nullptr;
  utils::Callback* resizeCallback_ = nullptr;
  bool resizableHorizontally_ = false;
  bool resizableVertically_ = false;
  aip::Size size_;
  aip::Size lastPlatformSize_;
  // The scheduled view resize (0 when none) and how often it has polled for the host's size.
  unsigned int resizeTimer_ = 0;
  int resizePolls_ = 0;
};

// Updates the widgets of every host panel (after the interface brightness changed).
void adjustPanelsBrightness();

}  // namespace pui
}  // namespace qor

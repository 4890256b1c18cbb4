// The host's floating panels and the "AI Panel Suite". A panel is a frame window of the Windows layer
// that the host draws (a one-pixel border and a title bar with the panel's title and its flyout
// button) around a child content window, which the plug-in fills. The host's window menu has one item
// per panel that shows or hides it. A size the plug-in asks for is applied on a later turn of the event
// loop, as a real host does; the host then calls the plug-in's size procedure.
#pragma once

#include "hostapi/HostRecords.h"
#include "hostapi/PanelSuite.h"
#include "hostsimApp.h"
#include "hostsimHandleTable.h"
#include "win/WinTypes.h"

#include <string>
#include <vector>

namespace hostsim {

class Panels : public Area
{
public:
  // Frame parts around the content window, in pixels.
  static constexpr int kBorder = 1;
  static constexpr int kTitleHeight = 28;
  // The frame is this much wider and taller than its content.
  static constexpr int kExtraWidth = 2 * kBorder;
  static constexpr int kExtraHeight = kTitleHeight + 2 * kBorder;

  struct Panel
  {
    PanelRef handle = nullptr;
    std::string identifier;
    std::string title;
    int32_t stateCount = 0;
    bool resizable = false;
    void* userData = nullptr;
    FlyoutMenuRef flyout = nullptr;
    std::vector<uint32_t> lightIcons;
    std::vector<uint32_t> darkIcons;
    SizeRecord minimum{};
    SizeRecord maximum{};
    // The content size the frame shows now, and the one asked for and not applied yet.
    SizeRecord size{};
    bool sizePending = false;
    SizeRecord pendingSize{};
    bool shown = false;
    HWND frame = nullptr;
    HWND content = nullptr;
    PanelFlyoutPreOpenProc flyoutPreOpenProc = nullptr;
    PanelFlyoutItemProc flyoutItemProc = nullptr;
    PanelVisibilityProc visibilityProc = nullptr;
    PanelSizeChangedProc sizeChangedProc = nullptr;
    // How often the plug-in called showPanel with true and with false.
    int showCalls = 0;
    int hideCalls = 0;
  };

  explicit Panels(HostApp& app);
  ~Panels() override;

  PanelRef create(const std::string& identifier, const std::string& title, int32_t stateCount,
                  const SizeRecord& minimum, bool resizable, FlyoutMenuRef flyout, void* userData);
  Panel* find(PanelRef handle) const { return panels_.find(handle); }
  // The live panel with this title, or null.
  Panel* findByTitle(const std::string& title) const;
  // The live panel whose frame is this window, or null.
  Panel* findByFrame(HWND frame) const;
  // Every live panel in the order of creation.
  std::vector<Panel*> panels() const;
  size_t liveCount() const { return panels_.liveCount(); }

  // Shows or hides the frame; the visibility procedure runs when the visibility changes.
  HostErr show(PanelRef handle, bool show);
  // Keeps the size for a later turn of the event loop, clamped to the minimum and maximum.
  HostErr requestSize(PanelRef handle, const SizeRecord& size);
  // Applies the panel's pending size now (the event loop does this on its next turn).
  void applyPendingSize(PanelRef handle);
  HostErr move(PanelRef handle, int32_t x, int32_t y);
  HostErr destroy(PanelRef handle);

  // The user: chooses the panel's item of the window menu (shows a hidden panel, hides a shown one);
  // drags the frame to a new content size (clamped, applied at once); opens the flyout menu; chooses
  // flyout item itemId (1-based). False when there is no such panel.
  bool chooseWindowMenuItem(const std::string& title);
  bool userResize(PanelRef handle, const SizeRecord& size);
  bool openFlyout(PanelRef handle);
  bool chooseFlyoutItem(PanelRef handle, int32_t itemId);

  // The window menu: one entry per panel, checked while the panel is shown.
  struct WindowMenuEntry
  {
    std::string title;
    bool checked = false;
  };
  std::vector<WindowMenuEntry> windowMenu() const;

  int reportOrder() const override { return 320; }
  void report(std::ostream& out) const override;

private:
  void setContentSize(Panel& panel, const SizeRecord& size);
  SizeRecord clamp(const Panel& panel, const SizeRecord& size) const;

  HostApp& app_;
  HandleTable<PanelRef, Panel> panels_;
};

} // namespace hostsim

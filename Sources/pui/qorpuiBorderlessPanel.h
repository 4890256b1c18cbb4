// A pop-up without caption that shows a live copy of a host panel's widgets beside the widget that
// opened it (a label tied to a panel, a custom widget with a pop-up panel). Every widget of the panel
// is cloned into the pop-up's own window; a user action on a copy (the mirror) is handed to the widget
// it copies (the source), whose client callbacks run as if the panel had been used, and then every
// mirror takes the sources' state again. It closes on a default- or cancel-style button, shortly after
// it loses the activation, on a click into another framework window, or at shutdown; inside a modal
// dialog it runs its own modal loop.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "aip/qoraipPoint.h"
#include "aip/qoraipSize.h"
#include "win/Afx.h"

namespace qor {
namespace pui {

class BorderlessPanel;
class Panel;
class RadioButtonGroup;
class TabOrder;
class Widget;
class Window;

// The pop-up's dialog window (template 20, restyled to a bare WS_POPUP): paints the one-pixel frame and
// closes the pop-up a moment after it is deactivated.
class WinMfcBorderlessPanel : public CDialog
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcBorderlessPanel(CWnd* parent) : CDialog(20, parent) {}
  ~WinMfcBorderlessPanel() override;

  BorderlessPanel* owner = nullptr;
  // The close scheduled after a deactivation, 0 when none waits.
  unsigned int closeTimer = 0;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Runs the existing window modally; the window stays for the next run.
  INT_PTR DoModal() override;
  // The scheduled close after a deactivation.
  void delayedClose();

protected:
  HWND PreModal() override;
  void PostModal() override;
};

class BorderlessPanel
{
public:
  // Hidden until the opener shows it; origin is applied by the opener with setOrigin.
  BorderlessPanel(bool modal, const aip::Point& origin, const aip::Size& size);
  BorderlessPanel(const BorderlessPanel&) = delete;
  BorderlessPanel& operator=(const BorderlessPanel&) = delete;
  virtual ~BorderlessPanel();

  // Mirrors the widgets of a host panel; null empties the pop-up.
  void populate(Panel* source);
  // Copies the sources' state into the mirrors; after an event the pop-up also follows the panel's size.
  void synchronize(bool afterEvent);
  void show();
  void close();
  bool isVisible() const;
  aip::Point origin() const;
  void setOrigin(const aip::Point& origin);
  void setSize(const aip::Size& size);
  double closedAt() const { return closedAt_; }
  void setClosedAt(double when) { closedAt_ = when; }
  BorderlessPanel* linkedPanel() const { return linkedPanel_; }
  void setLinkedPanel(BorderlessPanel* panel) { linkedPanel_ = panel; }
  bool keepOpenOnce() const { return keepOpenOnce_; }
  void setKeepOpenOnce(bool keep) { keepOpenOnce_ = keep; }
  bool modal() const { return modal_; }
  Panel* source() const { return source_; }
  Window* window() const { return window_; }
  WinMfcBorderlessPanel* dialog() const { return dialog_; }
  // The mirrors in the source panel's order, with their sources.
  const std::vector<std::pair<Widget*, Widget*>>& mirrors() const { return mirrors_; }
  Widget* sourceOf(const Widget* mirror) const;
  Widget* mirrorOf(const Widget* source) const;
  const std::vector<TabOrder*>& mirrorTabOrders() const { return mirrorTabOrders_; }
  const std::vector<RadioButtonGroup*>& mirrorRadioGroups() const { return mirrorRadioGroups_; }

  // Time stamps of closes: seconds since 1970 with the system clock's microseconds.
  static double now();

  // The mirrors' forwarding callbacks, one per kind of event.
  void forwardClick();
  void forwardValueChanged();
  void forwardValueChanging();
  void forwardStepUp();
  void forwardStepDown();
  void forwardMouseEnter();
  void forwardMouseMove();
  void forwardMouseLeave();
  void forwardMouseDown();
  void forwardMouseDrag();
  void forwardMouseUp();
  void forwardDraw();

private:
  void createWindow();
  double scale() const;
  void clearGroups();
  void forwardMouse(Widget* fired, int event);

  Window* window_ = nullptr;
  WinMfcBorderlessPanel* dialog_ = nullptr;
  Panel* source_ = nullptr;
  bool modal_ = false;
  aip::Point origin_;
  aip::Size size_;
  std::vector<std::pair<Widget*, Widget*>> mirrors_;
  std::vector<TabOrder*> mirrorTabOrders_;
  std::vector<RadioButtonGroup*> mirrorRadioGroups_;
  double closedAt_ = 0.0;
  BorderlessPanel* linkedPanel_ = nullptr;
  bool keepOpenOnce_ = false;
  CFont font_;
};

// Ends the modal loop or hides the window of every listed pop-up that has one.
void closeAllBorderlessPanels();

}  // namespace pui
}  // namespace qor

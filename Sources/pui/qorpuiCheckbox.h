// A check box with a title and three states, 1 on, 0 off and -1 mixed (kind 30), and the owner-drawn
// button that shows it: the box from the plug-in's pictures by state, focus, scale and theme, then the
// title. A click, or Space while it has the focus, toggles it before the click callback runs; a double
// click runs the click callback.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

class Checkbox : public Widget, public ClickWidget, public CustomEventsWidget
{
public:
  // Frame origin location + (0, -3), width `width` and height 20.
  Checkbox(const aip::Point& location, double width, const std::string& title, int32_t state);
  ~Checkbox() override;

  Widget* clone() const override;
  void createControl(Window* window) override;

  virtual int32_t state() const;
  // Stored as given; any value but -1 and 1 draws as off.
  virtual void setState(int32_t state);
  virtual void setOn(bool on);

  // The click callback also answers double clicks; there is no double-click callback of its own.
  void fireDoubleClick() override;
  utils::Callback* doubleClickCallback() const override;
  void setDoubleClickCallback(utils::Callback* callback) override;

  // The toggle of a click or of Space: on from off or mixed, off from on; then the click callback.
  void toggleByUser();
  // The colour context of the box's window: 20 in dialog-kind windows (2 and 4), else 10.
  int32_t themeContext() const;
  // The picture of the box for a state and focus at the widget's scale and the host's brightness.
  uint16_t boxImageId(bool focused) const;

protected:
  Checkbox(const Checkbox& other);

private:
  int32_t state_ = 0;
};

class WinMfcCheckbox : public CButton
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcCheckbox(Checkbox* owner) : owner(owner) {}
  ~WinMfcCheckbox() override;

  Checkbox* owner;

  void DrawItem(LPDRAWITEMSTRUCT item) override;

  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
};

}  // namespace pui
}  // namespace qor

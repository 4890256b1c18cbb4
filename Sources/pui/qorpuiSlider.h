// A slider: a value from 0 to 1 chosen by dragging a round thumb along a thin track, over a trackbar
// of 64 steps. Every movement of the thumb fires value-changing; every left-button release fires a
// click, and a double click runs the click callback too.
#pragma once

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"
#include "win/AfxSlider.h"

namespace qor {
namespace pui {

class Slider : public virtual Widget, public ClickWidget, public ValueChangingWidget, public CustomEventsWidget
{
public:
  // A slider from the origin, this wide and 18 high, at the value (limited to 0..1).
  Slider(const aip::Point& origin, double width, double value);
  ~Slider() override;

  Widget* clone() const override;
  void createControl(Window* window) override;
  // Sets the range again with redrawing, which repaints the control.
  void update() override;

  // The stored value without a control; the control's position over its range with one, so 0/64 to
  // 64/64.
  virtual double value() const;
  // Limited to 0..1; moves the thumb; fires nothing.
  virtual void setValue(double value);

  // The callback is also the double-click callback; there is no other.
  void setClickCallback(utils::Callback* callback) override;
  utils::Callback* doubleClickCallback() const override;
  void setDoubleClickCallback(utils::Callback* callback) override;

protected:
  Slider(const Slider& other);

private:
  double value_ = 0.0;
};

class WinMfcSlider : public CSliderCtrl
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcSlider(Slider* owner) : owner(owner) {}

  Slider* owner;

  // The themed track and thumb, drawn after the control's own stages are skipped.
  afx_msg void OnCustomDraw(NMHDR* header, LRESULT* result);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void HScroll(UINT code, UINT position);
  afx_msg void VScroll(UINT code, UINT position);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
};

}  // namespace pui
}  // namespace qor

// A stepper: two small arrow buttons, one above the other. A press on the upper half runs the up
// callback and a press on the lower half the down callback, once per press; it keeps no value.
#pragma once

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

class Stepper : public virtual Widget, public CustomEventsWidget
{
public:
  // A stepper from the origin, 16 wide and 20 high.
  explicit Stepper(const aip::Point& origin);
  // Deletes both callbacks.
  ~Stepper() override;

  Widget* clone() const override;
  void createControl(Window* window) override;

  // The callbacks stay owned by the stepper; a new one replaces (and deletes) a different old one.
  virtual utils::Callback* upCallback() const;
  virtual void setUpCallback(utils::Callback* callback);
  virtual utils::Callback* downCallback() const;
  virtual void setDownCallback(utils::Callback* callback);

  // The stepping: a press at or above half the height steps up, below it down.
  bool handleMouseDown() override;
  bool handleMouseUp() override;

protected:
  Stepper(const Stepper& other);

private:
  utils::Callback* upCallback_ = nullptr;
  utils::Callback* downCallback_ = nullptr;
};

class WinMfcStepper : public CWnd
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcStepper(Stepper* owner) : owner(owner) {}

  Stepper* owner;

  afx_msg void OnKillFocus(CWnd* next);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  // Both halves, drawn off screen and copied.
  afx_msg void OnPaint();
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

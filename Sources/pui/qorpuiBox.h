// A passive framing widget: a group box (an etched rectangle with its title set into the top edge) or
// a divider (an etched horizontal or vertical line). Its transparent window draws while its
// background is erased; a click on it closes the open pop-up panels.
#pragma once

#include <string>

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

class Box : public virtual Widget, public CustomEventsWidget
{
public:
  // A group box of this frame and title.
  Box(const aip::Rect& frame, const std::string& title);
  // A divider from the origin, this long, two units thick.
  Box(const aip::Point& origin, double length, bool horizontal);
  ~Box() override;

  Widget* clone() const override;
  // The stored title; the control is never read.
  std::string text() override;
  void setText(const std::string& text) override;
  // Always enabled.
  bool enabled() const override;
  void setEnabled(bool enabled) override;
  // The painter makes its own font.
  void updateFont() override;
  void createControl(Window* window) override;

  virtual bool isDivider() const;
  virtual bool isHorizontal() const;
  virtual bool isVertical() const;

protected:
  Box(const Box& other);

private:
  bool isDivider_ = false;
  bool horizontal_ = true;
  std::string title_;
};

class WinMfcBox : public CWnd
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcBox(Box* owner) : owner(owner) {}
  ~WinMfcBox() override;

  Box* owner;

  // Draws the divider's lines or the group box's outlines and title; erases nothing else.
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
};

}  // namespace pui
}  // namespace qor

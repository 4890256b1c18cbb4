// A push button with a text title, drawn by the owner in the host's theme; style 2 marks the
// emphasised (default) button. It reports clicks and double clicks and raw mouse events.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

class Button : public virtual Widget, public ClickWidget, public CustomEventsWidget
{
public:
  // The frame is the origin, width + 2 and height 21 with an inset of 2 in width; takes the callback.
  Button(const aip::Point& origin, double width, const std::string& title, utils::Callback* clickCallback);
  ~Button() override;

  Widget* clone() const override;
  // 1, 2 (the emphasised look) or 3 (every new button).
  virtual int32_t style() const;
  virtual void setStyle(int32_t style);

  void createControl(Window* window) override;
  // A button has nothing to update.
  void update() override;

  // The colour context of the button's window: 20 in dialog-kind windows (2 and 4), else 10.
  int32_t themeContext() const;

protected:
  Button(const Button& other);

private:
  int32_t style_ = 3;
};

// The width a button needs for a title: textWidthForHeight plus 20.
double buttonWidthForHeight(const std::string& text, double height, double pointSize);

// The owner-drawn control of a text button.
class WinMfcTextButton : public CButton
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcTextButton(Button* owner) : owner(owner) {}
  ~WinMfcTextButton() override;

  Button* owner;

  void DrawItem(LPDRAWITEMSTRUCT item) override;

  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
};

}  // namespace pui
}  // namespace qor

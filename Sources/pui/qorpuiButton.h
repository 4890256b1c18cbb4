// A push button with a text title or an image, drawn by the owner in the host's theme; style 2 marks
// the emphasised (default) button. It reports clicks and double clicks and raw mouse events; an image
// button also shows a hover highlight and its rollover pictures.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiImageWidget.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

class Button : public virtual Widget, public ClickWidget, public ImageWidget, public CustomEventsWidget
{
public:
  // The frame is the origin, width + 2 and height 21 with an inset of 2 in width; both image id sets
  // ask for the hover highlight; takes the callback.
  Button(const aip::Point& origin, double width, const std::string& title, utils::Callback* clickCallback);
  ~Button() override;

  Widget* clone() const override;
  // An image button has no title: it reports "" and ignores a new one.
  std::string text() override;
  void setText(const std::string& text) override;
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
  void redrawImage() override;
  aip::Size imageFrameSize() const override;

private:
  int32_t style_ = 3;
};

// The width a button needs for a title: textWidthForHeight plus 20.
double buttonWidthForHeight(const std::string& text, double height, double pointSize);

// The owner-drawn controls of a button route the mouse to it; the text button also repaints on
// presses, releases and double clicks.
class WinMfcButtonBase : public CButton
{
  DECLARE_MESSAGE_MAP()
public:
  WinMfcButtonBase(Button* owner, bool redrawsOnPress) : owner(owner), redrawsOnPress_(redrawsOnPress) {}
  ~WinMfcButtonBase() override;

  Button* owner;

  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg BOOL OnEraseBkgnd(CDC* dc);

private:
  void pressed();
  bool redrawsOnPress_;
};

class WinMfcTextButton : public WinMfcButtonBase
{
public:
  explicit WinMfcTextButton(Button* owner) : WinMfcButtonBase(owner, true) {}
  // The themed frame and the centred title.
  void DrawItem(LPDRAWITEMSTRUCT item) override;
};

class WinMfcImageButton : public WinMfcButtonBase
{
public:
  explicit WinMfcImageButton(Button* owner) : WinMfcButtonBase(owner, false) {}
  // The themed frame and the picture for the brightness and hover state; a grey border and the veiled
  // picture when disabled.
  void DrawItem(LPDRAWITEMSTRUCT item) override;
};

}  // namespace pui
}  // namespace qor

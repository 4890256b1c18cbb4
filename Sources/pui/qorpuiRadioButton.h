// A three-state choice (1 on, 0 off, -1 mixed) that may belong to a radio button group: turning one
// member on turns the others off, and the group's selected member comes back on when nothing else is.
// It shows a title beside a state picture, or an image of its own in a framed face.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiImageWidget.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

class RadioButtonGroup;

class RadioButton : public virtual Widget, public ClickWidget, public ImageWidget, public CustomEventsWidget
{
public:
  // A titled radio button: origin, width and height 20; takes the callback.
  RadioButton(const aip::Point& origin, double width, const std::string& title, int32_t state,
              utils::Callback* clickCallback);
  // An image radio button of this frame and PNG ids (with their hover-highlight flag); takes the callback.
  RadioButton(const aip::Rect& frame, const ImageIds& ids, int32_t state, utils::Callback* clickCallback);
  // Leaves its group, if any.
  ~RadioButton() override;

  Widget* clone() const override;
  // An image radio button has no title: it reports "" and ignores a new one.
  std::string text() override;
  void setText(const std::string& text) override;
  void update() override;
  void createControl(Window* window) override;

  virtual int32_t state() const;
  // Stores any value, redraws, then keeps the group consistent.
  virtual void setState(int32_t state);
  virtual void setOn(bool on);
  virtual RadioButtonGroup* group() const;
  virtual bool auxiliaryFlag() const;
  // Only the link: called by the group.
  void setGroup(RadioButtonGroup* group) { group_ = group; }

  // The client's click callback; a double click runs it too, so there is no double-click callback.
  utils::Callback* clickCallback() const override;
  void setClickCallback(utils::Callback* callback) override;
  utils::Callback* doubleClickCallback() const override;
  void setDoubleClickCallback(utils::Callback* callback) override;

  // Written by the group update of another member, without its own group update.
  void storeState(int32_t state) { state_ = state; }

protected:
  RadioButton(const RadioButton& other);
  void redrawImage() override;
  aip::Size imageFrameSize() const override;

private:
  void installClickHandler();
  // The internal click callback: the group update, then the client's callback.
  void clicked();
  void updateGroup();

  RadioButtonGroup* group_ = nullptr;
  bool auxiliaryFlag_ = false;
  int32_t state_ = 0;
  utils::Callback* clickCallback_ = nullptr;
};

// The state picture resource of a titled radio button.
uint16_t radioPictureId(int32_t state, bool focused, double scale, bool dark);

// The owner-drawn controls of a radio button; both route the mouse to it.
class WinMfcRadioButtonBase : public CButton
{
  DECLARE_MESSAGE_MAP()
public:
  WinMfcRadioButtonBase(RadioButton* owner, bool image) : owner(owner), image_(image) {}
  ~WinMfcRadioButtonBase() override;

  RadioButton* owner;

  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg BOOL OnEraseBkgnd(CDC* dc);

private:
  bool image_;
};

class WinMfcTextRadioButton : public WinMfcRadioButtonBase
{
public:
  explicit WinMfcTextRadioButton(RadioButton* owner) : WinMfcRadioButtonBase(owner, false) {}
  // The state picture (veiled when disabled) and the title.
  void DrawItem(LPDRAWITEMSTRUCT item) override;
};

class WinMfcImageRadioButton : public WinMfcRadioButtonBase
{
public:
  explicit WinMfcImageRadioButton(RadioButton* owner) : WinMfcRadioButtonBase(owner, true) {}
  // The themed face for the state, hover and brightness, and the image; a grey border and the veiled
  // image when disabled.
  void DrawItem(LPDRAWITEMSTRUCT item) override;
};

}  // namespace pui
}  // namespace qor

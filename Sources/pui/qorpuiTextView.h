// A multi-line text box (kind 160) with a vertical scroll bar, optionally read-only, and the edit
// control it creates: the control holds CR LF line ends and the view hands its text out with LF;
// value-changing on every change of the text, value-changed when the view loses the focus; Enter
// inserts a line break, Tab is swallowed and Ctrl+A selects all. It can be tied to a label.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipColor.h"
#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiTextWidget.h"

namespace qor {
namespace pui {

class Label;

class TextView : public TextWidget, public ValueChangedWidget, public ValueChangingWidget
{
public:
  TextView(const aip::Rect& frame, const std::string& text, bool editable);
  TextView(const TextView& other);
  ~TextView() override;

  Widget* clone() const override;
  TextView* cloneView() const;

  // With LF line ends.
  std::string text() override;
  // Any mix of CR LF, CR and LF becomes CR LF; fires no value-changing event.
  void setText(const std::string& text) override;

  virtual bool editable() const;
  // The character of the last keystroke ("\n" for Enter), until the next event fires.
  virtual std::string lastTypedText() const;
  virtual Label* attachedLabel() const;
  // Ties the view to a label (untying both from earlier partners); null unties it.
  virtual void setAttachedLabel(Label* label);
  // In edit-control character units; false without a control or without the keyboard focus.
  virtual bool selection(int32_t& start, int32_t& length) const;
  // Focuses the view and selects; the selection needs a control.
  virtual void setSelection(int32_t start, int32_t length);

  void createControl(Window* window) override;
  void focus() override;
  // A text view has nothing to update.
  void update() override;
  void fireValueChanged() override;
  void fireValueChanging() override;

  // Kept by the control and by the label tie.
  void setLastTypedText(const std::string& text) { lastTypedText_ = text; }
  void setAttachedLabelPointer(Label* label) { attachedLabel_ = label; }
  // The colour context of the view's window: 20 in dialog-kind windows (2 and 4), else 10.
  int32_t themeContext() const;
  bool inDialog() const;

private:
  Label* attachedLabel_ = nullptr;
  bool editable_ = true;
  std::string lastTypedText_;
  bool firingChanged_ = false;
  bool firingChanging_ = false;
};

// The edit control of a text view.
class WinMfcTextView : public CEdit
{
public:
  explicit WinMfcTextView(TextView* owner) : owner(owner) {}
  ~WinMfcTextView() override;

  TextView* owner;
  bool trackingMouse = false;
  HBRUSH backgroundBrush = nullptr;

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // The reflected EN_CHANGE and colour queries.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
  void paintFrame(HDC dc, const RECT& bounds);
  aip::Color background() const;
  char16_t pendingHighSurrogate_ = 0;
};

}  // namespace pui
}  // namespace qor

// A single-line editable text field (kind 150) and the edit control it creates: value-changing on every
// keystroke that alters the text, value-changed when the user commits (Enter outside modal dialogs, or
// leaving the field), the last typed character with its modifier keys, the selection, a tie to a
// label, dropped Unicode text, and a themed frame around a vertically centred edit area.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipColor.h"
#include "pui/qorpuiDragDropWidgets.h"
#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiWinMfcDragDrop.h"

namespace qor {
namespace pui {

class Label;

class TextField : public TextWidget,
                  public DroppableWidget,
                  public ValueChangedWidget,
                  public ValueChangingWidget
{
public:
  // Frame origin location, width `width` + 2 and height 20 (23 once placed in a dialog).
  TextField(const aip::Point& location, double width, const std::string& text);
  ~TextField() override;

  Widget* clone() const override;
  TextField* cloneField() const;

  // The character of the last keystroke ("\n" for Enter) and its modifiers (Shift 1, Alt 2, Ctrl 4),
  // until the next event fires.
  virtual std::string lastTypedText() const;
  virtual int32_t lastKeyModifiers() const;
  virtual Label* attachedLabel() const;
  // Ties the field to a label (untying both from earlier partners); null unties it.
  virtual void setAttachedLabel(Label* label);
  // In edit-control character units; false without a control or without the keyboard focus.
  virtual bool selection(int32_t& start, int32_t& length) const;
  // Focuses the field and selects; nothing without a control.
  virtual void setSelection(int32_t start, int32_t length);

  void createControl(Window* window) override;
  void focus() override;
  // A text field has nothing to update.
  void update() override;
  void fireValueChanged() override;
  void fireValueChanging() override;

  // Kept by the control and by the label tie.
  void setLastTyped(const std::string& text, int32_t modifiers);
  void setAttachedLabelPointer(Label* label) { attachedLabel_ = label; }
  // The colour context of the field's window: 20 in dialog-kind windows (2 and 4), else 10.
  int32_t themeContext() const;
  bool inDialog() const;

protected:
  TextField(const TextField& other);

private:
  Label* attachedLabel_ = nullptr;
  std::string lastTypedText_;
  int32_t lastKeyModifiers_ = 0;
  bool firingChanged_ = false;
  bool firingChanging_ = false;
  bool grownForDialog_ = false;
};

// The edit control of a text field.
class WinMfcTextField : public CEdit
{
public:
  explicit WinMfcTextField(TextField* owner) : owner(owner) {}
  ~WinMfcTextField() override;

  TextField* owner;
  WinMfcDragDropTarget dropTarget;
  bool trackingMouse = false;
  HBRUSH backgroundBrush = nullptr;

  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // The reflected EN_CHANGE and colour queries.
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
  // The themed frame over the non-client strips, on a DC whose (0, 0) is the window's corner.
  void paintFrame(HDC dc, const RECT& bounds);
  // The edit area's background colour.
  aip::Color background() const;
  bool keyDown(WPARAM key, LRESULT* result);
  bool character(WPARAM key, LRESULT* result);
  char16_t pendingHighSurrogate_ = 0;
};

// The background of an edit field in the host theme: white in the light UI, a grey made from the
// theme's background in the dark UI, darkened when disabled. Also used by other edit-based widgets.
aip::Color editBackgroundColor(int32_t context, bool enabled);

}  // namespace pui
}  // namespace qor

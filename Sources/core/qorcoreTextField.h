// The client handle of a single-line text field (widget type 160): justification, bold and italic, a
// tie to a label, the selection in UTF-8 bytes or in characters, the last typed character, the
// value-changing (per keystroke) and value-changed (commit) callbacks, and dropped text.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcorePoint.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class TextField;
}
namespace core {

class Label;

class TextField : public Widget
{
public:
  // An empty handle.
  TextField();
  TextField(const Point& origin, const std::string& text, double width);
  TextField(const TextField& other);
  ~TextField() override;

  Widget* duplicate() const override;
  Widget* clone() const override;

  virtual TextField& assignShared(const TextField& other);
  // 10 left, 20 centre, 30 right; 0 without a field.
  virtual int32_t justification() const;
  // 20 and 30 give their justification; every other code left.
  virtual void setJustification(int32_t justification);
  virtual bool bold() const;
  virtual void setBold(bool bold);
  virtual bool italic() const;
  virtual void setItalic(bool italic);
  // A new handle of the tied label, owned by the caller; null without one.
  virtual Label* attachedLabel() const;
  virtual void setAttachedLabel(const Label& label);
  virtual void clearAttachedLabel();
  // In bytes of the UTF-8 text; false without a control or while the field is not focused.
  virtual bool selection(int32_t& start, int32_t& length) const;
  // From bytes of the UTF-8 text; offsets inside a character, or a start past the text, change
  // nothing; an end past the text puts the caret at the start.
  virtual void setSelection(int32_t start, int32_t length);
  // In the edit control's character units (UTF-16).
  virtual bool selectionInChars(int32_t& start, int32_t& length) const;
  virtual void setSelectionInChars(int32_t start, int32_t length);
  virtual std::string lastTypedText() const;
  virtual void fireValueChanging();
  virtual Callback* valueChangingCallback() const;
  virtual void setValueChangingCallback(const Callback& callback);
  virtual void fireValueChanged();
  virtual Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(const Callback& callback);
  virtual bool acceptsDrops() const;
  virtual void setAcceptsDrops(bool accepts);
  virtual Callback* dropCallback() const;
  virtual void setDropCallback(const Callback& callback);
  // The text and point (in the control's pixels) of the drop whose callback runs now.
  virtual std::string dropText() const;
  virtual Point dropPoint() const;

private:
  pui::TextField* field() const;
};

}  // namespace core
}  // namespace qor

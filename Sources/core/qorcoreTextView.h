// The client handle of a multi-line text view (widget type 170): whether it is editable,
// justification, bold and italic, a tie to a label, the selection in UTF-8 bytes or in characters,
// the last typed character and the value-changing (per change) and value-changed (focus loss)
// callbacks. Its text has LF line ends.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcoreRect.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class TextView;
}
namespace core {

class Label;

class TextView : public Widget
{
public:
  // An empty handle.
  TextView();
  TextView(const Rect& frame, const std::string& text, bool editable);
  TextView(const TextView& other);
  ~TextView() override;

  Widget* duplicate() const override;
  Widget* clone() const override;

  virtual TextView& assignShared(const TextView& other);
  virtual bool editable() const;
  // 10 left, 20 centre, 30 right; 0 without a view.
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
  // In bytes of the UTF-8 text (LF line ends); false without a control or while not focused.
  virtual bool selection(int32_t& start, int32_t& length) const;
  virtual void setSelection(int32_t start, int32_t length);
  // In the edit control's character units (UTF-16, line ends of two units).
  virtual bool selectionInChars(int32_t& start, int32_t& length) const;
  virtual void setSelectionInChars(int32_t start, int32_t length);
  virtual std::string lastTypedText() const;
  virtual void fireValueChanging();
  virtual Callback* valueChangingCallback() const;
  virtual void setValueChangingCallback(const Callback& callback);
  virtual void fireValueChanged();
  virtual Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(const Callback& callback);

private:
  pui::TextView* view() const;
};

}  // namespace core
}  // namespace qor

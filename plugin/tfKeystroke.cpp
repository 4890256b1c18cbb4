#include "tfKeystroke.h"

#include <algorithm>
#include <cstdint>

#include "core/qorcoreTextField.h"

namespace tf {

namespace tfKeystroke_detail {

// Characters as the edit control counts them: UTF-16 units.
int32_t units(const std::string& text)
{
  int32_t count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80)
      ++count;
    if ((c & 0xF8) == 0xF0)
      ++count;
  }
  return count;
}

}  // namespace tfKeystroke_detail

void undoKeystroke(qor::core::TextField& field, const std::string& accepted)
{
  using tfKeystroke_detail::units;
  int32_t start = 0, length = 0;
  const bool focused = field.selectionInChars(start, length);
  const int32_t typed = units(field.text());
  field.setText(accepted);
  if (!focused)
    return;
  // The caret stands after the keystroke; the keystroke made the text this much longer.
  const int32_t restored = units(accepted);
  field.setSelectionInChars(std::min(std::max(start - (typed - restored), 0), restored), 0);
}

}  // namespace tf

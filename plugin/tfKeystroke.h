// Undoing a keystroke that a field's filter does not take.
#pragma once

#include <string>

namespace qor {
namespace core {
class TextField;
}
}  // namespace qor

namespace tf {

// Sets the field's text back to the last accepted text. Setting a text from code leaves the caret at
// the start, where the next keystroke would land; the caret goes back to where it stood before the
// undone keystroke instead, as the edit control's own undo leaves it.
void undoKeystroke(qor::core::TextField& field, const std::string& accepted);

}  // namespace tf

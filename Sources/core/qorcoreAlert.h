// The framework's alert dialogs: a modal dialog with an icon, the wrapped message and up to three
// buttons. Each alert also writes "Alert: " and its message (and its button labels when it offers a
// choice) to the debugger output, so the host's log shows what was asked.
#pragma once

#include <string>

#include "core/qorcoreCallback.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace pui {
class ModalDialog;

// The press handler of an alert's third button: runs its callback, then ends the dialog.
class __ModalCallback
{
public:
  __ModalCallback(ModalDialog* dialog, bool dismisses, utils::Callback* callback)
      : dialog(dialog), dismisses(dismisses), callback(callback)
  {
  }
  virtual ~__ModalCallback() = default;

  void press();

  ModalDialog* dialog;
  bool dismisses;
  // Not owned.
  utils::Callback* callback;
  bool pressed = false;
};
}  // namespace pui

namespace core {

// What an alert shows. The callbacks are owned: the alert deletes them.
struct AlertDescription
{
  std::string message;
  std::string firstLabel;
  utils::Callback* firstCallback = nullptr;
  std::string secondLabel;
  utils::Callback* secondCallback = nullptr;
  std::string thirdLabel;
  utils::Callback* thirdCallback = nullptr;
};

// Builds, runs and destroys an alert: 3 when the first button (the default, or Enter) ended it, 2 the
// second (the cancel button, or Esc), 1 the third button or when nothing was shown (no UI layer, or
// alerts switched off). An empty label gives no button.
int showAlertDialog(AlertDescription description);

// A one-button alert labelled with the localised OK text.
void messageAlert(const std::string& message);
// What the client calls: forwards to messageAlert.
void alert(const std::string& message);
// Two labelled buttons that run the callbacks (taken over; deleted at once when nothing is shown).
int alertWithCallbacks(const std::string& message, const std::string& firstLabel, Callback* firstCallback,
                       const std::string& secondLabel, Callback* secondCallback);
// Two labelled buttons without callbacks; 3 first, 2 second, 1 neither.
int alertWithChoices(const std::string& message, const std::string& firstLabel, const std::string& secondLabel);
// alertWithChoices' result when it is 1, 2 or 3, else 0.
int alertWithChoiceResult(const std::string& message, const std::string& firstLabel, const std::string& secondLabel);

}  // namespace core
}  // namespace qor

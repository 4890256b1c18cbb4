// The framework's alerts as the client calls them. Until the alert dialogs exist, an alert is shown
// as a line on the debugger output ("Alert: " and the message), so the host and tests can see it,
// and the button a choice alert reports comes from an answerer that stands in for the user.
#pragma once

#include <functional>
#include <string>

namespace qor {
namespace core {

// A one-button alert; shows nothing while the UI layer is absent or alerts are switched off.
void messageAlert(const std::string& message);
// What the client calls: forwards to messageAlert.
void alert(const std::string& message);

// A modal alert with two labelled buttons: 3 when the first (the default button) ended it, 2 for the
// second (the cancel button), 1 otherwise. While the UI layer is absent or alerts are switched off it
// shows nothing and reports 1, the neutral answer.
int alertWithChoices(const std::string& message, const std::string& firstButton, const std::string& secondButton);
// alertWithChoices' result when it is 1, 2 or 3, else 0.
int alertWithChoiceResult(const std::string& message, const std::string& firstButton,
                          const std::string& secondButton);

// Stands in for the user of a shown choice alert: given the message and the two labels, returns what
// the alert reports. Without one (or after setting an empty one) the alert reports 1, as when no
// dialog could be shown.
using AlertChoiceAnswerer =
    std::function<int(const std::string& message, const std::string& firstButton, const std::string& secondButton)>;
void setAlertChoiceAnswerer(AlertChoiceAnswerer answerer);

}  // namespace core
}  // namespace qor

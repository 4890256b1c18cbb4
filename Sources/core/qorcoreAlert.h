// The framework's alerts as the client calls them. Until the alert dialogs exist, an alert is shown
// as a line on the debugger output ("Alert: " and the message), so the host and tests can see it.
#pragma once

#include <string>

namespace qor {
namespace core {

// A one-button alert; shows nothing while the UI layer is absent or alerts are switched off.
void messageAlert(const std::string& message);
// What the client calls: forwards to messageAlert.
void alert(const std::string& message);

}  // namespace core
}  // namespace qor

#include "core/qorcoreAlert.h"

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "win/WinBase.h"

namespace qorcoreAlert_detail {

qor::core::AlertChoiceAnswerer& answerer()
{
  static qor::core::AlertChoiceAnswerer current;
  return current;
}

// Alerts show only while the UI layer exists and lets them.
bool alertsShown()
{
  qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  return globals && globals->alertsEnabled;
}

}  // namespace qorcoreAlert_detail

namespace qor {
namespace core {

void messageAlert(const std::string& message)
{
  if (!qorcoreAlert_detail::alertsShown())
    return;
  OutputDebugStringA(("Alert: " + message + "\n").c_str());
}

void alert(const std::string& message)
{
  messageAlert(message);
}

int alertWithChoices(const std::string& message, const std::string& firstButton, const std::string& secondButton)
{
  if (!qorcoreAlert_detail::alertsShown())
    return 1;
  OutputDebugStringA(("Alert: " + message + " [" + firstButton + "|" + secondButton + "]\n").c_str());
  const AlertChoiceAnswerer& answer = qorcoreAlert_detail::answerer();
  return answer ? answer(message, firstButton, secondButton) : 1;
}

int alertWithChoiceResult(const std::string& message, const std::string& firstButton,
                          const std::string& secondButton)
{
  const int result = alertWithChoices(message, firstButton, secondButton);
  return result >= 1 && result <= 3 ? result : 0;
}

void setAlertChoiceAnswerer(AlertChoiceAnswerer answerer)
{
  qorcoreAlert_detail::answerer() = std::move(answerer);
}

}  // namespace core
}  // namespace qor

// The update dialog's settings row: "Check for updates every", the number of days and "days".
#include "core/qorcoreLabel.h"
#include "tfBasePrefs.h"

namespace tf {

void tfBasePrefs::buildSettingWidgets()
{
  qor::core::Label days(qor::core::Point(184 + 40 + 4, 132), "days", 36);
  updateDialog.addWidget(days);
}

std::string tfBasePrefs::frequencyFieldText() const
{
  return frequencyText;
}

void tfBasePrefs::setFrequencyFieldText(const std::string& text)
{
  frequencyText = text;
}

std::string tfBasePrefs::lastTypedText() const
{
  return std::string();
}

bool tfBasePrefs::autoCheckBoxOn() const
{
  return autoCheck;
}

void tfBasePrefs::setAutoCheckBox(bool) {}

void tfBasePrefs::focusFrequencyField(bool) {}

void tfBasePrefs::enableFrequencyField(bool) {}

}  // namespace tf

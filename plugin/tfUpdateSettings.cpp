// The update dialog's settings row: the automatic-check box "Check for updates every", the number of
// days and "days".
#include "core/qorcoreCallback.h"
#include "core/qorcoreLabel.h"
#include "tfBasePrefs.h"
#include "tfKeystroke.h"

namespace tf {

void tfBasePrefs::buildSettingWidgets()
{
  using Handler = qor::core::__Callback<tfBasePrefs>;
  autoCheckBox.assignShared(
      qor::core::Checkbox(qor::core::Point(20, 132), "Check for updates every", 165, autoCheck ? 1 : 0));
  autoCheckBox.setClickCallback(Handler(this, &tfBasePrefs::onAutoCheckToggled));
  updateDialog.addWidget(autoCheckBox);

  frequencyField.assignShared(qor::core::TextField(qor::core::Point(184, 130), frequencyText, 40));
  frequencyField.setJustification(20);
  frequencyField.setEnabled(autoCheck);
  frequencyField.setValueChangedCallback(Handler(this, &tfBasePrefs::onFrequencyCommit));
  frequencyField.setValueChangingCallback(Handler(this, &tfBasePrefs::filterFrequencyField));
  updateDialog.addWidget(frequencyField);

  qor::core::Label days(qor::core::Point(frequencyField.frame().right() + 4, 132), "days", 36);
  updateDialog.addWidget(days);
}

std::string tfBasePrefs::frequencyFieldText() const
{
  return frequencyField.text();
}

void tfBasePrefs::setFrequencyFieldText(const std::string& text)
{
  frequencyField.setText(text);
}

void tfBasePrefs::undoFrequencyKeystroke()
{
  undoKeystroke(frequencyField, frequencyText);
}

std::string tfBasePrefs::lastTypedText() const
{
  return frequencyField.lastTypedText();
}

bool tfBasePrefs::autoCheckBoxOn() const
{
  return autoCheckBox.state() == 1;
}

void tfBasePrefs::setAutoCheckBox(bool on)
{
  autoCheckBox.setState(on ? 1 : 0);
}

void tfBasePrefs::focusFrequencyField(bool on)
{
  if (on)
    frequencyField.focus();
  else
    frequencyField.unfocus();
}

void tfBasePrefs::enableFrequencyField(bool on)
{
  frequencyField.setEnabled(on);
}

}  // namespace tf

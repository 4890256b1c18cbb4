#include "core/qorcoreAlert.h"

#include <algorithm>
#include <memory>

#include "aip/qoraipLocalizer.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiUiGlobals.h"
#include "win/WinBase.h"

namespace qorcoreAlert_detail {

UiGlobals* shownGlobals()
{
  qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  return globals && globals->alertsEnabled ? globals : nullptr;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Widens a button to fit its label, keeping its right edge; answers how much it grew.
double widen(qor::pui::Button* button, double extraShift)
{
  const qor::aip::Rect frame = button->frame();
  const double needed = qor::pui::buttonWidthForHeight(button->text(), frame.size.height, 12);
  const double growth = std::max(frame.size.width, needed) - frame.size.width;
  button->setFrame(qor::aip::Rect(frame.origin.x - growth - extraShift, frame.origin.y, frame.size.width + growth,
                                  frame.size.height));
  return growth;
}

}  // namespace qorcoreAlert_detail

namespace qor {
namespace pui {

void __ModalCallback::press()
{
  pressed = true;
  if (callback)
    callback->execute();
  if (dialog && dismisses)
    dialog->dismiss();
}

}  // namespace pui

namespace core {

int showAlertDialog(AlertDescription description)
{
  using namespace qorcoreAlert_detail;
  // The options below own the first two callbacks; the third is the alert's own.
  std::unique_ptr<utils::Callback> thirdCallback(description.thirdCallback);
  pui::ModalDialog::ButtonOptions first, second;
  first.callback = description.firstCallback;
  second.callback = description.secondCallback;
  UiGlobals* globals = shownGlobals();
  if (!globals)
    return 1;

  const std::string message =
      replaceAll(replaceAll(description.message, "\r\n", "\n"), "\r", "\n");
  std::string logLine = "Alert: " + message;
  if (!description.secondLabel.empty() || !description.thirdLabel.empty())
    logLine += " [" + description.firstLabel + "|" + description.secondLabel +
               (description.thirdLabel.empty() ? "" : "|" + description.thirdLabel) + "]";
  OutputDebugStringA((logLine + "\n").c_str());

  auto messageLabel = std::make_unique<pui::Label>(aip::Point(68, 14), 408, message);
  const double labelHeight = pui::textHeightForWidth(message, 408, 12);
  messageLabel->setFrame(aip::Rect(68, 14, 408, labelHeight));

  first.show = !description.firstLabel.empty();
  first.label = description.firstLabel;
  second.show = !description.secondLabel.empty();
  second.label = description.secondLabel;

  // The running flag makes the active window the alert's owner.
  const bool wasShowing = globals->modalDialogShowing;
  globals->modalDialogShowing = true;
  auto dialog = std::make_unique<pui::ModalDialog>("Adobe Illustrator", aip::Size(496, labelHeight + 45), first,
                                                   second);
  globals->modalDialogShowing = wasShowing;

  std::unique_ptr<pui::__ModalCallback> thirdPress;
  if (!description.thirdLabel.empty())
    thirdPress = std::make_unique<pui::__ModalCallback>(dialog.get(), true, thirdCallback.get());

  const double firstGrowth = dialog->defaultButton() ? widen(dialog->defaultButton(), 0) : 0;
  if (dialog->cancelButton())
    widen(dialog->cancelButton(), firstGrowth);

  std::unique_ptr<pui::Button> thirdButton;
  if (thirdPress) {
    pui::Button* left = dialog->cancelButton() ? dialog->cancelButton() : dialog->defaultButton();
    const aip::Point anchor = left ? left->frame().origin : aip::Point(496, labelHeight + 30);
    thirdButton = std::make_unique<pui::Button>(aip::Point(anchor.x - 90, anchor.y), 80, description.thirdLabel,
                                                new utils::__Callback<pui::__ModalCallback>(
                                                    thirdPress.get(), &pui::__ModalCallback::press));
    widen(thirdButton.get(), 0);
    dialog->addWidget(thirdButton.get());
  }

  pui::ImageIds iconIds;
  iconIds.ids[0] = 200, iconIds.ids[1] = 201, iconIds.ids[2] = 202;
  iconIds.ids[5] = 210, iconIds.ids[6] = 211, iconIds.ids[7] = 212;
  auto icon = std::make_unique<pui::Label>(aip::Rect(16, 16, 30, 30), iconIds);
  dialog->addWidget(icon.get());
  dialog->addWidget(messageLabel.get());

  dialog->show();
  const int32_t ended = dialog->result();
  // The dialog goes first: its window still lists the widgets until it is destroyed.
  dialog.reset();
  return ended == 1 ? 3 : ended == 2 ? 2 : 1;
}

void messageAlert(const std::string& message)
{
  if (!qorcoreAlert_detail::shownGlobals())
    return;
  AlertDescription description;
  description.message = message;
  aip::Localizer* localizer = aip::Localizer::instance();
  description.firstLabel = localizer ? localizer->hostLocale("OKBtnTextKey") : std::string("OK");
  showAlertDialog(description);
}

void alert(const std::string& message)
{
  messageAlert(message);
}

int alertWithCallbacks(const std::string& message, const std::string& firstLabel, Callback* firstCallback,
                       const std::string& secondLabel, Callback* secondCallback)
{
  if (!qorcoreAlert_detail::shownGlobals()) {
    delete firstCallback;
    delete secondCallback;
    return 1;
  }
  AlertDescription description;
  description.message = message;
  description.firstLabel = firstLabel;
  description.firstCallback = firstCallback ? new __IntWidgetCallback(firstCallback) : nullptr;
  description.secondLabel = secondLabel;
  description.secondCallback = secondCallback ? new __IntWidgetCallback(secondCallback) : nullptr;
  return showAlertDialog(description);
}

int alertWithChoices(const std::string& message, const std::string& firstLabel, const std::string& secondLabel)
{
  return alertWithCallbacks(message, firstLabel, nullptr, secondLabel, nullptr);
}

int alertWithChoiceResult(const std::string& message, const std::string& firstLabel, const std::string& secondLabel)
{
  const int result = alertWithChoices(message, firstLabel, secondLabel);
  return result >= 1 && result <= 3 ? result : 0;
}

}  // namespace core
}  // namespace qor

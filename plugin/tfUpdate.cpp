// The software-update check of the maker's plug-ins: the request to the maker's site, the reading of
// its reply, the update dialog and the download through the user's browser. Requests run on the
// framework's workers; every callback here runs on the host's UI thread.
#include <charconv>
#include <cmath>

#include "core/qorcoreAlert.h"
#include "core/qorcoreButton.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreDate.h"
#include "core/qorcoreIllustrator.h"
#include "core/qorcoreInternetGET.h"
#include "core/qorcoreSystem.h"
#include "tfBasePrefs.h"
#include "tfSite.h"
#include "tfText.h"

namespace tf {

namespace tfUpdate_detail {

using Handler = qor::core::__Callback<tfBasePrefs>;

// A version number is a few digits; anything longer is not one.
constexpr size_t kLongestVersion = 32;

const char upToDateText[] = "Your Junctate plugin is up to date.";
const char unsupportedText[] = "This version of Junctate is not currently supported.";
const char availableText[] = "An update to Junctate plugin is available.";
const char recommendText[] = "Update checks to this version of Junctate are recommended at least every 30 days.";
const char disableText[] =
    "Are you sure you want to disable this? Update checks to this version of Junctate are recommended at "
    "least every 30 days.";

bool isSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool isDigit(char c)
{
  return c >= '0' && c <= '9';
}

// An optional sign, digits with at most one point, and at least one digit.
bool isPlainNumber(const std::string& text)
{
  size_t at = 0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+'))
    ++at;
  bool digits = false, point = false;
  for (; at < text.size(); ++at) {
    if (isDigit(text[at]))
      digits = true;
    else if (text[at] == '.' && !point)
      point = true;
    else
      return false;
  }
  return digits;
}

}  // namespace tfUpdate_detail

VersionReply readVersionReply(const std::string& reply)
{
  using namespace tfUpdate_detail;
  VersionReply result;
  size_t begin = 0, end = reply.size();
  while (begin < end && isSpace(reply[begin]))
    ++begin;
  while (end > begin && isSpace(reply[end - 1]))
    --end;
  result.text = reply.substr(begin, std::min(end - begin, kLongestVersion + 1));
  if (begin == end)
    return result;
  result.kind = VersionReply::NotANumber;
  if (end - begin > kLongestVersion || !isPlainNumber(result.text))
    return result;
  const char* first = result.text.data() + (result.text[0] == '+' ? 1 : 0);
  double value = 0.0;
  auto [ptr, error] = std::from_chars(first, result.text.data() + result.text.size(), value);
  if (error != std::errc() || !std::isfinite(value))
    return result;
  result.kind = VersionReply::Number;
  result.value = value;
  return result;
}

int32_t clampCheckFrequency(double days)
{
  if (std::isnan(days) || days < 1.0)
    return 1;
  if (days > 180.0)
    return 180;
  return static_cast<int32_t>(days);
}

std::string tfBasePrefs::checkAddress()
{
  return siteAddress() + "check/currentversion.php?p=JNCT";
}

std::string tfBasePrefs::downloadAddress(bool beta, std::string* fileName)
{
  qor::core::Illustrator* host = qor::core::Illustrator::instance();
  const std::string name =
      std::string("Junctate") + "16" + "-" + formatReal(host ? host->majorVersion() : 0, 0) + "x" + "32" + ".zip";
  if (fileName)
    *fileName = name;
  return siteAddress() + "software/plugins/" + "win" + (beta ? "beta" : "") + "/" + name;
}

void tfBasePrefs::postStartup()
{
  buildUpdateDialog();
}

void tfBasePrefs::checkForUpdate(bool asked)
{
  using tfUpdate_detail::Handler;
  // One request at a time: a check asked for while another runs takes over its answer; one asked
  // for while the download runs is dropped.
  if (request) {
    if (requestIsCheck && asked)
      userAsked = true;
    return;
  }
  userAsked = asked;
  request = qor::core::newInternetGET(checkAddress(), Handler(this, &tfBasePrefs::onUpdateReply),
                                      Handler(this, &tfBasePrefs::onUpdateCheckFailed));
  requestIsCheck = true;
  if (request)
    request->start();
}

void tfBasePrefs::dropRequest()
{
  delete request;
  request = nullptr;
  requestIsCheck = false;
}

std::string tfBasePrefs::failureText()
{
  return "Software update check for Junctate plugin failed. Please check " + siteAddress() +
         " web site for a product update, then contact " + supportEmail + " if this problem persists.";
}

void tfBasePrefs::onUpdateReply()
{
  using namespace tfUpdate_detail;
  const std::string response = request ? request->responseText() : std::string();
  dropRequest();
  const VersionReply reply = readVersionReply(response);
  // An error page or garbage is no answer, the same as an empty reply.
  if (reply.kind != VersionReply::Number) {
    if (userAsked)
      qor::core::alert(failureText());
    userAsked = false;
    return;
  }
  if (reply.value > ownVersion) {
    updateMessage.setText(std::string("Junctate") + " update available: " + reply.text);
  } else if (userAsked) {
    updateMessage.setText(upToDateText);
  } else {
    if (reply.value == -1.0)
      qor::core::alert(unsupportedText);
    else if (reply.value == 0.0)
      qor::core::alert(std::string("The plugin Junctate is not currently listed. Please contact ") + supportEmail +
                       ".");
    return;
  }
  showUpdateDialog();
  scheduleUpdateCheck();
  checkDue = false;
  userAsked = false;
}

void tfBasePrefs::showUpdateDialog()
{
  setFrequencyFieldText(frequencyText);
  setAutoCheckBox(autoCheck);
  focusFrequencyField(autoCheck);
  updateDialog.show();
}

// Every failure the user asked about is reported, whatever the system's wording.
void tfBasePrefs::onUpdateCheckFailed()
{
  std::string message = "Unable to establish internet connection to check for Junctate plugin update: ";
  if (request)
    message += request->errorMessage();
  dropRequest();
  if (userAsked)
    qor::core::alert(message);
  userAsked = false;
}

void tfBasePrefs::scheduleUpdateCheck()
{
  checkFrequency = clampCheckFrequency(checkFrequency);
  dueDate = (qor::core::Date::current() + qor::core::Duration(checkFrequency)).format("Y-m-d");
  checkDue = false;
  save();
}

void tfBasePrefs::buildUpdateDialog()
{
  using tfUpdate_detail::Handler;
  if (!updateDialog.isEmpty())
    return;
  updateDialog = qor::core::ModalDialog(std::string("Update ") + "Junctate", qor::core::Size(320, 200));
  frequencyText = formatReal(checkFrequency, 0);

  updateMessage.assignShared(qor::core::Label(qor::core::Point(20, 20), tfUpdate_detail::availableText, 270));
  updateMessage.setHeight(96);
  updateMessage.setBold(false);
  updateDialog.addWidget(updateMessage);

  buildSettingWidgets();

  qor::core::Button notNow(qor::core::Point(20, 164), "Not Now", 135);
  notNow.setStyle(10);
  notNow.setClickCallback(Handler(this, &tfBasePrefs::onNotNow));
  updateDialog.addWidget(notNow);

  qor::core::Button getUpdate(qor::core::Point(165, 164), "Get Update", 135);
  getUpdate.setStyle(20);
  getUpdate.setClickCallback(Handler(this, &tfBasePrefs::onGetUpdate));
  updateDialog.addWidget(getUpdate);
}

void tfBasePrefs::onAutoCheckToggled()
{
  autoCheck = autoCheckBoxOn();
  enableFrequencyField(autoCheck);
  focusFrequencyField(autoCheck);
  if (!autoCheck)
    qor::core::alert(tfUpdate_detail::disableText);
}

// The dialog's settings: a frequency above 30 days is allowed after a word of advice.
void tfBasePrefs::readDialogSettings()
{
  double days = 0.0;
  if (!textToNumber(frequencyFieldText(), days))
    days = checkFrequency;
  if (days > 30.0)
    qor::core::alert(tfUpdate_detail::recommendText);
  checkFrequency = clampCheckFrequency(days);
  autoCheck = autoCheckBoxOn();
  scheduleUpdateCheck();
}

void tfBasePrefs::onNotNow()
{
  readDialogSettings();
  save();
  updateDialog.dismiss();
}

void tfBasePrefs::onGetUpdate()
{
  readDialogSettings();
  updateDialog.dismiss();
  save();
  const bool beta = (qor::core::currentModifierKeys() & 2) != 0;
  downloadUrl = downloadAddress(beta, &downloadName);
  downloadUpdate();
}

void tfBasePrefs::downloadUpdate()
{
  using tfUpdate_detail::Handler;
  // A check still running gives way: the user's download matters more than its answer.
  if (request)
    dropRequest();
  request = qor::core::newInternetGET(downloadUrl, Handler(this, &tfBasePrefs::onDownloadReply),
                                      Handler(this, &tfBasePrefs::onDownloadFailed));
  if (!request) {
    openDownload();
    return;
  }
  request->start();
}

void tfBasePrefs::openDownload()
{
  if (qor::core::Illustrator* host = qor::core::Illustrator::instance())
    host->openURL(downloadUrl);
}

void tfBasePrefs::onDownloadReply()
{
  dropRequest();
  openDownload();
}

void tfBasePrefs::onDownloadFailed()
{
  dropRequest();
  openDownload();
}

void tfBasePrefs::filterFrequencyField()
{
  const std::string typed = lastTypedText();
  const unsigned char first = typed.empty() ? 0 : static_cast<unsigned char>(typed[0]);
  // Backspace (8) is taken like the other platform's 127, so that it can undo a digit.
  if (typed.empty() || tfUpdate_detail::isDigit(typed[0]) || first == 127 || first == 8 || first == 0xEF)
    frequencyText = frequencyFieldText();
  else
    undoFrequencyKeystroke();
}

void tfBasePrefs::onFrequencyCommit()
{
  focusFrequencyField(false);
}

}  // namespace tf

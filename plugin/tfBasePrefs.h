// The maker's plug-in preference file: its folder under the user's local application data, the JSON
// document, and the update-check settings stored in it. Derived classes add their own keys.
#pragma once

#include <cstdint>
#include <string>

#include "core/qorcoreBoolPref.h"
#include "core/qorcoreCheckbox.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreModalDialog.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcorePreferences.h"
#include "core/qorcoreStringPref.h"
#include "core/qorcoreTextField.h"

namespace qor {
namespace core {
class InternetGET;
}
}  // namespace qor

namespace tf {

// How the update check reads the site's reply.
struct VersionReply
{
  enum Kind
  {
    Empty,      // nothing but white space
    Number,     // a plain decimal number, in value
    NotANumber  // anything else: an error page, garbage, or far too long for a version
  };
  Kind kind = Empty;
  double value = 0.0;
  // The reply without its surrounding white space.
  std::string text;
};
VersionReply readVersionReply(const std::string& reply);

// The days between update checks as stored: at least 1, at most 180 (NaN counts as 0).
int32_t clampCheckFrequency(double days);

class tfBasePrefs
{
public:
  tfBasePrefs();
  tfBasePrefs(const tfBasePrefs&) = delete;
  tfBasePrefs& operator=(const tfBasePrefs&) = delete;
  virtual ~tfBasePrefs();

  virtual void setDefaults();
  virtual void loadPreferences();
  virtual void postStartup();
  virtual void preShutdown();
  virtual void readKeys();
  virtual void writeKeys();
  virtual bool loadOrCreate();
  virtual void save();
  virtual void showWelcome();

  // The software-update check: asks the maker's site for the current release and, when it is newer
  // (or the user asked), shows the update dialog. One request runs at a time.
  void checkForUpdate(bool asked);
  void onUpdateReply();
  void onUpdateCheckFailed();
  // Moves the due date checkFrequency days past today and saves.
  void scheduleUpdateCheck();
  void buildUpdateDialog();
  void onAutoCheckToggled();
  void onNotNow();
  void onGetUpdate();
  void downloadUpdate();
  void onDownloadReply();
  void onDownloadFailed();
  void filterFrequencyField();
  void onFrequencyCommit();

  // The plug-in's own version as a number, and the check's address on the maker's site.
  static constexpr double ownVersion = 16.23;
  static std::string checkAddress();
  // The download address for the host's major version; beta adds "beta" to the folder.
  static std::string downloadAddress(bool beta, std::string* fileName = nullptr);

  static const char folderName[];
  static const char productFolderName[];
  static const char fileName[];
  static const char welcomeText[];
  static const char createFolderError[];
  static const char verifyFolderError[];
  static const char loadError[];

  bool newFile = false;
  bool checkStarted = false;
  qor::core::StringPref dueDatePref;
  qor::core::NumberPref frequencyPref;
  qor::core::BoolPref autoCheckPref;
  qor::core::Preferences preferences;
  std::string filePath;
  int32_t checkFrequency = 30;
  bool checkDue = false;
  bool autoCheck = true;
  std::string dueDate;

  qor::core::ModalDialog updateDialog;
  std::string frequencyText;
  qor::core::TextField frequencyField;
  qor::core::Label updateMessage;
  qor::core::Checkbox autoCheckBox;
  std::string downloadUrl;
  std::string downloadName;
  // Owned; null while no request runs.
  qor::core::InternetGET* request = nullptr;
  bool userAsked = false;

  // The alert of a check that got no usable answer.
  static std::string failureText();

private:
  // The dialog's frequency field and automatic-check box.
  void buildSettingWidgets();
  std::string frequencyFieldText() const;
  void setFrequencyFieldText(const std::string& text);
  // Back to frequencyText, the caret where it stood before the keystroke.
  void undoFrequencyKeystroke();
  std::string lastTypedText() const;
  bool autoCheckBoxOn() const;
  void setAutoCheckBox(bool on);
  // On: the field is enabled and takes the focus; off: the focus goes back to the host.
  void focusFrequencyField(bool on);
  void enableFrequencyField(bool on);

  void readDialogSettings();
  void showUpdateDialog();
  void openDownload();
  void dropRequest();
  bool requestIsCheck = false;
};

}  // namespace tf

// The maker's plug-in preference file: its folder under the user's local application data, the JSON
// document, and the update-check settings stored in it. Derived classes add their own keys.
#pragma once

#include <cstdint>
#include <string>

#include "core/qorcoreBoolPref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcorePreferences.h"
#include "core/qorcoreStringPref.h"

namespace tf {

class tfBasePrefs
{
public:
  tfBasePrefs();
  tfBasePrefs(const tfBasePrefs&) = delete;
  tfBasePrefs& operator=(const tfBasePrefs&) = delete;
  virtual ~tfBasePrefs();

  virtual void setDefaults();
  virtual void loadPreferences();
  virtual void preShutdown();
  virtual void readKeys();
  virtual void writeKeys();
  virtual bool loadOrCreate();
  virtual void save();
  virtual void showWelcome();

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
  bool userAsked = false;
};

}  // namespace tf

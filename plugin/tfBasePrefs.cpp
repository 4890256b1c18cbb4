#include "tfBasePrefs.h"

#include <chrono>
#include <limits>
#include <thread>

#include "core/qorcoreAlert.h"
#include "core/qorcoreDate.h"
#include "core/qorcoreFilePaths.h"
#include "core/qorcoreInternetGET.h"

namespace tf {

namespace tfBasePrefs_detail {

std::string today()
{
  return qor::core::Date::current().format("Y-m-d");
}

int32_t toInt32(int64_t value)
{
  if (value < std::numeric_limits<int32_t>::min())
    return std::numeric_limits<int32_t>::min();
  if (value > std::numeric_limits<int32_t>::max())
    return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

}  // namespace tfBasePrefs_detail

const char tfBasePrefs::folderName[] = "Tessfold";
const char tfBasePrefs::productFolderName[] = "Junctate 16";
const char tfBasePrefs::fileName[] = "Preferences";
const char tfBasePrefs::welcomeText[] =
    "Welcome to Junctate! \n\nPlugin successfully installed. Click the title image in the plugin's About Box "
    "to visit the web site for support.";
const char tfBasePrefs::createFolderError[] =
    "There was an error creating the preferences directory. Please report this as a bug.";
const char tfBasePrefs::verifyFolderError[] =
    "There was an error verifying the preferences location. Please report this as a bug.";
const char tfBasePrefs::loadError[] = "There was an error loading the preferences file. Please report this as a bug.";

tfBasePrefs::tfBasePrefs() = default;

// A request still running is let go: its callbacks no longer run. Its worker runs this module's
// code, which the host unloads right after shutdown, so it is given a moment to end first.
tfBasePrefs::~tfBasePrefs()
{
  if (request && request->isRunning()) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (request->isRunning() && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  delete request;
}

void tfBasePrefs::setDefaults()
{
  checkFrequency = 30;
  dueDate = tfBasePrefs_detail::today();
  checkDue = qor::core::Date::current() >= qor::core::Date(dueDate);
  userAsked = false;
  checkStarted = false;
}

void tfBasePrefs::loadPreferences()
{
  newFile = false;
  const std::string base = qor::core::localAppDataPath(folderName, true);
  if (!qor::core::pathExists(base))
    return;
  const std::string folder = base + "\\" + productFolderName;
  if (!qor::core::pathExists(folder) && !qor::core::createFolder(folder, 511))
    qor::core::alert(createFolderError);
  if (!qor::core::pathExists(folder)) {
    qor::core::alert(verifyFolderError);
    return;
  }
  filePath = folder + "\\" + fileName;
  newFile = !qor::core::pathExists(filePath);
  if (!loadOrCreate()) {
    qor::core::alert(loadError);
    return;
  }
  if (newFile)
    showWelcome();
  readKeys();
  save();
}

void tfBasePrefs::preShutdown()
{
  save();
  updateDialog.destroy();
}

// A value is taken only when its key could be read or created: a document that never loaded keeps
// the defaults instead of reading every handle as 0.
void tfBasePrefs::readKeys()
{
  if (preferences.getOrCreateString("vCheckDue", tfBasePrefs_detail::today(), dueDatePref))
    dueDate = dueDatePref.stringValue();
  if (preferences.getOrCreateNumber("vCheckFreq", int64_t(30), frequencyPref))
    checkFrequency = tfBasePrefs_detail::toInt32(frequencyPref.int64Value());
  if (preferences.getOrCreateBool("autoVCheck", true, autoCheckPref))
    autoCheck = autoCheckPref.boolValue();
  checkDue = qor::core::Date::current() >= qor::core::Date(dueDate);
}

void tfBasePrefs::writeKeys()
{
  dueDatePref.setString(dueDate);
  frequencyPref.setInt64(checkFrequency);
  autoCheckPref.setBool(autoCheck);
  if (!filePath.empty())
    preferences.save(filePath);
}

bool tfBasePrefs::loadOrCreate()
{
  if (preferences.isEmpty())
    return qor::core::Preferences::loadInto(filePath, preferences);
  return preferences.load(filePath);
}

void tfBasePrefs::save()
{
  writeKeys();
}

void tfBasePrefs::showWelcome()
{
  qor::core::alert(welcomeText);
}

}  // namespace tf

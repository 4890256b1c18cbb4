// The preference file: where it lives, what a first start writes, what later starts read back, and
// what survives a file or folder that cannot be used.
#include "core/qorcoreDate.h"
#include "core/qorcoreDuration.h"
#include "clientHooks.h"
#include "panelPlugin.h"
#include "pluginFixture.h"
#include "tfGlobals.h"
#include "tfPrefs.h"

namespace plugintest {

namespace pluginPrefs_detail {
std::string dayFromToday(int days)
{
  return (qor::core::Date::current() + qor::core::Duration(int64_t(days))).format("Y-m-d");
}
}  // namespace pluginPrefs_detail
using pluginPrefs_detail::dayFromToday;

using Prefs = Plugin;

TEST_F(Prefs, AFirstStartWritesEveryKeyAtItsDefaultAndWelcomesOnce)
{
  start();
  const std::string json = prefsText();
  const std::vector<std::pair<const char*, std::string>> expected = {
      {"pDist", "0.05"},     {"pAngle", "120"},   {"pSmooth", "30"},
      {"pStraight", "0.0001"}, {"avgPts", "true"}, {"avgCtls", "false"},
      {"vCheckDue", "\"" + dayFromToday(0) + "\""}, {"vCheckFreq", "30"}, {"autoVCheck", "true"}};
  for (const auto& [key, value] : expected)
    EXPECT_EQ(prefValue(json, key), value) << key;
  EXPECT_EQ(alertCount("Welcome to Junctate! \n\nPlugin successfully installed."), 1);
  EXPECT_DOUBLE_EQ(tf::globals.distance, 0.05);
  EXPECT_DOUBLE_EQ(tf::globals.angle, 120.0);
  EXPECT_FALSE(tf::globals.avgCtls);
  ASSERT_NE(panel::prefs, nullptr);
  EXPECT_TRUE(panel::prefs->checkDue);
  stop();

  qorwin::clearDebugOutput();
  start();
  EXPECT_EQ(alertCount("Welcome"), 0) << "only a new file is welcomed";
}

TEST_F(Prefs, StoredValuesAreReadBackAndMissingKeysCreated)
{
  writePrefs("\"pDist\":1.5,\"pStraight\":0.5,\"avgPts\":false,\"vCheckDue\":\"" + dayFromToday(1) + "\"");
  start();
  EXPECT_DOUBLE_EQ(tf::globals.distance, 1.5);
  EXPECT_DOUBLE_EQ(tf::globals.straight, 0.5);
  EXPECT_DOUBLE_EQ(tf::globals.angle, 120.0) << "a missing key reads its default";
  EXPECT_FALSE(tf::globals.avgPts);
  ASSERT_NE(panel::prefs, nullptr);
  EXPECT_FALSE(panel::prefs->checkDue) << "a check due tomorrow is not due";
  EXPECT_EQ(panel::prefs->checkFrequency, 30);
  EXPECT_EQ(prefValue(prefsText(), "vCheckFreq"), "30");
  EXPECT_EQ(prefValue(prefsText(), "pDist"), "1.5");
  EXPECT_EQ(alertCount("Welcome"), 0);
}

TEST_F(Prefs, ACommandStoresTheOptionsItJoinsWith)
{
  start();
  open("<path id='a' d='M0 0 L10 0'/><path id='b' d='M11 0 L20 0'/>", {"all"});
  // The command takes its options from the panel's fields.
  tf::globals.distance = 1.5;
  ASSERT_NE(::clientPlugin(), nullptr);
  ::clientPlugin()->writeOptionFields();
  EXPECT_EQ(app.area<hostsim::MenuItems>().choose("Objects Paths Popup Junctate"), 0);
  EXPECT_EQ(prefValue(prefsText(), "pDist"), "1.5");
  EXPECT_EQ(hostsim::Workspace::instance().current()->findById("b"), nullptr) << "the 1-point gap was joined";
}

// Without a usable folder the document never loads; the options must keep the globals' values
// rather than read as 0 from the empty document.
TEST_F(Prefs, AnUnusableFolderLeavesTheDefaultsInForce)
{
  prefsTest::writeBytes(appData.file("Tessfold"), "a file where the folder belongs");
  start();
  EXPECT_DOUBLE_EQ(tf::globals.distance, 0.5);
  EXPECT_DOUBLE_EQ(tf::globals.angle, 15.0);
  EXPECT_DOUBLE_EQ(tf::globals.smooth, 30.0);
  EXPECT_DOUBLE_EQ(tf::globals.straight, 0.0001);
  EXPECT_TRUE(tf::globals.avgPts);
  ASSERT_NE(panel::prefs, nullptr);
  EXPECT_EQ(panel::prefs->checkFrequency, 30);
  EXPECT_TRUE(panel::prefs->autoCheck);
  EXPECT_EQ(panel::prefs->dueDate, dayFromToday(0));
  EXPECT_EQ(alertCount("There was an error verifying the preferences location."), 1);
  open("<path id='a' d='M0 0 L10 0'/><path id='b' d='M10.3 0 L20 0'/>", {"all"});
  EXPECT_EQ(app.area<hostsim::MenuItems>().choose("Objects Paths Popup Junctate"), 0);
  EXPECT_EQ(hostsim::Workspace::instance().current()->findById("b"), nullptr) << "joined within 0.5";
  stop();
  EXPECT_EQ(prefsTest::readBytes(appData.file("Tessfold")), "a file where the folder belongs");
}

TEST_F(Prefs, ACorruptFileIsSetAsideAndTheDefaultsHold)
{
  std::filesystem::create_directories(folder());
  prefsTest::writeBytes(prefsPath(), "{\"Prefs\":{\"pDist\":");
  start();
  EXPECT_DOUBLE_EQ(tf::globals.distance, 0.05);
  EXPECT_DOUBLE_EQ(tf::globals.angle, 120.0);
  EXPECT_EQ(prefsTest::readBytes(prefsPath() + ".unreadable"), "{\"Prefs\":{\"pDist\":");
  EXPECT_EQ(prefValue(prefsText(), "pDist"), "0.05") << "a new file is written beside it";
}

}  // namespace plugintest

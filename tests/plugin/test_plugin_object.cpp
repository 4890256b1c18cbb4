// The plug-in object in the host: its menu items from start-up to shutdown, menu enabling, the shared
// About group, the suites it holds itself, and the host-version check.
#include "hostapi/UserSuite.h"
#include "hostsimPreferences.h"
#include "hostsimRuntime.h"
#include "panelJoinDrivers.h"
#include "panelPlugin.h"
#include "pluginFixture.h"
#include "tfAbout.h"
#include "tfGlobals.h"
#include "tfText.h"

namespace plugintest {

using PluginObject = Plugin;

TEST_F(PluginObject, StartupInstallsTheMenusAndShutdownRemovesThem)
{
  start();
  const std::vector<std::pair<std::string, std::string>> items = {
      {"Tool Palettes Junctate", "Junctate"},
      {"Objects Paths Popup Junctate", "Junctate"},
      {"Objects Paths Popup Assimilate", "Assimilate"},
      {"About About Tessfold Plugins", "About Tessfold Plugins"},
      {"About About Tessfold Plugins Junctate...", "Junctate..."}};
  for (const auto& [keyboardName, text] : items) {
    const hostsim::Menus::Item* host = item(keyboardName);
    ASSERT_NE(host, nullptr) << keyboardName;
    EXPECT_EQ(host->text, text);
  }
  // The client holds its own user suite for the drivers' progress, acquired beside the framework's.
  EXPECT_NE(panel::userSuite, nullptr);
  EXPECT_EQ(app.outstandingAcquisitions(kUserSuiteName, kUserSuiteVersion), 2);
  stop();
  for (const auto& [keyboardName, text] : items)
    EXPECT_EQ(item(keyboardName), nullptr) << keyboardName << " was removed";
  EXPECT_EQ(panel::userSuite, nullptr);
  EXPECT_EQ(app.unbalancedReleases(), 0);
}

TEST_F(PluginObject, TheCommandsAreEnabledOnlyWithSelectedArt)
{
  start();
  auto& menus = app.area<hostsim::MenuItems>();
  auto enabled = [&](const char* keyboardName) {
    MenuItemHandle handle = menus.findItem(keyboardName);
    menus.update(handle);
    return app.area<hostsim::Menus>().findItem(handle)->enabled;
  };
  EXPECT_FALSE(enabled("Objects Paths Popup Junctate")) << "no document";
  open("<path id='a' d='M0 0 L10 0'/>", {});
  EXPECT_FALSE(enabled("Objects Paths Popup Junctate")) << "nothing selected";
  EXPECT_FALSE(enabled("Objects Paths Popup Assimilate"));
  std::string error;
  ASSERT_TRUE(hostsim::Workspace::instance().select({"a"}, error)) << error;
  EXPECT_TRUE(enabled("Objects Paths Popup Junctate"));
  EXPECT_TRUE(enabled("Objects Paths Popup Assimilate"));
}

TEST_F(PluginObject, TheMakersPluginsShareOneAboutGroup)
{
  start();
  tf::About other;
  tf::installAboutMenu(other);
  ASSERT_NE(panel::about, nullptr);
  EXPECT_EQ(other.aboutGroup.hostHandle(), panel::about->aboutGroup.hostHandle());
  const auto& groups = app.area<hostsim::Menus>().groups();
  EXPECT_EQ(std::count_if(groups.begin(), groups.end(),
                          [](const hostsim::Menus::Group& g) { return g.name == "About About Tessfold Plugins"; }),
            1);
  other.aboutItem.destroy();
}

struct HostVersionCase
{
  int32_t hostVersion;
  int32_t launchedBefore;  // -1: no host preference yet
  bool warned;
  int32_t launchedAfter;
  bool active;
};

void PrintTo(const HostVersionCase& c, std::ostream* out)
{
  *out << "host " << c.hostVersion << ", launched " << c.launchedBefore;
}

class HostVersion : public Plugin, public testing::WithParamInterface<HostVersionCase> {};

TEST_P(HostVersion, WarnsOncePerVersionAndAPreferenceOf2SwitchesThePluginOff)
{
  const HostVersionCase& c = GetParam();
  app.area<hostsim::Runtime>().major = c.hostVersion;
  auto& hostPrefs = app.area<hostsim::Preferences>();
  if (c.launchedBefore >= 0)
    hostPrefs.put("TfJunctate-21", "launchedThisVersion", c.launchedBefore);
  start();
  EXPECT_EQ(alertCount("The Junctate plugin was built for Adobe Illustrator version 21; you are running "
                       "version 22. You may remove it"),
            c.warned ? 1 : 0);
  auto launched = hostPrefs.get("TfJunctate-21", "launchedThisVersion");
  EXPECT_EQ(launched ? std::get<int32_t>(*launched) : -1, c.launchedAfter);
  EXPECT_EQ(tf::globals.active, c.active);
  EXPECT_EQ(item("Objects Paths Popup Junctate") != nullptr, c.active);
  EXPECT_EQ(std::filesystem::exists(prefsPath()), c.active);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostVersion,
                         testing::Values(HostVersionCase{21, -1, false, -1, true},
                                         HostVersionCase{22, -1, true, 1, true},
                                         HostVersionCase{22, 1, false, 1, true},
                                         HostVersionCase{22, 2, false, 2, false}),
                         [](const testing::TestParamInfo<HostVersionCase>& info) {
                           const int32_t before = info.param.launchedBefore;
                           return "Host" + std::to_string(info.param.hostVersion) + "Launched" +
                                  (before < 0 ? std::string("Never") : std::to_string(before));
                         });

TEST(PluginText, ReplaceAllNeverSearchesItsReplacements)
{
  EXPECT_EQ(tf::replaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(tf::replaceAll("$x and $x", "$x", "7"), "7 and 7");
  EXPECT_EQ(tf::replaceAll("text", "", "z"), "text");
  EXPECT_EQ(tf::formatReal(21, -1), "21");
  EXPECT_EQ(tf::formatReal(0.123456, 9), "0.1235");
}

}  // namespace plugintest

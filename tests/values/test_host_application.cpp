// The client's host-application singleton, the host's own preferences and the choice alert, with the
// plug-in running in a simulated host.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/qorcoreAlert.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreHostPreferences.h"
#include "core/qorcoreIllustrator.h"
#include "core/qorcoreMenuGroup.h"
#include "hostedPlugin.h"
#include "hostsimDialogs.h"
#include "hostsimDocumentList.h"
#include "hostsimMenus.h"
#include "hostsimPreferences.h"
#include "hostsimRuntime.h"
#include "hostsimUrls.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "win/WinTest.h"

namespace qortest_host_application {

using qor::core::Illustrator;
using HostApplication = valuestest::HostedPlugin;

TEST(HostApplicationWithoutPlugin, AnswersNothing)
{
  EXPECT_EQ(Illustrator::instance(), nullptr);
}

TEST_F(HostApplication, IsOneSingletonThatGoesWithThePluginsGlobals)
{
  Illustrator* host = Illustrator::instance();
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(Illustrator::instance(), host);
  stop();
  EXPECT_EQ(Illustrator::instance(), nullptr);
}

TEST_F(HostApplication, ForwardsVersionDocumentsAndUrls)
{
  auto& runtime = app.area<hostsim::Runtime>();
  runtime.major = 24;
  runtime.minor = 2;
  runtime.revision = 1;
  Illustrator& host = *Illustrator::instance();
  EXPECT_EQ(host.majorVersion(), 24);
  EXPECT_EQ(host.versionString(false), "24.2");
  EXPECT_EQ(host.versionString(true), "24.2.1");

  // The document accessor is handed out only while the host has a current document.
  auto& documents = app.area<hostsim::DocumentList>();
  EXPECT_EQ(host.documentCount(), 0);
  EXPECT_EQ(host.currentDocument(), nullptr);
  DocumentHandle first = documents.open("one");
  documents.open("two");
  EXPECT_EQ(host.documentCount(), 2);
  qor::core::CurrentDocument* accessor = host.currentDocument();
  ASSERT_NE(accessor, nullptr);
  documents.setCurrent(first);
  EXPECT_EQ(host.currentDocument(), accessor) << "one accessor, whatever the document";
  for (DocumentHandle open : std::vector<DocumentHandle>(documents.documents()))
    documents.close(open);
  EXPECT_EQ(host.currentDocument(), nullptr);

  auto& urls = app.area<hostsim::Urls>();
  EXPECT_TRUE(host.openURL(u8"http://example.invalid/\u00e9"));
  urls.canOpen = false;
  EXPECT_FALSE(host.openURL("http://example.invalid/second"));
  ASSERT_EQ(urls.opened().size(), 1u);
  EXPECT_EQ(urls.opened()[0], u8"http://example.invalid/\u00e9");
}

TEST_F(HostApplication, MenuGroupsByIndex)
{
  auto& menus = app.area<hostsim::Menus>();
  menus.addGroup("Client Group", 0, nullptr);
  Illustrator& host = *Illustrator::instance();
  const int32_t count = host.menuGroupCount();
  ASSERT_EQ(count, int32_t(menus.groups().size()));
  std::unique_ptr<qor::core::MenuGroup> last(host.menuGroupAtIndex(count - 1));
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->hostHandle(), menus.findGroup("Client Group")->handle);
  EXPECT_EQ(host.menuGroupAtIndex(count), nullptr);
  EXPECT_EQ(host.menuGroupAtIndex(-1), nullptr);
}

TEST_F(HostApplication, HostPreferencesByPrefixAndKey)
{
  auto& prefs = app.area<hostsim::Preferences>();
  prefs.put("Junctate", "count", int32_t(7));
  prefs.put("", "ratio", 0.25);
  qor::core::HostPreferences& host = *Illustrator::instance()->hostPreferences();

  int32_t number = -5;
  EXPECT_TRUE(host.getInteger("Junctate", "count", number));
  EXPECT_EQ(number, 7);
  double real = -1.0;
  EXPECT_TRUE(host.getReal("", "ratio", real));
  EXPECT_EQ(real, 0.25);

  // A failed read leaves the out value alone.
  number = -5;
  real = -1.0;
  EXPECT_FALSE(host.getInteger("Junctate", "missing", number));
  EXPECT_FALSE(host.getReal("Other", "ratio", real));
  EXPECT_EQ(number, -5);
  EXPECT_EQ(real, -1.0);

  EXPECT_TRUE(host.putInteger("", "written", 42));
  ASSERT_TRUE(prefs.get("", "written").has_value());
  EXPECT_EQ(std::get<int32_t>(*prefs.get("", "written")), 42);
}

TEST_F(HostApplication, ChoiceAlertReportsTheButtonThatEndedIt)
{
  struct Case
  {
    const char* answer;
    int result;
  };
  // Enter and the first button give 3, Esc and the second button 2.
  const Case cases[] = {{"default", 3}, {"cancel", 2}, {"1", 3}, {"2", 2}};
  hostsim::Dialogs& dialogs = app.area<hostsim::Dialogs>();
  for (const Case& c : cases) {
    ASSERT_TRUE(dialogs.setAnswer(c.answer));
    EXPECT_EQ(qor::core::alertWithChoiceResult("Replace?", "Yes", "No"), c.result) << c.answer;
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(dialogs.shown().back().texts, std::vector<std::string>{"Replace?"});
    EXPECT_EQ(dialogs.shown().back().buttons, (std::vector<std::string>{"Yes", "No"}));
  }
}

TEST_F(HostApplication, ChoiceAlertShowsOnlyWhileAlertsAreEnabled)
{
  hostsim::Dialogs& dialogs = app.area<hostsim::Dialogs>();
  const size_t before = dialogs.shown().size();  // the welcome alert of a first start counts too
  qorwin::clearDebugOutput();
  EXPECT_EQ(qor::core::alertWithChoiceResult("Keep both?", "Keep", "Drop"), 3);
  EXPECT_EQ(qorwin::debugOutput(), "Alert: Keep both? [Keep|Drop]\n");
  EXPECT_EQ(dialogs.shown().size(), before + 1);

  qor::pui::BasePlugin::instance()->uiGlobals()->alertsEnabled = false;
  qorwin::clearDebugOutput();
  EXPECT_EQ(qor::core::alertWithChoiceResult("Keep both?", "Keep", "Drop"), 1);
  EXPECT_EQ(qorwin::debugOutput(), "");
  EXPECT_EQ(dialogs.shown().size(), before + 1) << "nothing shown";
}

}  // namespace qortest_host_application

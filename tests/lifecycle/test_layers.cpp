// The layered plug-in object built in-process over the simulated host: phase codes, locking, the
// suite registry, the host-application singleton and the resource loader.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "aip/qoraipIllustrator.h"
#include "aip/qoraipLocalizer.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreConstants.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcorePlugin.h"
#include "core/qorcorePluginSubclass.h"
#include "hostsimApp.h"
#include "hostsimContext.h"
#include "hostsimPluginInfo.h"
#include "hostsimPreferences.h"
#include "hostsimResources.h"
#include "hostsimRuntime.h"
#include "lifecycleTestSupport.h"
#include "pui/qorpuiUiGlobals.h"

namespace {

using qor::core::Plugin;

struct StartupCounter
{
  int calls = 0;
  void bump() { ++calls; }
};

// A facade built directly over a simulated host; the host is set up before build() is called.
class Layers : public ::testing::Test
{
protected:
  void SetUp() override
  {
    app.connect(&PluginMain, "/plug-ins/Junctate Test.aip");
    qor::aip::hostBasicSuite = app.basicSuite();
  }

  void build()
  {
    facade = std::make_unique<Plugin>(app.pluginRef(), "Junctate");
    facade->addLogStream("StartupLog", &log);
    facade->setStartupCallback(qor::core::__Callback<StartupCounter>(&client, &StartupCounter::bump));
  }

  bool logged(const std::string& line) const { return lifecycletest::count(lines(), line) > 0; }
  std::vector<std::string> lines() const
  {
    std::vector<std::string> result;
    std::istringstream in(log.str());
    for (std::string line; std::getline(in, line);)
      result.push_back(line);
    return result;
  }
  qor::aip::BasePlugin& base() { return *facade->layered(); }
  qor::aip::PluginGlobals& globals() { return *base().globals(); }

  hostsim::HostApp app;
  std::ostringstream log;
  StartupCounter client;
  std::unique_ptr<Plugin> facade;
};

struct StartupCase
{
  const char* name;
  bool refuseLock;
  bool refuseName;
  int32_t code;
  const char* failureLine;
};

class StartupCodes : public Layers, public ::testing::WithParamInterface<StartupCase>
{
};

TEST_P(StartupCodes, LowerFailuresAreTranslatedAndTheClientStillRuns)
{
  const StartupCase& c = GetParam();
  app.area<hostsim::PluginInfo>().refuseAccess = c.refuseLock;
  app.area<hostsim::PluginInfo>().refuseName = c.refuseName;
  build();
  EXPECT_EQ(facade->startup(), c.code);
  EXPECT_EQ(client.calls, 1);
  EXPECT_TRUE(facade->isStartupDone());
  EXPECT_FALSE(facade->isStartingUp());
  if (c.failureLine) {
    EXPECT_TRUE(lifecycletest::inOrder(lines(), {c.failureLine, "Base plugin startup failed", "UI plugin startup failed",
                                                 "Ending qor_core plugin startup"}));
    EXPECT_FALSE(logged("Ending intermediate plugin startup"));
    EXPECT_FALSE(logged("Subscribing to UI brightness change notifier"));
  }
  // A refused lock holds nothing, so shutdown neither fails nor keeps the suites.
  app.area<hostsim::PluginInfo>().refuseAccess = false;
  EXPECT_EQ(facade->shutdown(), 0);
  EXPECT_EQ(app.area<hostsim::PluginInfo>().lockCount(), 0);
  EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  EXPECT_EQ(app.unbalancedReleases(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupCodes,
                         ::testing::Values(StartupCase{"ok", false, false, 0, nullptr},
                                           StartupCase{"lockRefused", true, false, 1000, "Locking plugin failed"},
                                           StartupCase{"nameRefused", false, true, 1010, "Setting plugin name failed"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Layers, ARefusedUnlockEndsShutdownWith4000AndKeepsTheSuites)
{
  build();
  ASSERT_EQ(facade->startup(), 0);
  app.area<hostsim::PluginInfo>().refuseUnlock = true;
  EXPECT_EQ(facade->shutdown(), 4000);
  EXPECT_TRUE(logged("Unlocking plugin failed"));
  EXPECT_FALSE(logged("Cleaning up all suites"));
  EXPECT_TRUE(facade->isShutdownDone());
  EXPECT_GT(app.totalOutstandingAcquisitions(), 0);
}

TEST_F(Layers, OnlyTheFirstLockAndTheLastUnlockReachTheHost)
{
  build();
  auto& host = app.area<hostsim::PluginInfo>();
  EXPECT_TRUE(base().lockPlugin());
  EXPECT_TRUE(base().lockPlugin());
  EXPECT_EQ(host.lockCount(), 1);
  EXPECT_TRUE(base().unlockPlugin());
  EXPECT_EQ(host.lockCount(), 1);
  EXPECT_TRUE(base().unlockPlugin());
  EXPECT_EQ(host.lockCount(), 0);
}

TEST_F(Layers, TheFullLifecycleLeavesEveryRegistryEmpty)
{
  build();
  UiGlobals* ui = facade->layered()->uiGlobals();
  ASSERT_NE(ui, nullptr);
  ASSERT_NE(ui->coreGlobals, nullptr);
  ASSERT_EQ(facade->startup(), 0);
  // The core layer's three notifiers are registered, so the check below is not vacuous.
  EXPECT_GE(ui->coreGlobals->notifierRegistry.size(), 3u);
  EXPECT_FALSE(globals().suiteList.isEmpty());
  facade->postStartup();
  facade->preShutdown();
  ASSERT_EQ(facade->shutdown(), 0);
  EXPECT_TRUE(ui->coreGlobals->registriesEmpty());
  EXPECT_TRUE(globals().suiteRegistry.isEmpty());
  EXPECT_TRUE(globals().suiteList.isEmpty());
  EXPECT_TRUE(globals().toolWrappers.isEmpty());
  EXPECT_TRUE(globals().menuItemWrappers.isEmpty());
  EXPECT_EQ(facade->dispatcher(), nullptr);
  EXPECT_EQ(qor::aip::undoSuite, nullptr);
  EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  facade.reset();
  EXPECT_EQ(qor::aip::BasePlugin::instance(), nullptr);
  EXPECT_EQ(qor::pui::BasePlugin::instance(), nullptr);
}

TEST_F(Layers, TheBaseConstructorAcquiresItsSuitesOnceInOrder)
{
  build();
  const char* expected[] = {"SP Access Suite",      "SP Blocks Suite",        "SP Plug-ins Suite",
                            "SP Suites Suite",      "AI Cursor Snap Suite",   "AI Data Filter Suite",
                            "AI Document View Suite", "AI Folders Suite",     "AI Menu Suite",
                            "AI Plugin Suite",      "AI Undo Suite",          "AI User Suite",
                            "AI Unicode String Suite", "AI File Path Suite"};
  std::vector<hostsim::SuiteUse> uses = app.suiteUses();
  ASSERT_GE(uses.size(), 14u);
  for (size_t i = 0; i < 14; ++i) {
    EXPECT_EQ(uses[i].name, expected[i]);
    EXPECT_EQ(uses[i].acquired, 1);
  }
  // A second site finds the variable filled and asks nobody.
  const size_t listed = globals().suiteList.size();
  EXPECT_TRUE(qor::aip::acquireSuite(qor::aip::undoSuite, kUndoSuiteName, kUndoSuiteVersion));
  EXPECT_EQ(globals().suiteList.size(), listed);
  EXPECT_EQ(app.outstandingAcquisitions(kUndoSuiteName, kUndoSuiteVersion), 1);
}

TEST_F(Layers, ARefusedSuiteIsAskedForAgainLater)
{
  app.refuseSuite(kUndoSuiteName, kUndoSuiteVersion);
  build();
  EXPECT_EQ(qor::aip::undoSuite, nullptr);
  EXPECT_FALSE(globals().suiteRegistry.contains({kUndoSuiteName, kUndoSuiteVersion}));
  // While refused, later sites report failure instead of a suite that is not there.
  EXPECT_FALSE(qor::aip::acquireSuite(qor::aip::undoSuite, kUndoSuiteName, kUndoSuiteVersion));
  app.refuseSuite(kUndoSuiteName, kUndoSuiteVersion, false);
  EXPECT_TRUE(qor::aip::acquireSuite(qor::aip::undoSuite, kUndoSuiteName, kUndoSuiteVersion));
  EXPECT_NE(qor::aip::undoSuite, nullptr);
  EXPECT_EQ(app.outstandingAcquisitions(kUndoSuiteName, kUndoSuiteVersion), 1);
}

TEST_F(Layers, SuiteObjectsCompareByNameAndVersionAndTheBasicSuiteIsNeverCounted)
{
  build();
  const void* a = nullptr;
  const void* b = nullptr;
  qor::aip::Suite menu11("AI Menu Suite", 11, &a);
  qor::aip::Suite menu10("AI Menu Suite", 10, &b);
  EXPECT_FALSE(menu11.equals(&menu10));
  EXPECT_FALSE(menu11.equals(nullptr));
  EXPECT_TRUE(menu11.equals(&menu11));
  const size_t keys = globals().suiteRegistry.size();
  const void* basic = app.basicSuite();
  {
    qor::aip::Suite basicSuite("SP Basic Suite", 1, &basic);
    EXPECT_TRUE(basicSuite.acquire());
    EXPECT_EQ(basicSuite.refCount(), 0);
  }
  EXPECT_EQ(globals().suiteRegistry.size(), keys);
}

struct DocumentSuiteCase
{
  int32_t major;
  int32_t minor;
  int32_t version;
};

class DocumentSuiteVersion : public Layers, public ::testing::WithParamInterface<DocumentSuiteCase>
{
};

TEST_P(DocumentSuiteVersion, DependsOnTheHostVersion)
{
  app.area<hostsim::Runtime>().major = GetParam().major;
  app.area<hostsim::Runtime>().minor = GetParam().minor;
  build();
  const int32_t other = GetParam().version == 19 ? 16 : 19;
  EXPECT_EQ(app.outstandingAcquisitions(kDocumentSuiteName, GetParam().version), 1);
  EXPECT_EQ(app.outstandingAcquisitions(kDocumentSuiteName, other), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, DocumentSuiteVersion,
                         ::testing::Values(DocumentSuiteCase{24, 0, 16}, DocumentSuiteCase{24, 1, 16},
                                           DocumentSuiteCase{24, 2, 19}, DocumentSuiteCase{24, 3, 19},
                                           DocumentSuiteCase{25, 0, 16}, DocumentSuiteCase{21, 0, 16}));

class FastExit : public Layers, public ::testing::WithParamInterface<std::pair<int32_t, bool>>
{
};

TEST_P(FastExit, IsWrittenFalseOnlyOnHost25Point1)
{
  app.area<hostsim::Runtime>().major = 25;
  app.area<hostsim::Runtime>().minor = GetParam().first;
  build();
  facade->startup();
  auto value = app.area<hostsim::Preferences>().get("", "AiFastExit");
  ASSERT_EQ(value.has_value(), GetParam().second);
  if (value) {
    EXPECT_EQ(std::get<bool>(*value), false);
  }
  facade->shutdown();
}

INSTANTIATE_TEST_SUITE_P(Cases, FastExit, ::testing::Values(std::pair{1, true}, std::pair{0, false}));

TEST_F(Layers, UIScalePreferencesAreCachedOnlyForValidValues)
{
  auto& prefs = app.area<hostsim::Preferences>();
  prefs.put("", "UIPreferences/snapUIScaleFactor", int32_t(2));
  prefs.put("", "UIPreferences/scaleUI", int32_t(-1));
  build();
  qor::aip::Illustrator& host = *qor::aip::Illustrator::instance();
  EXPECT_EQ(host.snapUIScaleFactor(), 1.0);
  EXPECT_FALSE(host.isUIScaled());
  // Neither was cached, so the host is asked again.
  prefs.put("", "UIPreferences/snapUIScaleFactor", int32_t(1));
  prefs.put("", "UIPreferences/scaleUI", int32_t(5));
  EXPECT_EQ(host.snapUIScaleFactor(), 1.5);
  EXPECT_TRUE(host.isUIScaled());
  // Now both are cached.
  prefs.put("", "UIPreferences/snapUIScaleFactor", int32_t(0));
  prefs.put("", "UIPreferences/scaleUI", int32_t(0));
  EXPECT_EQ(host.snapUIScaleFactor(), 1.5);
  EXPECT_TRUE(host.isUIScaled());
}

TEST_F(Layers, ARefusedContextPushDoesNotUnbalanceTheStack)
{
  build();
  qor::aip::Illustrator& host = *qor::aip::Illustrator::instance();
  auto& context = app.area<hostsim::Context>();
  host.pushAppContext();
  context.refusePush = true;
  host.pushAppContext();
  context.refusePush = false;
  host.popAppContext();
  // The pop matched the refused push; the enclosing context is still open.
  EXPECT_EQ(context.depth(), 1u);
  host.popAppContext();
  EXPECT_EQ(context.depth(), 0u);
  host.popAppContext();
  EXPECT_EQ(context.badPops(), 0);
}

TEST_F(Layers, VersionTextAndLanguage)
{
  auto& runtime = app.area<hostsim::Runtime>();
  runtime.major = 24;
  runtime.minor = 2;
  runtime.revision = 1;
  runtime.setLanguage("ja_JP", 8);
  build();
  qor::aip::Illustrator& host = *qor::aip::Illustrator::instance();
  EXPECT_EQ(host.versionString(false), "24.2");
  EXPECT_EQ(host.versionString(true), "24.2.1");
  EXPECT_EQ(host.appLanguage(), 8);
  qor::aip::Localizer* localizer = qor::aip::Localizer::instance();
  ASSERT_NE(localizer, nullptr);
  EXPECT_EQ(localizer->hostLocale(qor::core::cancelButtonTextKey), u8"\u30AD\u30E3\u30F3\u30BB\u30EB");
  EXPECT_EQ(localizer->hostLocale(qor::core::okButtonTextKey), "OK");
}

constexpr int32_t pngType = int32_t(0x504E4749);
constexpr int32_t svgType = int32_t(0x53564720);
constexpr int32_t svgFallbackType = int32_t(0x5356475F);

TEST_F(Layers, ResourcesLoadWithAClosingZeroAndFallBackForSvg)
{
  auto& resources = app.area<hostsim::Resources>();
  resources.add(pngType, 16700, "", std::string("\x89PNG\r\n", 6));
  resources.add(svgFallbackType, 5, "", "<svg/>");
  build();
  char* data = nullptr;
  int32_t size = 0;
  ASSERT_TRUE(base().loadResourceById(pngType, 16700, &data, &size));
  EXPECT_EQ(size, 6);
  EXPECT_EQ(data[6], '\0');
  delete[] data;
  ASSERT_TRUE(base().loadResourceById(svgType, 5, &data, &size));
  EXPECT_EQ(std::string(data, size), "<svg/>");
  delete[] data;
  EXPECT_EQ(log.str(), "");

  EXPECT_FALSE(base().loadResourceById(svgType, 6, &data, &size));
  EXPECT_EQ(data, nullptr);
  EXPECT_FALSE(base().loadResourceByName(pngType, "missing", &data, &size));
  EXPECT_EQ(lines(), (std::vector<std::string>{"Could not load resource data for SVG 6/",
                                                "Could not load resource data for PNGI 0/missing"}));
  // Rejected requests do not reach the host and leave the outputs alone.
  data = reinterpret_cast<char*>(&size);
  EXPECT_FALSE(base().loadResourceById(pngType, 0, &data, &size));
  EXPECT_FALSE(base().loadResourceByName(pngType, "", &data, &size));
  EXPECT_EQ(data, reinterpret_cast<char*>(&size));
  EXPECT_EQ(resources.openFilters(), 0u);

  std::vector<char> bytes;
  EXPECT_TRUE(facade->resourceDataById(pngType, 16700, bytes));
  EXPECT_EQ(bytes.size(), 6u);
}

TEST_F(Layers, AResourceThatFillsTheWholeBufferKeepsItsZeroInside)
{
  // At the probe limit the read fills the whole buffer.
  app.area<hostsim::Resources>().add(pngType, 300, "", std::string(0xA00000 + 10, 'x'));
  build();
  char* data = nullptr;
  int32_t size = 0;
  ASSERT_TRUE(base().loadResourceById(pngType, 300, &data, &size));
  EXPECT_EQ(size, 0xA00000);
  EXPECT_EQ(data[size], '\0');
  delete[] data;
}

}  // namespace

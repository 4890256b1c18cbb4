// The entry point linked into the test: routing, the first-call rule and exception safety.
#include <gtest/gtest.h>

#include <stdexcept>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipSuite.h"
#include "clientHooks.h"
#include "core/qorcoreCallback.h"
#include "core/qorcorePlugin.h"
#include "hostsimApp.h"
#include "lifecycleTestSupport.h"

namespace {

using lifecycletest::count;
using qor::core::Plugin;

class EntryPoint : public ::testing::Test
{
protected:
  void SetUp() override { app.connect(&PluginMain, "/plug-ins/Junctate.aip"); }

  HostErr send(const char* caller, const char* selector)
  {
    MessageHeader record{};
    return app.callPlugin(caller, selector, &record);
  }

  lifecycletest::StartupLogFile log;
  hostsim::HostApp app;
};

struct Thrower
{
  void throwStd() { throw std::runtime_error("client failure"); }
  void throwOther() { throw 42; }
};

TEST_F(EntryPoint, NullCallerOrSelectorIsAnsweredWithoutTouchingAnything)
{
  MessageHeader record{};
  record.basicSuite = app.basicSuite();
  EXPECT_EQ(PluginMain(nullptr, "Startup", &record), 0);
  EXPECT_EQ(PluginMain("SP Interface", nullptr, &record), 0);
  EXPECT_EQ(qor::aip::hostBasicSuite, nullptr);
  EXPECT_EQ(Plugin::instance(), nullptr);
}

TEST_F(EntryPoint, CallsBeforeStartupCreateNothing)
{
  for (auto [caller, selector] : {std::pair{"AI Menu", "AI Go"}, std::pair{"SP Interface", "Shutdown"},
                                  std::pair{"SP Access", "Reload"}, std::pair{"AI Notifier", "AI Notify"}})
    EXPECT_EQ(send(caller, selector), 0) << caller << "/" << selector;
  EXPECT_EQ(Plugin::instance(), nullptr);
  EXPECT_EQ(clientPlugin(), nullptr);
  // The basic suite still comes from every call.
  EXPECT_EQ(qor::aip::hostBasicSuite, app.basicSuite());
}

TEST_F(EntryPoint, StartupCreatesOneFacadeAndClientAndShutdownForgetsThem)
{
  app.startup();
  Plugin* facade = Plugin::instance();
  ASSERT_NE(facade, nullptr);
  ASSERT_NE(clientPlugin(), nullptr);
  EXPECT_NE(facade->startupCallback(), nullptr);
  EXPECT_NE(facade->shutdownCallback(), nullptr);
  EXPECT_TRUE(facade->isStartupDone());
  EXPECT_EQ(count(log.lines(), "Junctate startup"), 1);

  for (const char* selector : {"About", "Reload"})
    EXPECT_EQ(send("SP Interface", selector), 0);
  EXPECT_EQ(send("SP Access", "Unload"), 0);
  EXPECT_EQ(Plugin::instance(), facade);

  app.shutdown();
  EXPECT_EQ(Plugin::instance(), nullptr);
  EXPECT_EQ(clientPlugin(), nullptr);
  // A second shutdown finds nothing to do.
  EXPECT_EQ(send("SP Interface", "Shutdown"), 0);
  EXPECT_EQ(count(log.lines(), "Junctate shutdown"), 1);
}

TEST_F(EntryPoint, ASecondStartupRunsThePhaseAgainWithoutCreatingAnything)
{
  app.startup();
  for (const hostsim::UnimplementedCall& call : app.unimplementedCalls())
    if (call.suite == kNotifierSuiteName)
      GTEST_SKIP() << "the simulated host does not subscribe notifiers yet";
  Plugin* facade = Plugin::instance();
  app.startup();
  EXPECT_EQ(Plugin::instance(), facade);
  EXPECT_EQ(count(log.lines(), "Junctate startup"), 2);
  app.shutdown();
  EXPECT_EQ(Plugin::instance(), nullptr);
}

TEST_F(EntryPoint, AThrowingClientCallbackEndsOnlyThatCall)
{
  app.startup();
  Thrower thrower;
  Plugin::instance()->setPostStartupCallback(qor::core::__Callback<Thrower>(&thrower, &Thrower::throwStd));
  Plugin::instance()->setPreShutdownCallback(qor::core::__Callback<Thrower>(&thrower, &Thrower::throwOther));
  app.applicationStarted();
  app.applicationShutdown();
  for (const hostsim::PluginCall& call : app.pluginCalls())
    EXPECT_EQ(call.result, 0);
  // The interrupted phases keep their running flags; the plug-in still shuts down.
  EXPECT_TRUE(Plugin::instance()->isPostStartingUp());
  EXPECT_FALSE(Plugin::instance()->isPostStartupDone());
  app.shutdown();
  EXPECT_EQ(Plugin::instance(), nullptr);
  EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
}

TEST_F(EntryPoint, RecordsWithoutDataAreHandledSafely)
{
  app.startup();
  const SpBasicSuite* basic = qor::aip::hostBasicSuite;
  // No record at all: the basic suite of the previous call stays.
  EXPECT_EQ(PluginMain("AI Notifier", "AI Notify", nullptr), 0);
  EXPECT_EQ(PluginMain("AI Menu", "AI Go", nullptr), 0);
  EXPECT_EQ(qor::aip::hostBasicSuite, basic);
  // A notification without a type name is neither application notification.
  NotifierMessage notification{};
  notification.header.basicSuite = app.basicSuite();
  EXPECT_EQ(PluginMain("AI Notifier", "AI Notify", &notification), 0);
  EXPECT_FALSE(Plugin::instance()->isPostStartupDone());
  app.shutdown();
}

TEST_F(EntryPoint, AFacadeWithoutDispatcherIsNotDispatchedTo)
{
  // A facade made without a host reference has no layered object and no dispatcher.
  Plugin empty(nullptr, "Empty");
  EXPECT_EQ(empty.dispatcher(), nullptr);
  EXPECT_EQ(empty.name(), "");
  EXPECT_EQ(empty.startup(), 0);
  Plugin::setInstance(&empty);
  MenuMessage menu{};
  menu.header.basicSuite = app.basicSuite();
  EXPECT_EQ(PluginMain("AI Menu", "AI Go", &menu), 0);
  EXPECT_EQ(PluginMain("AI Tool", "AI Select", &menu), 0);
  Plugin::setInstance(nullptr);
}

}  // namespace

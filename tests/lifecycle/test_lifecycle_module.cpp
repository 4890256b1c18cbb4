// The plug-in module loaded by the simulated host, driven through the host's four lifecycle calls.
#include <gtest/gtest.h>

#include "hostsimApp.h"
#include "hostsimPluginInfo.h"
#include "hostsimPluginModule.h"
#include "hostsimPluginServices.h"
#include "lifecycleTestSupport.h"

namespace {

using lifecycletest::StartupLogFile;

// Every "StartupLog" line of an undisturbed run, client lines included, in order.
const std::vector<std::string> fullRun = {
    "Beginning qor_core plugin startup",
    "Passing startup event to intermediate plugin",
    "Beginning intermediate plugin startup",
    "Passing startup event to UI plugin",
    "Beginning UI plugin startup",
    "Passing startup event to base plugin",
    "Beginning base plugin startup",
    "Locking plugin (to prevent unloading)",
    "Plugin locked",
    "Setting plugin name",
    "Subscribing to post-startup and pre-shutdown notifiers",
    "Subscribing to required messages",
    "Subscribing to tool messages",
    "Subscribing to document and layer changed notifiers",
    "Ending base plugin startup",
    "Subscribing to UI brightness change notifier",
    "Ending intermediate plugin startup",
    "Subscribing to document open/close notifiers",
    "Subscribing to font list changed notifier",
    "Building cached platform font list",
    "Starting intermediate plugin font list change handler",
    "Ending intermediate plugin font list change handler",
    "Registering generic plugin custom art group",
    "Passing startup event to client of qor_core plugin",
    "Junctate startup",
    "Ending qor_core plugin startup",
    "Beginning qor_core plugin post-startup",
    "Passing post-startup event to intermediate plugin",
    "Beginning intermediate plugin post-startup",
    "Passing post-startup event to UI plugin",
    "Beginning UI plugin post-startup",
    "Passing post-startup event to base plugin",
    "Beginning base plugin post-startup",
    "Ending base plugin post-startup",
    "Ending UI plugin post-startup",
    "Ending intermediate plugin post-startup",
    "Passing post-startup event to client of qor_core plugin",
    "Junctate post-startup",
    "Ending qor_core plugin post-startup",
    "Beginning qor_core plugin pre-shutdown",
    "Passing pre-shutdown event to client of qor_core plugin",
    "Junctate pre-shutdown",
    "Passing pre-shutdown event to intermediate plugin",
    "Beginning intermediate plugin pre-shutdown",
    "Passing pre-shutdown event to UI plugin",
    "Beginning UI plugin pre-shutdown",
    "Passing pre-shutdown event to base plugin",
    "Beginning base plugin pre-shutdown",
    "Stopping all pending HTTP GET callbacks",
    "Stopping all pending HTTP POST callbacks",
    "Ending base plugin pre-shutdown",
    "Hiding all borderless panels",
    "Cleaning up borderless panels",
    "Cleaning up keypress monitors",
    "Ending UI plugin pre-shutdown",
    "Ending intermediate plugin pre-shutdown",
    "Ending qor_core plugin pre-shutdown",
    "Beginning qor_core plugin shutdown",
    "Passing shutdown event to client of qor_core plugin",
    "Junctate shutdown",
    "Cleaning up event dispatcher",
    "Passing shutdown event to intermediate plugin",
    "Beginning intermediate plugin shutdown",
    "Passing shutdown event to UI plugin",
    "Beginning UI plugin shutdown",
    "Passing shutdown event to base plugin",
    "Beginning base plugin shutdown",
    "Cleaning up menu items",
    "Cleaning up tools",
    "Cleaning up preferences object",
    "Cleaning up localizer and Illustrator singletons",
    "Cleaning up event dispatcher",
    "Unlocking the plugin (to allow unloading)",
    "Plugin unlocked",
    "Cleaning up all suites",
    "Ending base plugin shutdown",
    "Cleaning up Windows tooltip",
    "Ending base plugin shutdown",
    "Ending intermediate plugin shutdown",
    "Ending qor_core plugin shutdown",
    "Cleaning up all intermediate plugin registered callbacks",
    "Beginning UI plugin destruction",
    "Cleaning up remaining control bars",
    "Cleaning up remaining modal dialogs",
    "Cleaning up remaining borderless panels",
    "Cleaning up remaining panels",
    "Cleaning up globals",
    "Setting UI plugin instance to NULL",
    "Ending UI plugin destruction",
    "Cleaning up globals",
    "Setting base plugin instance to NULL",
};

class ModuleLifecycle : public ::testing::Test
{
protected:
  void SetUp() override
  {
    ASSERT_TRUE(module.isLoaded()) << module.error();
    app.connect(module.entry(), module.path());
  }

  void runAllFourPhases()
  {
    app.startup();
    app.applicationStarted();
    app.applicationShutdown();
    app.shutdown();
  }

  StartupLogFile log;
  hostsim::PluginModule module{QOR_PLUGIN_MODULE};
  hostsim::HostApp app;
};

TEST_F(ModuleLifecycle, FourPhasesRunInOrderWithTheClientInItsPlaces)
{
  runAllFourPhases();
  EXPECT_EQ(log.lines(), fullRun);
  for (const hostsim::PluginCall& call : app.pluginCalls())
    EXPECT_EQ(call.result, 0) << call.caller << "/" << call.selector;
  EXPECT_EQ(app.area<hostsim::PluginInfo>().nameUtf8(), "Junctate");
  ASSERT_EQ(app.area<hostsim::PluginServices>().artGroups.size(), 1u);
  const auto& group = app.area<hostsim::PluginServices>().artGroups[0];
  EXPECT_EQ(group.name, "Junctate Custom Art");
  EXPECT_EQ(group.description, "Junctate Custom Art");
  EXPECT_EQ(group.options, 4096);
}

TEST_F(ModuleLifecycle, EverySuiteIsReleasedByTheEndOfShutdown)
{
  runAllFourPhases();
  EXPECT_GT(app.suiteUses().size(), 20u);
  EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  EXPECT_EQ(app.unbalancedReleases(), 0);
  EXPECT_EQ(app.area<hostsim::PluginInfo>().lockCount(), 0);
}

TEST_F(ModuleLifecycle, RefusedSuitesLeaveTheRunBalanced)
{
  app.refuseSuite("AI Folders Suite", 5);
  app.refuseSuite("AI Undo Suite", 8);
  runAllFourPhases();
  EXPECT_EQ(app.outstandingAcquisitions("AI Folders Suite", 5), 0);
  EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  EXPECT_EQ(app.unbalancedReleases(), 0);
  EXPECT_EQ(lifecycletest::count(log.lines(), "Ending qor_core plugin shutdown"), 1);
}

}  // namespace

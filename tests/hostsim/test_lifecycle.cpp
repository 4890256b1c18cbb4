#include "hostsimBlocks.h"
#include "hostsimContext.h"
#include "hostsimFilePaths.h"
#include "hostsimPluginInfo.h"
#include "hostsimPluginModule.h"
#include "hostsimRunner.h"
#include "hostsimTestSupport.h"

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using hostsim::HostApp;

// A stand-in plug-in linked into the test: it records what the host sends and holds one suite from
// start-up to shutdown.
namespace lifecycleTest {

struct Seen
{
  std::string caller;
  std::string selector;
  std::string notifierType;
  uint32_t checkValue = 0;
  PluginRef plugin = nullptr;
  void* globals = nullptr;
  const SpBasicSuite* basicSuite = nullptr;
};
std::vector<Seen> seen;
int globalsValue = 0;
bool reenter = false;

HostErr pluginMain(const char* caller, const char* selector, void* message)
{
  auto* header = static_cast<MessageHeader*>(message);
  Seen record{
      caller, selector, "", header->checkValue, header->plugin, header->pluginGlobals, header->basicSuite};
  std::string call = std::string(caller) + "/" + selector;
  if (call == "AI Notifier/AI Notify")
    record.notifierType = static_cast<NotifierMessage*>(message)->notifierType;
  seen.push_back(record);
  const void* table = nullptr;
  if (call == "SP Interface/Startup") {
    header->pluginGlobals = &globalsValue;
    header->basicSuite->acquireSuite(kSpPluginsSuiteName, kSpPluginsSuiteVersion, &table);
  } else if (call == "SP Interface/Shutdown") {
    header->basicSuite->releaseSuite(kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  } else if (call == "AI Notifier/AI Notify" && reenter) {
    reenter = false;
    EXPECT_EQ(HostApp::instance().callDepth(), 1);
    HostApp::instance().sendInterface(kAboutSelector);
  }
  return 0;
}

} // namespace lifecycleTest

TEST(Lifecycle, TheHostSendsTheFourCallsWithFilledRecords)
{
  lifecycleTest::seen.clear();
  HostApp app;
  app.connect(&lifecycleTest::pluginMain, "/plug-ins/Stand-in.so");
  app.startup();
  lifecycleTest::reenter = true;
  app.applicationStarted();
  app.applicationShutdown();
  app.shutdown();

  const auto& seen = lifecycleTest::seen;
  ASSERT_EQ(seen.size(), 5u);
  const char* expected[][3] = {
      {"SP Interface", "Startup", ""},  {"AI Notifier", "AI Notify", "AI Application Started Notifier"},
      {"SP Interface", "About", ""},    {"AI Notifier", "AI Notify", "AI Application Shutdown Notifier"},
      {"SP Interface", "Shutdown", ""},
  };
  for (size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(seen[i].caller, expected[i][0]);
    EXPECT_EQ(seen[i].selector, expected[i][1]);
    EXPECT_EQ(seen[i].notifierType, expected[i][2]);
    EXPECT_EQ(seen[i].checkValue, kMessageCheckValue);
    EXPECT_EQ(seen[i].plugin, app.pluginRef());
    EXPECT_EQ(seen[i].basicSuite, app.basicSuite());
    EXPECT_EQ(seen[i].globals, i == 0 ? nullptr : &lifecycleTest::globalsValue) << "globals come back";
  }
  EXPECT_EQ(app.pluginCalls().size(), 5u);
  EXPECT_EQ(app.callDepth(), 0);
  EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  ASSERT_EQ(app.suiteUses().size(), 1u);
  EXPECT_EQ(app.suiteUses()[0].acquired, 1);
}

TEST(Lifecycle, TheHostTellsWhatWasLeftBehind)
{
  HostApp app;
  const void* table = nullptr;
  app.basicSuite()->acquireSuite(kMenuSuiteName, kMenuSuiteVersion, &table);
  app.basicSuite()->acquireSuite(kFontSuiteName, kFontSuiteVersion, &table);
  app.basicSuite()->releaseSuite(kFontSuiteName, kFontSuiteVersion);
  std::ostringstream report;
  app.report(report);
  EXPECT_NE(report.str().find("AI Menu Suite 11: acquired 1, NOT released (1 held)"), std::string::npos)
      << report.str();
  EXPECT_NE(report.str().find("AI Font Suite 6: acquired 1, released"), std::string::npos) << report.str();
}

namespace lifecycleTest {

// Runs the real module through its whole lifecycle and checks that it leaves nothing behind.
void runModule(HostApp& app, hostsim::PluginModule& module)
{
  ASSERT_TRUE(module.isLoaded()) << module.error();
  app.connect(module.entry(), module.path());
  app.startup();
  app.applicationStarted();
  app.applicationShutdown();
  app.shutdown();
  for (const auto& call : app.pluginCalls())
    EXPECT_EQ(call.result, 0) << call.caller << "/" << call.selector;
  for (const auto& use : app.suiteUses())
    EXPECT_EQ(use.outstanding(), 0) << use.name << " " << use.version;
  EXPECT_EQ(app.unbalancedReleases(), 0);
  // Host objects the plug-in made are gone again.
  EXPECT_EQ(app.area<hostsim::UnicodeStrings>().liveCount(), 0u);
  EXPECT_EQ(app.area<hostsim::FilePaths>().liveCount(), 0u);
  EXPECT_EQ(app.area<hostsim::Blocks>().liveCount(), 0u);
  EXPECT_EQ(app.area<hostsim::Context>().depth(), 0u);
  EXPECT_EQ(app.area<hostsim::PluginInfo>().lockCount(), 0);
}

} // namespace lifecycleTest

TEST(Lifecycle, TheModuleReleasesEverySuiteItAcquired)
{
  hostsim::PluginModule module(QOR_PLUGIN_MODULE);
  HostApp app;
  lifecycleTest::runModule(app, module);
  // The run did something: the plug-in locked itself and took the suites of its base layer.
  EXPECT_EQ(app.area<hostsim::PluginInfo>().locksTaken(), 1);
  EXPECT_GE(app.suiteUses().size(), 14u);
  EXPECT_EQ(app.area<hostsim::PluginInfo>().nameUtf8(), "Junctate");
}

TEST(Lifecycle, TheModuleReleasesEverySuiteAlsoWhenTheHostRefusesOne)
{
  const std::pair<const char*, int32_t> refusals[] = {
      {kSpPluginsSuiteName, kSpPluginsSuiteVersion},
      {kUnicodeStringSuiteName, kUnicodeStringSuiteVersion},
      {kContextSuiteName, kContextSuiteVersion},
  };
  hostsim::PluginModule module(QOR_PLUGIN_MODULE);
  for (const auto& [name, version] : refusals) {
    SCOPED_TRACE(name);
    HostApp app;
    app.refuseSuite(name, version);
    lifecycleTest::runModule(app, module);
    EXPECT_EQ(app.outstandingAcquisitions(name, version), 0);
    for (const auto& use : app.suiteUses())
      EXPECT_FALSE(use.name == name && use.version == version) << "a refused suite is never handed out";
  }
}

namespace lifecycleTest {

std::vector<std::string> actionsRun;

bool recordAction(HostApp& app, const std::string& argument, std::ostream&)
{
  actionsRun.push_back(argument + " after " + app.pluginCalls().back().selector);
  return argument != "stop";
}

const hostsim::CommandAction action("test-action", "VALUE", "records its argument", &recordAction);

int run(std::vector<const char*> args, std::string& out, std::string& err)
{
  args.insert(args.begin(), "hostsim");
  std::ostringstream outStream, errStream;
  int code = hostsim::runCommandLine(int(args.size()), args.data(), outStream, errStream);
  out = outStream.str();
  err = errStream.str();
  return code;
}

} // namespace lifecycleTest

TEST(CommandLine, RunsActionsInOrderBetweenStartAndShutdown)
{
  std::string out, err;
  lifecycleTest::actionsRun.clear();
  EXPECT_EQ(lifecycleTest::run(
                {QOR_PLUGIN_MODULE, "--report", "--test-action", "one", "--host-version", "24.2", "--test-action", "two"},
                out, err),
            0)
      << err;
  EXPECT_EQ(lifecycleTest::actionsRun,
            (std::vector<std::string>{"one after AI Notify", "two after AI Notify"}));
  EXPECT_NE(out.find("Plug-in: Junctate"), std::string::npos) << out;
  EXPECT_NE(out.find("Host version: 24.2.0"), std::string::npos) << out;

  lifecycleTest::actionsRun.clear();
  EXPECT_EQ(
      lifecycleTest::run({QOR_PLUGIN_MODULE, "--report", "--test-action", "stop", "--test-action", "never"}, out, err),
      1);
  EXPECT_EQ(lifecycleTest::actionsRun.size(), 1u);
  EXPECT_NE(out.find("Suites acquired"), std::string::npos) << "the plug-in still shuts down and reports";
}

TEST(CommandLine, RejectsBadCommandLines)
{
  struct Case
  {
    std::vector<const char*> args;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {{}, 2, "no module"},
      {{QOR_PLUGIN_MODULE, "--frobnicate"}, 2, "unknown option --frobnicate"},
      {{QOR_PLUGIN_MODULE, "--test-action"}, 2, "needs an argument"},
      {{QOR_PLUGIN_MODULE, "--host-version", "x"}, 2, "bad version"},
      {{QOR_PLUGIN_MODULE, "--refuse", "AI Menu Suite"}, 2, "NAME:VERSION"},
      {{"/nonexistent/Module.so"}, 1, "Module.so"},
  };
  for (const Case& c : cases) {
    std::string out, err;
    EXPECT_EQ(lifecycleTest::run(c.args, out, err), c.code) << c.message;
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
  }
}

TEST(CommandLine, TheProgramPrintsTheReport)
{
  std::string command = std::string(QOR_HOSTSIM_PROGRAM) + " " + QOR_PLUGIN_MODULE + " --report 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[512];
  while (size_t n = fread(buffer, 1, sizeof(buffer), pipe))
    output.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0) << output;
  EXPECT_EQ(output.rfind("Plug-in: Junctate (", 0), 0u) << output;
}

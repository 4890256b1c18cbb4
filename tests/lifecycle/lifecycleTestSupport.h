// Helpers for the lifecycle tests: a simulated host connected to the plug-in (linked in or loaded
// as a module) whose "StartupLog" lines the client appends to a file.
#pragma once

#include "hostapi/HostApi.h"
#include "hostsimApp.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace lifecycletest {

// A fresh file the client's QOR_STARTUP_LOG stream appends to; removed with the object.
class StartupLogFile
{
public:
  StartupLogFile()
  {
    char pattern[] = "/tmp/qor-startup-log-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd >= 0)
      close(fd);
    path = pattern;
    setenv("QOR_STARTUP_LOG", path.c_str(), 1);
  }
  ~StartupLogFile()
  {
    unsetenv("QOR_STARTUP_LOG");
    unlink(path.c_str());
  }
  std::vector<std::string> lines() const
  {
    std::vector<std::string> result;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
      result.push_back(line);
    return result;
  }

  std::string path;
};

// How often a line occurs.
inline int count(const std::vector<std::string>& lines, const std::string& line)
{
  int n = 0;
  for (const std::string& each : lines)
    n += each == line;
  return n;
}

// Whether `wanted` occurs in `lines` in this order (other lines may come between).
inline ::testing::AssertionResult inOrder(const std::vector<std::string>& lines,
                                          const std::vector<std::string>& wanted)
{
  size_t at = 0;
  for (const std::string& line : lines)
    if (at < wanted.size() && line == wanted[at])
      ++at;
  if (at == wanted.size())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "missing in order: \"" << wanted[at] << "\"";
}

// The plug-in linked into the test, started by a simulated host that believes it loaded the built
// module (so the module's resource folder is the one found), through start-up and post-start-up.
class StartedPlugin : public ::testing::Test
{
protected:
  void SetUp() override
  {
    app.connect(&PluginMain, QOR_PLUGIN_MODULE);
    app.startup();
    app.applicationStarted();
    ASSERT_NE(coreGlobals(), nullptr);
  }
  void TearDown() override
  {
    app.applicationShutdown();
    app.shutdown();
  }
  static CoreGlobals* coreGlobals()
  {
    qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
    UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
    return ui ? ui->coreGlobals : nullptr;
  }

  StartupLogFile log;
  hostsim::HostApp app;
};

} // namespace lifecycletest

// A fixture that starts the plug-in (linked in) in a simulated host, so client code runs with the
// framework's globals and the host's suites in place, and shuts it down afterwards.
#pragma once

#include <gtest/gtest.h>

#include "hostapi/HostApi.h"
#include "hostsimApp.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace valuestest {

class HostedPlugin : public ::testing::Test
{
protected:
  void SetUp() override
  {
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
    app.startup();
    app.applicationStarted();
  }
  void TearDown() override
  {
    if (running)
      stop();
  }
  void stop()
  {
    running = false;
    app.applicationShutdown();
    app.shutdown();
  }

  hostsim::HostApp app;
  bool running = true;
};

}  // namespace valuestest

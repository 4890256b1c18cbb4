// The plug-in started in-process in the simulated host with its resources, for tests of the widget
// handles, images and alerts.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include "hostsimApp.h"
#include "hostsimPreferences.h"
#include "hostsimResources.h"
#include "hostsimTheme.h"
#include "prefs/prefsTestSupport.h"
#include "pui/qorpuiBasePlugin.h"
#include "win/WinTest.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace widgetstest {

class Started : public ::testing::Test {
protected:
  void SetUp() override
  {
    setenv("LOCALAPPDATA", appData.path().c_str(), 1);
    setenv("QOR_STARTUP_LOG", "/dev/null", 1);
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
    app.area<hostsim::Resources>().loadFolder(QOR_SOURCE_DIR "/plugin/resources");
  }

  void TearDown() override
  {
    if (started)
      stop();
  }

  // Host preferences and theme are set before this, as the framework caches them.
  void start()
  {
    app.startup();
    app.applicationStarted();
    started = true;
    ASSERT_TRUE(qor::pui::BasePlugin::instance() && qor::pui::BasePlugin::instance()->uiGlobals());
  }

  void stop()
  {
    app.applicationShutdown();
    app.shutdown();
    started = false;
    EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  }

  void scaleUI(int32_t snapFactorCode)
  {
    app.area<hostsim::Preferences>().put("", "UIPreferences/scaleUI", int32_t(1));
    app.area<hostsim::Preferences>().put("", "UIPreferences/snapUIScaleFactor", snapFactorCode);
  }

  prefsTest::TempFolder appData;
  hostsim::HostApp app;
  bool started = false;
};

}  // namespace widgetstest

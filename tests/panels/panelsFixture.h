// The plug-in started in-process in the simulated host, for tests of the host's panels: the panel
// handles, the platform panels under them and the host's panel and flyout suites.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "core/qorcoreCoreGlobals.h"
#include "clientHooks.h"
#include "core/qorcorePanel.h"
#include "hostsimApp.h"
#include "hostsimContext.h"
#include "hostsimPanels.h"
#include "hostsimPreferences.h"
#include "hostsimResources.h"
#include "panelPlugin.h"
#include "prefs/prefsTestSupport.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWidget.h"
#include "pui/qorpuiWindow.h"
#include "win/WinTest.h"
#include "win/Windows.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace panelstest {

// Writes what happened, in order, with the depth of the host's application contexts at the time.
class Events
{
public:
  explicit Events(hostsim::HostApp& app) : app(app) {}
  void shown() { add("shown"); }
  void hidden() { add("hidden"); }
  void resized() { add("resized"); }
  void add(const std::string& event)
  {
    names.push_back(event);
    contextDepths.push_back(app.area<hostsim::Context>().depth());
  }

  hostsim::HostApp& app;
  std::vector<std::string> names;
  std::vector<size_t> contextDepths;
};

class Started : public ::testing::Test
{
protected:
  void SetUp() override
  {
    setenv("LOCALAPPDATA", appData.path().c_str(), 1);
    setenv("QOR_STARTUP_LOG", "/dev/null", 1);
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
    app.area<hostsim::Resources>().loadFolder(QOR_SOURCE_DIR "/plugin/resources");
    app.startup();
    app.applicationStarted();
    started = true;
    ASSERT_TRUE(qor::pui::BasePlugin::instance() && qor::pui::BasePlugin::instance()->uiGlobals());
    // The tests count panels: the plug-in's own options panel goes first.
    if (panel::Plugin* client = clientPlugin()) {
      qor::core::Panel own = client->optionsPanel();
      own.destroy();
    }
  }

  void TearDown() override
  {
    if (started)
      stop();
  }

  void stop()
  {
    app.applicationShutdown();
    app.shutdown();
    started = false;
    EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  }

  UiGlobals& ui() { return *qor::pui::BasePlugin::instance()->uiGlobals(); }
  CoreGlobals& core() { return *ui().coreGlobals; }
  hostsim::Panels& hostPanels() { return app.area<hostsim::Panels>(); }
  hostsim::Panels::Panel* hostOf(const qor::core::Panel& panel) { return hostPanels().find(panel.hostPanel()); }

  // A panel of the plug-in kind: shown and hidden by the user, sized by the client.
  qor::core::Panel makePanel(const std::string& title, double width = 200, double height = 120, bool horizontally = false,
                             bool vertically = false)
  {
    return qor::core::Panel(title, qor::core::Size(width, height), horizontally, vertically, qor::core::ImageIDs());
  }

  void record(qor::core::Panel& panel, Events& events)
  {
    panel.setShownCallback(qor::core::__Callback<Events>(&events, &Events::shown));
    panel.setHiddenCallback(qor::core::__Callback<Events>(&events, &Events::hidden));
    panel.setResizeCallback(qor::core::__Callback<Events>(&events, &Events::resized));
  }

  static RECT windowRect(HWND window)
  {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
  static RECT clientRect(HWND window)
  {
    RECT r{};
    GetClientRect(window, &r);
    return r;
  }
  // The content view the framework placed in the host's panel window.
  static HWND viewOf(const qor::core::Panel& panel)
  {
    qor::pui::Panel* platform = panel.platformPanel();
    return platform && platform->window() && platform->window()->nativeWindow()
               ? platform->window()->nativeWindow()->GetSafeHwnd()
               : nullptr;
  }

  prefsTest::TempFolder appData;
  hostsim::HostApp app;
  bool started = false;
};

}  // namespace panelstest

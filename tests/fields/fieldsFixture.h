// The plug-in started in-process in the simulated host with its resources, for tests of text fields,
// check boxes and labels tied to them; a panel-kind window to place widgets in; callbacks made of
// functions.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "hostsimApp.h"
#include "hostsimPreferences.h"
#include "hostsimResources.h"
#include "hostsimTheme.h"
#include "prefs/prefsTestSupport.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWinMfcView.h"
#include "pui/qorpuiWindow.h"
#include "utils/qorutilsCallback.h"
#include "win/WinTest.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace fieldstest {

class FunctionCallback : public qor::utils::Callback
{
public:
  explicit FunctionCallback(std::function<void()> run) : run(std::move(run)) {}
  void execute() override { run(); }
  Callback* clone() const override { return new FunctionCallback(run); }
  std::function<void()> run;
};

class ClientCallback : public qor::core::Callback
{
public:
  explicit ClientCallback(std::function<void()> run) : run(std::move(run)) {}
  void execute() override { run(); }
  Callback* clone() const override { return new ClientCallback(run); }
  std::function<void()> run;
};

// A top-level window with a content view, seen by the widgets as a window of a kind (1 a host panel).
struct TestWindow
{
  explicit TestWindow(int32_t kind = 1, int width = 400, int height = 200)
  {
    top = CreateWindowExW(0, u"Static", u"top", WS_VISIBLE, 0, 0, width, height, nullptr, nullptr, nullptr,
                          nullptr);
    view = new qor::pui::WinMfcView();
    view->CreateEx(0, nullptr, u"", WS_CHILD | WS_VISIBLE, 0, 0, width, height, top, nullptr);
    window.reset(new qor::pui::Window(view));
    window->setKind(kind);
    view->windowLink = window.get();
  }
  ~TestWindow()
  {
    window.reset();
    DestroyWindow(top);
  }
  HWND top;
  qor::pui::WinMfcView* view;
  std::unique_ptr<qor::pui::Window> window;
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
  }

  void TearDown() override
  {
    qorwin::setModalHook(nullptr);
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU})
      qorwin::setKeyDown(key, false);
    if (started)
      stop();
  }

  // Host preferences and theme are set before this, as the framework caches them.
  void start()
  {
    app.startup();
    app.applicationStarted();
    started = true;
    ASSERT_TRUE(globals());
  }

  void stop()
  {
    app.applicationShutdown();
    app.shutdown();
    started = false;
    EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  }

  static UiGlobals* globals()
  {
    qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
    return plugin ? plugin->uiGlobals() : nullptr;
  }

  // A key pressed (and let go) on the focused window, with modifiers held meanwhile, and delivered.
  static void press(int key, std::initializer_list<int> held = {})
  {
    for (int modifier : held)
      qorwin::setKeyDown(modifier, true);
    qorwin::postKey(key);
    qorwin::pump();
    for (int modifier : held)
      qorwin::setKeyDown(modifier, false);
  }
  static void type(const std::u16string& text)
  {
    qorwin::postText(text);
    qorwin::pump();
  }

  prefsTest::TempFolder appData;
  hostsim::HostApp app;
  bool started = false;
};

}  // namespace fieldstest

// The plug-in started in-process in the simulated host, for tests of the platform widgets, windows
// and dialogs; and a small widget over a static control.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include "hostsimApp.h"
#include "hostsimPreferences.h"
#include "hostsimTheme.h"
#include "prefs/prefsTestSupport.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWidget.h"
#include "pui/qorpuiWindow.h"
#include "win/WinTest.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace puiwidgetstest {

// A widget whose control is a static text.
class PlainWidget : public qor::pui::Widget
{
public:
  explicit PlainWidget(const qor::aip::Rect& frame, int32_t kind = qor::pui::LabelWidgetKind)
      : Widget(kind, frame, "plain")
  {
  }
  Widget* clone() const override { return new PlainWidget(unadjustedFrame(), kind()); }
  void useInset(const qor::aip::Rect& inset) { setInset(inset); }
  void createControl(qor::pui::Window* window) override
  {
    auto* control = new CStatic;
    setControl(control);
    RECT r = pixelFrame(window);
    control->Create(u"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, r, window->nativeWindow(), controlId());
    Widget::createControl(window);
    markControlCreated();
  }
};

class Started : public ::testing::Test
{
protected:
  void SetUp() override
  {
    setenv("LOCALAPPDATA", appData.path().c_str(), 1);
    setenv("QOR_STARTUP_LOG", "/dev/null", 1);
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
  }

  void TearDown() override
  {
    qorwin::setModalHook(nullptr);
    if (started)
      stop();
  }

  // Host preferences and theme are set before this, as the framework caches them.
  void start()
  {
    app.startup();
    app.applicationStarted();
    started = true;
    ASSERT_NE(globals(), nullptr);
  }

  void stop()
  {
    app.applicationShutdown();
    app.shutdown();
    started = false;
    EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  }

  // The host scales its interface; snap code 0 is the factor 1, 1 is 1.5.
  void scaleUI(int32_t snapFactorCode = 0)
  {
    app.area<hostsim::Preferences>().put("", "UIPreferences/scaleUI", int32_t(1));
    app.area<hostsim::Preferences>().put("", "UIPreferences/snapUIScaleFactor", snapFactorCode);
  }

  static UiGlobals* globals()
  {
    qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
    return plugin ? plugin->uiGlobals() : nullptr;
  }

  prefsTest::TempFolder appData;
  hostsim::HostApp app;
  bool started = false;
};

} // namespace puiwidgetstest

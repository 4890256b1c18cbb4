// The plug-in started in-process in the simulated host, with its local application data in a fresh
// folder, and helpers to read its preference file and the alerts it showed.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "hostsimApp.h"
#include "hostsimMenuItems.h"
#include "hostsimMenus.h"
#include "hostsimWorkspace.h"
#include "prefs/prefsTestSupport.h"
#include "win/WinTest.h"

extern "C" int32_t PluginMain(const char* caller, const char* selector, void* message);

namespace plugintest {

// The value text of a key in a preference file ("" when absent), e.g. "0.05" or "\"2026-12-11\"".
inline std::string prefValue(const std::string& json, const std::string& key)
{
  const std::string marker = "\"" + key + "\":";
  size_t at = json.find(marker);
  if (at == std::string::npos)
    return std::string();
  at += marker.size();
  size_t end = json.find_first_of(",\r\n}", at);
  return json.substr(at, end - at);
}

inline int alertCount(const std::string& text)
{
  const std::string output = qorwin::debugOutput();
  int n = 0;
  for (size_t at = output.find("Alert: " + text); at != std::string::npos;
       at = output.find("Alert: " + text, at + 1))
    ++n;
  return n;
}

class Plugin : public ::testing::Test {
protected:
  void SetUp() override
  {
    setenv("LOCALAPPDATA", appData.path().c_str(), 1);
    setenv("QOR_STARTUP_LOG", "/dev/null", 1);
    app.connect(&PluginMain, "/plug-ins/Junctate.aip");
  }

  void TearDown() override
  {
    if (started)
      stop();
  }

  void start()
  {
    app.startup();
    app.applicationStarted();
    started = true;
  }

  void stop()
  {
    app.applicationShutdown();
    app.shutdown();
    started = false;
    EXPECT_EQ(app.totalOutstandingAcquisitions(), 0);
  }

  std::string folder() const { return appData.path() + "/Tessfold/Junctate 16"; }
  std::string prefsPath() const { return folder() + "/Preferences"; }
  std::string prefsText() const { return prefsTest::readBytes(prefsPath()); }
  void writePrefs(const std::string& members)
  {
    std::filesystem::create_directories(folder());
    prefsTest::writeBytes(prefsPath(), "{\"Prefs\":{" + members + "}}");
  }

  hostsim::Document* open(const std::string& body, const std::vector<std::string>& selected)
  {
    std::string error;
    hostsim::Document* doc = hostsim::Workspace::instance().openSvgText(
        "<svg xmlns='http://www.w3.org/2000/svg'>" + body + "</svg>", "test", error);
    EXPECT_TRUE(doc) << error;
    if (doc && !selected.empty()) {
      EXPECT_TRUE(hostsim::Workspace::instance().select(selected, error)) << error;
    }
    return doc;
  }

  // The live menu item with this keyboard name, as the host holds it.
  const hostsim::Menus::Item* item(const std::string& keyboardName)
  {
    MenuItemHandle handle = app.area<hostsim::MenuItems>().findItem(keyboardName);
    return handle ? app.area<hostsim::Menus>().findItem(handle) : nullptr;
  }

  prefsTest::TempFolder appData;
  hostsim::HostApp app;
  bool started = false;
};

}  // namespace plugintest

// The plug-in started in a simulated host, for the font tests; at the end of each test no font object
// may be left in the plug-in's font map.
#pragma once

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipFont.h"
#include "aip/qoraipPluginGlobals.h"
#include "hostsimFonts.h"
#include "lifecycle/lifecycleTestSupport.h"

namespace fontstest {

class StartedPlugin : public lifecycletest::StartedPlugin
{
protected:
  void TearDown() override
  {
    if (qor::aip::PluginGlobals* globals = pluginGlobals()) {
      EXPECT_TRUE(globals->fontWrappers.isEmpty()) << globals->fontWrappers.size() << " font objects left";
    }
    lifecycletest::StartedPlugin::TearDown();
    EXPECT_EQ(fonts().outstandingAteFonts(), 0);
  }

  static qor::aip::PluginGlobals* pluginGlobals()
  {
    qor::aip::BasePlugin* plugin = qor::aip::BasePlugin::instance();
    return plugin ? plugin->globals() : nullptr;
  }
  hostsim::Fonts& fonts() { return app.area<hostsim::Fonts>(); }
  FontKey keyOf(const std::string& fullName)
  {
    const hostsim::Fonts::Font* font = fonts().findByFullName(fullName);
    return font ? font->key : nullptr;
  }
  // The registered object of the key, or null.
  static qor::aip::Font* registered(FontKey key)
  {
    qor::aip::Font* found = nullptr;
    pluginGlobals()->fontWrappers.get(key, found);
    return found;
  }
};

// Holds one count of a font object for a test's scope.
struct Held
{
  explicit Held(qor::aip::Font* font) : font(font) {}
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() { qor::aip::Font::resetRef(font); }
  qor::aip::Font* operator->() const { return font; }
  qor::aip::Font* font;
};

} // namespace fontstest

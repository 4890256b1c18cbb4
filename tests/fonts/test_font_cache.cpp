// The host application's cache of fonts by lower-cased full name, and finding a font by name with
// and without it.
#include "aip/qoraipIllustrator.h"
#include "core/qorcoreIllustrator.h"
#include "fontsTestSupport.h"

#include <gtest/gtest.h>

namespace test_font_cache {

using fontstest::Held;

class FontCache : public fontstest::StartedPlugin
{
protected:
  qor::aip::Illustrator* host() { return qor::aip::Illustrator::instance(); }
};

TEST_F(FontCache, FindsByNameWithAndWithoutTheCacheFirstOfANameWinning)
{
  FontKey first = fonts().add("Case Font", "Regular", "Case Font");
  fonts().add("Case Font", "Upper", "CASE FONT");
  for (bool cached : {false, true}) {
    if (cached)
      qor::core::Illustrator::instance()->refreshFontCache();
    {
      Held found(host()->fontByName("case FONT"));
      ASSERT_NE(found.font, nullptr) << cached;
      EXPECT_EQ(found->key(), first);
      Held real(host()->fontByName("dejavu sans mono"));
      ASSERT_NE(real.font, nullptr);
      EXPECT_EQ(real->fullName(), "DejaVu Sans Mono");
    }
    EXPECT_EQ(host()->fontByName("No Such Font"), nullptr);
    // Without the cache no object is left behind; with it, one per distinct name.
    size_t left = pluginGlobals()->fontWrappers.size();
    if (!cached)
      EXPECT_EQ(left, 0u);
    else
      EXPECT_EQ(left, fonts().fonts().size() - 1);
  }
  qor::core::Illustrator::instance()->refreshFontCache();
  EXPECT_EQ(pluginGlobals()->fontWrappers.size(), fonts().fonts().size() - 1) << "refilling takes no extra counts";
  qor::core::Illustrator::instance()->clearFontCache();
  EXPECT_TRUE(pluginGlobals()->fontWrappers.isEmpty());
}

// A cache still filled at shutdown is released with the host application object (the leak checker
// of the sanitizer build catches the objects otherwise).
TEST_F(FontCache, AFilledCacheIsReleasedAtShutdown)
{
  qor::core::Illustrator::instance()->refreshFontCache();
  ASSERT_FALSE(pluginGlobals()->fontWrappers.isEmpty());
  Held kept(host()->fontByName("Tahoma"));
  ASSERT_NE(kept.font, nullptr);
  EXPECT_EQ(kept->count(), 2);
  kept.font->release();
  kept.font = nullptr;
  delete qor::aip::Illustrator::instance();
  pluginGlobals()->illustrator = nullptr;
  EXPECT_TRUE(pluginGlobals()->fontWrappers.isEmpty());
}

} // namespace test_font_cache

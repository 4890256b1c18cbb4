// Windows fonts made from host fonts: from the cached logical font of the full name when there is
// one, else from the face name with weight and slant read from the full name.
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreFont.h"
#include "fontsTestSupport.h"
#include "win/Windows.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace test_platform_font {

using fontstest::Held;

class PlatformFont : public fontstest::StartedPlugin
{
protected:
  // The logical font a created font holds; deletes the font.
  static LOGFONTW take(HFONT font)
  {
    LOGFONTW logical{};
    EXPECT_NE(font, nullptr);
    if (font) {
      EXPECT_EQ(GetObjectW(font, sizeof logical, &logical), int(sizeof logical));
      DeleteObject(font);
    }
    return logical;
  }
  HFONT create(FontKey key, double size)
  {
    Held impl(qor::aip::Font::getOrCreate(key));
    return qor::core::Font(impl.font).createPlatformFont(size);
  }
};

TEST_F(PlatformFont, ACachedFaceGivesItsLogicalFontAtTheRequestedHeight)
{
  const LOGFONTW* cached = coreGlobals()->fontCache["DejaVu Sans"];
  ASSERT_NE(cached, nullptr) << "the start-up scan caches this machine's fonts";
  LOGFONTW made = take(create(keyOf("DejaVu Sans"), 12.9));
  EXPECT_EQ(made.lfHeight, -12);
  EXPECT_EQ(made.lfWidth, 0);
  EXPECT_EQ(std::u16string(made.lfFaceName), std::u16string(cached->lfFaceName));
  EXPECT_EQ(made.lfWeight, cached->lfWeight);
  EXPECT_EQ(made.lfCharSet, cached->lfCharSet);
  EXPECT_EQ(made.lfQuality, cached->lfQuality);
}

TEST_F(PlatformFont, AnUncachedFaceTakesWeightAndSlantFromItsFullName)
{
  struct Case
  {
    const char* family;
    const char* fullName;
    LONG weight;
    BYTE italic;
  } cases[] = {
      {"Serif", "Serif Bold Italic", FW_BOLD, 1},
      {"Boldface Sans", "Boldface Sans", FW_BOLD, 0}, // only the occurrence of "bold" counts
      {"Shout", "SHOUT BOLD", FW_BOLD, 0},
      {"Quiet", "Quiet Italic", FW_NORMAL, 1},
      {"Plain", "Plain Book", FW_NORMAL, 0},
  };
  for (const Case& c : cases) {
    LOGFONTW made = take(create(fonts().add(c.family, "Regular", c.fullName), 9));
    EXPECT_EQ(made.lfWeight, c.weight) << c.fullName;
    EXPECT_EQ(made.lfItalic, c.italic) << c.fullName;
    EXPECT_EQ(made.lfHeight, -9);
    EXPECT_EQ(made.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(std::u16string(made.lfFaceName), std::u16string(c.family, c.family + strlen(c.family)));
  }
}

TEST_F(PlatformFont, SizesAreCutTowardZeroAndKeptInRange)
{
  struct Case
  {
    double size;
    LONG height;
  } cases[] = {{-3.7, 3}, {0.4, 0}, {1e12, -2147483647}, {std::nan(""), 0}};
  for (const Case& c : cases)
    EXPECT_EQ(take(create(keyOf("Verdana Bold"), c.size)).lfHeight, c.height) << c.size;
}

TEST_F(PlatformFont, AnEmptyHandleGivesAPlainFontOfNoFace)
{
  LOGFONTW made = take(qor::core::Font().createPlatformFont(10));
  EXPECT_EQ(made.lfFaceName[0], 0);
  EXPECT_EQ(made.lfWeight, FW_NORMAL);
  EXPECT_EQ(made.lfHeight, -10);
}

} // namespace test_platform_font

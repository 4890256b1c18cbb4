// Screen colours: packed, 16-bit and alpha-first forms, lightening and darkening, equality and the
// client value's cache.
#include "aip/qoraipColor.h"
#include "core/qorcoreColor.h"

#include <gtest/gtest.h>

namespace coloursTest {

using qor::aip::Color;

TEST(Colour, PackedAndSixteenBitForms)
{
  EXPECT_EQ(Color(1.0, 0.5, 0.0, 0.3).toInt(), 32767u) << "0.5 × 255 truncates to 127; alpha is not packed";
  EXPECT_EQ(Color(0.0, 0.0, 1.0, 1.0).toInt(), 0xFF0000u) << "blue is the third byte";

  struct Case {
    int32_t depth;
    uint16_t r, g, b;
  } cases[] = {{20, 65535, 32768, 0}, {10, 255, 128, 0}, {0, 255, 128, 0}};
  for (const Case& c : cases) {
    Rgb16Color rgb = Color(1.0, 0.5, 0.0, 1.0).toIntRGB(c.depth);
    EXPECT_EQ(rgb.red, c.r) << c.depth;
    EXPECT_EQ(rgb.green, c.g) << c.depth << ": half rounds away from zero";
    EXPECT_EQ(rgb.blue, c.b) << c.depth;
  }
  // Channels outside 0..1 stop at the ends of the 16-bit range instead of wrapping.
  Rgb16Color wide = Color(1.5, -0.5, 0.0, 1.0).toIntRGB(20);
  EXPECT_EQ(wide.red, 65535);
  EXPECT_EQ(wide.green, 0);

  Color packed(0x07FF8000u);
  EXPECT_EQ(packed.r, 0.0);
  EXPECT_EQ(packed.g, 128 / 255.0);
  EXPECT_EQ(packed.b, 1.0);
  EXPECT_EQ(packed.a, 1.0) << "the top byte is ignored";
  Color assigned(0.1, 0.1, 0.1, 0.2);
  assigned = 0x000000FFu;
  EXPECT_EQ(assigned.r, 1.0);
  EXPECT_EQ(assigned.a, 1.0);

  Color sixteen(Rgb16Color{65535, 0, 32768}, 20);
  EXPECT_EQ(sixteen.r, 1.0);
  EXPECT_EQ(sixteen.b, 32768 / 65535.0);
  EXPECT_EQ(Color(Rgb16Color{255, 0, 0}, 10).r, 1.0);

  ThemeColorRecord theme = Color(0.1, 0.2, 0.3, 0.4).toAlphaFirst();
  EXPECT_EQ(theme.alpha, 0.4);
  EXPECT_EQ(theme.red, 0.1);
  Color back(theme);
  EXPECT_EQ(back.a, 0.4);
  EXPECT_EQ(back.b, 0.3);
}

TEST(Colour, LightenAndDarkenClampOnlyTheirOwnBound)
{
  qor::core::Color c(Color(0.8, 0.2, 0.0, 0.5));
  c.lighten(0.5);
  EXPECT_EQ(c, qor::core::Color(Color(1.0, 0.3, 0.0, 0.5)));
  c.darken(2.0);
  EXPECT_EQ(c, qor::core::Color(Color(0.0, 0.0, 0.0, 0.5))) << "alpha unchanged";

  qor::core::Color d(Color(0.8, 0.4, 1.0, 1.0));
  d.lighten(-0.5);
  EXPECT_DOUBLE_EQ(d.r, 0.4) << "a negative factor darkens";
  d.darken(-2.0);
  EXPECT_DOUBLE_EQ(d.g, 0.6) << "and lightens in darken";
  EXPECT_DOUBLE_EQ(d.b, 1.5) << "darken has no upper bound";
}

TEST(Colour, EqualityIsRelativePerChannel)
{
  using qor::core::Color;
  Color one(qor::aip::Color(1.0, 0.0, 0.0, 1.0));
  EXPECT_EQ(one, Color(qor::aip::Color(1.0 + 1e-16, 0.0, 0.0, 1.0)));
  EXPECT_NE(one, Color(qor::aip::Color(1.001, 0.0, 0.0, 1.0)));
  EXPECT_NE(Color(qor::aip::Color(0.0, 0.0, 0.0, 1.0)), Color(qor::aip::Color(1e-300, 0.0, 0.0, 1.0)));
  EXPECT_EQ(Color::black(), Color());
  EXPECT_EQ(Color::red(), one);
}

TEST(Colour, ClientCacheIsWhatOperationsUse)
{
  qor::core::Color target(Color(0.1, 0.1, 0.1, 1.0));
  qor::core::Color source(Color(0.4, 0.2, 0.0, 0.7));
  target = source;
  target.lighten(1.0);
  EXPECT_EQ(target, qor::core::Color(Color(0.8, 0.4, 0.0, 0.7))) << "the assigned channels were lightened";

  qor::core::Color written;
  written.g = 0.5;
  EXPECT_EQ(qor::core::colorImpl(written)->toInt(), 127u << 8) << "a written channel reaches the implementation";

  qor::core::Color copy(source);
  copy.r = 0.9;
  EXPECT_EQ(source.r, 0.4) << "a copy owns its implementation";
  EXPECT_EQ(qor::core::colorImpl(source)->r, 0.4);
}

} // namespace coloursTest

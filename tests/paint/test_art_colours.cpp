// Art colours through the simulated host's colour conversion and spot colours: type codes, components in
// every model, HSB arithmetic, Windows colour values, host records, spot colours, equality and channels.
#include "core/qorcoreArtColor.h"
#include "hostsimWorkspace.h"
#include "paintFixture.h"

#include <cmath>

namespace artColoursTest {

using painttest::expectNear;
using painttest::Paint;
using AipColor = qor::aip::ArtColor;
using qor::core::ArtColor;

std::vector<double> rgbOf(const AipColor& c)
{
  std::vector<double> v(3);
  c.rgbComponents(v[0], v[1], v[2]);
  return v;
}
std::vector<double> cmykOf(const AipColor& c)
{
  std::vector<double> v(4);
  c.cmykComponents(v[0], v[1], v[2], v[3]);
  return v;
}
std::vector<double> labOf(const AipColor& c)
{
  std::vector<double> v(3);
  c.labComponents(v[0], v[1], v[2]);
  return v;
}
std::vector<double> hsbOf(const AipColor& c)
{
  std::vector<double> v(3);
  c.hsbComponents(v[0], v[1], v[2]);
  return v;
}

ColorRecord recordOfKind(int32_t kind)
{
  ColorRecord r{};
  r.kind = kind;
  return r;
}

TEST(HsbArithmetic, HsbToRgbTable)
{
  const double pi = M_PI;
  struct Case {
    double hue, s, v;
    double r, g, b;
    const char* what;
  } cases[] = {
      {0, 1, 1, 1, 0, 0, "red"},
      {2 * pi, 1, 1, 1, 0, 0, "a full turn is red again"},
      {2 * pi / 3, 1, 1, 0, 1, 0, "green"},
      {4 * pi / 3, 1, 1, 0, 0, 1, "blue"},
      {pi, 0.5, 0.8, 0.4, 0.8, 0.8, "sector 3: c = 0.4, m = 0.4"},
      {-pi / 2, 1, 1, 0.5, 0, 1, "a negative hue is normalised: 270 degrees"},
      {1.0, 0, 0.3, 0.3, 0.3, 0.3, "no saturation: gray of the brightness"},
  };
  for (const Case& c : cases) {
    double r, g, b;
    AipColor::hsbToRgb(c.hue, c.s, c.v, r, g, b);
    expectNear({r, g, b}, {c.r, c.g, c.b}, c.what);
    EXPECT_EQ(r, static_cast<double>(static_cast<float>(r))) << c.what << ": single precision";
  }
  double r, g, b;
  AipColor::hsbToRgb(0, 0, 0.3, r, g, b);
  EXPECT_EQ(r, static_cast<double>(0.3f));
}

TEST(HsbArithmetic, RgbToHsbTable)
{
  const double pi = M_PI;
  struct Case {
    double r, g, b;
    double hue, s, v;
  } cases[] = {
      {1, 0, 0, 0, 1, 1},
      {0, 0, 1, 4 * pi / 3, 1, 1},
      {0.5, 0.5, 0.5, 0, 0, 0.5},
      {0, 1, 1, pi, 1, 1},
      {1, 0, 1, 5 * pi / 3, 1, 1},    // a negative sector angle is normalised
      {1, 1, 0, pi / 3, 1, 1},        // red wins the tie with green
      {0.2, 0.4, 0.4, pi, 0.5, 0.4},  // green wins the tie with blue
  };
  for (const Case& c : cases) {
    double h, s, v;
    AipColor::rgbToHsb(c.r, c.g, c.b, h, s, v);
    expectNear({h, s, v}, {c.hue, c.s, c.v}, "rgb to hsb");
    double r, g, b;
    AipColor::hsbToRgb(h, s, v, r, g, b);
    expectNear({r, g, b}, {c.r, c.g, c.b}, "and back");
  }
}

TEST_F(Paint, TypeCodesOfEveryForm)
{
  open("");
  struct Case {
    AipColor colour;
    int32_t kindFlags;
    int32_t colorType;
  } cases[] = {
      {AipColor(), 0, 1},
      {AipColor(0.5), 1, 2},
      {AipColor::ArtColorRGB(1, 0, 0), 2, 4},
      {AipColor(0, 0, 0, 1), 4, 8},
      {AipColor::ArtColorLab(50, 0, 0), 8, 16},
      {AipColor::ArtColorHSB(0, 1, 1), 16, 32},
      {AipColor(recordOfKind(kPatternColor)), 1048576, 1048576},
      {AipColor(recordOfKind(kGradientColor)), 2097152, 2097152},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.colour.kindFlags(), c.kindFlags);
    EXPECT_EQ(ArtColor(c.colour).colorType(), c.colorType) << c.kindFlags;
  }
  EXPECT_EQ(ArtColor().colorType(), 1);
  EXPECT_EQ(ArtColor::gray100().channels().gray, 1.0);
}

TEST_F(Paint, ComponentsThroughTheHostConversion)
{
  open("");
  // The simulated host: RGB = (1 - c)(1 - k) ..., k = 1 - max, gray space = luminance (1 white).
  AipColor gray(0.25);
  expectNear(rgbOf(gray), {0.75, 0.75, 0.75}, "gray to RGB");
  expectNear(cmykOf(gray), {0, 0, 0, 0.25}, "gray as CMYK");
  EXPECT_EQ(gray.grayValue(), 0.25);

  AipColor rgb = AipColor::ArtColorRGB(1, 0.5, 0);
  expectNear(cmykOf(rgb), {0, 0.5, 1, 0}, "RGB to CMYK");
  EXPECT_NEAR(rgb.grayValue(), 1 - (0.299 + 0.587 * 0.5), 1e-6);
  expectNear(rgbOf(rgb.asCMYK()), {1, 0.5, 0}, "round trip through CMYK");

  AipColor cmyk(0, 0, 0, 0.4);
  EXPECT_NEAR(cmyk.grayValue(), 0.4, 1e-6);
  expectNear(rgbOf(cmyk), {0.6, 0.6, 0.6}, "CMYK to RGB");

  AipColor third = AipColor::ArtColorRGB(1.0 / 3, 0, 0);
  EXPECT_EQ(rgbOf(third)[0], static_cast<double>(static_cast<float>(1.0 / 3)))
      << "own values cross at single precision too";

  AipColor lab = AipColor::ArtColorRGB(0.2, 0.4, 0.6).asLab();
  EXPECT_EQ(lab.kindFlags(), 8);
  expectNear(rgbOf(lab), {0.2, 0.4, 0.6}, "round trip through Lab");

  AipColor hsb = AipColor::ArtColorHSB(M_PI, 0.5, 0.8);
  expectNear(rgbOf(hsb), {0.4, 0.8, 0.8}, "HSB to RGB");
  expectNear(cmykOf(hsb), {0.5, 0, 0, 0.2}, "HSB to CMYK goes through RGB");
  expectNear(hsbOf(hsb), {M_PI, 0.5, 0.8}, "own HSB values");
  expectNear(hsbOf(rgb), {M_PI / 6, 1, 1}, "RGB to HSB");

  // No colour, patterns and gradients have fixed values.
  for (const AipColor& c : {AipColor(), AipColor(recordOfKind(kPatternColor))}) {
    EXPECT_EQ(c.grayValue(), 1.0);
    expectNear(rgbOf(c), {0, 0, 0}, "no colour");
    expectNear(cmykOf(c), {0, 0, 0, 1}, "no colour");
    expectNear(labOf(c), {0, 0, 0}, "no colour");
  }
}

TEST_F(Paint, WindowsColourValues)
{
  open("");
  struct Case {
    AipColor colour;
    uint32_t ref;
  } cases[] = {
      {AipColor(0.0), 0xFFFFFF},
      {AipColor(1.0), 0},
      {AipColor(0.5), 0x7F7F7F},
      {AipColor::ArtColorRGB(1, 0.5, 0), 0x007FFF},
      {AipColor(0, 1, 1, 0), 0x0000FF},
      {AipColor(0, 0, 0, 0), 0xFFFFFF},
      {AipColor::ArtColorHSB(4 * M_PI / 3, 1, 1), 0xFF0000},
      {AipColor(), 0},
      {AipColor(recordOfKind(kGradientColor)), 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.colour.toColorRef(), c.ref) << c.colour.kindFlags();
  EXPECT_EQ(AipColor(-0.5).toColorRef(), AipColor(-0.5).toColorRef() & 0xFFFFFFu)
      << "a gray out of range stays within the three bytes";
}

TEST_F(Paint, HostRecordsAndRoundTrips)
{
  open("");
  EXPECT_EQ(AipColor::ArtColorLab(50, 10, -10).hostColor().kind, kFourColor);
  EXPECT_EQ(AipColor::ArtColorHSB(1, 0.5, 0.5).hostColor().kind, kThreeColor);
  EXPECT_EQ(AipColor::ArtColorLab(50, 10, -10).record().kind, kNoneColor);

  for (const AipColor& c : {AipColor(0.3), AipColor::ArtColorRGB(0.1, 0.2, 0.3), AipColor(0.1, 0.2, 0.3, 0.4)}) {
    AipColor back(c.hostColor());
    EXPECT_TRUE(back == c) << c.kindFlags();
  }
  AipColor hsb = AipColor::ArtColorHSB(M_PI, 0.5, 0.8);
  EXPECT_TRUE(AipColor(hsb.hostColor()) == hsb.asRGB());

  ArtColor client(AipColor::ArtColorRGB(0.1, 0.2, 0.3));
  ArtColor copy(client);
  EXPECT_EQ(copy, client);
  EXPECT_NE(qor::core::implPointer(copy), qor::core::implPointer(client));
  EXPECT_EQ(client.asCMYK().colorType(), 8);
  EXPECT_EQ(client.asCMYK().asRGB(), client);
}

TEST_F(Paint, SpotColours)
{
  open("");
  ArtColor rgb(AipColor::ArtColorRGB(0.1, 0.2, 0.3));
  EXPECT_FALSE(rgb.setCustom("Black", 1, 0));
  EXPECT_FALSE(rgb.setCustom("", 1, 0));
  EXPECT_EQ(rgb.colorType(), 4) << "refused names change nothing";
  ASSERT_TRUE(rgb.setCustom("black", 0.5, 7));
  EXPECT_EQ(rgb.colorType(), 1024);
  EXPECT_EQ(rgb.customName(), "black");
  EXPECT_EQ(rgb.customFlags(), 3) << "only the two low bits pass";
  EXPECT_FALSE(rgb.setCustom("Again", 1, 0)) << "a spot colour is not made a spot colour again";
  expectNear(rgbOf(*qor::core::implPointer(rgb)), {0.1, 0.2, 0.3}, "the definition's values");

  ArtColor sameOtherTint(AipColor::ArtColorRGB(0.1, 0.2, 0.3));
  ASSERT_TRUE(sameOtherTint.setCustom("black", 0.9, 0));
  EXPECT_EQ(rgb, sameOtherTint) << "tints and flags are not compared";
  ArtColor otherName(AipColor::ArtColorRGB(0.1, 0.2, 0.3));
  ASSERT_TRUE(otherName.setCustom("Ink", 0.5, 0));
  EXPECT_NE(rgb, otherName);
  EXPECT_NE(rgb, ArtColor(AipColor::ArtColorRGB(0.1, 0.2, 0.3))) << "a process colour has no name";

  // Lab, gray and HSB colours define spot colours in their own model.
  ArtColor lab(AipColor::ArtColorLab(50, 64, -32));
  ASSERT_TRUE(lab.setCustom("Lab ink", 1, 0));
  EXPECT_EQ(lab.colorType(), 4096);
  ArtColor::Channels ch = lab.channels();
  EXPECT_EQ(ch.colorType, 16);
  expectNear({ch.lab.l, ch.lab.a, ch.lab.b}, {0.5, 0.5, -0.25}, "normalised Lab");

  ArtColor gray(0.25);
  ASSERT_TRUE(gray.setCustom("Gray ink", 1, 0));
  EXPECT_EQ(gray.colorType(), 1024);
  expectNear(rgbOf(*qor::core::implPointer(gray)), {0.75, 0.75, 0.75}, "gray as RGB");

  ArtColor hsb(AipColor::ArtColorHSB(0, 1, 1));
  ASSERT_TRUE(hsb.setCustom("Red ink", 1, 0));
  EXPECT_EQ(hsb.colorType(), 1024);
  EXPECT_FALSE(qor::core::implPointer(hsb)->hasHSB());

  ArtColor cmyk(AipColor(0.1, 0, 0, 0));
  ASSERT_TRUE(cmyk.setCustom("Cyan ink", 1, 0));
  EXPECT_EQ(cmyk.colorType(), 2048);
  EXPECT_EQ(cmyk.channels().colorType, 8);

  EXPECT_FALSE(ArtColor(AipColor(recordOfKind(kPatternColor))).setCustom("P", 1, 0));
  EXPECT_FALSE(ArtColor().setCustom("None of it", 1, 0));
  EXPECT_EQ(ArtColor().customName(), "");
}

TEST_F(Paint, EqualityByType)
{
  open("");
  EXPECT_EQ(ArtColor(), ArtColor());
  EXPECT_NE(ArtColor(), ArtColor(AipColor::ArtColorLab(50, 0, 0)));
  EXPECT_NE(ArtColor(AipColor::ArtColorLab(50, 0, 0)), ArtColor(AipColor::ArtColorLab(60, 0, 0)));
  EXPECT_EQ(ArtColor(AipColor::ArtColorRGB(0.5, 0.5, 0.5)), ArtColor(AipColor::ArtColorRGB(0.5, 0.5, 0.5 + 1e-7)));
  EXPECT_NE(ArtColor(AipColor::ArtColorRGB(0.5, 0.5, 0.5)), ArtColor(AipColor::ArtColorRGB(0.5, 0.5, 0.5 + 1e-5)));
  EXPECT_NE(ArtColor(0.5), ArtColor(AipColor::ArtColorRGB(0.5, 0.5, 0.5))) << "different types";

  ColorRecord a = recordOfKind(kPatternColor), b = recordOfKind(kPatternColor);
  a.pattern.pattern = reinterpret_cast<PatternHandle>(0x10);
  b.pattern.pattern = reinterpret_cast<PatternHandle>(0x20);
  EXPECT_EQ(ArtColor(AipColor(a)), ArtColor(AipColor(a)));
  EXPECT_NE(ArtColor(AipColor(a)), ArtColor(AipColor(b))) << "patterns compare by identity";

  ArtColor target(0.1);
  target = ArtColor(AipColor(0, 0, 1, 0));
  EXPECT_EQ(target.colorType(), 8);
}

TEST_F(Paint, ChannelsOfEveryModel)
{
  open("");
  ArtColor::Channels cmyk = ArtColor(AipColor(0, 0, 0, 0)).channels();
  EXPECT_EQ(cmyk.colorType, 8);
  EXPECT_NEAR(cmyk.gray, 0, 1e-6);
  expectNear({cmyk.rgb.red, cmyk.rgb.green, cmyk.rgb.blue}, {1, 1, 1}, "white");

  ArtColor::Channels none = ArtColor().channels();
  EXPECT_EQ(none.colorType, 1);
  EXPECT_EQ(none.gray, 1.0);
  expectNear({none.cmyk.cyan, none.cmyk.magenta, none.cmyk.yellow, none.cmyk.black}, {0, 0, 0, 1}, "no colour");

  ArtColor::Channels hsb = ArtColor(AipColor::ArtColorHSB(M_PI, 0.5, 0.8)).channels();
  EXPECT_EQ(hsb.colorType, 32);
  EXPECT_DOUBLE_EQ(hsb.hsb.hue.radians(), M_PI);
  expectNear({hsb.rgb.red, hsb.rgb.green, hsb.rgb.blue}, {0.4, 0.8, 0.8}, "HSB's RGB");

  EXPECT_EQ(ArtColor(AipColor(recordOfKind(kGradientColor))).channels().colorType, 0) << "gradients have none";
}

} // namespace artColoursTest

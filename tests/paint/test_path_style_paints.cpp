// The paint a path's style reports: every colour kind the document holds reaches the client's path
// style, with the document objects (spot colour, gradient, pattern) and the placement of a gradient.
#include "aip/qoraipArt.h"
#include "aip/qoraipPath.h"
#include "core/qorcoreArtColor.h"
#include "core/qorcoreGradient.h"
#include "core/qorcorePathStyle.h"
#include "core/qorcorePattern.h"
#include "hostsimDocument.h"
#include "paintFixture.h"

namespace pathStylePaintsTest {

using painttest::Paint;
using qor::core::ArtColor;
using qor::core::PathStyle;

class PathStylePaints : public Paint {
protected:
  // The client's path style of a path, made from the style record the host reports.
  PathStyle styleOf(const char* id)
  {
    const hostsim::Art* host = doc->findById(id);
    EXPECT_TRUE(host) << id;
    qor::aip::Art art(handleOf(host));
    qor::aip::Path path(&art);
    PathStyleRecord record;
    path.pathStyle(record);
    PathStyle style;
    style.useFill = record.fillUsed;
    style.fill.color = qor::core::wrapArtColor(qor::aip::ArtColor(record.fill.color));
    style.useStroke = record.strokeUsed;
    style.stroke.color = qor::core::wrapArtColor(qor::aip::ArtColor(record.stroke.color));
    style.stroke.width = record.stroke.width;
    style.evenOdd = record.evenOdd;
    return style;
  }

  hostsim::Document* doc = nullptr;
};

TEST_F(PathStylePaints, EveryColourKindReachesTheClient)
{
  doc = open(R"svg(<defs>
      <solidColor id="gold" data-name="Gold" solid-color="device-cmyk(0, 0.2, 1, 0.1)"/>
      <linearGradient id="ramp" data-name="Ramp"><stop offset="0" stop-color="red"/><stop offset="1" stop-color="blue"/></linearGradient>
      <linearGradient id="across" href="#ramp" gradientUnits="userSpaceOnUse" x1="10" y1="20" x2="10" y2="120"/>
      <pattern id="dots" data-name="Dots" width="4" height="4" patternUnits="userSpaceOnUse"><rect width="1" height="1"/></pattern>
    </defs>
    <path id="gray" d="M0 0 L1 0 L1 1 Z" fill="device-gray(0.25)" stroke="#ff0000" stroke-width="3"/>
    <path id="cmyk" d="M0 0 L1 0 L1 1 Z" fill="device-cmyk(0.1, 0.2, 0.3, 0.4)" stroke="none"/>
    <path id="spot" d="M0 0 L1 0 L1 1 Z" fill="url(#gold)" data-fill-tint="0.5"/>
    <path id="ramp" d="M0 0 L1 0 L1 1 Z" fill="url(#across)" stroke="url(#dots)"/>
    <path id="none" d="M0 0 L1 0 L1 1 Z" fill="none"/>)svg");
  ASSERT_TRUE(doc);

  PathStyle gray = styleOf("gray");
  ASSERT_TRUE(gray.useFill);
  EXPECT_EQ(gray.fill.color.colorType(), ArtColor::TypeGray);
  EXPECT_NEAR(gray.fill.color.channels().gray, 0.75, 1e-6);
  ASSERT_TRUE(gray.useStroke);
  EXPECT_EQ(gray.stroke.color.colorType(), ArtColor::TypeRGB);
  EXPECT_EQ(gray.stroke.width, 3);

  PathStyle cmyk = styleOf("cmyk");
  EXPECT_EQ(cmyk.fill.color.colorType(), ArtColor::TypeCMYK);
  EXPECT_NEAR(cmyk.fill.color.channels().cmyk.black, 0.4, 1e-6);
  EXPECT_FALSE(cmyk.useStroke);

  PathStyle spot = styleOf("spot");
  EXPECT_EQ(spot.fill.color.colorType(), ArtColor::TypeCustomCMYK);
  EXPECT_EQ(spot.fill.color.customName(), "Gold");
  EXPECT_NEAR(spot.fill.color.channels().cmyk.yellow, 1, 1e-6);

  PathStyle ramp = styleOf("ramp");
  ASSERT_EQ(ramp.fill.color.colorType(), ArtColor::TypeGradient);
  ArtColor::GradientStyle g = ramp.fill.color.gradientStyle();
  ASSERT_TRUE(g.gradient);
  EXPECT_EQ(g.gradient->name(), "Ramp");
  EXPECT_EQ(g.gradient->stopCount(), 2);
  EXPECT_NEAR(g.origin.x, 10, 1e-9) << "the origin as an artboard point";
  EXPECT_NEAR(g.origin.y, 20, 1e-9);
  EXPECT_NEAR(g.length, 100, 1e-9);
  ASSERT_EQ(ramp.stroke.color.colorType(), ArtColor::TypePattern);
  ArtColor::PatternStyle p = ramp.stroke.color.patternStyle();
  ASSERT_TRUE(p.pattern);
  EXPECT_EQ(p.pattern->name(), "Dots");
  EXPECT_EQ(p.scaleX, 1);

  EXPECT_FALSE(styleOf("none").useFill);
}

} // namespace pathStylePaintsTest

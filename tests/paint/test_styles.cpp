// Dash, fill, stroke and path styles and their maps: defaults, all-or-nothing maps and copies.
#include "core/qorcorePathStyle.h"
#include "paintFixture.h"

namespace stylesTest {

using painttest::Paint;
using namespace qor::core;

TEST_F(Paint, DefaultPathStyle)
{
  PathStyle style;
  EXPECT_FALSE(style.useFill);
  EXPECT_FALSE(style.useStroke);
  EXPECT_FALSE(style.evenOdd);
  EXPECT_EQ(style.resolution, 800.0);
  EXPECT_EQ(style.stroke.cap, ButtCap);
  EXPECT_EQ(style.stroke.cap, 100);
  EXPECT_EQ(style.stroke.join, 100);
  EXPECT_EQ(style.stroke.width, 0.0);
  EXPECT_EQ(style.stroke.miterLimit, 0.0);
  EXPECT_EQ(style.stroke.dash.count, 0);
  EXPECT_EQ(style.fill.color.colorType(), ArtColor::TypeNone);
  EXPECT_EQ(style.stroke.color.colorType(), ArtColor::TypeNone);
}

TEST(StyleMaps, BuiltWithOneFlagForEveryField)
{
  for (bool known : {true, false}) {
    PathStyle::Map m(known);
    const DashStyle::Map& dash = m.stroke.dash;
    bool flags[] = {m.useFill, m.fill.color, m.fill.overprint, m.useStroke, m.stroke.color, m.stroke.overprint,
                    m.stroke.width, dash.count, dash.offset, m.stroke.cap, m.stroke.join, m.stroke.miterLimit,
                    m.evenOdd, m.resolution};
    for (bool f : flags)
      EXPECT_EQ(f, known);
    for (bool f : dash.lengths)
      EXPECT_EQ(f, known) << "dash entries too";
    PathStyle::Map copy(m);
    copy.stroke.dash.lengths[5] = !known;
    EXPECT_EQ(m.stroke.dash.lengths[5], known) << "a copy holds its own flags";
  }
}

TEST_F(Paint, StrokeAssignmentCopiesEveryField)
{
  open("");
  StrokeStyle source;
  source.color = ArtColor(qor::aip::ArtColor::ArtColorRGB(0.2, 0.4, 0.6));
  source.width = 2.5;
  source.cap = RoundCap;
  source.join = BevelJoin;
  source.miterLimit = 4;
  for (int i = 0; i < DashStyle::kMaxLengths; ++i)
    source.dash.lengths[i] = i + 1;
  source.dash.count = 6;
  source.dash.offset = 1.5;

  StrokeStyle target;
  target = source;
  for (int i = 0; i < DashStyle::kMaxLengths; ++i)
    EXPECT_EQ(target.dash.lengths[i], i + 1);
  EXPECT_EQ(target.dash.count, 6);
  EXPECT_EQ(target.dash.offset, 1.5);
  EXPECT_EQ(target.cap, RoundCap);
  EXPECT_EQ(target.join, 120);
  EXPECT_EQ(target.color, source.color);
  EXPECT_NE(implPointer(target.color), implPointer(source.color)) << "a separate colour value";
  source.color = ArtColor(0.5);
  EXPECT_EQ(target.color.colorType(), ArtColor::TypeRGB);

  PathStyle path;
  path.stroke = source;
  PathStyle copied(path);
  EXPECT_EQ(copied.stroke.color, source.color);
  EXPECT_EQ(copied.stroke.dash.offset, 1.5);
}

} // namespace stylesTest

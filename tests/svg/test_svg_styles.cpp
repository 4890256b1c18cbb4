// Style sheets and paint servers as renderers apply them: rules settled into the elements they match
// before shapes become paths, gradient spread methods, pattern view boxes and symbol view boxes.
#include "svgSupport.h"
#include "hostsimPaintSvg.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace svgStylesTest {
using namespace hostsim;
using namespace svgtest;

// The fill of the element with id "t" as #rrggbb ("none" when it is not filled).
std::string fillOf(const Document& doc)
{
  const Art* a = doc.findById("t");
  if (!a)
    return "missing";
  if (!a->filled)
    return "none";
  return PaintSvg::hex(a->fillPaint.values);
}

TEST(SvgCss, RulesMatchAsRenderersMatchThem)
{
  struct Case
  {
    const char* sheet;
    const char* body;
    const char* fill;
  } cases[] = {
      {"rect{fill:red}", "<rect id='t' width='1' height='1'/>", "#ff0000"},
      {"rect{fill:red} .k{fill:blue}", "<rect id='t' class='a k' width='1' height='1'/>", "#0000ff"},
      {"#t{fill:lime} .k{fill:blue}", "<rect id='t' class='k' width='1' height='1'/>", "#00ff00"},
      {"rect{fill:red}", "<rect id='t' fill='blue' width='1' height='1'/>", "#ff0000"},
      {"rect{fill:red}", "<rect id='t' style='fill:blue' width='1' height='1'/>", "#0000ff"},
      {"rect{fill:red !important}", "<rect id='t' style='fill:blue' width='1' height='1'/>", "#ff0000"},
      {"rect[id|=\"t\"]{fill:red} rect[id^=x]{fill:blue}", "<rect id='t' width='1' height='1'/>", "#ff0000"},
      {"[data-k~='b']{fill:red}", "<rect id='t' data-k='a b' width='1' height='1'/>", "#ff0000"},
      {"[data-k$=z]{fill:red}", "<rect id='t' data-k='a b' width='1' height='1'/>", "#000000"},
      {"g > rect:last-child{fill:red}", "<g><rect id='t' width='1' height='1'/><!-- c --></g>", "#ff0000"},
      // The style element is the first child.
      {"rect:nth-child(2n+1){fill:red}", "<rect id='t' width='1' height='1'/><rect width='1' height='1'/>", "#000000"},
      {"rect:nth-of-type(2){fill:red}", "<circle r='1'/><rect width='1' height='1'/><rect id='t' width='1' height='1'/>",
       "#ff0000"},
      {"circle + rect{fill:red}", "<circle r='1'/><rect id='t' width='1' height='1'/>", "#ff0000"},
      {"circle ~ rect{fill:red}", "<circle r='1'/><path d='M0 0'/><rect id='t' width='1' height='1'/>", "#ff0000"},
      {"svg rect:not(.k, #u){fill:red}", "<rect id='t' width='1' height='1'/>", "#ff0000"},
      {"g rect{fill:red}", "<rect id='t' width='1' height='1'/>", "#000000"},
      {"/* rect{fill:red} */ rect{fill: <!-- x --> lime}", "<rect id='t' width='1' height='1'/>", "#00ff00"},
      {"g{fill:red}", "<g><rect id='t' width='1' height='1'/></g>", "#ff0000"},
  };
  for (const Case& c : cases) {
    std::string text = wrap("<style>" + std::string(c.sheet) + "</style>" + c.body);
    std::string error;
    auto doc = readSvg(text, &error);
    ASSERT_TRUE(doc) << c.sheet << ": " << error;
    EXPECT_EQ(fillOf(*doc), c.fill) << c.sheet << " " << c.body;
    // Written, the rules are in the elements: the sheet no longer matches the paths the shapes became.
    std::string out = Svg::write(*doc);
    auto again = readSvg(out, &error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(fillOf(*again), c.fill) << c.sheet << "\n" << out;
  }
  // What cannot be settled stays in the sheet: at-rules, selectors of states, and rules that matched
  // nothing here (they may match what the drawing includes); rules settled leave it, so that they do
  // not match the paths the shapes became.
  auto doc = readSvg(wrap("<style>@font-face{font-family:F} a:hover{fill:red} ::selection{fill:red} "
                          "rect{fill:blue} path, g circle{fill:red}</style><rect id='t' width='1' height='1'/>"
                          "<path d='M0 0 L1 1'/>"));
  ASSERT_TRUE(doc);
  std::string out = Svg::write(*doc);
  EXPECT_NE(out.find("@font-face{font-family:F}"), std::string::npos) << out;
  EXPECT_NE(out.find("a:hover{fill:red}"), std::string::npos) << out;
  EXPECT_NE(out.find("g circle {fill:red}"), std::string::npos) << out;
  EXPECT_EQ(out.find("rect"), std::string::npos) << out;
  EXPECT_EQ(out.find("path {"), std::string::npos) << out;
  auto again = readSvg(out);
  ASSERT_TRUE(again);
  EXPECT_EQ(fillOf(*again), "#0000ff");
}

TEST(SvgPaintServers, SpreadMethodAndVectorStayWithTheGradient)
{
  std::string error;
  auto doc = readSvg(wrap("<linearGradient id='s'><stop stop-color='red'/><stop offset='1' stop-color='blue'/></linearGradient>"
                          "<linearGradient id='a' href='#s' spreadMethod='reflect' x1='.4' x2='.6'/>"
                          "<linearGradient id='b' href='#s' x1='.4' x2='.6' gradientTransform='rotate(9)'/>"
                          "<rect id='r1' width='10' height='10' fill='url(#a)'/><rect id='r2' width='10' height='10' fill='url(#b)'/>"
                          "<mask id='m'><rect width='10' height='10' fill='url(#b)'/></mask>"),
                     &error);
  ASSERT_TRUE(doc) << error;
  EXPECT_EQ(doc->live<Gradient>().size(), 2u) << "a reflecting placement is a gradient of its own";
  std::string out = Svg::write(*doc);
  EXPECT_NE(out.find("spreadMethod=\"reflect\""), std::string::npos) << out;
  // The mask, kept as written, still finds "#b" with its vector and transform.
  EXPECT_NE(out.find("<linearGradient id=\"b\" href=\"#s\" gradientTransform=\"rotate(9)\" x1=\".4\" x2=\".6\""),
            std::string::npos)
      << out;
  auto again = readSvg(out, &error);
  ASSERT_TRUE(again) << error;
  expectSameDrawing(*doc, *again);
  EXPECT_EQ(out, Svg::write(*again));
}

TEST(SvgPaintServers, PatternViewBoxAndEmptyTiles)
{
  std::string error;
  auto doc = readSvg(wrap("<pattern id='p' patternUnits='userSpaceOnUse' width='100' height='50' viewBox='0 0 10 10'>"
                          "<circle cx='5' cy='5' r='2' stroke='black' stroke-width='0.5'/></pattern>"
                          "<pattern id='z' width='0' height='1'><rect width='1' height='1'/></pattern>"
                          "<rect id='t' width='200' height='200' fill='url(#p)'/>"
                          "<rect id='u' width='9' height='9' fill='url(#z) lime'/>"),
                     &error);
  ASSERT_TRUE(doc) << error;
  const Pattern* p = doc->live<Pattern>().front();
  // The 10 by 10 box fits the 100 by 50 tile at scale 5, centred: 25 across.
  Rect r;
  ASSERT_TRUE(p->art->bounds(r));
  EXPECT_NEAR(std::min(r.left, r.right), 25 + 3 * 5, 1e-9);
  std::string out = Svg::write(*doc);
  EXPECT_NE(out.find("transform=\"matrix(5 0 0 5 25 0)\""), std::string::npos) << "widths in the tile scale: " << out;
  EXPECT_EQ(PaintSvg::hex(doc->findById("u")->fillPaint.values), "#00ff00") << "a tile without area paints the fallback";
  auto again = readSvg(out, &error);
  ASSERT_TRUE(again) << error;
  expectSameDrawing(*doc, *again);
}

TEST(SvgSymbols, ViewBoxIsFittedIntoTheUse)
{
  std::string error;
  auto doc = readSvg(wrap("<symbol id='s' viewBox='0 0 10 10'><rect width='10' height='10'/></symbol>"
                          "<use id='u' href='#s' x='5' width='20' height='40'/>"),
                     &error);
  ASSERT_TRUE(doc) << error;
  Rect r;
  ASSERT_TRUE(doc->findById("u")->result->bounds(r));
  // Fitted at scale 2 into 20 by 40, centred vertically: 5..25 across, 10..30 down.
  EXPECT_NEAR(std::min(r.left, r.right), 5, 1e-9);
  EXPECT_NEAR(std::max(r.left, r.right), 25, 1e-9);
  EXPECT_NEAR(std::max(r.top, r.bottom), -10, 1e-9);
  std::string out = Svg::write(*doc);
  auto again = readSvg(out, &error);
  ASSERT_TRUE(again) << error;
  expectSameDrawing(*doc, *again);
  EXPECT_EQ(out.find("width=\"20\""), std::string::npos) << "the fit is in the transform: " << out;
}

} // namespace svgStylesTest

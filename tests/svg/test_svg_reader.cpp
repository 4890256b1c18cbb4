// SVG in and out of the simulated host's documents.
#include "svgSupport.h"
#include "hostsimWorkspace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace svgReaderTest {
using namespace hostsim;
using namespace svgtest;

const char* kDrawing = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100" viewBox="0 0 200 100">
  <defs><linearGradient id="grad"><stop offset="0" stop-color="red"/></linearGradient></defs>
  <g id="back" data-name="Background" display="none">
    <rect id="r1" x="1" y="2" width="30" height="20" rx="4" fill="url(#grad)"/>
  </g>
  <g id="front" data-locked="true">
    <path id="p1" d="M10 10 C 20 0 30 0 40 10 S 60 20 70 10 Q 80 0 90 10 T 110 10 A 5 8 30 1 0 120 30 z"
          style="fill:none;stroke:#336699;stroke-width:2"/>
    <g id="grp" transform="translate(5 7) rotate(30 10 10)" class="k">
      <circle id="c1" cx="10" cy="10" r="5" data-locked="true"/>
      <ellipse id="e1" cx="3" cy="4" rx="6" ry="2" transform="skewX(10) scale(1.5, 0.5)"/>
      <line id="l1" x1="0" y1="0" x2="1e2" y2=".5" stroke="black"/>
      <polyline id="pl" points="0,0 10,10 20,0 30,10"/>
      <polygon id="pg" points="0 0 5 5 0 10" visibility="hidden"/>
    </g>
    <path id="cp" d="m0 0 h10 v10 h-10 z m20 20 l5 5 l5 -5 z"/>
  </g>
</svg>)svg";

TEST(SvgRoundTrip, DrawingWrittenAndReadBackIsTheSameDrawing)
{
  auto first = readSvg(kDrawing);
  ASSERT_TRUE(first);
  std::string written = Svg::write(*first);
  std::string error;
  auto second = readSvg(written, &error);
  ASSERT_TRUE(second) << error << "\n" << written;
  expectSameDrawing(*first, *second);
  // Writing again gives the same text: nothing drifts.
  EXPECT_EQ(written, Svg::write(*second));

  // Layers: top-level groups, topmost first, with hidden and locked state.
  ASSERT_EQ(first->layers.size(), 2u); // front and back; the defs hold no art
  EXPECT_EQ(first->layers[0]->title, "front");
  EXPECT_FALSE(first->layers[0]->editable);
  EXPECT_EQ(first->layers[1]->title, "Background");
  EXPECT_FALSE(first->layers[1]->visible);
  const Art* circle = first->findById("c1");
  ASSERT_TRUE(circle);
  EXPECT_TRUE(circle->attrs & Art::kLocked);
  EXPECT_TRUE(first->findById("pg")->attrs & Art::kHidden);
  EXPECT_NE(written.find("<linearGradient id=\"grad\">"), std::string::npos) << "the gradient keeps its id";
  EXPECT_NE(written.find("style=\"fill:none;stroke:#336699;stroke-width:2\""), std::string::npos);
  EXPECT_NE(written.find("class=\"k\""), std::string::npos);
  // Transforms are kept, and what they hold stays in the space it was drawn in.
  EXPECT_NE(written.find("<g id=\"grp\" transform=\"translate(5 7) rotate(30 10 10)\""), std::string::npos);
  EXPECT_NE(written.find("<path id=\"c1\" d=\"M15 10 C15 "), std::string::npos) << written;
  const Art* stroked = first->findById("p1");
  EXPECT_FALSE(stroked->filled);
  EXPECT_TRUE(stroked->stroked);
  EXPECT_EQ(stroked->strokeWidth, 2);
  EXPECT_EQ(first->findById("cp")->type, Art::kCompoundPath);
}

// Each shape as the path the host holds, in host coordinates (y up).
TEST(SvgShapes, ShapesBecomePaths)
{
  struct Case {
    const char* element;
    size_t segments;
    bool closed;
    Rect bounds; // left, top, right, bottom
  } cases[] = {
      {"<line x1='1' y1='2' x2='11' y2='12'/>", 2, false, {1, -2, 11, -12}},
      {"<polyline points='0,0 10,10 20,0'/>", 3, false, {0, 0, 20, -10}},
      {"<polygon points='0,0 10,10 20,0'/>", 3, true, {0, 0, 20, -10}},
      {"<rect x='5' y='5' width='10' height='20'/>", 4, true, {5, -5, 15, -25}},
      {"<rect x='0' y='0' width='10' height='20' rx='2'/>", 8, true, {0, 0, 10, -20}},
      {"<circle cx='0' cy='0' r='10'/>", 4, true, {-10, 10, 10, -10}},
      {"<ellipse cx='5' cy='0' rx='5' ry='2'/>", 4, true, {0, 2, 10, -2}},
      // A half circle above the x axis (y down in SVG), sweep 1.
      {"<path d='M0 0 A10 10 0 0 1 20 0'/>", 3, false, {0, 10, 20, 0}},
      // A quadratic peaks halfway to its control point.
      {"<path d='M0 0 Q10 10 20 0'/>", 2, false, {0, 0, 20, -5}},
      {"<path d='M0,0L10-5-10-5z'/>", 3, true, {-10, 5, 10, 0}},
      // The closing anchor that repeats the first is merged into it.
      {"<path d='M0 0 L10 0 L10 10 L0 0 Z'/>", 3, true, {0, 0, 10, -10}},
      {"<path d='M1e1,.5e1 l-.5.5'/>", 2, false, {9.5, -5, 10, -5.5}},
  };
  for (const Case& c : cases) {
    std::string error;
    auto doc = readSvg(wrap(c.element), &error);
    ASSERT_TRUE(doc) << c.element << ": " << error;
    const Art* a = onlyArt(*doc);
    ASSERT_EQ(a->type, Art::kPath) << c.element;
    EXPECT_EQ(a->segments.size(), c.segments) << c.element;
    EXPECT_EQ(a->closed, c.closed) << c.element;
    Rect r;
    ASSERT_TRUE(a->bounds(r)) << c.element;
    EXPECT_NEAR(r.left, c.bounds.left, 1e-9) << c.element;
    EXPECT_NEAR(r.top, c.bounds.top, 1e-9) << c.element;
    EXPECT_NEAR(r.right, c.bounds.right, 1e-9) << c.element;
    EXPECT_NEAR(r.bottom, c.bounds.bottom, 1e-9) << c.element;
  }
}

TEST(SvgShapes, ArcPassesThroughItsCircle)
{
  auto doc = readSvg(wrap("<path d='M0 0 A10 10 0 1 1 0 20'/>"));
  ASSERT_TRUE(doc);
  const Art* a = onlyArt(*doc);
  // Every anchor and the midpoint of every piece lies on the circle of radius 10 around (0, -10).
  for (size_t i = 0; i + 1 < a->segments.size(); ++i) {
    const Segment& s = a->segments[i];
    const Segment& t = a->segments[i + 1];
    for (double u : {0.0, 0.5, 1.0}) {
      Pt p = Geometry::cubicPoint(s.p, s.out, t.in, t.p, u);
      EXPECT_NEAR(std::hypot(p.h, p.v + 10), 10, 1e-3);
    }
  }
}

TEST(SvgShapes, NestedTransformsAreApplied)
{
  auto doc = readSvg(wrap("<g transform='translate(10,20)'><rect transform='scale(2)' width='1' height='1'/>"
                          "</g><path d='M0 0 L1 0' transform='rotate(90)'/>"));
  ASSERT_TRUE(doc);
  // One layer from the group, one loose layer for the path on top of it.
  ASSERT_EQ(doc->layers.size(), 2u);
  const Art* rect = doc->layers[1]->group->first;
  ASSERT_EQ(rect->segments.size(), 4u);
  expectNear(rect->segments[0].p, {10, -20}, 1e-12, "rect 0");
  expectNear(rect->segments[2].p, {12, -22}, 1e-12, "rect 2");
  const Art* line = doc->layers[0]->group->first;
  expectNear(line->segments[1].p, {0, -1}, 1e-12, "rotated end");
}

TEST(SvgShapes, MultipleSubpathsMakeACompoundPath)
{
  auto doc = readSvg(wrap("<path id='c' d='M0 0 L1 0 M5 5 L6 6 Z'/>"));
  ASSERT_TRUE(doc);
  const Art* c = onlyArt(*doc);
  ASSERT_EQ(c->type, Art::kCompoundPath);
  ASSERT_EQ(c->childCount(), 2u);
  // Children are listed topmost first: the later subpath.
  EXPECT_TRUE(c->first->closed);
  EXPECT_FALSE(c->last->closed);
  std::string out = Svg::write(*doc);
  EXPECT_NE(out.find("d=\"M0 0 L1 0 M5 5 L6 6 Z\""), std::string::npos) << out;
}

TEST(SvgErrors, MalformedInputNamesWhatAndWhere)
{
  struct Case {
    std::string text;
    std::vector<std::string> mentions;
  } cases[] = {
      {"<svg><path d='M0 0'/>", {"XML error", "line 1"}},
      {"", {"XML error"}},
      {"<html/>", {"root element", "<html>"}},
      {"<svg viewBox='0 0 1'/>", {"viewBox"}},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(readSvg(c.text, &error)) << c.text;
    for (const std::string& m : c.mentions)
      EXPECT_NE(error.find(m), std::string::npos) << c.text << " gave: " << error;
  }
}

TEST(SvgErrors, PathBeyondTheSegmentLimitIsRefused)
{
  std::string d = "M0 0";
  for (int i = 1; i < 32767; ++i)
    d += " L" + std::to_string(i) + " 0";
  std::string error;
  auto ok = readSvg(wrap("<path d='" + d + "'/>"), &error);
  ASSERT_TRUE(ok) << error;
  EXPECT_EQ(onlyArt(*ok)->segments.size(), 32767u);
  EXPECT_FALSE(readSvg(wrap("<path id='big' d='" + d + " L0 1'/>"), &error));
  EXPECT_NE(error.find("32768 segments"), std::string::npos) << error;
}

// Every seed of the fuzz corpus reads without harm; those that read round-trip unchanged.
TEST(SvgCorpus, SeedsReadAndRoundTrip)
{
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QOR_TEST_DATA "/svg_corpus")) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    auto doc = readSvg(text.str(), &error);
    ++files;
    if (!doc) {
      EXPECT_FALSE(error.empty()) << entry.path();
      continue;
    }
    auto again = readSvg(Svg::write(*doc), &error);
    ASSERT_TRUE(again) << entry.path() << ": " << error;
    expectSameDrawing(*doc, *again);
  }
  EXPECT_GT(files, 0);
}

TEST(SvgWorkspace, OpenSelectAndSave)
{
  auto dir = std::filesystem::temp_directory_path() / ("svgws" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string in = (dir / "in.svg").string(), out = (dir / "out.svg").string();
  std::ofstream(in) << kDrawing;
  Workspace& ws = Workspace::instance();
  std::string error;
  Document* doc = ws.openSvg(in, error);
  ASSERT_TRUE(doc) << error;
  EXPECT_EQ(ws.current(), doc);
  ASSERT_TRUE(ws.select({"p1", "grp"}, error)) << error;
  EXPECT_TRUE(doc->findById("p1")->attrs & Art::kSelected);
  EXPECT_TRUE(doc->findById("c1")->attrs & Art::kSelected);
  EXPECT_FALSE(doc->findById("cp")->attrs & Art::kSelected);
  EXPECT_FALSE(ws.select({"nope"}, error));
  EXPECT_NE(error.find("\"nope\""), std::string::npos);
  ASSERT_TRUE(ws.select({"all"}, error));
  EXPECT_TRUE(doc->findById("cp")->attrs & Art::kSelected);
  ASSERT_TRUE(ws.saveSvg(doc, out, error)) << error;
  Document* reread = ws.openSvg(out, error);
  ASSERT_TRUE(reread) << error;
  expectSameDrawing(*doc, *reread);
  EXPECT_FALSE(ws.openSvg((dir / "missing.svg").string(), error));
  EXPECT_NE(error.find("missing.svg"), std::string::npos);
  ws.closeAll();
  EXPECT_EQ(ws.current(), nullptr);
  std::filesystem::remove_all(dir);
}

} // namespace svgReaderTest

// Drawings the renderer drew differently after an open and save, each as the smallest drawing that
// showed it: they must now render as they went in.
#include "support/svgPictures.h"
#include "svgSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace svgRenderedTest {
using namespace hostsim;
using namespace svgtest;
using namespace svgPictures;

// How much of the drawing looks different once saved; -1 when either cannot be drawn. Files the drawing
// links are looked up beside basePath.
double differenceAfter(const std::string& original, const std::string& saved,
                       const std::string& basePath = "/tmp/drawing.svg")
{
  Image a, b;
  std::string error;
  if (!renderApart(original, basePath, a, error) || !renderApart(saved, basePath, b, error))
    return -1;
  return differingFraction(a, b);
}

std::string saved(const std::string& text)
{
  std::string error;
  auto doc = readSvg(text, &error);
  EXPECT_TRUE(doc) << error << "\n" << text;
  return doc ? Svg::write(*doc) : std::string();
}

TEST(SvgRendered, LooksAsItWentIn)
{
  const char* const ns = "xmlns='http://www.w3.org/2000/svg'";
  struct Case
  {
    const char* what;
    std::string text;
  } cases[] = {
      {"a root without size or view box is sized by the renderer, not given the page",
       "<svg><rect width='300' height='100' fill='blue'/></svg>"},
      {"rects, circles and ellipses take no markers, given or inherited; paths do",
       std::string("<svg ") + ns + " viewBox='0 0 100 50'>"
           "<marker id='m' markerWidth='20' markerHeight='20' refX='10' refY='10' markerUnits='userSpaceOnUse'>"
           "<circle cx='10' cy='10' r='10' fill='blue'/></marker>"
           "<rect x='10' y='10' width='30' height='30' fill='none' stroke='red' marker-mid='url(#m)' "
           "style='marker-start:url(#m)'/>"
           "<g marker-end='url(#m)'><circle cx='70' cy='25' r='15' fill='none' stroke='red'/>"
           "<path d='M50 45 L90 45' stroke='black'/></g></svg>"},
      {"a group's filter paints with the group's own gradient",
       std::string("<svg ") + ns + " viewBox='0 0 100 100'>"
           "<linearGradient id='g' x2='0' y2='1'><stop stop-color='red'/><stop offset='1' stop-color='blue'/>"
           "</linearGradient>"
           "<filter id='f'><feOffset in='FillPaint'/></filter>"
           "<g fill='url(#g)' filter='url(#f)'><rect x='10' y='10' width='80' height='80' fill='lime'/></g></svg>"},
      {"text positions in percent and em",
       std::string("<svg ") + ns + " viewBox='0 0 200 100'>"
           "<g font-size='20'><text x='25%' y='2em' font-size='150%'>Hi</text></g>"
           "</svg>"},
      {"percentages in a symbol's content are of its view box",
       std::string("<svg ") + ns + " width='200' height='100'>"
           "<symbol id='s' viewBox='0 0 10 10'><rect width='50%' height='50%' fill='red'/>"
           "<circle cx='50%' cy='50%' r='20%' fill='blue'/></symbol>"
           "<use href='#s' x='10' y='10' width='80' height='80'/></svg>"},
      {"stop colours inherit and take the current colour",
       std::string("<svg ") + ns + " viewBox='0 0 100 100'>"
           "<g color='lime' stop-color='blue'><linearGradient id='a' stop-color='inherit'>"
           "<stop stop-color='inherit'/><stop offset='1' stop-color='currentColor'/></linearGradient></g>"
           "<rect width='100' height='100' fill='url(#a)'/></svg>"},
  };
  for (const Case& c : cases) {
    std::string out = saved(c.text);
    EXPECT_LE(differenceAfter(c.text, out), kPixelTolerance) << c.what << "\n" << out;
    EXPECT_GE(differenceAfter(c.text, out), 0) << c.what;
  }
}

TEST(SvgRendered, StyleSheetLinkedBeforeTheRootStays)
{
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("svg-sheet-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "look.css") << "#r { fill: red }\n";
  std::string text = "<?xml version='1.0'?>\n<?xml-stylesheet type='text/css' href='look.css'?>\n"
                     "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'><rect id='r' width='10' height='10'/></svg>";
  std::string out = saved(text);
  EXPECT_LT(out.find("<?xml-stylesheet"), out.find("<svg")) << out;
  EXPECT_LE(differenceAfter(text, out, (dir / "drawing.svg").string()), kPixelTolerance) << out;
  std::filesystem::remove_all(dir);
}

TEST(SvgRendered, CurrentColorPaintsWithTheInheritedColor)
{
  auto doc = readSvg(wrap("<g style='color:#00ff00'><g color='red'><rect width='1' height='1' fill='currentColor' "
                          "stroke='currentcolor'/></g></g>"));
  ASSERT_TRUE(doc);
  const Art* rect = doc->layers.at(0)->group->first->first;
  ASSERT_TRUE(rect && rect->type == Art::kPath);
  for (const PaintColor* paint : {&rect->fillPaint, &rect->strokePaint}) {
    EXPECT_NEAR(paint->values[0], 1, 1e-12);
    EXPECT_NEAR(paint->values[1], 0, 1e-12);
  }
  EXPECT_TRUE(rect->stroked);
}

} // namespace svgRenderedTest

// Text drawings through open and save: the story keeps the spans' fonts, sizes, fills and positions
// (and the text between spans), and the renderer's command line draws the saved drawing as the original.
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "../artwork/artworkFixture.h"
#include "aip/qoraipArt.h"
#include "aip/qoraipTextArt.h"
#include "aip/qoraipTextRange.h"
#include "core/qorcoreTextCharFeatures.h"
#include "core/qorcoreTextRange.h"
#include "hostsimDocument.h"
#include "hostsimSvg.h"
#include "hostsimText.h"
#include "hostsimWorkspace.h"

namespace textRenderTest {

struct Png {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
};

// Draws SVG text with the renderer's command line; false when it cannot.
bool render(const std::string& svg, const std::string& name, Png& out)
{
  std::string dir = std::string(getenv("LOCALAPPDATA") ? getenv("LOCALAPPDATA") : "/tmp");
  std::string in = dir + "/" + name + ".svg", png = dir + "/" + name + ".png";
  std::ofstream(in) << svg;
  std::string command = "rsvg-convert -w 256 -o '" + png + "' '" + in + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0)
    return false;
  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
  if (ok) {
    cairo_surface_flush(s);
    out.width = cairo_image_surface_get_width(s);
    out.height = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < out.height; ++y)
      for (int x = 0; x < out.width; ++x)
        out.pixels.push_back(reinterpret_cast<const uint32_t*>(data + y * stride)[x]);
  }
  cairo_surface_destroy(s);
  return ok;
}

// Pixels whose channels differ by more than a little.
int differing(const Png& a, const Png& b)
{
  int n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    for (int shift = 0; shift < 32; shift += 8) {
      int ca = int(a.pixels[i] >> shift & 0xFF), cb = int(b.pixels[i] >> shift & 0xFF);
      if (std::abs(ca - cb) > 24) {
        ++n;
        break;
      }
    }
  return n;
}

class TextRender : public artworktest::Artwork {
protected:
  void TearDown() override
  {
    EXPECT_EQ(app.area<hostsim::TextEngine>().liveRefs(), 0);
    Artwork::TearDown();
  }
};

TEST_F(TextRender, SpansKeepTheirFeaturesAndDrawTheSameAfterSaving)
{
  const std::string original =
      "<svg xmlns='http://www.w3.org/2000/svg' width='256' height='160' viewBox='0 0 256 160'>"
      "<rect width='256' height='160' fill='white'/>"
      "<text id='mixed' x='10' y='40' font-family='DejaVu Sans' font-size='16' fill='#202020'>A<tspan "
      "fill='#d00000' font-size='24'>BC</tspan>D <tspan font-weight='bold' fill='blue'>bold</tspan> end</text>"
      "<text id='lines' x='10' y='90' font-family='DejaVu Serif' font-size='14'><tspan x='10' y='90'>line "
      "one</tspan><tspan x='10' y='110' fill='green' font-family='DejaVu Sans Mono'>line two</tspan></text>"
      "<text id='shifted' x='140' y='40' font-size='12' letter-spacing='2'>spaced <tspan dx='5' dy='-6' "
      "font-style='italic'>up</tspan> again</text>"
      "</svg>";
  std::string error;
  hostsim::Document* doc = hostsim::Workspace::instance().openSvgText(original, "render", error);
  ASSERT_TRUE(doc) << error;
  EXPECT_EQ(doc->findById("mixed")->text, "ABCD bold end");
  EXPECT_EQ(doc->findById("lines")->text, "line one\rline two");

  // The spans are runs of the story, with their features.
  {
    qor::aip::Art art(handleOf(doc->findById("mixed")));
    qor::aip::ObjectRef<qor::aip::TextRange> impl(art.textArt()->textRange());
    ASSERT_TRUE(impl);
    qor::core::TextRange whole(impl.get());
    std::vector<qor::core::TextRange*> runs = whole.runs();
    std::vector<std::string> texts;
    for (qor::core::TextRange* r : runs)
      texts.push_back(r->contents("\n"));
    EXPECT_EQ(texts, (std::vector<std::string>{"A", "BC", "D ", "bold", " end"}));
    ASSERT_EQ(runs.size(), 5u);
    double size = 0;
    EXPECT_TRUE(runs[1]->charFeatures22()->getCharAttribute6(size));
    EXPECT_EQ(size, 24);
    EXPECT_FALSE(runs[0]->charFeatures22()->getCharAttribute6(size)) << "the element's own size is the element's";
    for (qor::core::TextRange* r : runs)
      delete r;
  }

  std::string saved = hostsim::Svg::write(*doc);
  EXPECT_NE(saved.find(">A<tspan"), std::string::npos) << saved;
  EXPECT_NE(saved.find("</tspan>D <tspan"), std::string::npos) << saved;
  Png before, after;
  ASSERT_TRUE(render(original, "original", before));
  ASSERT_TRUE(render(saved, "saved", after)) << saved;
  ASSERT_EQ(before.width, after.width);
  ASSERT_EQ(before.height, after.height);
  Png blank;
  ASSERT_TRUE(render("<svg xmlns='http://www.w3.org/2000/svg' width='256' height='160'><rect width='256' "
                     "height='160' fill='white'/></svg>",
                     "blank", blank));
  EXPECT_GT(differing(before, blank), 300) << "the text draws something";
  EXPECT_LE(differing(before, after), int(before.pixels.size() / 200)) << saved;
}

}  // namespace textRenderTest

// Text drawings come back as they went in: each drawing is opened and saved in an application (whose
// text engine keeps the runs of a text element) and the renderer draws both the same.
#include "hostsimApp.h"
#include "hostsimDocument.h"
#include "hostsimSvg.h"
#include "support/svgPictures.h"

#include <gtest/gtest.h>

namespace svgTextTest {

struct Case
{
  const char* what;
  const char* body;
  const char* saved; // a piece the saved text holds
};

std::string drawing(const char* body)
{
  return std::string("<svg xmlns='http://www.w3.org/2000/svg' width='256' height='128' viewBox='0 0 256 128' "
                     "font-family='DejaVu Sans' font-size='20'><rect width='256' height='128' fill='white'/>") +
         body + "</svg>";
}

TEST(SvgText, DrawsTheSameAfterOpenAndSave)
{
  const Case cases[] = {
      {"a transform on the text", "<text transform='rotate(20 60 60) scale(1.5)' x='20' y='40'>Turned</text>",
       "transform="},
      {"text outside the spans", "<text x='10' y='60'>A<tspan fill='red' font-size='30'>BC</tspan>D</text>",
       ">A<tspan"},
      {"span styles: weight back to normal, no fill but a stroke, size in em",
       "<text x='10' y='60' font-weight='bold'>Bold <tspan font-weight='normal'>thin</tspan> <tspan fill='none' "
       "stroke='blue' font-size='1.5em'>hollow</tspan></text>",
       "font-weight:normal"},
      {"shifts for each character", "<text x='10' y='60' dx='0 6 6 6' dy='0 -8 16 -8'>Wave</text>",
       "dy=\"0 -8 16 -8\""},
      {"a shift in em accumulates", "<text x='10' y='10'><tspan x='10' dy='1.2em'>one</tspan><tspan x='10' "
       "dy='1.2em'>two</tspan><tspan x='10' dy='1.2em'>three</tspan></text>", "dy=\"24\""},
      {"a span's own shift after the text's", "<text x='200' y='60' text-anchor='end' dx='-20' dy='-20'>ABCD<tspan "
       "dx='-40' dy='1em'>AB</tspan></text>", "<tspan dx=\"-40\" dy=\"20\">AB</tspan>"},
      {"spans under one not displayed stay hidden",
       "<text x='10' y='60'>X<tspan style='display:none'>Y<tspan style='display:inline' x='60'>Z</tspan></tspan></text>",
       "display:none"},
      {"a position for each character", "<text x='10 50 90 130' y='40 60 80 100'>ABCD</text>",
       "<tspan x=\"10 50 90 130\" y=\"40 60 80 100\">ABCD</tspan>"},
      {"nested spans take their positions from the outer span",
       "<text x='20' y='30'><tspan x='20' y='30' dy='0'> <tspan>one</tspan></tspan><tspan x='20' y='30' "
       "dy='30'> <tspan>two</tspan></tspan></text>",
       "two"},
      {"alignment on the text and on a span",
       "<text x='128' y='40' text-anchor='end'>End</text><text x='128' y='90'><tspan "
       "text-anchor='middle'>Middle</tspan></text>",
       "text-anchor:middle"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string original = drawing(c.body);
    hostsim::HostApp app;
    hostsim::Document doc("text");
    std::string error;
    ASSERT_TRUE(hostsim::Svg::read(original.data(), original.size(), doc, error)) << error;
    std::string saved = hostsim::Svg::write(doc);
    EXPECT_NE(saved.find(c.saved), std::string::npos) << saved;
    svgPictures::Image before, after;
    ASSERT_TRUE(svgPictures::renderApart(original, "text.svg", before, error)) << error;
    ASSERT_TRUE(svgPictures::renderApart(saved, "text.svg", after, error)) << error << saved;
    EXPECT_LE(svgPictures::differingFraction(before, after), svgPictures::kPixelTolerance) << saved;
  }
}

} // namespace svgTextTest

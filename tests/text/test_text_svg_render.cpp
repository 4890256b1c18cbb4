// Text drawings through open and save: the story keeps the spans' fonts, sizes, fills and positions
// (and the text between spans), and the renderer's command line draws the saved drawing as the original.
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
#include "support/svgPictures.h"

namespace textRenderTest {

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
  svgPictures::Image before, after;
  std::string renderError;
  ASSERT_TRUE(svgPictures::renderApart(original, "render.svg", before, renderError)) << renderError;
  ASSERT_TRUE(svgPictures::renderApart(saved, "render.svg", after, renderError)) << renderError << saved;
  svgPictures::Image blank;
  ASSERT_TRUE(svgPictures::renderApart("<svg xmlns='http://www.w3.org/2000/svg' width='256' height='160'><rect "
                                  "width='256' height='160' fill='white'/></svg>",
                                  "blank.svg", blank, renderError));
  EXPECT_GT(svgPictures::differingFraction(before, blank), 0.01) << "the text draws something";
  EXPECT_LE(svgPictures::differingFraction(before, after), svgPictures::kPixelTolerance) << saved;
}

}  // namespace textRenderTest

// Art styles of the simulated document: shared records, the parser's parts, flag and type translation,
// names, and the empty answers of empty handles and unparsable styles.
#include "core/qorcoreArtStyle.h"
#include "hostsimDocument.h"
#include "hostsimDocumentSuites.h"
#include "hostsimHandles.h"
#include "hostsimPaint.h"
#include "hostsimSvg.h"
#include "hostsimWorkspace.h"
#include "paintFixture.h"

namespace artStylesTest {

using painttest::Paint;
using qor::core::ArtStyle;

class ArtStyles : public Paint {
protected:
  void SetUp() override
  {
    Paint::SetUp();
    doc = open("<path id='p' d='M0 0 L10 0'/>");
    ASSERT_TRUE(doc);
    style = doc->make<hostsim::ArtStyle>(doc);
    style->name = "Glow";
    for (int i = 0; i < 3; ++i)
      style->paintFields.push_back(doc->make<hostsim::StylePart>());
    style->effectsA.push_back(doc->make<hostsim::StylePart>());
    style->blendField = doc->make<hostsim::StylePart>();
    style->designatedA = style->paintFields[1];
    style->queries[2] = true;
  }
  ArtStyleHandle handle() const { return static_cast<ArtStyleHandle>(style->handle()); }
  ArtStyle styleHandle() const { return qor::core::wrapArtStyle(new qor::aip::ArtStyle(handle())); }

  hostsim::Document* doc = nullptr;
  hostsim::ArtStyle* style = nullptr;
};

TEST_F(ArtStyles, PartsOfTheParsedStyle)
{
  ArtStyle s = styleHandle();
  EXPECT_TRUE(s.valid());
  EXPECT_EQ(s.name(), "Glow");
  EXPECT_EQ(s.paintFieldCount(), 3);
  EXPECT_EQ(s.effectCountA(), 1);
  EXPECT_EQ(s.effectCountB(), 0);
  std::unique_ptr<ArtStyle::PaintField> field = s.paintFieldAt(2);
  ASSERT_TRUE(field);
  EXPECT_EQ(field->data()->part, style->paintFields[2]->handle());
  EXPECT_EQ(field->data()->style, handle());
  EXPECT_EQ(s.paintFieldAt(3), nullptr);
  EXPECT_EQ(s.effectAtB(0), nullptr);
  ASSERT_TRUE(s.effectAtA(0));
  std::unique_ptr<ArtStyle::PaintField> designated = s.designatedPaintFieldA();
  ASSERT_TRUE(designated);
  EXPECT_EQ(designated->data()->part, style->paintFields[1]->handle());
  EXPECT_EQ(s.designatedPaintFieldB(), nullptr);
  std::unique_ptr<ArtStyle::BlendField> blend = s.blendField();
  ASSERT_TRUE(blend);
  EXPECT_EQ(blend->data()->reserved, 0);
  EXPECT_FALSE(s.parserQueryA());
  EXPECT_TRUE(s.parserQueryC());

  style->paintFields.push_back(doc->make<hostsim::StylePart>());
  EXPECT_EQ(s.paintFieldCount(), 4) << "the simulated parser reads the live style";
}

TEST_F(ArtStyles, FlagsTypesAndNames)
{
  struct Case {
    int32_t host, framework;
  } flags[] = {{0x10040, 0x500}, {0x3F, 0x3F}, {0x100 | 0x200, 0x40 | 0x80}, {0x80 | 0x20000, 0x200 | 0x800},
               {0x400 | 0x1000000, 0}};
  ArtStyle s = styleHandle();
  for (const Case& c : flags) {
    style->flags = c.host;
    EXPECT_EQ(s.styleFlags(), c.framework) << std::hex << c.host;
  }
  struct Type {
    int16_t host;
    int32_t framework;
  } types[] = {{1, 10}, {2, 20}, {0, 0}, {3, 0}};
  for (const Type& t : types) {
    style->type = t.host;
    EXPECT_EQ(s.styleType(), t.framework) << t.host;
  }
  s.setName("Halo");
  EXPECT_EQ(style->name, "Halo");
  style->name.clear();
  EXPECT_EQ(s.name(), "") << "an unnamed style";
  style->query = true;
  EXPECT_TRUE(s.hostQuery());
  style->query = false;
  EXPECT_FALSE(s.hostQuery());
}

TEST_F(ArtStyles, HandlesShareOneRecordPerHostStyle)
{
  ArtStyle a = styleHandle();
  ArtStyle b(new qor::aip::ArtStyle(handle()));
  EXPECT_EQ(a.data(), b.data()) << "the second implementation joined and was deleted";
  EXPECT_EQ(a, b);
  EXPECT_EQ(qor::core::handleGlobals()->artStyleRegistry.size(), 1u);
  ArtStyle c = a;
  c = b;
  EXPECT_EQ(a.data()->count, 3);

  ArtStyleHandle artStyle = nullptr;
  ASSERT_EQ(hostsim::DocumentSuites::artStyle().getArtStyle(static_cast<ArtHandle>(doc->findById("p")->handle()), &artStyle), 0);
  ArtStyle other(new qor::aip::ArtStyle(artStyle));
  EXPECT_NE(a, other);
}

TEST_F(ArtStyles, EmptyHandlesAndUnparsableStyles)
{
  for (ArtStyle empty : {ArtStyle(nullptr), ArtStyle(new qor::aip::ArtStyle(nullptr))}) {
    EXPECT_EQ(empty.paintFieldCount(), -1);
    EXPECT_EQ(empty.effectCountA(), -1);
    EXPECT_TRUE(empty.hostQuery());
    EXPECT_EQ(empty.name(), "");
    EXPECT_EQ(empty.paintFieldAt(0), nullptr);
    EXPECT_EQ(empty.blendField(), nullptr);
    EXPECT_EQ(empty.styleFlags(), 0);
  }
  EXPECT_EQ(ArtStyle(nullptr), ArtStyle(new qor::aip::ArtStyle(nullptr))) << "both without implementation";

  style->parsable = false;
  style->flags = 0x2;
  style->type = 2;
  ArtStyle s = styleHandle();
  EXPECT_EQ(s.name(), "Glow");
  EXPECT_EQ(s.styleFlags(), 0x2);
  EXPECT_EQ(s.styleType(), 20);
  EXPECT_EQ(s.paintFieldCount(), -1);
  EXPECT_EQ(s.effectCountB(), -1);
  EXPECT_EQ(s.designatedPaintFieldA(), nullptr);
  EXPECT_FALSE(s.parserQueryC());
}

} // namespace artStylesTest

namespace artStylesTest {

// The simulated host: setting an art's style repaints the art, in the document and in the saved file.
TEST_F(Paint, SettingAStyleRepaintsTheArt)
{
  hostsim::Document* doc = open("<path id='a' d='M0 0 L10 0 L10 10 Z' "
                                "style='fill:#ff0000;stroke:#0000ff;stroke-width:3;opacity:0.5'/>"
                                "<path id='b' d='M20 0 L30 0 L30 10 Z' fill='green' style='fill:green; opacity:0.3'/>");
  ASSERT_TRUE(doc);
  const ArtStyleSuite& styles = hostsim::DocumentSuites::artStyle();
  ArtHandle a = handleOf(doc->findById("a")), b = handleOf(doc->findById("b"));
  ArtStyleHandle red = nullptr;
  ASSERT_EQ(styles.getArtStyle(a, &red), 0);
  ASSERT_EQ(styles.setArtStyle(b, red), 0);

  PathStyleRecord record{};
  ASSERT_EQ(hostsim::DocumentSuites::pathStyle().getPathStyle(b, &record), 0);
  EXPECT_TRUE(record.fillUsed);
  EXPECT_EQ(record.fill.color.kind, kThreeColor);
  EXPECT_EQ(record.fill.color.rgb.red, 1.0);
  EXPECT_TRUE(record.strokeUsed);
  EXPECT_EQ(record.stroke.color.rgb.blue, 1.0);
  EXPECT_EQ(record.stroke.width, 3.0);

  std::string svg = hostsim::Svg::write(*doc);
  size_t at = svg.find("id=\"b\"");
  ASSERT_NE(at, std::string::npos) << svg;
  std::string element = svg.substr(at, svg.find("/>", at) - at);
  EXPECT_NE(element.find("fill=\"#ff0000\""), std::string::npos) << element;
  EXPECT_NE(element.find("stroke=\"#0000ff\""), std::string::npos) << element;
  EXPECT_NE(element.find("stroke-width=\"3\""), std::string::npos) << element;
  EXPECT_NE(element.find("style=\"opacity:0.3\""), std::string::npos) << "other declarations stay: " << element;
  EXPECT_EQ(element.find("green"), std::string::npos) << element;

  // Read back, the saved file paints b red.
  std::string error;
  hostsim::Document* again = hostsim::Workspace::instance().openSvgText(svg, "again", error);
  ASSERT_TRUE(again) << error;
  const hostsim::Art* reread = again->findById("b");
  ASSERT_TRUE(reread);
  EXPECT_EQ(reread->fillPaint.values[0], 1.0);
  EXPECT_EQ(reread->strokeWidth, 3.0);
}

} // namespace artStylesTest

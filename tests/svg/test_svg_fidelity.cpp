// Drawings opened and saved look as they did: what real files hold (units, geometry in styles, colour
// names, broken references, compressed or Latin-1 text, entities, deep nesting) reads as a renderer
// reads it, and what is written is valid and reads back the same.
#include "svgSupport.h"
#include "hostsimText.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <zlib.h>

#include <algorithm>
#include <cmath>

namespace svgFidelityTest {
using namespace hostsim;
using namespace svgtest;

std::string roundTrip(const std::string& text)
{
  std::string error;
  auto doc = readSvg(text, &error);
  EXPECT_TRUE(doc) << error << "\n" << text;
  return doc ? Svg::write(*doc) : std::string();
}

// The anchors of the only path of a drawing, in document coordinates (y up).
std::vector<Pt> anchors(const Document& doc)
{
  std::vector<Pt> out;
  const Art* a = onlyArt(doc);
  if (a && a->type == Art::kPath)
    for (const Segment& s : a->segments)
      out.push_back(s.p);
  return out;
}

TEST(SvgGeometry, LengthsWithUnitsAndGeometryInStyles)
{
  struct Case
  {
    const char* body;
    std::vector<Pt> expected; // empty: nothing drawn, the element is kept as written
  } cases[] = {
      {"<rect width='1in' height='10mm'/>", {{0, 0}, {96, 0}, {96, -96 / 25.4 * 10}, {0, -96 / 25.4 * 10}}},
      {"<rect x='2em' y='50%' width='1pt' height='3px' style='font-size:10px'/>",
       {{20, -50}, {20 + 4.0 / 3, -50}, {20 + 4.0 / 3, -53}, {20, -53}}},
      {"<rect x='10%' width='10' height='10' style='x:1px; height: 2'/>", {{1, 0}, {11, 0}, {11, -2}, {1, -2}}},
      {"<line x2='10' style='y2:5'/>", {{0, 0}, {10, -5}}},
      {"<rect style='width:0' width='10' height='10'/>", {}},
      {"<rect width='10' height='10' x='wide'/>", {}},
      {"<circle r='0'/>", {}},
      {"<path style='d: path(\"M1 2 L3 4\")' d='M0 0 L9 9'/>", {{1, -2}, {3, -4}}},
  };
  for (const Case& c : cases) {
    std::string text = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 100'>" + std::string(c.body) + "</svg>";
    std::string error;
    auto doc = readSvg(text, &error);
    ASSERT_TRUE(doc) << c.body << ": " << error;
    std::vector<Pt> got = anchors(*doc);
    ASSERT_EQ(got.size(), c.expected.size()) << c.body;
    for (size_t i = 0; i < got.size(); ++i)
      expectNear(got[i], c.expected[i], 1e-9, std::string(c.body) + " anchor " + std::to_string(i));
    std::string out = Svg::write(*doc);
    std::string kept = c.body;
    std::replace(kept.begin(), kept.end(), '\'', '"');
    kept.replace(kept.size() - 2, 2, " />");
    if (c.expected.empty())
      EXPECT_NE(out.find(kept), std::string::npos) << "kept as written: " << out;
    else
      EXPECT_EQ(out.find("style=\"d:"), std::string::npos) << "the style's geometry is in the path now: " << out;
  }
  // An ellipse with one radius takes it for both.
  auto doc = readSvg(wrap("<ellipse rx='4'/>"));
  ASSERT_TRUE(doc);
  expectNear(onlyArt(*doc)->segments[1].p, {0, -4}, 1e-12, "ellipse ry auto");
}

TEST(SvgColors, EveryColorKeywordAndPercentRgb)
{
  struct Case
  {
    const char* fill;
    double r, g, b;
  } cases[] = {
      {"pink", 255, 192, 203},         {"RebeccaPurple", 0x66, 0x33, 0x99}, {"lightgoldenrodyellow", 250, 250, 210},
      {"aliceblue", 240, 248, 255},    {"yellowgreen", 154, 205, 50},       {"rgb(100%, 0%, 50%)", 255, 0, 127.5},
      {"url(#nope) teal", 0, 128, 128},
  };
  for (const Case& c : cases) {
    std::string error;
    auto doc = readSvg(wrap("<rect width='1' height='1' fill='" + std::string(c.fill) + "'/>"), &error);
    ASSERT_TRUE(doc) << c.fill << ": " << error;
    const Art* r = onlyArt(*doc);
    ASSERT_TRUE(r->filled) << c.fill;
    EXPECT_EQ(r->fillPaint.kind, kThreeColor) << c.fill;
    EXPECT_NEAR(r->fillPaint.values[0] * 255, c.r, 1e-9) << c.fill;
    EXPECT_NEAR(r->fillPaint.values[1] * 255, c.g, 1e-9) << c.fill;
    EXPECT_NEAR(r->fillPaint.values[2] * 255, c.b, 1e-9) << c.fill;
  }
  for (const char* notColor : {"pinkish", "rgb(1, 2)", ""}) {
    auto doc = readSvg(wrap("<rect width='1' height='1' fill='" + std::string(notColor) + "'/>"));
    ASSERT_TRUE(doc);
    EXPECT_EQ(onlyArt(*doc)->fillPaint.values[0], 0) << notColor << " keeps the inherited black";
  }
  // A stop colour by name keeps its colour.
  auto doc = readSvg(wrap("<linearGradient id='g'><stop stop-color='darkorange'/></linearGradient>"));
  ASSERT_TRUE(doc);
  const Gradient* g = doc->live<Gradient>().front();
  EXPECT_NEAR(g->stops.at(0).color.values[1] * 255, 0x8c, 1e-9);
}

// What a renderer draws past is drawn: the rest of path data before an error, paint without a missing
// server, a pattern or gradient without its missing template, a use of nothing kept as written.
TEST(SvgLenience, ErrorsDrawWhatTheyCanAsRenderersDo)
{
  struct Case
  {
    const char* d;
    size_t anchors;
  } paths[] = {
      {"M 0 0 L 5 0 L x", 2}, {"M 0 0 L 5 0 K 3", 2},        {"M 0 0 L 5 0 A 1 1 0 2 0 5 5", 2},
      {"M 0 0 L 1e999 0", 1}, {"M 0 0 L 5 5 # L 1 1", 2},      {"M0 0 L5 0 L5 5 Z M 1", 3},
  };
  for (const Case& c : paths) {
    std::string error;
    auto doc = readSvg(wrap("<path d='" + std::string(c.d) + "'/>"), &error);
    ASSERT_TRUE(doc) << c.d << ": " << error;
    EXPECT_EQ(anchors(*doc).size(), c.anchors) << c.d;
  }
  for (const char* nothing : {"<path d='L 0 0'/>", "<path d=''/>", "<polygon points='0'/>"}) {
    auto doc = readSvg(wrap(nothing));
    ASSERT_TRUE(doc) << nothing;
    EXPECT_EQ(onlyArt(*doc)->type, Art::kForeign) << nothing;
  }
  // Links that loop end where the loop closes.
  auto loop = readSvg(wrap("<linearGradient id='a' href='#b'><stop/></linearGradient><linearGradient id='b' href='#a'/>"
                           "<pattern id='p' href='#p' width='1' height='1'><path d='M0 0 L1 1'/></pattern>"
                           "<rect id='r' width='1' height='1' fill='url(#b)' stroke='url(#p)'/>"));
  ASSERT_TRUE(loop);
  EXPECT_EQ(loop->findById("r")->fillPaint.kind, kGradientColor);
  EXPECT_EQ(loop->findById("r")->strokePaint.kind, kPatternColor);
  auto odd = readSvg(wrap("<polygon points='0 0 4 0 4 4 9'/>"));
  ASSERT_TRUE(odd);
  EXPECT_EQ(anchors(*odd).size(), 3u);

  std::string error;
  auto doc = readSvg(wrap("<linearGradient id='a' href='#zz'><stop stop-color='red'/></linearGradient>"
                          "<pattern id='p' href='#a' width='1' height='1'><rect width='1' height='1'/></pattern>"
                          "<use id='u' href='#missing'/><use id='x' href='other.svg#a'/>"
                          "<rect id='r1' width='1' height='1' fill='url(#nope)' stroke='url(#a)'/>"
                          "<rect id='r2' width='1' height='1' fill='url(#p)'/>"),
                     &error);
  ASSERT_TRUE(doc) << error;
  const Art* r1 = doc->findById("r1");
  EXPECT_FALSE(r1->filled) << "a paint server that is not there paints nothing";
  EXPECT_EQ(r1->strokePaint.kind, kGradientColor);
  EXPECT_EQ(doc->findById("r2")->fillPaint.kind, kPatternColor);
  EXPECT_EQ(doc->findById("u")->type, Art::kForeign);
  EXPECT_EQ(doc->findById("x")->type, Art::kForeign);
  std::string out = Svg::write(*doc);
  EXPECT_NE(out.find("fill=\"none\""), std::string::npos) << out;
  EXPECT_TRUE(readSvg(out, &error)) << error;
}

// Text under a kept transform is written in the space the transform sets up; the host holds it where
// it shows.
TEST(SvgGeometry, TextUnderKeptTransformsStaysInPlace)
{
  const char* text = "<g transform='translate(10 20) scale(2)'><text id='t' x='5' y='6' transform='rotate(90)'>"
                     "a</text></g>";
  auto doc = readSvg(wrap(text));
  ASSERT_TRUE(doc);
  std::string out = Svg::write(*doc);
  EXPECT_NE(out.find("x=\"5\" y=\"6\""), std::string::npos) << out;
  auto again = readSvg(out);
  ASSERT_TRUE(again);
  expectSameDrawing(*doc, *again);
  // rotate(90) takes (5, 6) to (-6, 5); scale and translate to (-2, 30); y flips.
  expectNear(TextEngine::anchor(*doc->findById("t")), {-2, -30}, 1e-9, "anchor");
}

std::string gzip(const std::string& text)
{
  std::string out(compressBound(static_cast<uLong>(text.size())) + 32, '\0');
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TEST(SvgInput, CompressedLatin1AndEntitiesRead)
{
  std::string plain = wrap("<rect id='r' width='3' height='4' fill='red'/>");
  std::string error;
  auto compressed = readSvg(gzip(plain), &error);
  ASSERT_TRUE(compressed) << error;
  expectSameDrawing(*readSvg(plain), *compressed);
  std::string cut = gzip(plain);
  cut.resize(cut.size() / 2);
  EXPECT_FALSE(readSvg(cut, &error));
  EXPECT_NE(error.find("compressed SVG"), std::string::npos) << error;

  // Latin-1 text comes out as UTF-8.
  std::string latin = "<?xml version='1.0' encoding='ISO-8859-1'?><svg xmlns='http://www.w3.org/2000/svg'>"
                      "<title>caf\xe9</title><rect id='r\xe9' width='1' height='1'/></svg>";
  std::string out = roundTrip(latin);
  EXPECT_NE(out.find("caf\xc3\xa9"), std::string::npos) << out;
  EXPECT_NE(out.find("id=\"r\xc3\xa9\""), std::string::npos) << out;
  EXPECT_EQ(out.find("caf\xe9<"), std::string::npos);

  // Entities declared in the document type are put in, the namespace among them.
  std::string declared = "<?xml version='1.0'?>\n<!DOCTYPE svg [\n<!ENTITY ns_svg \"http://www.w3.org/2000/svg\">\n"
                         "<!ENTITY % param 'x'>\n<!ENTITY w '7'>\n]>\n"
                         "<svg xmlns='&ns_svg;'><rect width='&w;' height='1'/><!-- &amp; &lt; --></svg>";
  auto doc = readSvg(declared, &error);
  ASSERT_TRUE(doc) << error;
  expectNear(onlyArt(*doc)->segments[1].p, {7, 0}, 0, "entity in a length");
  out = Svg::write(*doc);
  EXPECT_NE(out.find("xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos) << out;
  EXPECT_EQ(out.find("&amp;ns_svg"), std::string::npos) << out;
}

TEST(SvgInput, DeepOrHugeTreesAreRefusedPastTheLimitsAndWrittenInLinearSize)
{
  auto nested = [](int depth) {
    std::string s = "<svg xmlns='http://www.w3.org/2000/svg'>";
    for (int i = 1; i < depth - 1; ++i)
      s += "<g>";
    s += "<rect width='1' height='1'/>";
    for (int i = 1; i < depth - 1; ++i)
      s += "</g>";
    return s + "</svg>";
  };
  std::string error;
  auto doc = readSvg(nested(Svg::kMaxDepth), &error);
  ASSERT_TRUE(doc) << error;
  std::string out = Svg::write(*doc);
  EXPECT_LT(out.size(), 16u * Svg::kMaxDepth) << "no indentation that grows with the depth";
  EXPECT_TRUE(readSvg(out, &error)) << error;
  EXPECT_FALSE(readSvg(nested(Svg::kMaxDepth + 1), &error));
  EXPECT_NE(error.find("nested more than " + std::to_string(Svg::kMaxDepth)), std::string::npos) << error;
  // Far deeper still refuses cleanly rather than running out of stack.
  EXPECT_FALSE(readSvg(nested(100000), &error));
  std::string many = "<svg xmlns='http://www.w3.org/2000/svg'>";
  for (size_t i = 0; i < Svg::kMaxElements; ++i)
    many += "<g/>";
  EXPECT_FALSE(readSvg(many + "</svg>", &error));
  EXPECT_NE(error.find("more than " + std::to_string(Svg::kMaxElements) + " elements"), std::string::npos) << error;
}

// What is written is valid XML, keeps curves and numbers, whatever the input held.
TEST(SvgOutput, StaysValidAndKeepsWhatItDraws)
{
  struct Case
  {
    const char* body;
    const char* written; // must appear in the output
    const char* never;   // must not
  } cases[] = {
      {"<circle cx='50' cy='50' r='40' d='M0 0'/>", "<path d=\"M90 50 C", "d=\"M0 0\""},
      {"<ellipse rx='1' ry='2' d='M0 0' points='1 2'/>", "<path d=\"M1 0", "points"},
      {"<path d='M0 0 C10 -10 10 10 0 0 Z'/>", "d=\"M0 0 C10 -10 10 10 0 0 Z\"", "M0 0 Z"},
      {"<g transform='scale(1e308) scale(1e308)'><path d='M0 0 L10 10'/></g><rect width='1' height='1'/>",
       "scale(1e308)", "inf"},
      {"<g transform='scale(0)'><path d='M1 1 L10 10'/></g>", "scale(0)", "nan"},
  };
  for (const Case& c : cases) {
    std::string out = roundTrip(wrap(c.body));
    EXPECT_NE(out.find(c.written), std::string::npos) << c.body << "\n" << out;
    EXPECT_EQ(out.find(c.never), std::string::npos) << c.body << "\n" << out;
    pugi::xml_document xml;
    EXPECT_TRUE(xml.load_string(out.c_str())) << c.body << "\n" << out;
    EXPECT_EQ(out, roundTrip(out)) << "written again, the text does not drift";
  }
}

} // namespace svgFidelityTest

// Gradients, patterns, symbols and the colour kinds of SVG read into document objects and written back.
#include "svgSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace svgPaintServersTest {
using namespace hostsim;
using namespace svgtest;

const Gradient* gradientOf(const PaintColor& c)
{
  return c.kind == kGradientColor ? lookup<Gradient>(c.object) : nullptr;
}

const Pattern* patternOf(const PaintColor& c)
{
  return c.kind == kPatternColor ? lookup<Pattern>(c.object) : nullptr;
}

template <class T> const T* byId(const Document& doc, const std::string& id)
{
  for (const T* o : doc.live<T>())
    if (o->svgId == id)
      return o;
  return nullptr;
}

void expectSameObjects(const Document& firstDoc, const Document& secondDoc, const std::string& written);

// Reads, writes, reads again: the same drawing, the same document objects, and a second write that
// gives the same text.
std::unique_ptr<Document> roundTrip(const std::string& text)
{
  std::string error;
  auto first = readSvg(text, &error);
  EXPECT_TRUE(first) << error;
  if (!first)
    return nullptr;
  std::string written = Svg::write(*first);
  auto second = readSvg(written, &error);
  EXPECT_TRUE(second) << error << "\n" << written;
  if (!second)
    return nullptr;
  expectSameDrawing(*first, *second);
  EXPECT_EQ(written, Svg::write(*second));
  expectSameObjects(*first, *second, written);
  return first;
}

// The gradients, patterns and symbols of two documents match by id.
void expectSameObjects(const Document& firstDoc, const Document& secondDoc, const std::string& written)
{
  const Document* first = &firstDoc;
  const Document* second = &secondDoc;
  auto gradients = first->live<Gradient>();
  EXPECT_EQ(gradients.size(), second->live<Gradient>().size()) << written;
  for (const Gradient* g : gradients) {
    const Gradient* h = byId<Gradient>(*second, g->svgId);
    ASSERT_TRUE(h) << g->svgId << "\n" << written;
    EXPECT_EQ(g->name, h->name);
    EXPECT_EQ(g->type, h->type);
    ASSERT_EQ(g->stops.size(), h->stops.size()) << g->svgId;
    for (size_t i = 0; i < g->stops.size(); ++i) {
      const GradientStop &a = g->stops[i], &b = h->stops[i];
      std::string what = g->svgId + " stop " + std::to_string(i);
      EXPECT_NEAR(a.position1, b.position1, 1e-9) << what;
      EXPECT_NEAR(a.position2, b.position2, 1e-9) << what;
      EXPECT_NEAR(a.opacity, b.opacity, 1e-9) << what;
      expectSamePaint(a.color, b.color, what);
    }
  }
  for (const Pattern* p : first->live<Pattern>()) {
    const Pattern* q = byId<Pattern>(*second, p->svgId);
    ASSERT_TRUE(q) << p->svgId << "\n" << written;
    EXPECT_EQ(p->name, q->name);
    expectNear(Pt{p->tile.left, p->tile.top}, Pt{q->tile.left, q->tile.top}, 1e-9, p->svgId + " tile");
    expectNear(Pt{p->tile.right, p->tile.bottom}, Pt{q->tile.right, q->tile.bottom}, 1e-9, p->svgId + " tile");
    expectSameArt(p->art, q->art, p->svgId + " content");
  }
  for (const Symbol* s : first->live<Symbol>()) {
    const Symbol* t = byId<Symbol>(*second, s->svgId);
    ASSERT_TRUE(t) << s->svgId << "\n" << written;
    EXPECT_EQ(s->name, t->name);
    expectSameArt(s->art, t->art, s->svgId + " definition");
  }
}

void expectMatrix(const Matrix& m, const Matrix& expected, const std::string& what)
{
  expectNear(m, expected, what);
}

TEST(SvgGradients, StopsVectorsAndHrefChainsRoundTrip)
{
  auto doc = roundTrip(R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 200 100">
  <defs>
    <linearGradient id="ramp" data-name="Ramp">
      <stop offset="0" stop-color="#ff0000"/>
      <stop offset="50%" style="stop-color:device-cmyk(0.1, 0.2, 0.3, 0.4);stop-opacity:0.5" data-midpoint="30"/>
      <stop offset="0.25" stop-color="blue"/>
    </linearGradient>
    <linearGradient id="user" href="#ramp" gradientUnits="userSpaceOnUse" x1="10" y1="20" x2="110" y2="20"/>
    <linearGradient id="skew" xlink:href="#user" gradientTransform="skewX(20) scale(2 1)"/>
    <radialGradient id="glow" cx="0.4" cy="0.5" r="0.5" fx="0.3" fy="0.5">
      <stop offset="0" stop-color="white"/><stop offset="1" stop-color="black"/>
    </radialGradient>
    <radialGradient id="ring" href="#ramp" gradientUnits="userSpaceOnUse" cx="50" cy="50" r="20"/>
  </defs>
  <rect id="a" width="40" height="20" fill="url(#ramp)"/>
  <rect id="b" y="30" width="40" height="20" fill="url(#user)" stroke="url(#glow)"/>
  <path id="c" d="M0 60 L40 60 L40 80 Z" fill="url(#skew)"/>
  <circle id="d" cx="50" cy="50" r="20" fill="url(#ring)"/>
  <g id="turned" transform="rotate(90)" fill="url(#user)"><rect id="e" width="10" height="10"/></g>
</svg>)svg");
  ASSERT_TRUE(doc);
  // Placement-only gradients of the same kind share the gradient holding the stops; a radial gradient
  // over linear stops is a gradient of its own.
  EXPECT_EQ(doc->live<Gradient>().size(), 3u);
  const Gradient* ramp = byId<Gradient>(*doc, "ramp");
  ASSERT_TRUE(ramp);
  EXPECT_EQ(ramp->name, "Ramp");
  ASSERT_EQ(ramp->stops.size(), 3u);
  EXPECT_EQ(ramp->stops[1].position1, 50);
  EXPECT_EQ(ramp->stops[1].position2, 30);
  EXPECT_EQ(ramp->stops[1].color.kind, kFourColor);
  EXPECT_EQ(ramp->stops[1].opacity, 0.5);
  EXPECT_EQ(ramp->stops[2].position1, 50) << "offsets never go back";
  EXPECT_EQ(gradientOf(doc->findById("b")->fillPaint), ramp);
  EXPECT_EQ(gradientOf(doc->findById("c")->fillPaint), ramp);
  const Gradient* ring = gradientOf(doc->findById("d")->fillPaint);
  ASSERT_TRUE(ring && ring != ramp);
  EXPECT_EQ(ring->type, 1);
  EXPECT_EQ(ring->stops.size(), 3u);

  // A vector in user space under a conformal transform is kept in host space, without a matrix.
  const PaintColor& user = doc->findById("b")->fillPaint;
  expectNear(user.origin, {10, -20}, 1e-12, "origin in host space");
  EXPECT_NEAR(user.angle, 0, 1e-12);
  EXPECT_NEAR(user.length, 100, 1e-12);
  EXPECT_TRUE(user.matrix.identity());
  const PaintColor& turned = doc->findById("e")->fillPaint;
  expectNear(turned.origin, {-20, -10}, 1e-12, "turned with the art");
  EXPECT_NEAR(turned.angle, -90, 1e-12);
  EXPECT_TRUE(turned.matrix.identity());
  const PaintColor& ringPaint = doc->findById("d")->fillPaint;
  expectNear(ringPaint.origin, {50, -50}, 1e-12, "radial centre");
  EXPECT_NEAR(ringPaint.length, 20, 1e-12);

  // Bounding-box units are not conformal for a box that is not square: the vector stays in gradient
  // space and the matrix maps it.
  const PaintColor& box = doc->findById("a")->fillPaint;
  expectNear(box.origin, {0, 0}, 1e-12, "box origin");
  EXPECT_NEAR(box.length, 1, 1e-12);
  expectMatrix(box.matrix, {40, 0, 0, -20, 0, 0}, "box matrix");
  const PaintColor& glow = doc->findById("b")->strokePaint;
  ASSERT_EQ(glow.kind, kGradientColor);
  expectNear(glow.origin, {0.4, 0.5}, 1e-12, "focal centre");
  EXPECT_NEAR(glow.length, 0.5, 1e-12);
  EXPECT_NEAR(std::fabs(glow.highlightAngle), 180, 1e-12);
  EXPECT_NEAR(glow.highlightLength, 0.2, 1e-12);
  expectMatrix(glow.matrix, {40, 0, 0, -20, 0, -30}, "glow matrix");
}

TEST(SvgGradients, WithoutStopsPaintNothingAndUnusedOnesStay)
{
  auto doc = roundTrip(wrap("<defs><linearGradient id='empty'/><linearGradient id='swatch' data-name='Sw'>"
                            "<stop offset='1' stop-color='red'/></linearGradient></defs>"
                            "<rect id='r' width='5' height='5' fill='url(#empty)'/>"));
  ASSERT_TRUE(doc);
  EXPECT_FALSE(doc->findById("r")->filled);
  EXPECT_EQ(doc->live<Gradient>().size(), 2u);
  ASSERT_TRUE(byId<Gradient>(*doc, "swatch"));
  EXPECT_EQ(byId<Gradient>(*doc, "swatch")->name, "Sw");
}

TEST(SvgPatterns, TilesContentAndPlacementRoundTrip)
{
  auto doc = roundTrip(wrap(R"svg(<defs>
    <pattern id="dots" data-name="Dots" width="10" height="10" patternUnits="userSpaceOnUse">
      <circle id="dot" cx="5" cy="5" r="2" fill="green"/>
    </pattern>
    <pattern id="turned" href="#dots" patternTransform="rotate(45)"/>
    <pattern id="boxed" width="0.5" height="25%"><rect width="4" height="4" fill="url(#dots)"/></pattern>
  </defs>
  <rect id="a" width="100" height="50" fill="url(#dots)"/>
  <rect id="b" y="60" width="100" height="50" stroke="url(#turned)"/>
  <rect id="c" x="10" y="20" width="40" height="40" fill="url(#boxed)"/>)svg"));
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->live<Pattern>().size(), 2u);
  const Pattern* dots = byId<Pattern>(*doc, "dots");
  ASSERT_TRUE(dots && dots->art);
  EXPECT_EQ(dots->name, "Dots");
  expectNear({dots->tile.left, dots->tile.top}, {0, 0}, 0, "tile");
  expectNear({dots->tile.right, dots->tile.bottom}, {10, -10}, 0, "tile");
  ASSERT_TRUE(dots->art->first);
  EXPECT_EQ(dots->art->first->svgId, "dot");
  EXPECT_EQ(dots->art->first->fillPaint.kind, kThreeColor);
  EXPECT_EQ(doc->findById("dot"), nullptr) << "pattern content is not art of a layer";

  const PaintColor& a = doc->findById("a")->fillPaint;
  EXPECT_EQ(patternOf(a), dots);
  EXPECT_TRUE(a.matrix.identity());
  const PaintColor& b = doc->findById("b")->strokePaint;
  EXPECT_EQ(patternOf(b), dots);
  double r = std::sqrt(0.5);
  expectMatrix(b.matrix, {r, -r, r, r, 0, 0}, "turned, in host orientation");
  // A tile in bounding-box units takes the box of the shape painted with it.
  const Pattern* boxed = patternOf(doc->findById("c")->fillPaint);
  ASSERT_TRUE(boxed);
  expectNear({boxed->tile.left, boxed->tile.top}, {10, -20}, 1e-12, "boxed tile");
  expectNear({boxed->tile.right, boxed->tile.bottom}, {30, -30}, 1e-12, "boxed tile");
  EXPECT_EQ(patternOf(boxed->art->first->fillPaint), dots) << "content may paint with another pattern";
}

TEST(SvgSymbols, UsesBecomePlacedInstances)
{
  auto doc = roundTrip(R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink">
  <defs><symbol id="star" data-name="Star"><path id="tip" d="M0 0 L10 0 L5 8 Z"/></symbol></defs>
  <use id="u1" href="#star" x="20" y="30"/>
  <g id="grp" transform="translate(5 0)"><use id="u2" xlink:href="#star" transform="scale(2)" class="k"/></g>
  <symbol id="unused"><rect width="1" height="1"/></symbol>
  <path id="p" d="M0 0 L1 1"/>
  <use id="plain" href="#p"/>
</svg>)svg");
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->live<Symbol>().size(), 2u);
  const Art* u1 = doc->findById("u1");
  ASSERT_TRUE(u1);
  ASSERT_EQ(u1->type, Art::kSymbolInstance);
  ASSERT_TRUE(u1->symbol);
  EXPECT_EQ(u1->symbol->name, "Star");
  expectMatrix(u1->placement, {1, 0, 0, 1, 20, -30}, "x and y move the definition");
  Rect box;
  ASSERT_TRUE(u1->bounds(box));
  expectNear({box.left, box.top}, {20, -30}, 1e-12, "placed copy");
  expectNear({box.right, box.bottom}, {30, -38}, 1e-12, "placed copy");
  const Art* u2 = doc->findById("u2");
  ASSERT_EQ(u2->type, Art::kSymbolInstance);
  EXPECT_EQ(u2->symbol, u1->symbol);
  expectMatrix(u2->placement, {2, 0, 0, 2, 5, 0}, "the use's transform inside its group's");
  EXPECT_EQ(doc->findById("plain")->type, Art::kForeign) << "a use of anything but a symbol is kept as it is";
}

TEST(SvgColours, GrayCmykSpotAndExactRgbRoundTrip)
{
  auto doc = roundTrip(wrap(R"svg(<defs>
    <solidColor id="gold" data-name="Gold" solid-color="#c0a000 device-cmyk(0, 0.2, 1, 0.1)" data-flags="2"/>
    <solidColor id="lab" solid-color="#777777" data-lab="50 10 -20"/>
  </defs>
  <rect id="g" width="1" height="1" fill="#808080 device-gray(0.25)"/>
  <rect id="k" width="1" height="1" fill="device-cmyk(0.1,0.2,0.3,0.4)" stroke="rgb(76.5, 0, 0)"/>
  <g fill="url(#gold)" data-fill-tint="0.3"><rect id="s" width="1" height="1" stroke="url(#lab)"/></g>)svg"));
  ASSERT_TRUE(doc);
  const Art* g = doc->findById("g");
  EXPECT_EQ(g->fillPaint.kind, kGrayColor);
  EXPECT_EQ(g->fillPaint.values[0], 0.75) << "host gray is ink: 1 − luminance";
  const Art* k = doc->findById("k");
  EXPECT_EQ(k->fillPaint.kind, kFourColor);
  EXPECT_EQ(k->fillPaint.values[3], 0.4);
  EXPECT_EQ(k->strokePaint.kind, kThreeColor);
  EXPECT_NEAR(k->strokePaint.values[0], 0.3, 1e-15);
  const Art* s = doc->findById("s");
  ASSERT_EQ(s->fillPaint.kind, kCustomColor);
  EXPECT_EQ(s->fillPaint.values[1], 0.3) << "the tint is inherited with the paint";
  const CustomColor* gold = lookup<CustomColor>(s->fillPaint.object);
  ASSERT_TRUE(gold);
  EXPECT_EQ(gold->name, "Gold");
  EXPECT_EQ(gold->kind, 0);
  EXPECT_EQ(gold->values[2], 1);
  EXPECT_EQ(gold->flags, 2);
  const CustomColor* lab = lookup<CustomColor>(s->strokePaint.object);
  ASSERT_TRUE(lab);
  EXPECT_EQ(lab->kind, 2);
  EXPECT_EQ(lab->values[2], -20);
}

// Broken references name the property, the element and the target; none crashes the reader.
TEST(SvgErrors, BrokenReferencesNameWhatAndWhere)
{
  const char* grad = "<linearGradient id='g'><stop offset='0'/></linearGradient>";
  struct Case {
    std::string body;
    std::vector<std::string> mentions;
  } cases[] = {
      {"<path id='p' d='M0 0'/><rect id='r' width='1' height='1' stroke='url(#p)'/>", {"stroke", "<path> id \"p\"", "no gradient"}},
      {std::string(grad) + "<rect fill='url(#g'/>", {"missing ')'"}},
      {std::string(grad) + "<rect fill='url(other.svg#g)'/>", {"only references", "#id"}},
      {std::string(grad) + "<rect fill='url(#g) nonsense'/>", {"fallback", "nonsense"}},
      {"<linearGradient id='a'><stop offset='x'/></linearGradient>", {"offset=\"x\"", "<stop>"}},
      {"<pattern id='p' width='-1' height='1'/>", {"negative tile", "<pattern> id \"p\""}},
      {"<solidColor id='s' solid-color='zzz'/>", {"solid-color=\"zzz\"", "<solidColor> id \"s\""}},
      {"<rect id='r' fill='red' data-fill-tint='lots'/>", {"data-fill-tint", "<rect> id \"r\""}},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(readSvg(wrap(c.body), &error)) << c.body;
    for (const std::string& m : c.mentions)
      EXPECT_NE(error.find(m), std::string::npos) << c.body << " gave: " << error;
  }
}

// A reference to a missing element with a fallback colour paints with the fallback, as SVG says.
TEST(SvgErrors, DanglingReferenceWithFallbackUsesIt)
{
  std::string error;
  auto doc = readSvg(wrap("<rect id='r' width='1' height='1' fill='url(#nope) #00ff00' stroke='url(#gone) none'/>"), &error);
  ASSERT_TRUE(doc) << error;
  const Art* r = doc->findById("r");
  EXPECT_TRUE(r->filled);
  EXPECT_EQ(r->fillPaint.kind, kThreeColor);
  EXPECT_EQ(r->fillPaint.values[1], 1);
  EXPECT_FALSE(r->stroked);
}

} // namespace svgPaintServersTest

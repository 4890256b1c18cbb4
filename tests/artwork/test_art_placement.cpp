// Art attributes, bounds and artboards, blending, placement, transformation, matching art and
// isolation, through the plug-in running in the simulated host.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "artworkFixture.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreArtStyle.h"
#include "core/qorcoreArtboard.h"
#include "core/qorcoreCurrentDocument.h"
#include "core/qorcoreIntArtData.h"
#include "core/qorcoreLayer.h"
#include "core/qorcoreSymbol.h"
#include "core/qorcoreTransformMatrix.h"
#include "hostsimArt.h"
#include "hostsimDocument.h"
#include "hostsimPaint.h"

namespace artPlacementTest {
using artworktest::Artwork;
using qor::core::Angle;
using qor::core::Art;
using qor::core::ArtboardPoint;
using qor::core::ArtboardRect;

// The end points of a path in artboard coordinates.
std::vector<ArtboardPoint> ends(const Art& art)
{
  ArtboardPoint a, b;
  art.path()->endPoints(a, b);
  return {a, b};
}

void expectPoint(const ArtboardPoint& p, double x, double y, const char* what)
{
  EXPECT_NEAR(p.x, x, 1e-9) << what;
  EXPECT_NEAR(p.y, y, 1e-9) << what;
}

TEST_F(Artwork, AttributesReadAllBitsAndWriteOnlyTheirOwn)
{
  hostsim::Document* doc = open("<path id='p' d='M0 0 L10 0' data-locked='true' display='none'/>");
  hostsim::Art* host = doc->findById("p");
  Art art(handleOf(host));
  EXPECT_EQ(art.attributes(), 0xC) << "locked 0x4 and hidden 0x8";
  host->attrs |= 0x200;
  EXPECT_EQ(art.attributes(), 0xC | 0x100);
  art.setAttributes(0x1);
  EXPECT_EQ(host->attrs & 0x200, 0x200) << "0x100 is read but never written";
  EXPECT_EQ(host->attrs & (0x1 | 0x2 | 0x4 | 0x8), 0x1);
  EXPECT_EQ(art.attributes(), 0x1 | 0x100);
}

TEST_F(Artwork, BoundsThroughOptionsAndMatrices)
{
  hostsim::Document* doc = open("<rect id='r' x='10' y='20' width='30' height='40'/>");
  Art art(handleOf(doc->findById("r")));
  ArtboardRect plain = art.bounds66();
  EXPECT_EQ(plain.left(), 10);
  EXPECT_EQ(plain.top(), 20);
  EXPECT_EQ(plain.right(), 40);
  EXPECT_EQ(plain.bottom(), 60);
  EXPECT_EQ(art.boundsFlags(0xFF), plain);

  qor::core::TransformMatrix m;
  m.setTranslation(5, 7);
  ArtboardRect moved = art.transformedBounds(m, 0);
  EXPECT_EQ(moved.left(), 15);
  EXPECT_EQ(moved.top(), 27) << "the matrix moves down the artboard by 7";

  Art empty(nullptr);
  EXPECT_EQ(empty.transformedBounds(m, 0), ArtboardRect());
}

TEST_F(Artwork, ArtboardsTouchedAndTheMostOverlappingOne)
{
  hostsim::Document* doc = open("<rect id='both' x='90' y='10' width='20' height='20'/>"
                                "<rect id='edge' x='200' y='0' width='5' height='5'/>"
                                "<rect id='away' x='500' y='500' width='5' height='5'/>");
  // Two artboards side by side, in host coordinates (y up).
  doc->artboards.clear();
  doc->artboards.push_back({doc->nextArtboardSerial(), {0, 0, 100, -100}, "Left", {}});
  doc->artboards.push_back({doc->nextArtboardSerial(), {100, 0, 200, -100}, "Right", {}});

  struct Case {
    const char* id;
    std::vector<std::string> touched;
    const char* most;
  };
  for (const Case& c : {Case{"both", {"Left", "Right"}, "Right"}, // equal halves: the later one wins
                        Case{"edge", {"Right"}, "Right"},          // touching edges count, with area 0
                        Case{"away", {}, nullptr}}) {
    Art art(handleOf(doc->findById(c.id)));
    std::vector<qor::core::Artboard*> boards = art.artboards();
    std::vector<std::string> names;
    for (qor::core::Artboard* b : boards) {
      names.push_back(b->name());
      delete b;
    }
    EXPECT_EQ(names, c.touched) << c.id;
    std::unique_ptr<qor::core::Artboard> most(art.mostOverlappingArtboard());
    if (c.most) {
      ASSERT_TRUE(most) << c.id;
      EXPECT_EQ(most->name(), c.most) << c.id;
    } else {
      EXPECT_FALSE(most) << c.id;
    }
  }

  Art art(handleOf(doc->findById("both")));
  hostsim::Workspace::instance().close(doc);
  EXPECT_TRUE(art.artboards().empty()) << "no current document";
}

TEST_F(Artwork, BlendingClampsAndConvertsItsCodes)
{
  hostsim::Document* doc = open("<g id='g'><path id='p' d='M0 0 L10 0'/></g>");
  hostsim::Art* host = doc->findById("p");
  Art art(handleOf(host));

  struct OpacityCase {
    double set, stored;
  };
  for (OpacityCase c : {OpacityCase{1.5, 1.0}, {-0.2, 0.0}, {0.25, 0.25}}) {
    art.setOpacity(c.set);
    EXPECT_EQ(host->opacity, c.stored) << c.set;
    EXPECT_EQ(art.opacity(), c.stored) << c.set;
  }

  art.setBlendMode(160);
  EXPECT_EQ(host->blendMode, 15);
  EXPECT_EQ(art.blendMode(), 160);
  for (int32_t refused : {15, 170, 0, 5, -10}) {
    art.setBlendMode(refused);
    EXPECT_EQ(host->blendMode, 15) << refused;
  }
  host->blendMode = 99;
  EXPECT_EQ(art.blendMode(), 0) << "a host mode outside 0 to 15";

  art.setKnockout(20);
  EXPECT_EQ(host->knockout, 1);
  art.setKnockout(30);
  EXPECT_EQ(host->knockout, 1) << "30 is no knockout state";
  host->knockout = 2;
  EXPECT_EQ(art.knockout(), 100);
  doc->findById("g")->knockout = 1;
  EXPECT_EQ(art.inheritedKnockout(), 20) << "inherited from the group";

  Art group(handleOf(doc->findById("g")));
  group.setGroupClipped(true);
  EXPECT_TRUE(group.groupClipped());
  art.setGroupClipped(true);
  EXPECT_FALSE(art.groupClipped()) << "only groups clip";

  Art empty(nullptr);
  EXPECT_EQ(empty.opacity(), 1.0);
  EXPECT_EQ(empty.blendMode(), 0);
}

TEST_F(Artwork, DuplicatesArePlacedByTheirPaintOrder)
{
  hostsim::Document* doc = open("<g id='back'><path id='p' d='M0 0 L10 0'/>"
                                "<g id='open'><path id='o' d='M0 1 L1 1'/></g>"
                                "<g id='shut' data-locked='true'><path id='s' d='M0 2 L1 2'/></g></g>"
                                "<g id='front' data-locked='true'><path id='f' d='M0 3 L1 3'/></g>");
  Art p(handleOf(doc->findById("p")));
  Art open(handleOf(doc->findById("open")));
  Art shut(handleOf(doc->findById("shut")));
  auto hostOf = [](const Art* a) { return static_cast<hostsim::Art*>(hostsim::Handles::instance().findAny(a->hostHandle())); };

  // Into an unlocked group: inside it, on top.
  std::unique_ptr<Art> inside(p.duplicate(qor::core::PaintOrderInsideOnTop, &open));
  ASSERT_TRUE(inside);
  EXPECT_EQ(hostOf(inside.get())->parent, doc->findById("open"));
  EXPECT_EQ(doc->findById("open")->first, hostOf(inside.get()));

  // Into a locked group: above it instead.
  std::unique_ptr<Art> above(p.duplicate(qor::core::PaintOrderInsideOnTop, &shut));
  ASSERT_TRUE(above);
  EXPECT_EQ(hostOf(above.get())->next, doc->findById("shut"));

  // Without a target: inside the topmost unlocked visible layer, on top.
  std::unique_ptr<Art> loose(p.duplicate(qor::core::PaintOrderAbove, nullptr));
  ASSERT_TRUE(loose);
  hostsim::Art* backGroup = doc->findById("p")->parent;
  EXPECT_EQ(hostOf(loose.get())->parent, backGroup);
  EXPECT_EQ(backGroup->first, hostOf(loose.get()));

  // Below everything: the bottom layer, at its bottom.
  std::unique_ptr<Art> bottom(p.duplicate(qor::core::PaintOrderBelowAll, nullptr));
  ASSERT_TRUE(bottom);
  EXPECT_EQ(backGroup->last, hostOf(bottom.get()));

  // With every layer locked, a new top layer takes the copy.
  qor::core::CurrentDocument current;
  int32_t before = current.layerCount();
  for (int32_t k = 0; k < before; ++k)
    current.layerAt(k)->setLocked(true);
  std::unique_ptr<Art> fresh(p.duplicate(qor::core::PaintOrderAboveAll, nullptr));
  ASSERT_TRUE(fresh);
  EXPECT_EQ(current.layerCount(), before + 1);
  hostsim::Layer* taker = hostOf(fresh.get())->parent->layer;
  ASSERT_NE(taker, nullptr) << "the copy sits right in a layer";
  EXPECT_EQ(current.layerAt(0)->hostHandle(), static_cast<LayerHandle>(taker->handle())) << "the new top layer";

  // Moving works the same way.
  ASSERT_TRUE(p.reorder(qor::core::PaintOrderBelow, &open));
  EXPECT_EQ(doc->findById("open")->next, doc->findById("p"));
}

TEST_F(Artwork, TransformationsMoveTheGeometry)
{
  hostsim::Document* doc = open("<path id='p' d='M0 0 L10 0'/><rect id='r' x='10' y='10' width='10' height='20'/>");
  Art line(handleOf(doc->findById("p")));
  Art rect(handleOf(doc->findById("r")));
  const std::vector<hostsim::Segment> original = doc->findById("p")->segments;
  auto unchanged = [&] {
    const std::vector<hostsim::Segment>& now = doc->findById("p")->segments;
    return now.size() == original.size() && now[0].p == original[0].p && now[1].p == original[1].p;
  };

  // Operations that change nothing leave the geometry alone.
  line.rotate(Angle(0, 1), ArtboardPoint(3, 3), false);
  line.scale(1, 1, ArtboardPoint(3, 3), false);
  line.rotateAbout(Angle(90, 2), 0, false);
  line.translate(0, 0, false);
  line.moveFromTo(ArtboardPoint(4, 4), ArtboardPoint(4, 4), false);
  EXPECT_TRUE(unchanged());

  line.translate(5, 5, false);
  expectPoint(ends(line)[0], 5, 5, "translated start");
  EXPECT_EQ(doc->findById("p")->segments[0].p.v, -5) << "the host moved down, by y negated";

  line.moveFromTo(ArtboardPoint(10, 10), ArtboardPoint(0, 0), false);
  expectPoint(ends(line)[0], 15, 15, "moved start");

  line.moveBoundsPointTo(ArtboardPoint(0, 0), qor::core::RefPointTopLeft, false);
  expectPoint(ends(line)[0], 0, 0, "top left on the origin");

  // A code beyond the nine turns about the top left, like code 1.
  Angle quarter(90, 2);
  line.rotateAbout(quarter, 12, false);
  ArtboardPoint expected = ArtboardPoint(10, 0).rotatedAround(ArtboardPoint(0, 0), quarter);
  expectPoint(ends(line)[0], 0, 0, "pivot stays");
  expectPoint(ends(line)[1], expected.x, expected.y, "end turned");

  rect.scale(1, 2, ArtboardPoint(10, 10), false);
  EXPECT_DOUBLE_EQ(rect.bounds66().bottom(), 50);
  rect.scaleUniformAboutCenter(0.5, false);
  ArtboardRect r = rect.bounds66();
  EXPECT_DOUBLE_EQ(r.right() - r.left(), 5);
  EXPECT_DOUBLE_EQ((r.top() + r.bottom()) / 2, 30);

  qor::core::TransformMatrix m;
  m.setTranslation(1, 2);
  rect.transform(m, false);
  EXPECT_DOUBLE_EQ(rect.bounds66().top(), r.top() + 2);

  doc->findById("r")->strokeWidth = 2;
  rect.scaleStrokes(3, false);
  EXPECT_DOUBLE_EQ(doc->findById("r")->strokeWidth, 6);
  EXPECT_DOUBLE_EQ(rect.bounds66().top(), r.top() + 2) << "only the strokes change";
}

TEST_F(Artwork, MatchingArtConvertsItsQuery)
{
  hostsim::Document* doc = open("<g id='g'><path id='a' d='M0 0 L1 0'/><path id='b' d='M0 1 L1 1'/>"
                                "<g id='inner'><path id='c' d='M0 2 L1 2'/></g></g>");
  doc->findById("b")->attrs |= hostsim::Art::kSelected;
  Art group(handleOf(doc->findById("g")));
  using qor::core::ArtMatchSpec;
  struct Case {
    std::vector<ArtMatchSpec> query;
    std::vector<std::string> ids;
  };
  for (const Case& c : {Case{{}, {}},
                        Case{{ArtMatchSpec{0, 0, 0, 10}}, {}}, // no type: the host is not asked
                        // In the host's order: the topmost art first.
                        Case{{ArtMatchSpec{0, 0x2, 0, 10}}, {"c", "b", "a"}},
                        Case{{ArtMatchSpec{0, 0x2, 0x1, 10}}, {"b"}},
                        Case{{ArtMatchSpec{0, 0x2, 0x1, 20}}, {"c", "a"}},
                        Case{{ArtMatchSpec{0, 0x1, 0, 10}}, {"inner"}},
                        Case{{ArtMatchSpec{0, -1, 0x1, 10}}, {"b"}}}) {
    std::vector<Art*> found = group.matchingArt(c.query);
    std::vector<std::string> ids;
    for (Art* a : found) {
      auto* host = static_cast<hostsim::Art*>(hostsim::Handles::instance().findAny(a->hostHandle()));
      ids.push_back(host ? host->svgId : "?");
      delete a;
    }
    EXPECT_EQ(ids, c.ids);
  }
}

TEST_F(Artwork, IsolationWalksUpToTheLayer)
{
  hostsim::Document* doc = open("<g id='outer'><g id='g'><path id='p' d='M0 0 L1 0'/></g></g>"
                                "<g id='other'><path id='q' d='M0 1 L1 1'/></g>");
  Art p(handleOf(doc->findById("p")));
  Art g(handleOf(doc->findById("g")));
  Art q(handleOf(doc->findById("q")));
  EXPECT_FALSE(p.isolationQuery());
  EXPECT_FALSE(p.isolationSet(true)) << "nothing on the way up answers to isolation";
  EXPECT_FALSE(p.inIsolatedArt());

  doc->isolated = doc->findById("g");
  EXPECT_TRUE(p.isolationQuery()) << "its group is the isolated art";
  EXPECT_TRUE(g.isolationQuery());
  EXPECT_FALSE(q.isolationQuery());
  EXPECT_TRUE(p.inIsolatedArt());
  EXPECT_FALSE(q.inIsolatedArt());

  EXPECT_TRUE(p.isolationSet(false)) << "the group found on the way up leaves isolation";
  EXPECT_EQ(doc->isolated, nullptr);
}

}  // namespace artPlacementTest

namespace artPlacementTest {

TEST_F(Artwork, SymbolsAndStylesOfArt)
{
  hostsim::Document* doc = open("<path id='red' d='M0 0 L10 0 L10 10 Z' fill='#ff0000'/>"
                                "<path id='plain' d='M0 20 L10 20 L10 30 Z'/>");
  hostsim::Symbol* first = doc->make<hostsim::Symbol>(doc);
  hostsim::Symbol* second = doc->make<hostsim::Symbol>(doc);
  first->art = doc->findById("red");
  second->art = doc->findById("plain");
  const SymbolSuite* suite = nullptr;
  ASSERT_EQ(app.basicSuite()->acquireSuite(kSymbolSuiteName, kSymbolSuiteVersion,
                                           reinterpret_cast<const void**>(&suite)),
            0);
  ArtHandle instance = nullptr;
  ASSERT_EQ(suite->placeSymbolInstance(static_cast<SymbolHandle>(first->handle()), RealPoint{50, -50}, 5, nullptr,
                                       &instance),
            0);
  app.basicSuite()->releaseSuite(kSymbolSuiteName, kSymbolSuiteVersion);

  Art placed(instance);
  Art plain(handleOf(doc->findById("plain")));
  std::unique_ptr<qor::core::Symbol> symbol(placed.symbol());
  ASSERT_TRUE(symbol);
  EXPECT_EQ(symbol->data()->impl->hostHandle(), static_cast<void*>(first->handle()));
  EXPECT_FALSE(plain.symbol()) << "a path has no symbol";

  // The other symbol's handle, taken from an instance of it.
  ArtHandle secondInstance = nullptr;
  suite->placeSymbolInstance(static_cast<SymbolHandle>(second->handle()), RealPoint{0, 0}, 5, nullptr,
                             &secondInstance);
  std::unique_ptr<qor::core::Symbol> other(Art(secondInstance).symbol());
  ASSERT_TRUE(other);
  EXPECT_TRUE(placed.setSymbol(*other));
  std::unique_ptr<qor::core::Symbol> now(placed.symbol());
  EXPECT_EQ(now->data(), other->data()) << "the instance shows the other symbol";
  EXPECT_TRUE(plain.setSymbol(*other)) << "true although a path takes no symbol";
  EXPECT_FALSE(Art(nullptr).setSymbol(*other));

  // A style taken from the red path repaints the plain one.
  Art red(handleOf(doc->findById("red")));
  std::unique_ptr<qor::core::ArtStyle> style(red.artStyle());
  ASSERT_TRUE(style);
  plain.setArtStyle(*style);
  EXPECT_TRUE(plain.isStyledArt());
  EXPECT_EQ(doc->findById("plain")->fillPaint.values[0], 1.0);
  EXPECT_FALSE(Art(nullptr).artStyle());
}

}  // namespace artPlacementTest

// The framework's hit test on small drawings in the simulated host: anchors, handles, curves, fills,
// misses at the tolerance's edge, guides, locked and hidden art, clipping groups and text frames.
#include <memory>

#include "../artwork/artworkFixture.h"
#include "aip/qoraipArt.h"
#include "aip/qoraipBezier.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipDocumentView.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipHitData.h"
#include "aip/qoraipTextRange.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreBezier.h"
#include "core/qorcoreHitData.h"
#include "hostsimDocument.h"

namespace hitDataTest {
using artworktest::Artwork;
using qor::aip::ArtboardPoint;
using qor::aip::HitData;

constexpr int32_t kAll = -1;
constexpr int32_t kAllButGuides = -65537;

class Hits : public Artwork {
protected:
  // A hit test over the whole document, tolerance in artwork units.
  static std::unique_ptr<HitData> at(double x, double y, int32_t request, double tol = 2)
  {
    return std::make_unique<HitData>(nullptr, ArtboardPoint(x, y), request, tol, false);
  }

  static ArtHandle hitHandle(const HitData& h) { return h.art() ? h.art()->hostHandle() : nullptr; }

  ArtHandle idHandle(const char* id) { return handleOf(doc->findById(id)); }

  hostsim::Document* doc = nullptr;
};

TEST_F(Hits, PartsOfAnOpenPath)
{
  // A curve from (0,0) to (100,0) with handles (20,10) and (80,10), then a line down to (100,100), so
  // that the handles lie inside the path's bounds. The curve's middle is (50,7.5).
  doc = open("<path id='c' fill='none' d='M0 0 C20 10 80 10 100 0 L100 100'/>");
  struct Case {
    const char* what;
    double x, y;
    int32_t request;
    int32_t part, segment, bezier;
    double t;
    double hx, hy;
  } cases[] = {
      {"first anchor", 0.5, 0.5, kAll, HitData::AnchorPart, 0, 0, 0.0001, 0, 0},
      {"middle anchor", 99, 1, kAll, HitData::AnchorPart, 1, 1, 0, 100, 0},
      {"last anchor belongs to the last piece", 100, 99, kAll, HitData::AnchorPart, 2, 1, 0.9999, 100, 100},
      {"out handle", 20, 9, kAll, HitData::OutHandlePart, 0, 0, 0.0001, 20, 10},
      {"in handle", 80, 11, kAll, HitData::InHandlePart, 1, 1, 0, 80, 10},
      {"only the anchors were asked for", 20, 9, 0x1, HitData::NoPart, -1, -1, 0, 20, 9},
      {"inside the unfilled path, away from its outline", 50, 30, kAll, HitData::NoPart, -1, -1, 0, 50, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto h = at(c.x, c.y, c.request);
    EXPECT_EQ(h->hit(), c.part != HitData::NoPart);
    EXPECT_EQ(h->hitPart(), c.part);
    EXPECT_EQ(h->segmentIndex(), c.segment);
    EXPECT_EQ(h->bezierIndex(), c.bezier);
    EXPECT_DOUBLE_EQ(h->t(), c.t);
    EXPECT_EQ(h->point(), ArtboardPoint(c.hx, c.hy));
  }

  auto onCurve = at(50, 6.5, kAll);
  ASSERT_TRUE(onCurve->hit());
  EXPECT_EQ(onCurve->hitPart(), HitData::SegmentPart);
  EXPECT_EQ(hitHandle(*onCurve), idHandle("c"));
  EXPECT_EQ(onCurve->segmentIndex(), 0);
  EXPECT_NEAR(onCurve->t(), 0.5, 0.05);
  EXPECT_LE(onCurve->point().distanceTo(ArtboardPoint(50, 6.5)), 2.0);
  qor::aip::Bezier* piece = onCurve->bezier();
  ASSERT_TRUE(piece);
  EXPECT_EQ(piece->p1(), ArtboardPoint(20, 10));
  EXPECT_LT(piece->pointAt(onCurve->t()).distanceTo(onCurve->point()), 1e-9);
}

TEST_F(Hits, StraightPiecesAndTheToleranceEdge)
{
  doc = open("<path id='l' fill='none' d='M0 0 L100 0'/>");
  auto segment = at(40, 1.5, kAll);
  ASSERT_TRUE(segment->hit());
  EXPECT_EQ(segment->hitPart(), HitData::SegmentPart);
  EXPECT_NEAR(segment->point().x, 40, 1e-9);
  EXPECT_NEAR(segment->point().y, 0, 1e-9);
  EXPECT_NEAR(segment->bezier()->pointAt(segment->t()).x, 40, 1e-3) << "t is the parameter of the foot";
  EXPECT_FALSE(at(40, 2.5, kAll)->hit());
  // Beyond the line's end, within tol of its extension but not of the line: no hit.
  EXPECT_FALSE(at(101.9, 1.9, 0x8)->hit());

  // Exactly tol away from an anchor is no anchor hit.
  EXPECT_FALSE(at(0, -2, 0x1)->hit());
  EXPECT_TRUE(at(0, -1.99, 0x1)->hit());
  // A handle lying on its anchor is never a handle, even without the anchor in the request.
  EXPECT_FALSE(at(0, 0, 0x2 | 0x4)->hit());
  // Next to an anchor the curve is not searched; without anchors in the request it is.
  EXPECT_EQ(at(1, 0.5, 0x9)->hitPart(), HitData::AnchorPart);
  EXPECT_EQ(at(1, 0.5, 0x8)->hitPart(), HitData::SegmentPart);
  // Tolerance in view units follows the zoom: 2 view units at zoom 0.5 are 4 artwork units.
  EXPECT_FALSE((HitData(nullptr, ArtboardPoint(40, 3), kAll, 2, true).hit()));
  qor::aip::Illustrator::instance()->currentDocument()->currentView()->setZoom(0.5);
  EXPECT_TRUE((HitData(nullptr, ArtboardPoint(40, 3), kAll, 2, true).hit()));
}

TEST_F(Hits, OutHandleWinsATieWithAnInHandle)
{
  // Out handle (40,40) of the first anchor, in handle (60,40) of the second, both 10 from (50,40).
  doc = open("<path fill='none' d='M0 0 C40 40 60 40 100 0 L100 100'/>");
  auto h = at(50, 40, 0x2 | 0x4, 20);
  ASSERT_TRUE(h->hit());
  EXPECT_EQ(h->hitPart(), HitData::OutHandlePart);
  EXPECT_EQ(h->point(), ArtboardPoint(40, 40));
  EXPECT_EQ(at(50.1, 40, 0x2 | 0x4, 20)->hitPart(), HitData::InHandlePart);
}

TEST_F(Hits, FilledInsides)
{
  doc = open("<path id='full' d='M0 0 H100 V100 H0 Z'/><path id='empty' fill='none' d='M200 0 H300 V100 H200 Z'/>");
  auto inside = at(50, 50, 0x10, 1);
  ASSERT_TRUE(inside->hit());
  EXPECT_EQ(inside->hitPart(), HitData::ObjectPart);
  EXPECT_EQ(inside->point(), ArtboardPoint(50, 50));
  EXPECT_EQ(inside->segmentIndex(), -1);
  EXPECT_EQ(hitHandle(*inside), idHandle("full"));
  EXPECT_FALSE(at(250, 50, 0x10, 1)->hit()) << "unfilled";
  EXPECT_FALSE(at(50, 50, 0x1 | 0x8, 1)->hit()) << "fill not asked for";
  EXPECT_FALSE(at(150, 50, kAll, 1)->hit()) << "between the two";
}

TEST_F(Hits, GuidesLockedAndHiddenArt)
{
  doc = open("<g><path id='guide' fill='none' d='M0 0 L100 0'/>"
             "<g data-locked='true'><path d='M0 50 L100 50'/></g>"
             "<g visibility='hidden'><path d='M0 100 L100 100'/></g></g>");
  doc->findById("guide")->guide = true;
  EXPECT_FALSE(at(50, 0, kAllButGuides)->hit());
  EXPECT_TRUE(at(50, 0, kAll)->hit());
  EXPECT_FALSE(at(50, 50, kAll)->hit()) << "inside a locked group";
  EXPECT_FALSE(at(50, 100, kAll)->hit()) << "inside a hidden group";
}

TEST_F(Hits, ArtInAClippingGroupIsHitOnlyInsideTheMask)
{
  doc = open("<g><g id='clip'><path id='mask' fill='none' d='M0 0 H50 V50 H0 Z'/>"
             "<path id='body' d='M0 0 H100 V100 H0 Z'/></g></g>");
  doc->findById("clip")->clipGroup = true;
  doc->findById("mask")->attrs |= hostsim::Art::kClipMask;
  auto inside = at(25, 25, 0x10, 1);
  ASSERT_TRUE(inside->hit());
  EXPECT_EQ(hitHandle(*inside), idHandle("body"));
  EXPECT_FALSE(at(75, 75, 0x10, 1)->hit());
  EXPECT_FALSE(at(99.5, 99.5, kAll, 1)->hit()) << "the body's anchor is clipped away as well";
  // A mask outside the group does not clip.
  doc->findById("clip")->clipGroup = false;
  EXPECT_TRUE(at(75, 75, 0x10, 1)->hit());
}

TEST_F(Hits, NoDocumentNoHit)
{
  auto h = at(0, 0, kAll);
  EXPECT_FALSE(h->hit());
  EXPECT_EQ(h->requestFlags(), kAll);
  ArtboardPoint out(7, 7);
  EXPECT_FALSE(h->hitPoint(out));
  EXPECT_EQ(out, ArtboardPoint(7, 7));
  EXPECT_EQ(h->bezier(), nullptr);
  EXPECT_EQ(h->textRange(), nullptr);
}

TEST_F(Hits, GlyphOfATextFrameUnderTheHit)
{
  doc = open("<g><path id='p' d='M200 200 H210 V210 Z'/></g>");
  // A frame from (10, 20) to (40, 30); the host outlines each visible character as a 5-unit triangle
  // every 6 units from the frame's left edge, sitting on its bottom.
  hostsim::Art* frame = doc->newArt(hostsim::Art::kTextFrame);
  frame->segments = {{{10, -20}, {10, -20}, {10, -20}}, {{40, -20}, {40, -20}, {40, -20}},
                     {{40, -30}, {40, -30}, {40, -30}}, {{10, -30}, {10, -30}, {10, -30}}};
  frame->closed = true;
  frame->text = "ab c";
  doc->layers.front()->group->insertFirst(frame);
  size_t before = doc->layers.front()->group->childCount();

  qor::aip::Art art(handleOf(frame));
  struct Case {
    double x;
    int32_t glyph, character;
  } cases[] = {{14, 0, 0}, {20, 1, 1}, {32, 2, 3}, {38.5, 2, 3}};
  for (const Case& c : cases) {
    HitData h(&art, ArtboardPoint(c.x, 29), kAll, 1, false);
    ASSERT_TRUE(h.hit());
    EXPECT_EQ(h.hitPart(), HitData::ObjectPart);
    EXPECT_EQ(h.glyphUnderHit(), c.glyph) << c.x;
    EXPECT_EQ(HitData::characterOfGlyph(frame->text, c.glyph), c.character);
    qor::aip::TextRange* range = h.textRange();
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->start(), c.character);
    EXPECT_EQ(range->size(), 1);
  }
  EXPECT_EQ(doc->layers.front()->group->childCount(), before) << "the outlined copy is gone again";
  EXPECT_EQ(doc->layers.size(), 1u);
  auto path = at(205, 205, kAll);
  ASSERT_TRUE(path->hit());
  EXPECT_EQ(path->glyphUnderHit(), -1) << "not a text frame";
}

TEST_F(Hits, ClientRecordsCopyCompareAndHandOutNewObjects)
{
  doc = open("<path id='l' fill='none' d='M0 0 L100 0'/>");
  qor::core::HitData empty;
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.segmentIndex(), -1);
  EXPECT_EQ(empty.hitPart(), 0);
  qor::core::ArtboardPoint p(3, 4);
  EXPECT_FALSE(empty.hitPoint(p));

  auto h = at(40, 1, 0x8);
  qor::core::HitData a = qor::core::wrapHitData(*h);
  h.reset();
  EXPECT_TRUE(a.hit());
  EXPECT_EQ(a.requestFlags(), 0x8);
  EXPECT_EQ(a.hitPart(), 40);
  EXPECT_NEAR(a.point().x, 40, 1e-9);
  EXPECT_TRUE(a.hitPointForPart(40, p));
  EXPECT_EQ(p, a.point());
  EXPECT_FALSE(a.hitPointForPart(10, p));
  EXPECT_FALSE(a.hitPointForPart(45, p)) << "not a part";

  std::unique_ptr<qor::core::Art> art(a.art());
  ASSERT_TRUE(art);
  EXPECT_EQ(art->hostHandle(), idHandle("l"));
  std::unique_ptr<qor::core::Bezier> piece(a.bezier());
  ASSERT_TRUE(piece);
  EXPECT_EQ(piece->p3(), qor::core::ArtboardPoint(100, 0));

  auto copy = std::make_unique<qor::core::HitData>(a);
  EXPECT_TRUE(*copy == a);
  a = a;
  EXPECT_TRUE(a.hit());
  qor::core::HitData b;
  b = *copy;
  copy.reset();
  EXPECT_TRUE(b == a) << "a copy survives the handle it came from";
  EXPECT_TRUE(b != empty);
  EXPECT_TRUE(empty == qor::core::HitData());
  qor::core::HitData other = qor::core::wrapHitData(*at(60, 1, 0x8));
  EXPECT_TRUE(other != a);
}

}  // namespace hitDataTest

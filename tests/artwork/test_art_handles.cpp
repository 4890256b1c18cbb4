// Art handles, their registry and the path facet, through the plug-in running in the simulated host.
#include <cmath>
#include <memory>
#include <vector>

#include "aip/qoraipArt.h"
#include "aip/qoraipPath.h"
#include "artworkFixture.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreIntArtData.h"
#include "core/qorcoreLayer.h"
#include "hostsimContainers.h"
#include "hostsimPaint.h"

namespace artHandlesTest {
using artworktest::Artwork;
using qor::core::Art;
using qor::core::ArtboardPoint;
using qor::core::ArtboardSegPoint;

TEST_F(Artwork, HandlesOfOneArtShareOneRecord)
{
  hostsim::Document* doc = open("<path id='p' d='M0 0 L10 0'/>");
  ArtHandle host = handleOf(doc->findById("p"));
  CoreGlobals* globals = qor::core::handleGlobals();
  {
    Art a(host);
    Art b(host);
    EXPECT_EQ(globals->artRegistry.size(), 1u);
    EXPECT_EQ(a.data(), b.data());
    EXPECT_EQ(a.data()->count, 2);
    EXPECT_TRUE(a.equals(b));
    EXPECT_EQ(a.type(), qor::core::ArtTypePath);

    // An implementation for a host art that has a record is dropped and the pointer nulled.
    qor::aip::Art* impl = new qor::aip::Art(host);
    Art c = Art::ArtFromImpl(impl);
    EXPECT_EQ(impl, nullptr);
    EXPECT_EQ(c.data(), a.data());
    EXPECT_EQ(a.data()->count, 3);

    // Assigning to itself or between sharers changes nothing.
    b.assign(b);
    b.assign(a);
    EXPECT_EQ(a.data()->count, 3);
    {
      Art d(b);
      EXPECT_EQ(a.data()->count, 4);
    }
    EXPECT_EQ(a.data()->count, 3);
  }
  EXPECT_EQ(globals->artRegistry.size(), 0u) << "the last handle removes the record";

  Art empty(nullptr);
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.type(), qor::core::ArtTypeNone);
  EXPECT_EQ(empty.path(), nullptr);
  EXPECT_EQ(globals->artRegistry.size(), 0u);
  Art other = Art::ArtEmpty();
  EXPECT_TRUE(empty.equals(other)) << "two handles without implementation are equal";
  Art real(host);
  EXPECT_FALSE(real.equals(empty));
  EXPECT_FALSE(empty.equals(real));
}

TEST_F(Artwork, TreeWalkSelectionAndDisposal)
{
  hostsim::Document* doc = open("<g id='L'><g id='g'><path id='a' d='M0 0 L1 0'/><path id='b' d='M0 1 L1 1'/>"
                                "<path id='c' d='M0 2 L1 2'/></g><path id='lone' d='M5 5 L6 6'/></g>");
  Art group(handleOf(doc->findById("g")));
  EXPECT_EQ(group.type(), qor::core::ArtTypeGroup);
  EXPECT_EQ(group.childCount(), 3);
  std::vector<std::string> ids;
  {
    std::unique_ptr<Art> first(group.firstChild());
    Art::Iterator it;
    first->begin(it);
    for (; !it.atEnd(); it.next()) {
      std::unique_ptr<Art> child(it.art());
      for (const char* id : {"a", "b", "c"})
        if (child->hostHandle() == handleOf(doc->findById(id)))
          ids.push_back(id);
    }
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"c", "b", "a"})) << "topmost first";
  {
    std::unique_ptr<Art> last(group.lastChild());
    Art::Iterator it;
    last->begin(it);
    int n = 0;
    for (; !it.atEnd(); it.next())
      ++n;
    EXPECT_EQ(n, 1) << "a walk from the last child yields one art";
  }

  // Selecting a group selects everything inside it; a lone path only itself.
  group.select();
  Art a(handleOf(doc->findById("a")));
  EXPECT_TRUE(a.selected());
  EXPECT_TRUE(a.fullySelected());
  EXPECT_TRUE(a.ancestorSelected());
  Art lone(handleOf(doc->findById("lone")));
  EXPECT_FALSE(lone.selected());
  lone.setLocked(true);
  lone.setHidden(true);
  EXPECT_EQ(lone.attributes(), 0xC);
  lone.setAttributes(0x100);
  EXPECT_FALSE(lone.locked());

  std::unique_ptr<Art> parent(a.parent());
  EXPECT_TRUE(parent->equals(group));
  std::unique_ptr<qor::core::Layer> layer(a.layer());
  ASSERT_TRUE(layer);
  EXPECT_EQ(layer->title(), "L");

  EXPECT_FALSE(lone.disposeChildren()) << "a path has no children";
  EXPECT_TRUE(group.disposeChildren());
  EXPECT_EQ(group.childCount(), 0);
  EXPECT_FALSE(a.valid());
  EXPECT_TRUE(lone.dispose());
  EXPECT_FALSE(lone.valid());
  EXPECT_FALSE(lone.dispose()) << "a disposed art refuses further host calls";
}

TEST_F(Artwork, PathCountsEndsAndPieces)
{
  hostsim::Document* doc =
      open("<path id='open' d='M0 0 L10 0 L10 10 L0 10'/><path id='closed' d='M0 0 L10 0 L10 10 L0 10 Z'/>"
           "<path id='one' d='M3 4'/>");
  Art open(handleOf(doc->findById("open")));
  Art closed(handleOf(doc->findById("closed")));
  Art::Path* po = open.path();
  Art::Path* pc = closed.path();
  EXPECT_EQ(po->segmentCount(), 4);
  EXPECT_EQ(po->bezierCount(), 3);
  EXPECT_EQ(pc->bezierCount(), 4);
  // y comes back negated from the host: artboard coordinates grow downward as in the SVG.
  std::vector<ArtboardSegPoint> segs = po->segments(0, 4);
  ASSERT_EQ(segs.size(), 4u);
  EXPECT_EQ(segs[2].anchor, ArtboardPoint(10, 10));
  ArtboardPoint first, last;
  po->endPoints(first, last);
  EXPECT_EQ(first, ArtboardPoint(0, 0));
  EXPECT_EQ(last, ArtboardPoint(0, 10));
  std::unique_ptr<qor::core::Bezier> closing(pc->bezier(3));
  EXPECT_EQ(closing->p0(), ArtboardPoint(0, 10));
  EXPECT_EQ(closing->p3(), ArtboardPoint(0, 0));
  std::unique_ptr<qor::core::Bezier> past(po->bezier(7)), two(po->bezier(2));
  EXPECT_TRUE(past->equals(*two));
  EXPECT_FALSE(two->isCurved());

  Art one(handleOf(doc->findById("one")));
  EXPECT_EQ(one.path()->bezierCount(), 0);
  one.path()->endPoints(first, last);
  EXPECT_EQ(first, ArtboardPoint(3, 4));
  EXPECT_EQ(last, ArtboardPoint(3, 4));

  // Piece counts set the segment counts by the closed flag.
  po->setBezierCount(3);
  EXPECT_EQ(po->segmentCount(), 4);
  pc->setBezierCount(3);
  EXPECT_EQ(pc->segmentCount(), 3);
  pc->setBezierCount(4);

  // Five points with the first repeated: a closed path of four pieces keeps four, an open path five.
  std::vector<ArtboardSegPoint> five;
  for (ArtboardPoint p : {ArtboardPoint(0, 0), ArtboardPoint(5, 0), ArtboardPoint(5, 5), ArtboardPoint(0, 5),
                          ArtboardPoint(0, 0)})
    five.emplace_back(p, p, p, true);
  pc->setSegmentsClosedAware(0, five);
  EXPECT_EQ(pc->segmentCount(), 4);
  po->setSegmentsClosedAware(0, five);
  EXPECT_EQ(po->segmentCount(), 5);

  po->removeSegments(-3, 1);
  EXPECT_EQ(po->segmentCount(), 4);
  EXPECT_EQ(po->segments(0, 1).at(0).anchor, ArtboardPoint(5, 0));
  po->removeSegments(1, 0);
  EXPECT_EQ(po->segmentCount(), 4);
  // The join's pattern: clear, grow back to one, then write n - 1 segments into the open path.
  po->removeSegments(0, 4);
  EXPECT_EQ(po->segmentCount(), 0);
  po->setBezierCount(0);
  EXPECT_EQ(po->segmentCount(), 1);
  po->setSegmentsClosedAware(0, std::vector<ArtboardSegPoint>(five.begin(), five.begin() + 4));
  EXPECT_EQ(po->segmentCount(), 4);
}

TEST_F(Artwork, SegmentCountsOverSixteenBitsNeverOverrunTheBuffer)
{
  hostsim::Document* doc = open("<path id='p' d='M0 0 L1 0 L2 0 L3 0 L4 0'/>");
  Art p(handleOf(doc->findById("p")));
  // 40000 is -25536 in the host's 16 bits: nothing is asked for and nothing written.
  EXPECT_TRUE(p.path()->segments(0, 40000).empty());
  // 65539 is 3 in 16 bits: three segments, in a buffer of three.
  EXPECT_EQ(p.path()->segments(0, 65539).size(), 3u);
  // Asking past the end gives what the host has.
  EXPECT_EQ(p.path()->segments(3, 5).size(), 0u);
  EXPECT_EQ(p.path()->segments(0, 5).size(), 5u);
}

TEST_F(Artwork, PathOf32000SegmentsThroughTheHandles)
{
  hostsim::Document* doc = open("<path id='p' d='M0 0'/>");
  Art p(handleOf(doc->findById("p")));
  std::vector<ArtboardSegPoint> many;
  many.reserve(32000);
  for (int i = 0; i < 32000; ++i)
    many.emplace_back(ArtboardPoint(i, i % 3), ArtboardPoint(i - 0.25, i % 3), ArtboardPoint(i + 0.25, i % 3), true);
  p.path()->setSegments(0, many);
  ASSERT_EQ(p.path()->segmentCount(), 32000);
  std::vector<ArtboardSegPoint> back = p.path()->segments(0, 32000);
  ASSERT_EQ(back.size(), 32000u);
  EXPECT_TRUE(back[31999].equals(many[31999]));
  EXPECT_TRUE(back[12345].equals(many[12345]));

  // Reversing keeps the shape: the anchors run backwards and each in and out trade places.
  p.path()->reverse();
  std::vector<ArtboardSegPoint> rev = p.path()->segments(0, 32000);
  ASSERT_EQ(rev.size(), 32000u);
  EXPECT_EQ(rev[0].anchor, many[31999].anchor);
  EXPECT_EQ(rev[0].in, many[31999].out);
  EXPECT_EQ(rev[0].out, many[31999].in);
  EXPECT_EQ(rev[31999].anchor, many[0].anchor);
}

TEST_F(Artwork, CornersCurvesAndContainment)
{
  hostsim::Document* doc = open("<path id='sq' d='M0 0 H10 V10 H0 Z'/>"
                                "<path id='nest' d='M0 0 H10 V10 H0 V0 M2 2 H8 V8 H2 V2 Z'/>");
  ArtboardSegPoint a(ArtboardPoint(0, 0), ArtboardPoint(0, 0), ArtboardPoint(0.005, 0), false);
  ArtboardSegPoint b(ArtboardPoint(5, 0), ArtboardPoint(5, 0.009), ArtboardPoint(5, 0), false);
  EXPECT_FALSE(a.isCurvedTo(b));
  b.in = ArtboardPoint(5, 0.02);
  EXPECT_TRUE(a.isCurvedTo(b));

  Art sq(handleOf(doc->findById("sq")));
  EXPECT_TRUE(sq.path()->containsPoint(ArtboardPoint(5, 5)));
  EXPECT_FALSE(sq.path()->containsPoint(ArtboardPoint(10.5, 5)));
  EXPECT_DOUBLE_EQ(sq.area(), 100);
  EXPECT_DOUBLE_EQ(sq.length(), 40);
  qor::core::ArtboardRect r = sq.bounds66();
  EXPECT_DOUBLE_EQ(r.right() - r.left(), 10);

  // One closed path drawn round a square and then round a smaller one inside: the centre is outside.
  hostsim::Art* nestModel = doc->findById("nest");
  ASSERT_EQ(nestModel->type, hostsim::Art::kCompoundPath);
  hostsim::Art* outer = nestModel->last;
  std::vector<hostsim::Segment> joined = outer->segments;
  for (const hostsim::Segment& s : nestModel->first->segments)
    joined.push_back(s);
  hostsim::Art* both = doc->newPath(joined, true);
  doc->layers[0]->group->insertFirst(both);
  Art nest(handleOf(both));
  EXPECT_FALSE(nest.path()->containsPoint(ArtboardPoint(5, 5)));
  EXPECT_TRUE(nest.path()->containsPoint(ArtboardPoint(1, 5)));
}

TEST_F(Artwork, ExpandedArtKeepsOneRecordUnderItsNewHandle)
{
  hostsim::Document* doc = open("<path id='p' d='M0 0 L10 0'/>");
  ArtHandle before = handleOf(doc->findById("p"));
  CoreGlobals* globals = qor::core::handleGlobals();
  Art art(before);
  ASSERT_TRUE(art.expand(qor::core::ExpandNone, 1));
  ArtHandle after = art.hostHandle();
  EXPECT_NE(after, before) << "the host replaced the art";
  EXPECT_EQ(art.type(), qor::core::ArtTypeGroup);
  qor::core::__IntArtData* found = nullptr;
  EXPECT_FALSE(globals->artRegistry.get(before, found)) << "no record stays under the replaced handle";
  ASSERT_TRUE(globals->artRegistry.get(after, found));
  EXPECT_EQ(found, art.data());
  Art again(after);
  EXPECT_EQ(again.data(), art.data()) << "a handle of the new art joins the same record";
}

TEST_F(Artwork, SymbolOfAFlatDefinitionMeasuresWithoutNaN)
{
  hostsim::Document* doc = open("<path id='line' d='M0 0 L10 0' fill='none'/>");
  hostsim::Symbol* symbol = doc->make<hostsim::Symbol>(doc);
  symbol->art = doc->findById("line");
  ArtHandle instance = nullptr;
  const SymbolSuite* suite = nullptr;
  ASSERT_EQ(app.basicSuite()->acquireSuite(kSymbolSuiteName, kSymbolSuiteVersion,
                                           reinterpret_cast<const void**>(&suite)),
            0);
  ASSERT_EQ(suite->placeSymbolInstance(static_cast<SymbolHandle>(symbol->handle()), RealPoint{50, -50}, 5, nullptr,
                                       &instance),
            0);
  app.basicSuite()->releaseSuite(kSymbolSuiteName, kSymbolSuiteVersion);
  Art art(instance);
  EXPECT_EQ(art.type(), qor::core::ArtTypeSymbolInstance);
  EXPECT_EQ(art.area(), 0);
  EXPECT_FALSE(std::isnan(art.area()));
  EXPECT_DOUBLE_EQ(art.length(), 10);
}

}  // namespace artHandlesTest

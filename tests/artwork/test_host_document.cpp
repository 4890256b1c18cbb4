// The simulated host's document suites over its document model.
#include "hostsimContainers.h"
#include "hostsimDocumentSuites.h"
#include "hostsimWorkspace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace hostDocumentTest {
using namespace hostsim;

ArtHandle h(const Art* a) { return static_cast<ArtHandle>(a->handle()); }
LayerHandle h(const Layer* l) { return static_cast<LayerHandle>(l->handle()); }

class HostDocument : public ::testing::Test {
protected:
  void SetUp() override { doc = Workspace::instance().newDocument("test"); }
  void TearDown() override { Workspace::instance().closeAll(); }

  // A path on the current layer: anchors at the given points, handles pulled off a little so pieces curve.
  Art* addPath(std::vector<Pt> anchors, bool closed = false)
  {
    std::vector<Segment> segs;
    for (size_t i = 0; i < anchors.size(); ++i) {
      Pt p = anchors[i];
      segs.push_back({p, {p.h - 1, p.v + 0.5 * i}, {p.h + 1, p.v - 0.25 * i}, false});
    }
    Art* a = doc->newPath(segs, closed);
    doc->currentLayer->group->insertFirst(a);
    return a;
  }

  const ArtSuite& art = DocumentSuites::art();
  const PathSuite& path = DocumentSuites::path();
  const LayerSuite& layer = DocumentSuites::layer();
  Document* doc = nullptr;
};

TEST_F(HostDocument, HandlesIncreaseAndDeadOnesFailEverywhere)
{
  Art* a = addPath({{0, 0}, {10, 0}});
  Art* b = addPath({{0, 0}, {10, 0}});
  EXPECT_LT(reinterpret_cast<uintptr_t>(h(a)), reinterpret_cast<uintptr_t>(h(b)));
  ArtHandle dead = h(a);
  ASSERT_EQ(art.disposeArt(dead), 0);
  Art* c = addPath({{0, 0}});
  EXPECT_NE(h(c), dead) << "a disposed handle is never minted again";
  EXPECT_FALSE(art.isArtValid(dead, 1));
  EXPECT_TRUE(art.isArtValid(h(b), 1));

  int16_t type = 0, count = 0;
  int32_t attrs = 0;
  ArtHandle out = nullptr;
  PathSegment seg{};
  LayerHandle layerOut = nullptr;
  for (ArtHandle bad : {dead, ArtHandle(nullptr), reinterpret_cast<ArtHandle>(h(doc->currentLayer))}) {
    EXPECT_NE(art.getArtType(bad, &type), 0);
    EXPECT_NE(art.getArtUserAttributes(bad, -1, &attrs), 0);
    EXPECT_NE(art.setArtUserAttributes(bad, 1, 1), 0);
    EXPECT_NE(art.getArtParent(bad, &out), 0);
    EXPECT_NE(art.getArtNextSibling(bad, &out), 0);
    EXPECT_NE(art.disposeArt(bad), 0);
    EXPECT_NE(art.getLayerOfArt(bad, &layerOut), 0);
    EXPECT_NE(path.getSegmentCount(bad, &count), 0);
    EXPECT_NE(path.getPathSegments(bad, 0, 1, &seg), 0);
    EXPECT_NE(path.reversePath(bad), 0);
  }
  EXPECT_EQ(type, 0) << "nothing is written on failure";
  EXPECT_NE(layer.getNextLayer(nullptr, &layerOut), 0);
  EXPECT_NE(layer.getLayerVisible(reinterpret_cast<LayerHandle>(h(b)), nullptr), 0);
}

TEST_F(HostDocument, PathOf32000SegmentsReadsAndWritesWhole)
{
  Art* a = addPath({{0, 0}});
  std::vector<PathSegment> segs(32000);
  for (int i = 0; i < 32000; ++i)
    segs[i] = {{double(i), double(i % 7)}, {i - 0.5, 1.0}, {i + 0.5, -1.0}, uint8_t(i & 1)};
  ASSERT_EQ(path.setPathSegments(h(a), 0, 32000, segs.data()), 0) << "writing past the end extends the path";
  int16_t n = 0;
  ASSERT_EQ(path.getSegmentCount(h(a), &n), 0);
  EXPECT_EQ(n, 32000);
  std::vector<PathSegment> back(32000);
  ASSERT_EQ(path.getPathSegments(h(a), 0, 32000, back.data()), 0);
  EXPECT_EQ(std::memcmp(&back[31999].anchor, &segs[31999].anchor, sizeof(RealPoint) * 3), 0);
  EXPECT_EQ(back[31999].corner, 1);

  // Reads past the end fail and write nothing; writes that leave a gap or pass the 16-bit limit fail.
  PathSegment probe{};
  probe.anchor.h = -7;
  EXPECT_NE(path.getPathSegments(h(a), 31999, 2, &probe), 0);
  EXPECT_EQ(probe.anchor.h, -7);
  EXPECT_NE(path.getPathSegments(h(a), -1, 1, &probe), 0);
  EXPECT_NE(path.setPathSegments(h(a), 32001, 1, segs.data()), 0);
  EXPECT_NE(path.setPathSegments(h(a), 32000, 32767 - 32000 + 1, segs.data()), 0);
  // Deleting clamps the count to what is there.
  EXPECT_EQ(path.deletePathSegments(h(a), 31990, 100), 0);
  path.getSegmentCount(h(a), &n);
  EXPECT_EQ(n, 31990);
  EXPECT_EQ(path.deletePathSegments(h(a), 0, n), 0);
  path.getSegmentCount(h(a), &n);
  EXPECT_EQ(n, 0);
  // Growing zero-fills; shrinking cuts the end.
  ASSERT_EQ(path.setSegmentCount(h(a), 3), 0);
  ASSERT_EQ(path.getPathSegments(h(a), 0, 3, back.data()), 0);
  EXPECT_EQ(back[2].anchor.h, 0);
  EXPECT_EQ(back[2].corner, 0);
  EXPECT_NE(path.setSegmentCount(h(a), -1), 0);
}

TEST_F(HostDocument, ReversedPathKeepsItsShape)
{
  for (bool closed : {false, true}) {
    Art* a = addPath({{0, 0}, {10, 5}, {20, -3}, {30, 8}}, closed);
    std::vector<Segment> before = a->segments;
    double areaBefore = 0, areaAfter = 0;
    path.getPathArea(h(a), &areaBefore);
    ASSERT_EQ(path.reversePath(h(a)), 0);
    const std::vector<Segment>& after = a->segments;
    size_t n = before.size();
    ASSERT_EQ(after.size(), n);
    size_t pieces = closed ? n : n - 1;
    // Piece i of the reversed path runs backwards along piece n - 2 - i (mod n) of the original.
    for (size_t i = 0; i < pieces; ++i) {
      const Segment& s = after[i];
      const Segment& t = after[(i + 1) % n];
      size_t j = (2 * n - 2 - i) % n;
      const Segment& u = before[j];
      const Segment& v = before[(j + 1) % n];
      for (double x : {0.0, 0.3, 0.5, 1.0}) {
        Pt p = Geometry::cubicPoint(s.p, s.out, t.in, t.p, x);
        Pt q = Geometry::cubicPoint(u.p, u.out, v.in, v.p, 1 - x);
        EXPECT_NEAR(p.h, q.h, 1e-12);
        EXPECT_NEAR(p.v, q.v, 1e-12);
      }
    }
    path.getPathArea(h(a), &areaAfter);
    EXPECT_NEAR(areaAfter, -areaBefore, 1e-9) << "a reversed outline turns the other way";
    double lengthBefore = Geometry::pathLength(before, closed, Geometry::kFlatness), length = 0;
    path.getPathLength(h(a), &length, Geometry::kFlatness);
    EXPECT_NEAR(length, lengthBefore, 1e-9);
  }
}

TEST_F(HostDocument, MeasuresOfACircle)
{
  std::string error;
  Document* d = Workspace::instance().openSvgText(
      "<svg><circle id='c' cx='0' cy='0' r='10'/><path id='l' d='M0 0 H3 V4'/></svg>", "m", error);
  ASSERT_TRUE(d) << error;
  double area = 0, length = 0;
  ASSERT_EQ(path.getPathArea(h(d->findById("c")), &area), 0);
  EXPECT_NEAR(std::fabs(area), M_PI * 100, 0.1); // four cubics bulge a little
  ASSERT_EQ(path.getPathLength(h(d->findById("c")), &length, Geometry::kFlatness), 0);
  EXPECT_NEAR(length, 2 * M_PI * 10, 0.01);
  path.getPathLength(h(d->findById("l")), &length, Geometry::kFlatness);
  EXPECT_DOUBLE_EQ(length, 7);
  RealRect r{};
  RealMatrix twice{2, 0, 0, 2, 1, 0};
  ASSERT_EQ(art.getArtBounds(h(d->findById("c")), &twice, 64, &r), 0);
  EXPECT_NEAR(r.left, -19, 1e-12);
  EXPECT_NEAR(r.top, 20, 1e-12);
}

TEST_F(HostDocument, ArtTreeWalksAndPaintOrders)
{
  Art* a = addPath({{0, 0}});
  Art* b = addPath({{0, 0}});
  Art* g = doc->newArt(Art::kGroup);
  doc->currentLayer->group->insertLast(g);
  // Layer children topmost first: b, a, g.
  ArtHandle out = nullptr;
  art.getArtFirstChild(h(doc->currentLayer->group), &out);
  EXPECT_EQ(out, h(b));
  art.getArtLastChild(h(doc->currentLayer->group), &out);
  EXPECT_EQ(out, h(g));
  art.getArtNextSibling(h(g), &out);
  EXPECT_EQ(out, nullptr);
  art.getArtPriorSibling(h(b), &out);
  EXPECT_EQ(out, nullptr);

  struct Case {
    int32_t order;
    Art* target;
    Art* expectParent;
    Art* expectPrev;
  } cases[] = {
      {1, b, doc->currentLayer->group, nullptr}, // above b: first
      {2, g, doc->currentLayer->group, g},       // below g: last
      {3, g, g, nullptr},                        // inside g on top
      {4, g, g, nullptr},                        // inside g at the bottom (g is otherwise empty)
      {5, nullptr, doc->currentLayer->group, nullptr},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(art.reorderArt(h(a), c.order, c.target ? h(c.target) : nullptr), 0) << c.order;
    EXPECT_EQ(a->parent, c.expectParent) << c.order;
    EXPECT_EQ(a->prev, c.expectPrev) << c.order;
  }
  EXPECT_NE(art.reorderArt(h(g), 3, h(g)), 0) << "art cannot go inside itself";
  EXPECT_NE(art.reorderArt(h(a), 3, h(b)), 0) << "a path holds no art";
  EXPECT_NE(art.reorderArt(h(a), 9, h(b)), 0);

  // Duplicates are deep; disposing kills the subtree.
  g->insertFirst(a);
  ArtHandle copy = nullptr;
  ASSERT_EQ(art.duplicateArt(h(g), 1, h(g), &copy), 0);
  ArtHandle copyChild = nullptr;
  art.getArtFirstChild(copy, &copyChild);
  ASSERT_NE(copyChild, nullptr);
  EXPECT_NE(copyChild, h(a));
  ASSERT_EQ(art.disposeArt(copy), 0);
  EXPECT_FALSE(art.isArtValid(copyChild, 1));
  EXPECT_NE(art.disposeArt(h(doc->currentLayer->group)), 0) << "layers go through the layer suite";
}

TEST_F(HostDocument, SelectionBitsAndLayerQueries)
{
  Art* a = addPath({{0, 0}});
  Layer* top = doc->currentLayer;
  Layer* sub = doc->addSublayer(top, true);
  Art* inSub = doc->newPath({{{1, 1}, {1, 1}, {1, 1}, true}}, false);
  sub->group->insertFirst(inSub);

  int32_t attrs = 0;
  ASSERT_EQ(art.setArtUserAttributes(h(a), 0x9, 0x9), 0);
  art.getArtUserAttributes(h(a), -1, &attrs);
  EXPECT_EQ(attrs, 0x9);
  art.getArtUserAttributes(h(a), 0x1, &attrs);
  EXPECT_EQ(attrs, 0x1);
  bool8 has = 0;
  layer.layerHasSelectedArt(h(top), &has);
  EXPECT_TRUE(has);
  ASSERT_EQ(layer.deselectLayerArt(h(top)), 0);
  layer.layerHasSelectedArt(h(top), &has);
  EXPECT_FALSE(has);

  // Selection inside a sublayer counts for the parent; deselecting the parent leaves the sublayer alone.
  art.setArtUserAttributes(h(inSub), 0x9, 0x9);
  layer.layerHasSelectedArt(h(top), &has);
  EXPECT_TRUE(has);
  layer.deselectLayerArt(h(top));
  layer.layerHasSelectedArt(h(sub), &has);
  EXPECT_TRUE(has);
  ASSERT_EQ(DocumentSuites::document().deselectAllArt(), 0);
  layer.layerHasSelectedArt(h(sub), &has);
  EXPECT_FALSE(has);

  // The layer of an art, the group of a layer, and the sublayer's group inside its parent's group.
  LayerHandle lh = nullptr;
  art.getLayerOfArt(h(inSub), &lh);
  EXPECT_EQ(lh, h(sub));
  ArtHandle group = nullptr, parent = nullptr;
  art.getFirstArtOfLayer(h(sub), &group);
  art.getArtParent(group, &parent);
  EXPECT_EQ(parent, h(top->group));
  bool8 isGroup = 0;
  art.isArtLayerGroup(group, &isGroup);
  EXPECT_TRUE(isGroup);
}

TEST_F(HostDocument, LayersInsertWalkDeleteAndDissolve)
{
  Layer* first = doc->currentLayer;
  LayerHandle top = nullptr, bottom = nullptr, out = nullptr;
  ASSERT_EQ(layer.insertLayer(nullptr, 5, &top), 0);
  ASSERT_EQ(layer.insertLayer(nullptr, 6, &bottom), 0);
  EXPECT_NE(layer.insertLayer(nullptr, 1, &out), 0) << "above needs a relative layer";
  int32_t count = 0;
  layer.countLayers(&count);
  EXPECT_EQ(count, 3);
  layer.getFirstLayer(&out);
  EXPECT_EQ(out, top);
  layer.getNextLayer(top, &out);
  EXPECT_EQ(out, h(first));
  layer.getNextLayer(bottom, &out);
  EXPECT_EQ(out, nullptr);
  layer.getPreviousLayer(bottom, &out);
  EXPECT_EQ(out, h(first));
  layer.getNthLayer(2, &out);
  EXPECT_EQ(out, bottom);
  EXPECT_NE(layer.getNthLayer(3, &out), 0);

  Layer* sub = doc->addSublayer(first, true);
  layer.getLayerPreorderNext(h(first), &out);
  EXPECT_EQ(out, h(sub));
  layer.getLayerPreorderNext(h(sub), &out);
  EXPECT_EQ(out, bottom);
  layer.getParentLayer(h(sub), &out);
  EXPECT_EQ(out, h(first));

  // Flags are independent of each other and of the group art's attribute bits.
  bool8 v = 1;
  layer.setLayerEditable(h(first), 0);
  layer.getLayerVisible(h(first), &v);
  EXPECT_TRUE(v);
  layer.getLayerEditable(h(first), &v);
  EXPECT_FALSE(v);
  EXPECT_EQ(first->group->attrs & Art::kLocked, 0);

  Art* kept = doc->newPath({{{1, 1}, {1, 1}, {1, 1}, true}}, false);
  sub->group->insertFirst(kept);
  EXPECT_NE(layer.dissolveSublayer(h(first)), 0) << "only a sublayer without sublayers dissolves";
  ASSERT_EQ(layer.dissolveSublayer(h(sub)), 0);
  EXPECT_NE(layer.getLayerVisible(h(sub), &v), 0);
  EXPECT_EQ(kept->owningLayer(), first) << "its art stays, as a group of the parent layer";

  ASSERT_EQ(layer.deleteLayer(top), 0);
  EXPECT_NE(layer.deleteLayer(top), 0);
  layer.countLayers(&count);
  EXPECT_EQ(count, 2);
  // Deleting every layer leaves a document without layers.
  layer.deleteLayer(h(first));
  layer.deleteLayer(bottom);
  layer.countLayers(&count);
  EXPECT_EQ(count, 0);
  EXPECT_NE(layer.getFirstLayer(&out), 0);
  EXPECT_FALSE(kept->live());
}

TEST_F(HostDocument, ArtboardPropertiesWriteThrough)
{
  const ArtboardSuite& ab = DocumentSuites::artboard();
  ArtboardListHolder list{};
  ArtboardPropsHolder props{};
  ASSERT_EQ(ab.getArtboardList(&list), 0);
  ASSERT_EQ(ab.initArtboardProperties(&props), 0);
  ASSERT_EQ(ab.getArtboardProperties(&list, 0, &props), 0);
  EXPECT_NE(ab.getArtboardProperties(&list, 1, &props), 0);
  ASSERT_EQ(ab.releaseArtboardList(&list), 0);
  // The properties outlive the list and still change the artboard.
  RealRect r{10, 0, 110, -50};
  ASSERT_EQ(ab.setArtboardBounds(&props, &r), 0);
  RealPoint origin{3, 4};
  ASSERT_EQ(ab.setArtboardRulerOrigin(&props, &origin), 0);
  EXPECT_EQ(doc->artboards[0].bounds.left, 10);
  EXPECT_EQ(doc->artboards[0].rulerOrigin.v, 4);
  RealRect upsideDown{0, -10, 10, 0};
  EXPECT_NE(ab.setArtboardBounds(&props, &upsideDown), 0);
  ASSERT_EQ(ab.disposeArtboardProperties(&props), 0);
  EXPECT_NE(ab.getArtboardBounds(&props, &r), 0);
  // A list handle released is dead.
  int32_t n = 0;
  EXPECT_NE(ab.countArtboards(&list, &n), 0);
}

TEST_F(HostDocument, ContainersCountTheirReferences)
{
  const DictionarySuite& dict = DocumentSuites::dictionary();
  const EntrySuite& entry = DocumentSuites::entry();
  const ArraySuite& arr = DocumentSuites::array();
  Counted::resetAudit();
  Art* a = addPath({{0, 0}});
  DictHandle d = nullptr;
  ASSERT_EQ(art.getArtDictionary(h(a), &d), 0);
  DictKey k = dict.keyFromText("size");
  EXPECT_EQ(k, dict.keyFromText("size")) << "keys are interned";
  EXPECT_STREQ(dict.textOfKey(k), "size");
  EXPECT_EQ(dict.deleteDictionaryEntry(d, k), 0) << "deleting an absent key is no error";
  ASSERT_EQ(dict.setDictionaryInteger(d, k, -5), 0);
  EntryHandle e = dict.getDictionaryEntry(d, k);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(entry.getEntryType(e), 1);
  entry.addEntryRef(e); // the reader consumes one reference
  int32_t value = 0;
  ASSERT_EQ(entry.entryToInteger(e, &value), 0);
  EXPECT_EQ(value, -5);
  entry.releaseEntry(e);

  ArrayHandle list = nullptr;
  ASSERT_EQ(arr.newArray(&list), 0);
  ASSERT_EQ(arr.setArrayReal(list, 0, 2.5), 0);
  EXPECT_NE(arr.setArrayReal(list, 2, 1.0), 0) << "no gaps";
  ASSERT_EQ(dict.setDictionaryArray(d, dict.keyFromText("list"), list), 0);
  arr.releaseArray(list);
  ArrayHandle again = nullptr;
  ASSERT_EQ(dict.getDictionaryArray(d, dict.keyFromText("list"), &again), 0);
  EXPECT_EQ(arr.getArrayCount(again), 1);
  arr.releaseArray(again);

  // Clearing walks with an iterator that survives deletion of the entry it has left.
  const DictionaryIteratorSuite& it = DocumentSuites::dictionaryIterator();
  DictIterator iter = nullptr;
  ASSERT_EQ(dict.newDictIterator(d, &iter), 0);
  int removed = 0;
  while (!it.isDictIteratorAtEnd(iter)) {
    DictKey key = it.getDictIteratorKey(iter);
    it.advanceDictIterator(iter);
    dict.deleteDictionaryEntry(d, key);
    ++removed;
  }
  it.releaseDictIterator(iter);
  EXPECT_EQ(removed, 2);
  EXPECT_FALSE(lookup<Array>(list)) << "the array died with its last reference";
  dict.releaseDictionary(d);
  EXPECT_TRUE(lookup<Dictionary>(d)) << "the art still holds its dictionary";
  EXPECT_EQ(Counted::auditFailures(), 0);
  entry.releaseEntry(e); // one release too many: recorded, never a second free
  EXPECT_EQ(Counted::auditFailures(), 1);
}

TEST_F(HostDocument, SpotColourCreationCanBeMadeToFail)
{
  const CustomColorSuite& cc = DocumentSuites::customColor();
  CustomColorRecord def{1, {0.1, 0.2, 0.3, 0}, 0};
  CustomColorHandle out = nullptr;
  Workspace::instance().failNextCustomColor = true;
  EXPECT_NE(cc.newCustomColor(&def, nullptr, &out), 0);
  EXPECT_EQ(out, nullptr);
  ASSERT_EQ(cc.newCustomColor(&def, nullptr, &out), 0);
  CustomColorRecord back{};
  ASSERT_EQ(cc.getCustomColorDefinition(out, &back), 0);
  EXPECT_EQ(back.values[2], 0.3);
}

} // namespace hostDocumentTest

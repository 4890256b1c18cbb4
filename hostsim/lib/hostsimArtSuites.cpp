// Art, path and the art-related suites of the simulated host.
#include "hostsimContainers.h"
#include "hostsimDocumentSuites.h"
#include "hostsimPaint.h"
#include "hostsimWorkspace.h"

#include <cstdlib>
#include <cstring>

namespace hostsim {

namespace hostsimArtSuites_detail {

constexpr int32_t kMaxSegments = 32767;

Art* art(ArtHandle h)
{
  return lookup<Art>(h);
}
Art* pathArt(ArtHandle h)
{
  Art* a = lookup<Art>(h);
  return a && a->type == Art::kPath ? a : nullptr;
}
ArtHandle handleOf(const Art* a)
{
  return a ? static_cast<ArtHandle>(a->handle()) : nullptr;
}
Matrix toMatrix(const RealMatrix& m)
{
  return {m.a, m.b, m.c, m.d, m.tx, m.ty};
}

HostErr disposeArt(ArtHandle h)
{
  Art* a = art(h);
  if (!a || a->layer)
    return kErrParam;
  a->doc->disposeArt(a);
  return 0;
}

HostErr reorderArt(ArtHandle h, int32_t order, ArtHandle target)
{
  Art* a = art(h);
  Art* t = target ? art(target) : nullptr;
  if (!a || a->layer || (target && !t) || (t && t->doc != a->doc))
    return kErrParam;
  return a->doc->place(a, order, t) ? 0 : kErrParam;
}

HostErr duplicateArt(ArtHandle h, int32_t order, ArtHandle target, ArtHandle* out)
{
  Art* a = art(h);
  Art* t = target ? art(target) : nullptr;
  if (!a || a->layer || !out || (target && !t))
    return kErrParam;
  Art* copy = a->doc->duplicate(a);
  if (!a->doc->place(copy, order, t)) {
    a->doc->disposeArt(copy);
    return kErrParam;
  }
  *out = handleOf(copy);
  return 0;
}

HostErr getFirstArtOfLayer(LayerHandle h, ArtHandle* out)
{
  return answer(lookup<Layer>(h), out, [&](Layer& l) { return handleOf(l.group); });
}

HostErr getLayerOfArt(ArtHandle h, LayerHandle* out)
{
  Art* a = art(h);
  if (!a || !out)
    return kErrParam;
  Layer* l = a->owningLayer();
  if (!l)
    return kErrNotFound;
  *out = static_cast<LayerHandle>(l->handle());
  return 0;
}

HostErr getArtType(ArtHandle h, int16_t* out)
{
  return answer(art(h), out, [&](Art& a) { return a.type; });
}

HostErr getArtUserAttributes(ArtHandle h, int32_t mask, int32_t* out)
{
  Art* a = art(h);
  if (!a || !out)
    return kErrParam;
  *out = a->attrs & mask;
  return 0;
}

HostErr setArtUserAttributes(ArtHandle h, int32_t mask, int32_t values)
{
  Art* a = art(h);
  if (!a)
    return kErrParam;
  a->attrs = (a->attrs & ~mask) | (values & mask);
  return 0;
}

HostErr relative(ArtHandle h, ArtHandle* out, Art* (*pick)(Art*))
{
  Art* a = art(h);
  if (!a || !out)
    return kErrParam;
  *out = handleOf(pick(a));
  return 0;
}

HostErr getArtParent(ArtHandle h, ArtHandle* out)
{
  return relative(h, out, [](Art* a) { return a->parent; });
}
HostErr getArtFirstChild(ArtHandle h, ArtHandle* out)
{
  return relative(h, out, [](Art* a) { return a->first; });
}
HostErr getArtNextSibling(ArtHandle h, ArtHandle* out)
{
  return relative(h, out, [](Art* a) { return a->next; });
}
HostErr getArtPriorSibling(ArtHandle h, ArtHandle* out)
{
  return relative(h, out, [](Art* a) { return a->prev; });
}
HostErr getArtLastChild(ArtHandle h, ArtHandle* out)
{
  return relative(h, out, [](Art* a) { return a->last; });
}

HostErr updateArtBounds(ArtHandle h)
{
  return art(h) ? 0 : kErrParam;
}

HostErr getArtCenterPointVisible(ArtHandle h, bool8* out)
{
  return answer(art(h), out, [&](Art& a) { return a.centerVisible; });
}

HostErr setArtCenterPointVisible(ArtHandle h, bool8 visible)
{
  Art* a = art(h);
  if (!a)
    return kErrParam;
  a->centerVisible = visible != 0;
  return 0;
}

HostErr getArtBounds(ArtHandle h, const RealMatrix* matrix, int32_t, RealRect* out)
{
  Art* a = art(h);
  if (!a || !out)
    return kErrParam;
  Matrix m;
  if (matrix)
    m = toMatrix(*matrix);
  Rect r;
  a->bounds(r, matrix ? &m : nullptr);
  *out = {r.left, r.top, r.right, r.bottom};
  return 0;
}

HostErr updateArtLink(ArtHandle h, bool8, bool8* outUpdated)
{
  if (!art(h))
    return kErrParam;
  if (outUpdated)
    *outUpdated = 0;
  return 0;
}

bool8 isArtValid(ArtHandle h, bool8)
{
  return art(h) != nullptr;
}

bool8 artHasFill(ArtHandle h)
{
  Art* a = art(h);
  return a && (a->type == Art::kPath || a->type == Art::kCompoundPath) && a->filled;
}

bool8 artHasStroke(ArtHandle h)
{
  Art* a = art(h);
  return a && (a->type == Art::kPath || a->type == Art::kCompoundPath) && a->stroked;
}

HostErr artQuery29(ArtHandle h)
{
  return art(h) ? 0 : kErrParam;
}

HostErr getArtDictionary(ArtHandle h, DictHandle* out)
{
  Art* a = art(h);
  if (!a || !out)
    return kErrParam;
  if (!a->dictionary)
    a->dictionary = a->doc->make<Dictionary>(a->doc); // the art holds this first reference
  a->dictionary->retain();
  *out = static_cast<DictHandle>(a->dictionary->handle());
  return 0;
}

HostErr isArtLayerGroup(ArtHandle h, bool8* out)
{
  return answer(art(h), out, [&](Art& a) { return a.layer != nullptr; });
}

bool8 isArtStyled(ArtHandle h)
{
  Art* a = art(h);
  return a && a->styled;
}

HostErr artCall74(ArtHandle h)
{
  return art(h) ? 0 : kErrParam;
}

// ---- Paths ----

HostErr getSegmentCount(ArtHandle h, int16_t* out)
{
  return answer(pathArt(h), out, [&](Art& a) { return static_cast<int16_t>(a.segments.size()); });
}

HostErr setSegmentCount(ArtHandle h, int16_t count)
{
  Art* a = pathArt(h);
  if (!a || count < 0)
    return kErrParam;
  a->segments.resize(static_cast<size_t>(count), Segment{{}, {}, {}, false});
  return 0;
}

void toRecord(const Segment& s, PathSegment& r)
{
  r.anchor = {s.p.h, s.p.v};
  r.in = {s.in.h, s.in.v};
  r.out = {s.out.h, s.out.v};
  r.corner = s.corner;
}

Segment fromRecord(const PathSegment& r)
{
  return {{r.anchor.h, r.anchor.v}, {r.in.h, r.in.v}, {r.out.h, r.out.v}, r.corner != 0};
}

HostErr getPathSegments(ArtHandle h, int16_t first, int16_t count, PathSegment* out)
{
  Art* a = pathArt(h);
  if (!a || first < 0 || count < 0 || (count > 0 && !out))
    return kErrParam;
  if (static_cast<size_t>(first) + static_cast<size_t>(count) > a->segments.size())
    return kErrParam;
  for (int16_t i = 0; i < count; ++i)
    toRecord(a->segments[first + i], out[i]);
  return 0;
}

HostErr setPathSegments(ArtHandle h, int16_t first, int16_t count, const PathSegment* in)
{
  Art* a = pathArt(h);
  if (!a || first < 0 || count < 0 || (count > 0 && !in))
    return kErrParam;
  size_t n = a->segments.size();
  if (static_cast<size_t>(first) > n || static_cast<int32_t>(first) + count > kMaxSegments)
    return kErrParam;
  if (static_cast<size_t>(first) + count > n)
    a->segments.resize(static_cast<size_t>(first) + count);
  for (int16_t i = 0; i < count; ++i)
    a->segments[first + i] = fromRecord(in[i]);
  return 0;
}

HostErr deletePathSegments(ArtHandle h, int16_t first, int16_t count)
{
  Art* a = pathArt(h);
  if (!a || first < 0 || count < 0)
    return kErrParam;
  size_t n = a->segments.size();
  if (static_cast<size_t>(first) > n)
    return kErrParam;
  size_t take = std::min(static_cast<size_t>(count), n - first);
  a->segments.erase(a->segments.begin() + first, a->segments.begin() + first + take);
  return 0;
}

HostErr getPathClosed(ArtHandle h, bool8* out)
{
  return answer(pathArt(h), out, [&](Art& a) { return a.closed; });
}

HostErr setPathClosed(ArtHandle h, bool8 closed)
{
  Art* a = pathArt(h);
  if (!a)
    return kErrParam;
  a->closed = closed != 0;
  return 0;
}

HostErr getPathIsGuide(ArtHandle h, bool8* out)
{
  return answer(pathArt(h), out, [&](Art& a) { return a.guide; });
}

HostErr reversePath(ArtHandle h)
{
  Art* a = pathArt(h);
  if (!a)
    return kErrParam;
  Geometry::reverse(a->segments);
  return 0;
}

HostErr getPathArea(ArtHandle h, double* out)
{
  return answer(pathArt(h), out, [&](Art& a) { return a.area(); });
}

HostErr getPathLength(ArtHandle h, double* out, double flatness)
{
  Art* a = pathArt(h);
  if (!a || !out)
    return kErrParam;
  *out = a->length(flatness);
  return 0;
}

HostErr getPathStyle(ArtHandle h, PathStyleRecord* style)
{
  Art* a = art(h);
  if (!a || !style || (a->type != Art::kPath && a->type != Art::kCompoundPath))
    return kErrParam;
  style->fillUsed = a->filled;
  if (a->filled)
    style->fill.color = a->fillPaint.record();
  style->strokeUsed = a->stroked;
  if (a->stroked)
    style->stroke.color = a->strokePaint.record();
  style->stroke.width = a->strokeWidth;
  style->evenOdd = a->evenOdd;
  return 0;
}

// ---- Blending, groups, plug-in groups ----

int32_t getBlendMode(ArtHandle h)
{
  Art* a = art(h);
  return a ? a->blendMode : 0;
}
HostErr setBlendMode(ArtHandle h, int32_t mode)
{
  Art* a = art(h);
  if (!a || mode < 0 || mode > 15)
    return kErrParam;
  a->blendMode = mode;
  return 0;
}
double getOpacity(ArtHandle h)
{
  Art* a = art(h);
  return a ? a->opacity : 1.0;
}
HostErr setOpacity(ArtHandle h, double opacity)
{
  Art* a = art(h);
  if (!a || !(opacity >= 0 && opacity <= 1))
    return kErrParam;
  a->opacity = opacity;
  return 0;
}
int32_t getKnockout(ArtHandle h)
{
  Art* a = art(h);
  return a ? a->knockout : 0;
}
int32_t getInheritedKnockout(ArtHandle h)
{
  for (Art* a = art(h); a; a = a->parent)
    if (a->knockout != 2)
      return a->knockout;
  return 0;
}
HostErr setKnockout(ArtHandle h, int32_t knockout)
{
  Art* a = art(h);
  if (!a || knockout < 0 || knockout > 2)
    return kErrParam;
  a->knockout = knockout;
  return 0;
}

HostErr getGroupClipped(ArtHandle h, bool8* out)
{
  Art* a = art(h);
  if (!a || !out || a->type != Art::kGroup)
    return kErrParam;
  *out = a->clipGroup;
  return 0;
}
HostErr setGroupClipped(ArtHandle h, bool8 clipped)
{
  Art* a = art(h);
  if (!a || a->type != Art::kGroup)
    return kErrParam;
  a->clipGroup = clipped != 0;
  return 0;
}

HostErr getPluginGroupResultArt(ArtHandle h, ArtHandle* out)
{
  Art* a = art(h);
  if (!a || !out || a->type != Art::kPluginGroup)
    return kErrParam;
  *out = handleOf(a->result && a->result->live() ? a->result : nullptr);
  return *out ? 0 : kErrNotFound;
}

// ---- Expand, transform, matching art, isolation ----

// Replaces the art by a group: the glyphs of a text frame as one small rectangle per visible character,
// anything else as a copy. The unique id moves to the group.
HostErr expandArt(ArtHandle h, int32_t, int32_t)
{
  Art* a = art(h);
  if (!a || a->layer || !a->parent)
    return kErrParam;
  Document* doc = a->doc;
  Art* group = doc->newArt(Art::kGroup);
  group->svgId = a->svgId;
  if (a->type == Art::kTextFrame) {
    Rect r;
    a->bounds(r);
    double x = r.left;
    for (unsigned char c : a->text) {
      if ((c & 0xC0) == 0x80)
        continue; // continuation bytes of one character
      if (c != ' ') {
        Art* glyph =
            doc->newPath({{{x, r.bottom}, {x, r.bottom}, {x, r.bottom}, true},
                          {{x + 5, r.bottom}, {x + 5, r.bottom}, {x + 5, r.bottom}, true},
                          {{x + 5, r.bottom + 8}, {x + 5, r.bottom + 8}, {x + 5, r.bottom + 8}, true}},
                         true);
        // Glyphs are painted in text order: the last character is the topmost, the first child.
        group->insertFirst(glyph);
      }
      x += 6;
    }
  } else {
    group->insertLast(doc->duplicate(a));
  }
  group->insertBefore(a);
  if (a->uid) {
    group->uid = a->uid;
    group->uid->art = group;
    a->uid = nullptr;
  }
  doc->disposeArt(a);
  return 0;
}

HostErr transformArt(ArtHandle h, const RealMatrix* matrix, double lineScale, int32_t flags)
{
  Art* a = art(h);
  if (!a || !matrix)
    return kErrParam;
  a->transform(toMatrix(*matrix));
  if (flags & 16) {
    struct Stroke
    {
      static void scale(Art* x, double f)
      {
        x->strokeWidth *= f;
        for (Art* c = x->first; c; c = c->next)
          scale(c, f);
      }
    };
    Stroke::scale(a, lineScale);
  }
  return 0;
}

HostErr getMatchingArtBelow(ArtHandle h, const MatchSpec* specs, int16_t specCount, ArtHandle** outArray,
                            int32_t* outCount)
{
  Art* a = art(h);
  if (!a || !outArray || !outCount || specCount < 0 || (specCount > 0 && !specs))
    return kErrParam;
  std::vector<ArtHandle> found;
  struct Walk
  {
    static void visit(Art* x, const MatchSpec* specs, int16_t n, std::vector<ArtHandle>& found)
    {
      for (Art* c = x->first; c; c = c->next) {
        if (!c->layer)
          for (int16_t i = 0; i < n; ++i)
            if ((specs[i].type == -1 || specs[i].type == c->type) &&
                (c->attrs & specs[i].whichAttributes) == specs[i].attributes) {
              found.push_back(handleOf(c));
              break;
            }
        visit(c, specs, n, found);
      }
    }
  };
  Walk::visit(a, specs, specCount, found);
  auto* block = static_cast<ArtHandle*>(std::malloc(sizeof(ArtHandle) * (found.size() + 1)));
  if (!block)
    return kErrParam;
  std::copy(found.begin(), found.end(), block);
  *outArray = block;
  *outCount = static_cast<int32_t>(found.size());
  return 0;
}

HostErr freeMemoryBlock(void* block)
{
  std::free(block);
  return 0;
}

HostErr setArtIsolated(ArtHandle h, bool8 isolated)
{
  Art* a = art(h);
  if (!a)
    return kErrParam;
  if (isolated)
    a->doc->isolated = a;
  else if (a->doc->isolated == a)
    a->doc->isolated = nullptr;
  return 0;
}

HostErr getIsolatedArt(ArtHandle* out, void*)
{
  Document* doc = Workspace::instance().current();
  if (!out || !doc)
    return kErrParam;
  *out = handleOf(doc->isolated);
  return doc->isolated ? 0 : kErrNotFound;
}

int32_t isInIsolationMode()
{
  Document* doc = Workspace::instance().current();
  return doc && doc->isolated ? 1 : 0;
}

bool8 isArtInIsolatedArt(ArtHandle h)
{
  Art* a = art(h);
  if (!a || !a->doc->isolated)
    return 0;
  for (Art* x = a; x; x = x->parent)
    if (x == a->doc->isolated)
      return 1;
  return 0;
}

bool8 isArtTheIsolatedArt(ArtHandle h)
{
  Art* a = art(h);
  return a && a->doc->isolated == a;
}

} // namespace hostsimArtSuites_detail

const ArtSuite& DocumentSuites::art()
{
  using namespace hostsimArtSuites_detail;
  static const ArtSuite table = [] {
    ArtSuite s{};
    s.disposeArt = &disposeArt;
    s.reorderArt = &reorderArt;
    s.duplicateArt = &duplicateArt;
    s.getFirstArtOfLayer = &getFirstArtOfLayer;
    s.getLayerOfArt = &getLayerOfArt;
    s.getArtType = &getArtType;
    s.getArtUserAttributes = &getArtUserAttributes;
    s.setArtUserAttributes = &setArtUserAttributes;
    s.getArtParent = &getArtParent;
    s.getArtFirstChild = &getArtFirstChild;
    s.getArtNextSibling = &getArtNextSibling;
    s.getArtPriorSibling = &getArtPriorSibling;
    s.updateArtBounds = &updateArtBounds;
    s.getArtCenterPointVisible = &getArtCenterPointVisible;
    s.setArtCenterPointVisible = &setArtCenterPointVisible;
    s.getArtBounds = &getArtBounds;
    s.updateArtLink = &updateArtLink;
    s.isArtValid = &isArtValid;
    s.artHasFill = &artHasFill;
    s.artHasStroke = &artHasStroke;
    s.artQuery29 = &artQuery29;
    s.getArtDictionary = &getArtDictionary;
    s.isArtLayerGroup = &isArtLayerGroup;
    s.isArtStyled = &isArtStyled;
    s.getArtLastChild = &getArtLastChild;
    s.artCall74 = &artCall74;
    return s;
  }();
  return table;
}

const PathSuite& DocumentSuites::path()
{
  using namespace hostsimArtSuites_detail;
  static const PathSuite table = [] {
    PathSuite s{};
    s.getSegmentCount = &getSegmentCount;
    s.setSegmentCount = &setSegmentCount;
    s.getPathSegments = &getPathSegments;
    s.setPathSegments = &setPathSegments;
    s.deletePathSegments = &deletePathSegments;
    s.getPathClosed = &getPathClosed;
    s.setPathClosed = &setPathClosed;
    s.getPathIsGuide = &getPathIsGuide;
    s.reversePath = &reversePath;
    s.getPathArea = &getPathArea;
    s.getPathLength = &getPathLength;
    return s;
  }();
  return table;
}

const PathStyleSuite& DocumentSuites::pathStyle()
{
  static const PathStyleSuite table = [] {
    PathStyleSuite s{};
    s.getPathStyle = &hostsimArtSuites_detail::getPathStyle;
    return s;
  }();
  return table;
}

const BlendStyleSuite& DocumentSuites::blendStyle()
{
  using namespace hostsimArtSuites_detail;
  static const BlendStyleSuite table = [] {
    BlendStyleSuite s{};
    s.getBlendMode = &getBlendMode;
    s.setBlendMode = &setBlendMode;
    s.getOpacity = &getOpacity;
    s.setOpacity = &setOpacity;
    s.getKnockout = &getKnockout;
    s.getInheritedKnockout = &getInheritedKnockout;
    s.setKnockout = &setKnockout;
    return s;
  }();
  return table;
}

const GroupSuite& DocumentSuites::group()
{
  static const GroupSuite table = [] {
    GroupSuite s{};
    s.getGroupClipped = &hostsimArtSuites_detail::getGroupClipped;
    s.setGroupClipped = &hostsimArtSuites_detail::setGroupClipped;
    return s;
  }();
  return table;
}

const PluginGroupSuite& DocumentSuites::pluginGroup()
{
  static const PluginGroupSuite table = [] {
    PluginGroupSuite s{};
    s.getPluginGroupResultArt = &hostsimArtSuites_detail::getPluginGroupResultArt;
    return s;
  }();
  return table;
}

const ExpandSuite& DocumentSuites::expand()
{
  static const ExpandSuite table = [] {
    ExpandSuite s{};
    s.expandArt = &hostsimArtSuites_detail::expandArt;
    return s;
  }();
  return table;
}

const TransformArtSuite& DocumentSuites::transformArt()
{
  static const TransformArtSuite table = [] {
    TransformArtSuite s{};
    s.transformArt = &hostsimArtSuites_detail::transformArt;
    return s;
  }();
  return table;
}

const MatchingArtSuite& DocumentSuites::matchingArt()
{
  static const MatchingArtSuite table = [] {
    MatchingArtSuite s{};
    s.getMatchingArtBelow = &hostsimArtSuites_detail::getMatchingArtBelow;
    return s;
  }();
  return table;
}

const MdMemorySuite& DocumentSuites::mdMemory()
{
  static const MdMemorySuite table = [] {
    MdMemorySuite s{};
    s.freeMemoryBlock = &hostsimArtSuites_detail::freeMemoryBlock;
    return s;
  }();
  return table;
}

const IsolationModeSuite& DocumentSuites::isolationMode()
{
  using namespace hostsimArtSuites_detail;
  static const IsolationModeSuite table = [] {
    IsolationModeSuite s{};
    s.setArtIsolated = &setArtIsolated;
    s.getIsolatedArt = &getIsolatedArt;
    s.isInIsolationMode = &isInIsolationMode;
    s.isArtInIsolatedArt = &isArtInIsolatedArt;
    s.isArtTheIsolatedArt = &isArtTheIsolatedArt;
    return s;
  }();
  return table;
}

} // namespace hostsim

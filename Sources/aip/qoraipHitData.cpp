#include "aip/qoraipHitData.h"

#include <cctype>
#include <cmath>
#include <memory>
#include <vector>

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipBezier.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipDocumentView.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipLayer.h"
#include "aip/qoraipLineIntersection.h"
#include "aip/qoraipPath.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipTextArt.h"
#include "aip/qoraipTextRange.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

namespace qoraipHitData_detail {
// Decodes one UTF-8 character at i; returns its code point and advances i (at least one byte).
uint32_t next(const std::string& s, size_t& i)
{
    auto byte = [&](size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u; };
    unsigned char c = byte(i);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : 0;
    uint32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    size_t k = i + 1;
    int n = 0;
    for (; n < extra && (byte(k) & 0xC0) == 0x80; ++n, ++k)
        cp = (cp << 6) | (byte(k) & 0x3F);
    i = k;
    // A cut or stray sequence stands for one visible replacement character.
    return n < extra || (extra == 0 && c >= 0x80) ? 0xFFFD : cp;
}

// The UTF-16 offset of the character at a code-point index of a UTF-8 text; past the end, the offset of
// the end.
int32_t utf16Offset(const std::string& s, int32_t character)
{
    int32_t units = 0;
    size_t i = 0;
    for (int32_t c = 0; c < character && i < s.size(); ++c)
        units += next(s, i) >= 0x10000 ? 2 : 1;
    return units;
}

// Characters without a glyph: ASCII white space and control characters (tested as unsigned values),
// C1 controls and no-break space, and the Unicode spaces and separators.
bool invisible(uint32_t cp)
{
    if (cp < 0x80)
        return std::isspace(static_cast<int>(cp)) || std::iscntrl(static_cast<int>(cp));
    if (cp <= 0xA0)
        return true;
    return (cp >= 0x2000 && cp <= 0x200D) || cp == 0x2028 || cp == 0x2029 || cp == 0x202F || cp == 0x205F ||
           cp == 0x2060 || cp == 0x3000;
}

// The largest single-precision value: the starting place of every best candidate, so that any real
// candidate is closer.
constexpr double kFar = 3.4028234663852886e38;
// Sampling step along a piece: the double just below 0.00001.
constexpr double kSampleStep = 0.000009999999999999999;
constexpr double kMinWidth = 0.000001;
constexpr int32_t kClipMaskAttribute = 0x1000;

enum HostArtType : int16_t {
    groupType = 1,
    pathType = 2,
    compoundPathType = 3,
    placedType = 7,
    rasterType = 9,
    pluginGroupType = 10,
    meshType = 11,
    textFrameType = 12,
    symbolInstanceType = 13,
};

using ArtPtr = std::unique_ptr<Art>;
using BezierPtr = std::unique_ptr<Bezier>;
using RectPtr = std::unique_ptr<ArtboardRect>;

// A rectangle no thinner than kMinWidth in either direction, so that a flat sub-curve still meets the
// search box.
ArtboardRect thickened(const ArtboardRect& r)
{
    ArtboardRect out(r);
    if (std::fabs(out.size.width) <= kMinWidth)
        out.size.width = kMinWidth;
    if (std::fabs(out.size.height) <= kMinWidth)
        out.size.height = kMinWidth;
    return out;
}

// A best candidate: its place, index and distance to the point, starting far away.
struct Candidate {
    ArtboardPoint at{kFar, kFar};
    int32_t index = -1;
    bool found() const { return index >= 0; }
    // Takes p when it lies closer than tol to the point and closer than the candidate so far.
    void offer(const ArtboardPoint& p, int32_t i, const ArtboardPoint& where, double tol)
    {
        double d = p.distanceTo(where);
        if (d < tol && d < at.distanceTo(where)) {
            at = p;
            index = i;
        }
    }
};

// The point on a curved piece within tol of where: bisects towards the point until the remaining part is
// short, then samples it. False when the piece does not come that close.
bool nearestOnCurve(const Bezier& piece, const ArtboardPoint& where, double tol, const ArtboardRect& box,
                    double& tOut, ArtboardPoint& pointOut)
{
    double lo = 0, mid = 0.5, hi = 1;
    double length = piece.length();
    const double limit = 4 * tol;
    while (length > limit && hi - lo > kMinWidth) {
        BezierPtr left(piece.subcurve(lo, mid)), right(piece.subcurve(mid, hi));
        length = left->length() + right->length();
        if (length <= limit)
            break;
        RectPtr lb(left->bounds()), rb(right->bounds());
        ArtboardRect li, ri;
        bool inLeft = thickened(*lb).intersection(box, li);
        bool inRight = thickened(*rb).intersection(box, ri);
        if (inLeft && inRight) {
            if (li.area() > ri.area())
                hi = mid;
            else
                lo = mid;
        } else if (inLeft) {
            hi = mid;
        } else if (inRight) {
            lo = mid;
        } else {
            return false;
        }
        mid = (lo + hi) / 2;
    }
    if (length > limit)
        return false;
    bool found = false;
    double best = kFar;
    for (double t = lo; t < hi; t += kSampleStep) {
        ArtboardPoint p = piece.pointAt(t);
        double d = p.distanceTo(where);
        if (d > tol)
            continue;
        if (d >= best)
            break;
        best = d;
        tOut = t;
        pointOut = p;
        found = true;
    }
    return found;
}

// The point on a straight piece where the normal through where meets its chord, when within tol.
bool nearestOnLine(const Bezier& piece, const ArtboardPoint& where, double tol, double& tOut, ArtboardPoint& pointOut)
{
    ArtboardPoint across = where.offsetPolar(10, piece.normalAngle(0.5));
    ArtboardPoint meet;
    if (!lineIntersection(where, across, piece.p0(), piece.p3(), meet) || meet.distanceTo(where) > tol)
        return false;
    // The foot must lie on the chord itself: beyond its ends the line is no part of the path.
    ArtboardPoint chord = piece.p3() - piece.p0();
    double along = (meet - piece.p0()).dot(chord);
    if (along < 0 || along > chord.dot(chord))
        return false;
    tOut = piece.parameterAtLength(piece.p0().distanceTo(meet));
    pointOut = meet;
    return true;
}
}  // namespace qoraipHitData_detail

HitData::HitData(const Art* art, const ArtboardPoint& point, int32_t request, double tolerance, bool inViewUnits)
    : request_(request), point_(point)
{
    Illustrator* app = Illustrator::instance();
    Document* doc = app ? app->currentDocument() : nullptr;
    if (!doc)
        return;
    double tol = artworkTolerance(tolerance, inViewUnits);
    if (art) {
        hitTestArt(*art, point, tol, false);
        return;
    }
    uint32_t count = doc->layerCount();
    for (uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<Layer> layer(doc->layerAt(i));
        Art* group = layer ? layer->layerArt() : nullptr;
        if (group && hitTestArt(*group, point, tol, false))
            return;
    }
}

HitData::HitData(const HitData& other)
    : request_(other.request_),
      hit_(other.hit_),
      part_(other.part_),
      point_(other.point_),
      art_(other.art_ ? other.art_->clone() : nullptr),
      segmentIndex_(other.segmentIndex_),
      pieceIndex_(other.pieceIndex_),
      t_(other.t_),
      bezier_(other.bezier_ ? new Bezier(*other.bezier_) : nullptr),
      textRange_(retain(other.textRange_))
{
}

HitData::~HitData()
{
    delete art_;
    delete bezier_;
    if (textRange_)
        textRange_->release();
}

int32_t HitData::requestFlags() const { return request_; }
bool HitData::hit() const { return hit_ && art_; }
int32_t HitData::hitPart() const { return part_; }
Art* HitData::art() const { return art_; }
ArtboardPoint HitData::point() const { return point_; }

bool HitData::onOpenPath(int32_t& segmentCount) const
{
    Path* path = art_ ? art_->path() : nullptr;
    segmentCount = path ? path->segmentCount() : 0;
    return path && !path->closed();
}

int32_t HitData::segmentIndex() const
{
    if (!hit())
        return -1;
    switch (part_) {
    case AnchorPart:
    case InHandlePart:
    case OutHandlePart:
        return static_cast<uint16_t>(segmentIndex_);
    case SegmentPart:
        return pieceIndex_;
    default:
        return -1;
    }
}

int32_t HitData::bezierIndex() const
{
    if (!hit())
        return -1;
    switch (part_) {
    case AnchorPart:
    case InHandlePart:
    case OutHandlePart: {
        int32_t segment = static_cast<uint16_t>(segmentIndex_);
        int32_t count = 0;
        // The last anchor of an open path ends the last piece.
        if (onOpenPath(count) && segment >= count - 1)
            return segment - 1;
        return segment;
    }
    case SegmentPart:
        return pieceIndex_;
    default:
        return -1;
    }
}

double HitData::t() const
{
    if (!hit())
        return 0;
    switch (part_) {
    case AnchorPart:
    case InHandlePart:
    case OutHandlePart: {
        int32_t count = 0;
        if (!onOpenPath(count))
            return 0;
        int32_t segment = static_cast<uint16_t>(segmentIndex_);
        if (segment == 0)
            return 0.0001;
        return segment == count - 1 ? 0.9999 : 0;
    }
    case SegmentPart:
        return t_;
    default:
        return 0;
    }
}

Bezier* HitData::bezier()
{
    delete bezier_;
    bezier_ = nullptr;
    if (!hit())
        return nullptr;
    Path* path = art_->path();
    bezier_ = path ? path->bezierAt(bezierIndex()) : nullptr;
    return bezier_;
}

TextRange* HitData::textRange()
{
    if (textRange_)
        return textRange_;
    int32_t glyph = glyphUnderHit();
    if (glyph < 0)
        return nullptr;
    TextRange* range = art_->textArt()->textRange();
    if (!range)
        return nullptr;
    std::string text = range->contents("\n");
    int32_t character = characterOfGlyph(text, glyph);
    if (character < 0) {
        // The outlines and the text disagree: there is no character to point at.
        range->release();
        return nullptr;
    }
    // Offsets count from the frame's first character, in UTF-16 units as the engine does.
    int32_t start = range->start() + qoraipHitData_detail::utf16Offset(text, character);
    int32_t units = qoraipHitData_detail::utf16Offset(text, character + 1) - qoraipHitData_detail::utf16Offset(text, character);
    range->setRange(start, start + units);
    textRange_ = range;
    return textRange_;
}

int32_t HitData::glyphUnderHit() const
{
    using namespace qoraipHitData_detail;
    if (!hit() || art_->type() != textFrameType)
        return -1;
    Illustrator* app = Illustrator::instance();
    Document* doc = app ? app->currentDocument() : nullptr;
    uint32_t layersBefore = doc ? doc->layerCount() : 0;
    ArtPtr copy(art_->duplicate(5, nullptr));
    if (!copy)
        return -1;
    // Without an unlocked visible layer the host made one to hold the copy; it goes with the copy.
    std::unique_ptr<Layer> madeLayer(doc && doc->layerCount() > layersBefore ? copy->layer() : nullptr);
    int32_t glyph = outlinedGlyph(*copy);
    copy->dispose();
    if (madeLayer)
        madeLayer->deleteLayer();
    return glyph;
}

int32_t HitData::outlinedGlyph(Art& copy) const
{
    using namespace qoraipHitData_detail;
    copy.expand(2, 1);
    ArtPtr last(copy.type() == groupType ? copy.lastChild() : nullptr);
    if (!last)
        return -1;
    HitData outlines(&copy, point_, -65537, 2.0, true);
    ArtHandle target = outlines.hit() ? outlines.art()->hostHandle() : nullptr;
    int32_t glyph = -1;
    double nearest = kFar;
    int32_t count = 0;
    for (ArtPtr child = std::move(last); child; child.reset(child->priorSibling()), ++count) {
        if (target) {
            bool holds = child->hostHandle() == target;
            if (!holds && child->type() == compoundPathType)
                for (ArtPtr part(child->firstChild()); part && !holds; part.reset(part->nextSibling()))
                    holds = part->hostHandle() == target;
            if (holds)
                return count;
        } else {
            double d = child->bounds66().center().distanceTo(point_);
            if (d < nearest) {
                nearest = d;
                glyph = count;
            }
        }
    }
    return glyph;
}

bool HitData::hitPoint(ArtboardPoint& out) const
{
    if (!hit())
        return false;
    out.x = point_.x;
    out.y = point_.y;
    return true;
}

bool HitData::hitPointForPart(int32_t part, ArtboardPoint& out) const
{
    return part == part_ && hitPoint(out);
}

void HitData::record(const Art& art, int32_t part, const ArtboardPoint& where, int32_t segment, int32_t piece, double t)
{
    hit_ = true;
    part_ = part;
    point_ = where;
    delete art_;
    art_ = art.clone();
    segmentIndex_ = static_cast<int16_t>(segment);
    pieceIndex_ = static_cast<int16_t>(piece);
    t_ = part == SegmentPart ? t : 0;
}

bool HitData::hitTestChildren(Art* first, const ArtboardPoint& where, double tol, bool insideClip)
{
    for (qoraipHitData_detail::ArtPtr child(first); child; child.reset(child->nextSibling()))
        if (hitTestArt(*child, where, tol, insideClip))
            return true;
    return false;
}

bool HitData::hitTestArt(const Art& art, const ArtboardPoint& where, double tol, bool insideClip)
{
    using namespace qoraipHitData_detail;
    if (art.locked() || art.hidden())
        return false;
    if (!art.bounds66().inset(-tol, -tol).containsPoint(where))
        return false;
    if (!insideClip && art.groupClipped())
        insideClip = true;
    switch (art.type()) {
    case groupType:
    case compoundPathType:
    case meshType:
        return hitTestChildren(art.firstChild(), where, tol, insideClip);
    case pluginGroupType: {
        ArtHandle result = nullptr;
        if (!pluginGroupSuite || pluginGroupSuite->getPluginGroupResultArt(art.hostHandle(), &result) != 0 || !result)
            return false;
        return hitTestChildren(new Art(result), where, tol, insideClip);
    }
    case pathType:
        return hitTestPath(art, where, tol, insideClip);
    case placedType:
    case rasterType:
    case textFrameType:
    case symbolInstanceType:
        if (insideClip && !insideClipMasks(art, where, tol))
            return false;
        record(art, ObjectPart, where, 0, 0, 0);
        return true;
    default:
        return false;
    }
}

bool HitData::hitTestPath(const Art& art, const ArtboardPoint& where, double tol, bool insideClip)
{
    using namespace qoraipHitData_detail;
    // The path object belongs to the art; a copy keeps this test from changing the caller's art.
    ArtPtr self(art.clone());
    Path* path = self->path();
    if (path->isGuide() && !(request_ & 0x10000))
        return false;

    Candidate anchor, in, out;
    if (request_ & 0x7) {
        int32_t count = path->segmentCount();
        for (int32_t i = 0; i < count; ++i) {
            PathSegPoint s;
            if (path->segments(i, 1, &s, 1) != 1)
                continue;
            if (request_ & 0x1)
                anchor.offer(s.anchor, i, where, tol);
            // A handle on (or near) its anchor is no handle to grab.
            if ((request_ & 0x2) && s.in.distanceTo(s.anchor) >= tol)
                in.offer(s.in, i, where, tol);
            if ((request_ & 0x4) && s.out.distanceTo(s.anchor) >= tol)
                out.offer(s.out, i, where, tol);
        }
    }

    bool onCurve = false;
    int32_t piece = 0;
    double pieceT = 0;
    ArtboardPoint curvePoint;
    if (!anchor.found() && (request_ & 0x8)) {
        ArtboardRect box = ArtboardRect::fromEdges(where.x - tol, where.y - tol, where.x + tol, where.y + tol);
        int32_t pieces = path->bezierCount();
        for (int32_t i = 0; i < pieces && !onCurve; ++i) {
            BezierPtr b(path->bezierAt(i));
            RectPtr bounds(b->bounds());
            if (!bounds->overlaps(box))
                continue;
            onCurve = b->isCurved() ? nearestOnCurve(*b, where, tol, box, pieceT, curvePoint)
                                    : nearestOnLine(*b, where, tol, pieceT, curvePoint);
            if (onCurve)
                piece = i;
        }
    }

    bool inFill = false;
    if (request_ & 0x10) {
        PathStyleRecord style;
        path->pathStyle(style);
        inFill = style.fillUsed && path->containsPoint(where);
    }

    // Handles first, then the anchor, then the curve: a later candidate wins only when strictly closer.
    int32_t part = NoPart;
    ArtboardPoint chosen(kFar, kFar);
    int32_t segment = 0;
    auto consider = [&](bool found, const ArtboardPoint& p, int32_t which, int32_t index) {
        if (found && p.distanceTo(where) < chosen.distanceTo(where)) {
            part = which;
            chosen = p;
            segment = index;
        }
    };
    consider(out.found(), out.at, OutHandlePart, out.index);
    consider(in.found(), in.at, InHandlePart, in.index);
    consider(anchor.found(), anchor.at, AnchorPart, anchor.index);
    consider(onCurve, curvePoint, SegmentPart, 0);
    if (part == NoPart) {
        if (!inFill)
            return false;
        part = ObjectPart;
        chosen = where;
    }
    if (insideClip && !insideClipMasks(art, where, tol))
        return false;
    record(art, part, chosen, segment, part == SegmentPart ? piece : 0, pieceT);
    return true;
}

bool HitData::maskContains(const Art& mask, const ArtboardPoint& where, double tol)
{
    using namespace qoraipHitData_detail;
    switch (mask.type()) {
    case pathType: {
        ArtPtr self(mask.clone());
        return self->path()->containsPoint(where);
    }
    case compoundPathType:
        for (ArtPtr child(mask.firstChild()); child; child.reset(child->nextSibling()))
            if (maskContains(*child, where, tol))
                return true;
        return false;
    case textFrameType:
        return mask.bounds66().inset(-tol, -tol).containsPoint(where);
    default:
        return true;
    }
}

bool HitData::insideClipMasks(const Art& art, const ArtboardPoint& where, double tol)
{
    using namespace qoraipHitData_detail;
    // The outermost clipping group below the layer.
    ArtPtr holder;
    for (ArtPtr up(art.parent()); up && !up->isLayerGroup(); up.reset(up->parent()))
        if (up->groupClipped())
            holder.reset(up->clone());
    if (!holder || !matchingArtSuite)
        return true;
    const MatchSpec specs[3] = {{pathType, kClipMaskAttribute, kClipMaskAttribute},
                                {compoundPathType, kClipMaskAttribute, kClipMaskAttribute},
                                {textFrameType, kClipMaskAttribute, kClipMaskAttribute}};
    ArtHandle* found = nullptr;
    int32_t count = 0;
    if (matchingArtSuite->getMatchingArtBelow(holder->hostHandle(), specs, 3, &found, &count) != 0 || !found)
        return true;
    std::vector<ArtHandle> masks(found, found + (count > 0 ? count : 0));
    if (mdMemorySuite)
        mdMemorySuite->freeMemoryBlock(found);
    for (ArtHandle handle : masks) {
        Art mask(handle);
        if (mask.type() == pathType) {
            // A path of a compound clipping path is tested through its compound path.
            bool inCompoundMask = false;
            for (ArtPtr up(mask.parent()); up && !inCompoundMask; up.reset(up->parent())) {
                if (up->hostHandle() == holder->hostHandle() || up->isLayerGroup())
                    break;
                inCompoundMask = up->type() == compoundPathType && up->userAttr(kClipMaskAttribute);
            }
            if (inCompoundMask)
                continue;
        }
        if (!maskContains(mask, where, tol))
            return false;
    }
    return true;
}

double HitData::artworkTolerance(double tolerance, bool inViewUnits)
{
    double tol = std::fabs(tolerance);
    if (!inViewUnits)
        return tol;
    Illustrator* app = Illustrator::instance();
    Document* doc = app ? app->currentDocument() : nullptr;
    DocumentView* view = doc ? doc->currentView() : nullptr;
    double zoom = view ? view->zoom() : 0;
    if (!(zoom > 0) || !std::isfinite(zoom))
        return tol;
    return tol / zoom;
}

int32_t HitData::characterOfGlyph(const std::string& utf8, int32_t glyph)
{
    if (glyph < 0)
        return -1;
    int32_t g = glyph;
    int32_t position = 0;
    size_t i = 0;
    // Positions count characters, as the glyph index and the text range do, never bytes.
    while (position <= g) {
        if (i >= utf8.size())
            return -1;
        if (qoraipHitData_detail::invisible(qoraipHitData_detail::next(utf8, i)))
            ++g;
        ++position;
    }
    return g;
}

}  // namespace aip
}  // namespace qor

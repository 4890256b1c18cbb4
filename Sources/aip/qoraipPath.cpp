#include "aip/qoraipPath.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipBezier.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipSuite.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

namespace qoraipPath_detail {
void scale(PathSegPoint& p, double s)
{
    p.anchor *= s;
    p.in *= s;
    p.out *= s;
}

void resetStyle(PathStyleRecord& style)
{
    style = PathStyleRecord{};
    style.fill.color.kind = kNoneColor;
    style.stroke.color.kind = kNoneColor;
    style.resolution = 800.0;
}
}  // namespace qoraipPath_detail

Path::Path(Art* art) : art_(art)
{
    acquireSuite(pathSuite, kPathSuiteName, kPathSuiteVersion);
    acquireSuite(pathStyleSuite, kPathStyleSuiteName, kPathStyleSuiteVersion);
}

ArtHandle Path::handle() const { return art_ ? art_->hostHandle() : nullptr; }

int32_t Path::segmentCount() const
{
    int16_t n = 0;
    if (!pathSuite || pathSuite->getSegmentCount(handle(), &n) != 0)
        return 0;
    return n;
}

bool Path::closed() const
{
    bool8 flag = 0;
    return pathSuite && pathSuite->getPathClosed(handle(), &flag) == 0 && flag;
}

int32_t Path::bezierCount() const
{
    int32_t n = segmentCount();
    if (closed())
        return n;
    return n > 0 ? n - 1 : 0;
}

void Path::setClosed(bool closed)
{
    if (pathSuite)
        pathSuite->setPathClosed(handle(), closed ? 1 : 0);
}

void Path::reverse()
{
    if (pathSuite)
        pathSuite->reversePath(handle());
}

void Path::setSegmentCount(int32_t count)
{
    if (pathSuite)
        pathSuite->setSegmentCount(handle(), static_cast<int16_t>(count));
}

void Path::setBezierCount(int32_t count)
{
    setSegmentCount(closed() ? count : count + 1);
}

int32_t Path::segments(int32_t first, int32_t count, PathSegPoint* out, size_t capacity) const
{
    if (!pathSuite)
        return 0;
    int32_t n = segmentCount();
    int32_t c = geo::clampInt(first, 0, n - 1);
    int32_t e = geo::clampInt(count, 0, n);
    // Never ask for more records than the caller's array holds.
    e = std::min<int32_t>(e, static_cast<int32_t>(std::min<size_t>(capacity, 32767)));
    if (e <= 0)
        return 0;
    // Reads of one or two segments (ends, single curves) are the common ones: they need no heap.
    PathSegment few[4] = {};
    std::vector<PathSegment> many;
    PathSegment* records = few;
    if (e > 4) {
        many.resize(static_cast<size_t>(e));
        records = many.data();
    }
    if (pathSuite->getPathSegments(handle(), static_cast<int16_t>(c), static_cast<int16_t>(e), records) != 0)
        return 0;
    double s = Document::currentScaleFactor();
    for (int32_t i = 0; i < e; ++i) {
        out[i].assignFromHost(records[i]);
        qoraipPath_detail::scale(out[i], s);
    }
    return e;
}

void Path::closingSegments(PathSegPoint* out) const
{
    int32_t n = segmentCount();
    segments(closed() ? n - 1 : n, 1, out, 1);
    segments(0, 1, out + 1, 1);
}

int32_t Path::pieceSegments(int32_t piece, int32_t count, PathSegPoint* out, size_t capacity) const
{
    int32_t d = bezierCount();
    bool isClosed = closed();
    int32_t r = isClosed ? geo::clampInt(piece, -1, d - 1) : geo::clampInt(piece, 0, d - 1);
    int32_t f = r == -1 ? 1 : geo::clampInt(count, 1, d - r);
    if (isClosed && f == 1 && (r == -1 || r == d - 1)) {
        if (capacity < 2)
            return 0;
        closingSegments(out);
        return 2;
    }
    return segments(r, f + 1, out, capacity);
}

void Path::setSegments(int32_t first, int32_t count, const PathSegPoint* in)
{
    if (!pathSuite || count < 0)
        return;
    double s = Document::currentScaleFactor();
    std::vector<PathSegment> records(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        in[i].toHostSegment(records[i]);
        for (RealPoint* p : {&records[i].anchor, &records[i].in, &records[i].out}) {
            p->h /= s;
            p->v /= s;
        }
    }
    pathSuite->setPathSegments(handle(), static_cast<int16_t>(first), static_cast<int16_t>(count), records.data());
}

void Path::setPieceSegments(int32_t first, int32_t count, const PathSegPoint* in)
{
    if (closed() && count == bezierCount())
        setSegments(first, count, in);
    else
        setSegments(first, count + 1, in);
}

void Path::removeSegments(int32_t first, int32_t count)
{
    if (count == 0 || !pathSuite)
        return;
    int32_t n = segmentCount();
    int32_t c = geo::clampInt(first, 0, n - 1);
    int32_t k = geo::clampInt(count, 0, n);
    pathSuite->deletePathSegments(handle(), static_cast<int16_t>(c), static_cast<int16_t>(k));
}

void Path::endPoints(ArtboardPoint& first, ArtboardPoint& last) const
{
    // The two reads of segments(0, 1) and segments(n - 1, 1), asking for the count and the scale once.
    PathSegPoint a, b;
    int32_t n = segmentCount();
    if (pathSuite && n > 0) {
        double s = Document::currentScaleFactor();
        PathSegment record{};
        if (pathSuite->getPathSegments(handle(), 0, 1, &record) == 0) {
            a.assignFromHost(record);
            qoraipPath_detail::scale(a, s);
        }
        record = PathSegment{};
        if (pathSuite->getPathSegments(handle(), static_cast<int16_t>(n - 1), 1, &record) == 0) {
            b.assignFromHost(record);
            qoraipPath_detail::scale(b, s);
        }
    }
    first = a.anchor;
    last = b.anchor;
}

Bezier* Path::bezierAt(int32_t piece) const
{
    int32_t d = bezierCount();
    if (piece > d - 1)
        piece = d - 1;
    PathSegPoint segs[2];
    pieceSegments(piece, 1, segs, 2);
    return new Bezier(segs[0], segs[1]);
}

double Path::area() const
{
    double a = 0;
    if (!pathSuite || pathSuite->getPathArea(handle(), &a) != 0)
        return 0;
    double s = Document::currentScaleFactor();
    return a * s * s;
}

double Path::length() const
{
    double l = 0;
    if (!pathSuite || pathSuite->getPathLength(handle(), &l, kFlatness) != 0)
        return 0;
    return l * Document::currentScaleFactor();
}

bool Path::isGuide() const
{
    bool8 guide = 0;
    return pathSuite && pathSuite->getPathIsGuide(handle(), &guide) == 0 && guide;
}

void Path::pathStyle(PathStyleRecord& style) const
{
    qoraipPath_detail::resetStyle(style);
    if (pathStyleSuite)
        pathStyleSuite->getPathStyle(handle(), &style);
    style.stroke.width *= Document::currentScaleFactor();
}

bool Path::containsPoint(const ArtboardPoint& point) const
{
    if (segmentCount() <= 0 || !art_ || !art_->bounds66().containsPoint(point))
        return false;
    return windingNumber(point) % 2 != 0;
}

int16_t Path::windingNumber(const ArtboardPoint& point) const
{
    int32_t n = segmentCount();
    if (n == 1) {
        PathSegPoint only;
        segments(0, 1, &only, 1);
        return only.anchor.equalsWithin(point, 1e-6) ? 1 : 0;
    }
    int32_t sum = 0;
    int32_t d = bezierCount();
    for (int32_t i = 0; i < d; ++i) {
        PathSegPoint segs[2];
        pieceSegments(i, 1, segs, 2);
        sum += pieceCrossings(segs[0], segs[1], point, 0);
    }
    return static_cast<int16_t>(sum / 2);
}

int32_t Path::pieceCrossings(const PathSegPoint& a, const PathSegPoint& b, const ArtboardPoint& point, int32_t depth)
{
    const ArtboardPoint p[4] = {a.anchor, a.out, b.in, b.anchor};
    double xmin = p[0].x, xmax = p[0].x, ymin = p[0].y, ymax = p[0].y;
    for (const ArtboardPoint& q : p) {
        xmin = std::min(xmin, q.x);
        xmax = std::max(xmax, q.x);
        ymin = std::min(ymin, q.y);
        ymax = std::max(ymax, q.y);
    }
    if (point.y < ymin || point.y > ymax || xmin > point.x)
        return 0;
    if (xmax < point.x || depth > 39)
        return chordCrossings(a, b, point);
    double B = (std::fabs(xmax) + std::fabs(xmin) + std::fabs(ymin) + std::fabs(ymax)) / 40000000;
    if (B == 0)
        return 0;
    if (!(p[0] == p[3])) {
        double dx = p[3].x - p[0].x, dy = p[3].y - p[0].y, len = std::sqrt(dx * dx + dy * dy);
        double ux = dx / len, uy = dy / len;
        auto along = [&](const ArtboardPoint& q) { return (q.x - p[0].x) * ux + (q.y - p[0].y) * uy; };
        auto off = [&](const ArtboardPoint& q) { return std::fabs(-(q.x - p[0].x) * uy + (q.y - p[0].y) * ux); };
        double a1 = along(p[1]), a2 = along(p[2]);
        if (off(p[1]) <= B && off(p[2]) <= B && 0 <= a1 && a1 <= a2 && a2 <= len)
            return chordCrossings(a, b, point);
    } else if (xmax - xmin < B && ymax - ymin < B) {
        return chordCrossings(a, b, point);
    }
    // Split at the middle (de Casteljau) and count both halves.
    ArtboardPoint m01 = (p[0] + p[1]) / 2.0, m12 = (p[1] + p[2]) / 2.0, m23 = (p[2] + p[3]) / 2.0;
    ArtboardPoint m012 = (m01 + m12) / 2.0, m123 = (m12 + m23) / 2.0;
    ArtboardPoint mid = (p[0] + p[1] * 3.0 + p[2] * 3.0 + p[3]) / 8.0;
    PathSegPoint s0(p[0], p[0], m01, false), s1(mid, m012, m123, false), s2(p[3], m23, p[3], false);
    return pieceCrossings(s0, s1, point, depth + 1) + pieceCrossings(s1, s2, point, depth + 1);
}

int32_t Path::chordCrossings(const PathSegPoint& a, const PathSegPoint& b, const ArtboardPoint& point)
{
    double x0 = a.anchor.x, y0 = a.anchor.y, x1 = b.anchor.x, y1 = b.anchor.y;
    if (y0 == y1)
        return 0;
    int32_t value;
    if (y1 < y0) {
        if (!(y1 <= point.y && point.y <= y0))
            return 0;
        value = -2;
    } else {
        if (!(y0 <= point.y && point.y <= y1))
            return 0;
        value = 2;
    }
    if (point.y == y0 || point.y == y1)
        value /= 2;
    if (x1 < x0) {
        if (x1 > point.x)
            return 0;
        if (x0 < point.x)
            return value;
    } else {
        if (point.x < x0)
            return 0;
        if (x1 < point.x)
            return value;
    }
    return point.x > x1 + (point.y - y1) * (x0 - x1) / (y0 - y1) ? value : 0;
}

}  // namespace aip
}  // namespace qor

#include "aip/qoraipArtboardRect.h"

#include <cmath>

#include "aip/qoraipLineIntersection.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

namespace qoraipArtboardRect_detail {

inline void axisRange(double start, double extent, double& lo, double& hi)
{
    lo = extent > 0 ? start : start + extent;
    hi = extent < 0 ? start : start + extent;
}

}  // namespace qoraipArtboardRect_detail

ArtboardRect::ArtboardRect(const ArtboardPoint& topLeft, const ArtboardPoint& bottomRight)
    : origin(topLeft), size(bottomRight.x - topLeft.x, bottomRight.y - topLeft.y)
{
}

ArtboardRect::ArtboardRect(const RealRect& host)
    : origin(host.left, -host.top), size(host.right - host.left, host.top - host.bottom)
{
}

ArtboardRect ArtboardRect::fromEdges(double left, double top, double right, double bottom)
{
    return ArtboardRect(left, top, right - left, bottom - top);
}

double ArtboardRect::area() const
{
    return std::fabs(size.height * size.width);
}

double ArtboardRect::perimeter() const
{
    return std::fabs(2 * size.height) + std::fabs(2 * size.width);
}

bool ArtboardRect::overlaps(const ArtboardRect& other) const
{
    using qoraipArtboardRect_detail::axisRange;
    double minX, maxX, minY, maxY, oMinX, oMaxX, oMinY, oMaxY;
    axisRange(origin.x, size.width, minX, maxX);
    axisRange(origin.y, size.height, minY, maxY);
    axisRange(other.origin.x, other.size.width, oMinX, oMaxX);
    axisRange(other.origin.y, other.size.height, oMinY, oMaxY);
    return !(minX > oMaxX || oMinX > maxX || minY > oMaxY || oMinY > maxY);
}

bool ArtboardRect::containsPoint(const ArtboardPoint& p) const
{
    double l = left(), r = right(), t = top(), b = bottom();
    return geo::minOfList(l, r, geo::kMinOfListEnd) <= p.x && p.x <= geo::maxOfList(l, r, geo::kMaxOfListEnd) &&
           geo::minOfList(t, b, geo::kMinOfListEnd) <= p.y && p.y <= geo::maxOfList(t, b, geo::kMaxOfListEnd);
}

ArtboardRect& ArtboardRect::assignHostRect(const RealRect& host)
{
    return *this = ArtboardRect(host);
}

RealRect& ArtboardRect::toHostRect(RealRect& out) const
{
    out.left = left();
    out.top = -top();
    out.right = right();
    out.bottom = -bottom();
    return out;
}

double ArtboardRect::left() const
{
    return origin.x;
}

double ArtboardRect::top() const
{
    return origin.y;
}

double ArtboardRect::right() const
{
    return size.width + origin.x;
}

double ArtboardRect::bottom() const
{
    return size.height + origin.y;
}

void ArtboardRect::setLeft(double v)
{
    size.width = (origin.x - v) + size.width;
    origin.x = v;
}

void ArtboardRect::setTop(double v)
{
    size.height = (origin.y - v) + size.height;
    origin.y = v;
}

void ArtboardRect::setRight(double v)
{
    size.width = v - origin.x;
}

void ArtboardRect::setBottom(double v)
{
    size.height = v - origin.y;
}

ArtboardRect ArtboardRect::inset(double dx, double dy) const
{
    return ArtboardRect(origin.offset(dx, dy), Size(size.width - 2 * dx, size.height - 2 * dy));
}

ArtboardPoint ArtboardRect::topLeft() const
{
    return ArtboardPoint(origin.x, origin.y);
}

ArtboardPoint ArtboardRect::topCenter() const
{
    return ArtboardPoint(size.width * 0.5 + origin.x, origin.y);
}

ArtboardPoint ArtboardRect::topRight() const
{
    return ArtboardPoint(size.width + origin.x, origin.y);
}

ArtboardPoint ArtboardRect::leftCenter() const
{
    return ArtboardPoint(origin.x, size.height * 0.5 + origin.y);
}

ArtboardPoint ArtboardRect::center() const
{
    return ArtboardPoint(size.width * 0.5 + origin.x, size.height * 0.5 + origin.y);
}

ArtboardPoint ArtboardRect::rightCenter() const
{
    return ArtboardPoint(size.width + origin.x, size.height * 0.5 + origin.y);
}

ArtboardPoint ArtboardRect::bottomLeft() const
{
    return ArtboardPoint(origin.x, size.height + origin.y);
}

ArtboardPoint ArtboardRect::bottomCenter() const
{
    return ArtboardPoint(size.width * 0.5 + origin.x, size.height + origin.y);
}

ArtboardPoint ArtboardRect::bottomRight() const
{
    return ArtboardPoint(size.width + origin.x, size.height + origin.y);
}

ArtboardPoint ArtboardRect::pointAt(int refPoint) const
{
    switch (refPoint) {
    case 2:
        return topCenter();
    case 3:
        return topRight();
    case 4:
        return leftCenter();
    case 5:
        return center();
    case 6:
        return rightCenter();
    case 7:
        return bottomLeft();
    case 8:
        return bottomCenter();
    case 9:
        return bottomRight();
    default:
        return topLeft();
    }
}

bool ArtboardRect::equalsWithin(const ArtboardRect& other, double tolerance) const
{
    return topLeft().equalsWithin(other.topLeft(), tolerance) &&
           bottomRight().equalsWithin(other.bottomRight(), tolerance);
}

bool ArtboardRect::extendToInclude(const ArtboardPoint& p)
{
    double l = left(), r = right(), t = top(), b = bottom();
    bool inX = geo::min(l, r) <= p.x && p.x <= geo::max(l, r);
    bool inY = geo::min(t, b) <= p.y && p.y <= geo::max(t, b);
    if (inX && inY)
        return false;
    if (!inX) {
        if (std::fabs(p.x - r) > std::fabs(p.x - l))
            setLeft(p.x);
        else
            setRight(p.x);
    }
    if (!inY) {
        if (std::fabs(p.y - b) > std::fabs(p.y - t))
            setTop(p.y);
        else
            setBottom(p.y);
    }
    return true;
}

ArtboardRect ArtboardRect::united(const ArtboardRect& o) const
{
    return fromEdges(geo::minOfList(left(), o.left(), geo::kMinOfListEnd),
                     geo::minOfList(top(), o.top(), geo::kMinOfListEnd),
                     geo::maxOfList(right(), o.right(), geo::kMaxOfListEnd),
                     geo::maxOfList(bottom(), o.bottom(), geo::kMaxOfListEnd));
}

ArtboardRect ArtboardRect::scaled(double sx, double sy) const
{
    return ArtboardRect(origin, Size(size.width * sx, size.height * sy));
}

bool ArtboardRect::intersection(const ArtboardRect& o, ArtboardRect& out) const
{
    ArtboardRect self(*this);  // out may be this rectangle or the other
    ArtboardRect other(o);
    out = ArtboardRect();
    if (!self.overlaps(other))
        return false;
    out = fromEdges(geo::max(self.left(), other.left()), geo::max(self.top(), other.top()),
                    geo::min(self.right(), other.right()), geo::min(self.bottom(), other.bottom()));
    return true;
}

void ArtboardRect::halfDiagonalAxes(double& a, double& b) const
{
    a = std::fabs(size.width * 2) / 1.4142135623730951;
    b = std::fabs(size.height * 2) / 1.4142135623730951;
}

int ArtboardRect::lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, const geo::Angle& angle,
                                    ArtboardPoint& first, ArtboardPoint& second) const
{
    ArtboardPoint c = center();
    ArtboardPoint tl = topLeft().rotatedAround(c, angle);
    ArtboardPoint tr = topRight().rotatedAround(c, angle);
    ArtboardPoint bl = bottomLeft().rotatedAround(c, angle);
    ArtboardPoint br = bottomRight().rotatedAround(c, angle);
    const ArtboardPoint* sides[4][2] = {{&tl, &bl}, {&tl, &tr}, {&tr, &br}, {&bl, &br}};
    int count = 0;
    for (auto& side : sides) {
        ArtboardPoint hit;
        bool onBoth = false;
        if (!segmentIntersection(p1, p2, *side[0], *side[1], hit, onBoth) || !onBoth)
            continue;
        if (count == 0) {
            first = hit;
            count = 1;
        } else if (!hit.equalsWithin(first, 0.001)) {
            second = hit;
            return 2;
        }
    }
    return count;
}

int ArtboardRect::lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, ArtboardPoint& first,
                                    ArtboardPoint& second) const
{
    return lineIntersections(p1, p2, geo::Angle::zero(), first, second);
}

}  // namespace aip
}  // namespace qor

#include "geo/qorgeoRect.h"

#include <cmath>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace geo {

namespace qorgeoRect_detail {

// Smaller and larger edge of one axis, without the list functions.
inline void axisRange(double start, double extent, double& lo, double& hi)
{
    lo = extent > 0 ? start : start + extent;
    hi = extent < 0 ? start : start + extent;
}

}  // namespace qorgeoRect_detail

Rect& Rect::operator=(const Rect& other)
{
    origin = other.origin;
    size = other.size;
    return *this;
}

Rect Rect::operator+(const Rect& o) const
{
    return Rect(origin.x + o.origin.x, origin.y + o.origin.y, size.width + o.size.width, size.height + o.size.height);
}

Rect& Rect::operator+=(const Rect& other)
{
    return *this = *this + other;
}

Rect Rect::operator-(const Rect& o) const
{
    return Rect(origin.x - o.origin.x, origin.y - o.origin.y, size.width - o.size.width, size.height - o.size.height);
}

Rect& Rect::operator-=(const Rect& other)
{
    return *this = *this - other;
}

void Rect::offset(double dx, double dy)
{
    origin.x += dx;
    origin.y += dy;
}

void Rect::setSize(double width, double height)
{
    size.width = width;
    size.height = height;
}

Rect Rect::inset(double dx, double dy) const
{
    return Rect(origin.x + dx, origin.y + dy, size.width - 2 * dx, size.height - 2 * dy);
}

Point Rect::topLeft() const
{
    return Point(origin.x, origin.y);
}

Point Rect::topCenter() const
{
    return Point(size.width * 0.5 + origin.x, origin.y);
}

Point Rect::topRight() const
{
    return Point(size.width + origin.x, origin.y);
}

Point Rect::leftCenter() const
{
    return Point(origin.x, size.height * 0.5 + origin.y);
}

Point Rect::center() const
{
    return Point(size.width * 0.5 + origin.x, size.height * 0.5 + origin.y);
}

Point Rect::rightCenter() const
{
    return Point(size.width + origin.x, size.height * 0.5 + origin.y);
}

Point Rect::bottomLeft() const
{
    return Point(origin.x, size.height + origin.y);
}

Point Rect::bottomCenter() const
{
    return Point(size.width * 0.5 + origin.x, size.height + origin.y);
}

Point Rect::bottomRight() const
{
    return Point(size.width + origin.x, size.height + origin.y);
}

double Rect::area() const
{
    return std::fabs(size.height * size.width);
}

double Rect::perimeter() const
{
    return std::fabs(2 * size.height) + std::fabs(2 * size.width);
}

bool Rect::containsPoint(const Point& point) const
{
    return containsX(point.x) && containsY(point.y);
}

bool Rect::overlaps(const Rect& other) const
{
    double minX, maxX, minY, maxY, oMinX, oMaxX, oMinY, oMaxY;
    qorgeoRect_detail::axisRange(origin.x, size.width, minX, maxX);
    qorgeoRect_detail::axisRange(origin.y, size.height, minY, maxY);
    qorgeoRect_detail::axisRange(other.origin.x, other.size.width, oMinX, oMaxX);
    qorgeoRect_detail::axisRange(other.origin.y, other.size.height, oMinY, oMaxY);
    return !(minX > oMaxX || oMinX > maxX || minY > oMaxY || oMinY > maxY);
}

bool Rect::containsX(double x) const
{
    double left = origin.x, right = origin.x + size.width;
    return minOfList(left, right, kMinOfListEnd) <= x && x <= maxOfList(left, right, kMaxOfListEnd);
}

bool Rect::containsY(double y) const
{
    double top = origin.y, bottom = origin.y + size.height;
    return minOfList(top, bottom, kMinOfListEnd) <= y && y <= maxOfList(top, bottom, kMaxOfListEnd);
}

}  // namespace geo
}  // namespace qor

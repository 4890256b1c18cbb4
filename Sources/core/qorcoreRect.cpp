#include "core/qorcoreRect.h"

#include <cmath>

#include "core/qorcoreSegmentIntersection.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace core {

Rect::Rect() : impl_(new aip::Rect())
{
}

Rect::Rect(double x, double y, double width, double height) : impl_(new aip::Rect(x, y, width, height))
{
    readBack();
}

Rect::Rect(const Rect& other) : impl_(new aip::Rect())
{
    impl_->origin.x = other.origin.x;
    impl_->origin.y = other.origin.y;
    impl_->size.width = other.size.width;
    impl_->size.height = other.size.height;
    readBack();
}

Rect::Rect(const geo::Rect& impl) : impl_(new aip::Rect(impl))
{
    readBack();
}

Rect::~Rect()
{
    delete impl_;
    impl_ = nullptr;
}

aip::Rect* Rect::sync() const
{
    impl_->origin.x = origin.x;
    impl_->origin.y = origin.y;
    impl_->size.width = size.width;
    impl_->size.height = size.height;
    return impl_;
}

void Rect::readBack()
{
    origin.x = impl_->origin.x;
    origin.y = impl_->origin.y;
    size.width = impl_->size.width;
    size.height = impl_->size.height;
}

Rect& Rect::operator=(const Rect& other)
{
    if (this != &other) {
        impl_->origin.x = other.origin.x;
        impl_->origin.y = other.origin.y;
        impl_->size.width = other.size.width;
        impl_->size.height = other.size.height;
        readBack();
    }
    return *this;
}

bool Rect::operator==(const Rect& other) const
{
    return origin == other.origin && size == other.size;
}

bool Rect::operator!=(const Rect& other) const
{
    return !(*this == other);
}

Rect Rect::operator+(const Rect& other) const
{
    aip::Rect* o = other.sync();
    return Rect(*sync() + *o);
}

Rect& Rect::operator+=(const Rect& other)
{
    aip::Rect* o = other.sync();
    *sync() += *o;
    readBack();
    return *this;
}

Rect Rect::operator-(const Rect& other) const
{
    aip::Rect* o = other.sync();
    return Rect(*sync() - *o);
}

Rect& Rect::operator-=(const Rect& other)
{
    aip::Rect* o = other.sync();
    *sync() -= *o;
    readBack();
    return *this;
}

void Rect::offset(double dx, double dy)
{
    sync()->offset(dx, dy);
    readBack();
}

void Rect::setSize(double width, double height)
{
    sync()->setSize(width, height);
    readBack();
}

Rect Rect::inset(double dx, double dy) const
{
    return Rect(sync()->inset(dx, dy));
}

Point Rect::topLeft() const
{
    return Point(sync()->topLeft());
}

Point Rect::topCenter() const
{
    return Point(sync()->topCenter());
}

Point Rect::topRight() const
{
    return Point(sync()->topRight());
}

Point Rect::leftCenter() const
{
    return Point(sync()->leftCenter());
}

Point Rect::center() const
{
    return Point(sync()->center());
}

Point Rect::rightCenter() const
{
    return Point(sync()->rightCenter());
}

Point Rect::bottomLeft() const
{
    return Point(sync()->bottomLeft());
}

Point Rect::bottomCenter() const
{
    return Point(sync()->bottomCenter());
}

Point Rect::bottomRight() const
{
    return Point(sync()->bottomRight());
}

Point Rect::pointAt(ReferencePoint code) const
{
    switch (code) {
    case RefPointTopCenter:
        return topCenter();
    case RefPointTopRight:
        return topRight();
    case RefPointLeftCenter:
        return leftCenter();
    case RefPointCenter:
        return center();
    case RefPointRightCenter:
        return rightCenter();
    case RefPointBottomLeft:
        return bottomLeft();
    case RefPointBottomCenter:
        return bottomCenter();
    case RefPointBottomRight:
        return bottomRight();
    default:
        return topLeft();
    }
}

double Rect::left() const
{
    return origin.x;
}

double Rect::top() const
{
    return origin.y;
}

double Rect::right() const
{
    return size.width + origin.x;
}

double Rect::bottom() const
{
    return size.height + origin.y;
}

void Rect::setLeft(double v)
{
    size.width = (origin.x - v) + size.width;
    origin.x = v;
}

void Rect::setTop(double v)
{
    size.height = (origin.y - v) + size.height;
    origin.y = v;
}

void Rect::setRight(double v)
{
    size.width = v - origin.x;
}

void Rect::setBottom(double v)
{
    size.height = v - origin.y;
}

double Rect::area() const
{
    return sync()->area();
}

double Rect::perimeter() const
{
    return sync()->perimeter();
}

bool Rect::containsPoint(const Point& point) const
{
    return sync()->containsPoint(*pointImpl(point));
}

bool Rect::overlaps(const Rect& other) const
{
    aip::Rect* o = other.sync();
    return sync()->overlaps(*o);
}

bool Rect::extendToInclude(const Point& p)
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

Rect Rect::united(const Rect& o) const
{
    double x = geo::minOfList(origin.x, o.origin.x, geo::kMinOfListEnd);
    double y = geo::minOfList(origin.y, o.origin.y, geo::kMinOfListEnd);
    double r = geo::maxOfList(right(), o.right(), geo::kMaxOfListEnd);
    double b = geo::maxOfList(bottom(), o.bottom(), geo::kMaxOfListEnd);
    return Rect(x, y, r - x, b - y);
}

Rect Rect::scaled(double sx, double sy) const
{
    return Rect(origin.x, origin.y, size.width * sx, size.height * sy);
}

bool Rect::intersection(const Rect& other, Rect& out) const
{
    // Read both before touching out, which may be either rectangle.
    double x1 = origin.x, y1 = origin.y, r1 = right(), b1 = bottom();
    double x2 = other.origin.x, y2 = other.origin.y, r2 = other.right(), b2 = other.bottom();
    bool overlap = overlaps(other);
    out.origin.x = 0.0;
    out.origin.y = 0.0;
    out.size.width = 0.0;
    out.size.height = 0.0;
    if (!overlap)
        return false;
    double x = geo::max(x1, x2), y = geo::max(y1, y2);
    double r = geo::min(r1, r2), b = geo::min(b1, b2);
    out.origin.x = x;
    out.origin.y = y;
    out.size.width = r - x;
    out.size.height = b - y;
    return true;
}

void Rect::halfDiagonalAxes(double& a, double& b) const
{
    a = std::fabs(size.width * 2) / 1.4142135623730951;
    b = std::fabs(size.height * 2) / 1.4142135623730951;
}

int Rect::lineIntersections(const Point& p1, const Point& p2, const Angle& angle, Point& first, Point& second) const
{
    Point c = center();
    Point tl = topLeft().rotatedAround(c, angle);
    Point tr = topRight().rotatedAround(c, angle);
    Point bl = bottomLeft().rotatedAround(c, angle);
    Point br = bottomRight().rotatedAround(c, angle);
    const Point* sides[4][2] = {{&tl, &bl}, {&tl, &tr}, {&tr, &br}, {&bl, &br}};
    int count = 0;
    Point hit;
    for (auto& side : sides) {
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

int Rect::lineIntersections(const Point& p1, const Point& p2, Point& first, Point& second) const
{
    return lineIntersections(p1, p2, Angle::zero(), first, second);
}

aip::Rect* rectImpl(const Rect& rect)
{
    return rect.sync();
}

Rect wrapRect(const geo::Rect& impl)
{
    return Rect(impl);
}

}  // namespace core
}  // namespace qor

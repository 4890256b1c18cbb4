#include "core/qorcorePoint.h"

#include <cfloat>
#include <cmath>

#include "core/qorcoreTransformMatrix.h"
#include "geo/qorgeoNumeric.h"
#include "geo/qorgeoTransformMatrix.h"

namespace qor {
namespace core {

namespace qorcorePoint_detail {

inline bool differs(double a, double b)
{
    return std::fabs(a - b) > std::fmax(std::fabs(a), std::fabs(b)) * (10 * DBL_EPSILON);
}

}  // namespace qorcorePoint_detail

Point::Point() : x(0.0), y(0.0), impl_(new aip::Point())
{
}

Point::Point(double x_, double y_) : x(0.0), y(0.0), impl_(new aip::Point(x_, y_))
{
    x = impl_->x;
    y = impl_->y;
}

Point::Point(const Point& other) : x(0.0), y(0.0), impl_(new aip::Point(other.x, other.y))
{
    x = impl_->x;
    y = impl_->y;
}

Point::Point(const geo::Point& impl) : x(0.0), y(0.0), impl_(new aip::Point(impl))
{
    x = impl_->x;
    y = impl_->y;
}

Point::~Point()
{
    delete impl_;
    impl_ = nullptr;
}

Point& Point::operator=(const Point& other)
{
    if (this != &other) {
        x = other.x;
        y = other.y;
    }
    return *this;
}

bool Point::operator==(const Point& other) const
{
    return !qorcorePoint_detail::differs(x, other.x) && !qorcorePoint_detail::differs(y, other.y);
}

bool Point::operator!=(const Point& other) const
{
    return !(*this == other);
}

Point Point::operator+(const Point& other) const
{
    return Point(*sync() + *other.sync());
}

Point& Point::operator+=(const Point& other)
{
    *sync() += *other.sync();
    x = impl_->x;
    y = impl_->y;
    return *this;
}

Point Point::operator-(const Point& other) const
{
    return Point(*sync() - *other.sync());
}

Point& Point::operator-=(const Point& other)
{
    *sync() -= *other.sync();
    x = impl_->x;
    y = impl_->y;
    return *this;
}

Angle Point::angleTo(const Point& other) const
{
    return Angle(-std::atan2(other.y - y, other.x - x), geo::Angle::Radians);
}

double Point::distanceTo(const Point& other) const
{
    double dx = other.x - x, dy = other.y - y;
    return std::sqrt(dx * dx + dy * dy);
}

bool Point::equalsWithin(const Point& other, double tolerance) const
{
    return geo::approxEqual(x, other.x, tolerance) && geo::approxEqual(y, other.y, tolerance);
}

double Point::dot(const Point& other) const
{
    return other.y * y + other.x * x;
}

Point Point::offset(double dx, double dy) const
{
    return Point(sync()->offset(dx, dy));
}

Point Point::rotatedAround(const Point& center, const Angle& angle) const
{
    // The same products as building the client matrix, without its heap implementation.
    geo::TransformMatrix m;
    m.setTranslation(-center.x, center.y);
    m.postRotate(implPointer(angle)->unary());
    m.postTranslate(center.x, -center.y);
    return Point(m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty);
}

Point Point::offsetPolar(double length, const Angle& angle) const
{
    double c = angle.cos(1e-10);
    double s = angle.sin(1e-10);
    return Point(*sync() + geo::Point(length * c, -(length * s)));
}

Point Point::transformed(const TransformMatrix& m) const
{
    return Point(m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty);
}

bool Point::insidePolygon(const std::vector<Point>& polygon) const
{
    if (polygon.empty())
        return false;
    std::vector<geo::Point> vertices;
    vertices.reserve(polygon.size());
    for (const Point& p : polygon)
        vertices.push_back(*p.sync());
    return sync()->insidePolygon(vertices.data(), static_cast<int>(vertices.size()));
}

aip::Point* pointImpl(const Point& point)
{
    return point.sync();
}

Point wrapPoint(const geo::Point& impl)
{
    return Point(impl);
}

}  // namespace core
}  // namespace qor

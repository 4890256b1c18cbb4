#include "aip/qoraipArtboardPoint.h"

#include <cmath>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

ArtboardPoint::ArtboardPoint(double length, const geo::Angle& angle)
    : x(length * angle.cos(1e-10)), y(-(length * angle.sin(1e-10)))
{
}

void ArtboardPoint::assignHostPoint(const RealPoint& host)
{
    x = host.h;
    y = -host.v;
}

RealPoint ArtboardPoint::toHostPoint() const
{
    RealPoint p;
    p.h = x;
    p.v = -y;
    return p;
}

bool ArtboardPoint::equalsWithin(const ArtboardPoint& other, double tolerance) const
{
    return geo::approxEqual(x, other.x, tolerance) && geo::approxEqual(y, other.y, tolerance);
}

double ArtboardPoint::dot(const ArtboardPoint& other) const
{
    return other.y * y + other.x * x;
}

ArtboardPoint ArtboardPoint::offset(double dx, double dy) const
{
    return ArtboardPoint(x + dx, y + dy);
}

ArtboardPoint ArtboardPoint::rotatedAround(const ArtboardPoint& centre, const geo::Angle& angle) const
{
    geo::TransformMatrix m;
    m.setTranslation(-centre.x, centre.y);
    m.postRotate(angle.unary());
    m.postTranslate(centre.x, -centre.y);
    return transformed(m);
}

ArtboardPoint ArtboardPoint::offsetPolar(double length, const geo::Angle& angle) const
{
    return *this + ArtboardPoint(length, angle);
}

ArtboardPoint ArtboardPoint::transformed(const geo::TransformMatrix& m) const
{
    return ArtboardPoint(m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty);
}

bool ArtboardPoint::operator==(const ArtboardPoint& other) const
{
    return x == other.x && y == other.y;
}

bool ArtboardPoint::operator!=(const ArtboardPoint& other) const
{
    return !(*this == other);
}

bool ArtboardPoint::operator<(const ArtboardPoint& other) const
{
    return x < other.x && y < other.y;
}

bool ArtboardPoint::operator<=(const ArtboardPoint& other) const
{
    return x <= other.x && y <= other.y;
}

bool ArtboardPoint::operator>(const ArtboardPoint& other) const
{
    return x > other.x && y > other.y;
}

bool ArtboardPoint::operator>=(const ArtboardPoint& other) const
{
    return x >= other.x && y >= other.y;
}

ArtboardPoint ArtboardPoint::operator+(const ArtboardPoint& other) const
{
    return ArtboardPoint(other.x + x, other.y + y);
}

ArtboardPoint ArtboardPoint::operator+(double v) const
{
    return ArtboardPoint(x + v, y + v);
}

ArtboardPoint ArtboardPoint::operator-(const ArtboardPoint& other) const
{
    return ArtboardPoint(x - other.x, y - other.y);
}

ArtboardPoint ArtboardPoint::operator-(double v) const
{
    return ArtboardPoint(x - v, y - v);
}

ArtboardPoint ArtboardPoint::operator*(const ArtboardPoint& other) const
{
    return ArtboardPoint(other.x * x, other.y * y);
}

ArtboardPoint ArtboardPoint::operator*(double v) const
{
    return ArtboardPoint(x * v, y * v);
}

ArtboardPoint ArtboardPoint::operator/(const ArtboardPoint& other) const
{
    return ArtboardPoint(x / other.x, y / other.y);
}

ArtboardPoint ArtboardPoint::operator/(double v) const
{
    return ArtboardPoint(x / v, y / v);
}

ArtboardPoint& ArtboardPoint::operator+=(const ArtboardPoint& other)
{
    return *this = *this + other;
}

ArtboardPoint& ArtboardPoint::operator+=(double v)
{
    return *this = *this + v;
}

ArtboardPoint& ArtboardPoint::operator-=(const ArtboardPoint& other)
{
    return *this = *this - other;
}

ArtboardPoint& ArtboardPoint::operator-=(double v)
{
    return *this = *this - v;
}

ArtboardPoint& ArtboardPoint::operator*=(const ArtboardPoint& other)
{
    return *this = *this * other;
}

ArtboardPoint& ArtboardPoint::operator*=(double v)
{
    return *this = *this * v;
}

ArtboardPoint& ArtboardPoint::operator/=(const ArtboardPoint& other)
{
    return *this = *this / other;
}

ArtboardPoint& ArtboardPoint::operator/=(double v)
{
    return *this = *this / v;
}

geo::Angle ArtboardPoint::angleTo(const ArtboardPoint& other) const
{
    return geo::Angle(-std::atan2(other.y - y, other.x - x), geo::Angle::Radians);
}

double ArtboardPoint::distanceTo(const ArtboardPoint& other) const
{
    double dx = other.x - x, dy = other.y - y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace aip
}  // namespace qor

#include "core/qorcoreArtboardPoint.h"

#include "core/qorcoreTransformMatrix.h"
#include "geo/qorgeoPoint.h"

namespace qor {
namespace core {

ArtboardPoint::ArtboardPoint() : x(0.0), y(0.0), impl_()
{
}

ArtboardPoint::ArtboardPoint(double x_, double y_) : x(0.0), y(0.0), impl_(x_, y_)
{
    readBack();
}

ArtboardPoint::ArtboardPoint(const ArtboardPoint& other)
    : x(0.0), y(0.0), impl_(other.x, other.y)
{
    readBack();
}

ArtboardPoint::ArtboardPoint(const aip::ArtboardPoint& impl) : x(0.0), y(0.0), impl_(impl)
{
    readBack();
}

ArtboardPoint::~ArtboardPoint() = default;

bool ArtboardPoint::equalsWithin(const ArtboardPoint& other, double tolerance) const
{
    return sync()->equalsWithin(*other.sync(), tolerance);
}

double ArtboardPoint::dot(const ArtboardPoint& other) const
{
    return sync()->dot(*other.sync());
}

ArtboardPoint ArtboardPoint::offset(double dx, double dy) const
{
    return ArtboardPoint(sync()->offset(dx, dy));
}

ArtboardPoint ArtboardPoint::rotatedAround(const ArtboardPoint& centre, const Angle& angle) const
{
    return ArtboardPoint(sync()->rotatedAround(*centre.sync(), *implPointer(angle)));
}

ArtboardPoint ArtboardPoint::offsetPolar(double length, const Angle& angle) const
{
    return ArtboardPoint(sync()->offsetPolar(length, *implPointer(angle)));
}

ArtboardPoint ArtboardPoint::transformed(const TransformMatrix& matrix) const
{
    return ArtboardPoint(sync()->transformed(*transformMatrixImpl(matrix)));
}

bool ArtboardPoint::insidePolygon(const std::vector<ArtboardPoint>& polygon) const
{
    if (polygon.empty())
        return false;
    std::vector<geo::Point> vertices;
    vertices.reserve(polygon.size());
    for (const ArtboardPoint& p : polygon) {
        const aip::ArtboardPoint* v = p.sync();
        vertices.emplace_back(v->x, v->y);
    }
    const aip::ArtboardPoint* self = sync();
    return geo::Point(self->x, self->y).insidePolygon(vertices.data(), static_cast<int>(vertices.size()));
}

ArtboardPoint& ArtboardPoint::operator=(const ArtboardPoint& other)
{
    if (this != &other) {
        x = other.x;
        y = other.y;
    }
    return *this;
}

bool ArtboardPoint::operator==(const ArtboardPoint& other) const
{
    return *sync() == *other.sync();
}

bool ArtboardPoint::operator!=(const ArtboardPoint& other) const
{
    return *sync() != *other.sync();
}

bool ArtboardPoint::operator<(const ArtboardPoint& other) const
{
    return *sync() < *other.sync();
}

bool ArtboardPoint::operator<=(const ArtboardPoint& other) const
{
    return *sync() <= *other.sync();
}

bool ArtboardPoint::operator>(const ArtboardPoint& other) const
{
    return *sync() > *other.sync();
}

bool ArtboardPoint::operator>=(const ArtboardPoint& other) const
{
    return *sync() >= *other.sync();
}

ArtboardPoint ArtboardPoint::operator+(const ArtboardPoint& other) const
{
    return ArtboardPoint(*sync() + *other.sync());
}

ArtboardPoint ArtboardPoint::operator+(double v) const
{
    return ArtboardPoint(*sync() + v);
}

ArtboardPoint ArtboardPoint::operator-(const ArtboardPoint& other) const
{
    return ArtboardPoint(*sync() - *other.sync());
}

ArtboardPoint ArtboardPoint::operator-(double v) const
{
    return ArtboardPoint(*sync() - v);
}

ArtboardPoint ArtboardPoint::operator*(const ArtboardPoint& other) const
{
    return ArtboardPoint(*sync() * *other.sync());
}

ArtboardPoint ArtboardPoint::operator*(double v) const
{
    return ArtboardPoint(*sync() * v);
}

ArtboardPoint ArtboardPoint::operator/(const ArtboardPoint& other) const
{
    return ArtboardPoint(*sync() / *other.sync());
}

ArtboardPoint ArtboardPoint::operator/(double v) const
{
    return ArtboardPoint(*sync() / v);
}

ArtboardPoint& ArtboardPoint::operator+=(const ArtboardPoint& other)
{
    *sync() += *other.sync();
    return readBack();
}

ArtboardPoint& ArtboardPoint::operator+=(double v)
{
    *sync() += v;
    return readBack();
}

ArtboardPoint& ArtboardPoint::operator-=(const ArtboardPoint& other)
{
    *sync() -= *other.sync();
    return readBack();
}

ArtboardPoint& ArtboardPoint::operator-=(double v)
{
    *sync() -= v;
    return readBack();
}

ArtboardPoint& ArtboardPoint::operator*=(const ArtboardPoint& other)
{
    *sync() *= *other.sync();
    return readBack();
}

ArtboardPoint& ArtboardPoint::operator*=(double v)
{
    *sync() *= v;
    return readBack();
}

ArtboardPoint& ArtboardPoint::operator/=(const ArtboardPoint& other)
{
    *sync() /= *other.sync();
    return readBack();
}

ArtboardPoint& ArtboardPoint::operator/=(double v)
{
    *sync() /= v;
    return readBack();
}

Angle ArtboardPoint::angleTo(const ArtboardPoint& other) const
{
    return Angle(sync()->angleTo(*other.sync()));
}

double ArtboardPoint::distanceTo(const ArtboardPoint& other) const
{
    return sync()->distanceTo(*other.sync());
}

aip::ArtboardPoint* pointImpl(const ArtboardPoint& point)
{
    return point.sync();
}

ArtboardPoint wrapArtboardPoint(const aip::ArtboardPoint& impl)
{
    return ArtboardPoint(impl);
}

}  // namespace core
}  // namespace qor

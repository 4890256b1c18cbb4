// A point in artboard coordinates: the host's document coordinates with y negated, so that y
// grows downward. Every conversion to or from the host's real point record negates y.
#pragma once

#include "geo/qorgeoAngle.h"
#include "geo/qorgeoTransformMatrix.h"
#include "hostapi/HostRecords.h"

namespace qor {
namespace aip {

class ArtboardPoint {
public:
    ArtboardPoint() : x(0.0), y(0.0) {}
    ArtboardPoint(double x_, double y_) : x(x_), y(y_) {}
    ArtboardPoint(const ArtboardPoint& other) : x(other.x), y(other.y) {}
    explicit ArtboardPoint(const RealPoint& host) : x(host.h), y(-host.v) {}
    // Polar: (length × cos, −length × sin), both snapped to 0 below 1e-10.
    ArtboardPoint(double length, const geo::Angle& angle);

    virtual ~ArtboardPoint() = default;
    virtual void assignHostPoint(const RealPoint& host);
    virtual RealPoint toHostPoint() const;
    virtual bool equalsWithin(const ArtboardPoint& other, double tolerance) const;
    virtual double dot(const ArtboardPoint& other) const;
    virtual ArtboardPoint offset(double dx, double dy) const;
    virtual ArtboardPoint rotatedAround(const ArtboardPoint& centre, const geo::Angle& angle) const;
    virtual ArtboardPoint offsetPolar(double length, const geo::Angle& angle) const;
    virtual ArtboardPoint transformed(const geo::TransformMatrix& m) const;
    virtual bool operator==(const ArtboardPoint& other) const;
    virtual bool operator!=(const ArtboardPoint& other) const;
    // Partial orders: the relation must hold for both coordinates.
    virtual bool operator<(const ArtboardPoint& other) const;
    virtual bool operator<=(const ArtboardPoint& other) const;
    virtual bool operator>(const ArtboardPoint& other) const;
    virtual bool operator>=(const ArtboardPoint& other) const;
    virtual ArtboardPoint operator+(const ArtboardPoint& other) const;
    virtual ArtboardPoint operator+(double v) const;
    virtual ArtboardPoint operator-(const ArtboardPoint& other) const;
    virtual ArtboardPoint operator-(double v) const;
    virtual ArtboardPoint operator*(const ArtboardPoint& other) const;
    virtual ArtboardPoint operator*(double v) const;
    virtual ArtboardPoint operator/(const ArtboardPoint& other) const;
    virtual ArtboardPoint operator/(double v) const;
    virtual ArtboardPoint& operator+=(const ArtboardPoint& other);
    virtual ArtboardPoint& operator+=(double v);
    virtual ArtboardPoint& operator-=(const ArtboardPoint& other);
    virtual ArtboardPoint& operator-=(double v);
    virtual ArtboardPoint& operator*=(const ArtboardPoint& other);
    virtual ArtboardPoint& operator*=(double v);
    virtual ArtboardPoint& operator/=(const ArtboardPoint& other);
    virtual ArtboardPoint& operator/=(double v);
    virtual geo::Angle angleTo(const ArtboardPoint& other) const;
    virtual double distanceTo(const ArtboardPoint& other) const;

    ArtboardPoint& operator=(const ArtboardPoint& other)
    {
        x = other.x;
        y = other.y;
        return *this;
    }

    double x;
    double y;
};

}  // namespace aip
}  // namespace qor

// The client artboard point: public cached x and y over one owned aip::ArtboardPoint. Unlike the
// client point, its equality is exact.
#pragma once

#include <vector>

#include "aip/qoraipArtboardPoint.h"
#include "core/qorcoreAngle.h"

namespace qor {
namespace core {

class TransformMatrix;

class ArtboardPoint {
public:
    ArtboardPoint();
    ArtboardPoint(double x_, double y_);
    ArtboardPoint(const ArtboardPoint& other);
    explicit ArtboardPoint(const aip::ArtboardPoint& impl);

    virtual ~ArtboardPoint();
    virtual bool equalsWithin(const ArtboardPoint& other, double tolerance) const;
    virtual double dot(const ArtboardPoint& other) const;
    virtual ArtboardPoint offset(double dx, double dy) const;
    virtual ArtboardPoint rotatedAround(const ArtboardPoint& centre, const Angle& angle) const;
    virtual ArtboardPoint offsetPolar(double length, const Angle& angle) const;
    virtual ArtboardPoint transformed(const TransformMatrix& matrix) const;
    virtual bool insidePolygon(const std::vector<ArtboardPoint>& polygon) const;
    // Copies the cached fields only.
    virtual ArtboardPoint& operator=(const ArtboardPoint& other);
    virtual bool operator==(const ArtboardPoint& other) const;
    virtual bool operator!=(const ArtboardPoint& other) const;
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
    virtual Angle angleTo(const ArtboardPoint& other) const;
    virtual double distanceTo(const ArtboardPoint& other) const;

    double x;
    double y;

private:
    friend aip::ArtboardPoint* pointImpl(const ArtboardPoint& point);
    aip::ArtboardPoint* sync() const
    {
        impl_.x = x;
        impl_.y = y;
        return &impl_;
    }
    ArtboardPoint& readBack()
    {
        x = impl_.x;
        y = impl_.y;
        return *this;
    }
    // Held by value: points are made and dropped by the million in path geometry.
    mutable aip::ArtboardPoint impl_;
};

aip::ArtboardPoint* pointImpl(const ArtboardPoint& point);
ArtboardPoint wrapArtboardPoint(const aip::ArtboardPoint& impl);

}  // namespace core
}  // namespace qor

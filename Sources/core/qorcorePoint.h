// The client point: public cached x and y over one owned aip::Point (the value-type pattern).
// Client code may write x and y directly; every later operation sees the written values.
#pragma once

#include <vector>

#include "aip/qoraipPoint.h"
#include "core/qorcoreAngle.h"

namespace qor {
namespace core {

class TransformMatrix;

class Point {
public:
    Point();
    Point(double x_, double y_);
    Point(const Point& other);
    explicit Point(const geo::Point& impl);

    virtual ~Point();
    // Copies the cached fields only.
    virtual Point& operator=(const Point& other);
    // Relative: equal unless a coordinate differs by more than max(|a|, |b|) × 10 × DBL_EPSILON.
    virtual bool operator==(const Point& other) const;
    virtual bool operator!=(const Point& other) const;
    virtual Point operator+(const Point& other) const;
    virtual Point& operator+=(const Point& other);
    virtual Point operator-(const Point& other) const;
    virtual Point& operator-=(const Point& other);
    virtual Angle angleTo(const Point& other) const;
    virtual double distanceTo(const Point& other) const;
    // Absolute and strict per coordinate; a tolerance of 0 asks for exact equality.
    virtual bool equalsWithin(const Point& other, double tolerance) const;
    virtual double dot(const Point& other) const;
    virtual Point offset(double dx, double dy) const;
    virtual Point rotatedAround(const Point& center, const Angle& angle) const;
    virtual Point offsetPolar(double length, const Angle& angle) const;
    virtual Point transformed(const TransformMatrix& matrix) const;
    virtual bool insidePolygon(const std::vector<Point>& polygon) const;

    double x;
    double y;

private:
    friend aip::Point* pointImpl(const Point& point);
    aip::Point* sync() const
    {
        impl_->x = x;
        impl_->y = y;
        return impl_;
    }
    aip::Point* impl_;
};

// The implementation with the cached fields written into it.
aip::Point* pointImpl(const Point& point);
Point wrapPoint(const geo::Point& impl);

}  // namespace core
}  // namespace qor

// A plain size of two doubles.
#pragma once

#include "geo/qorgeoAngle.h"

namespace qor {
namespace geo {

class Size {
public:
    Size() : width(0.0), height(0.0) {}
    Size(double width_, double height_) : width(width_), height(height_) {}
    Size(const Size& other) : width(other.width), height(other.height) {}

    virtual ~Size() = default;
    virtual Size& operator=(const Size& other);
    virtual Size operator+(const Size& other) const;
    virtual Size& operator+=(const Size& other);
    virtual Size operator-(const Size& other) const;
    virtual Size& operator-=(const Size& other);
    // The direction of the diagonal: atan2(-height, width), a zero width taken as just below 1e-5.
    virtual Angle angle() const;
    virtual double length() const;

    double width;
    double height;
};

}  // namespace geo
}  // namespace qor

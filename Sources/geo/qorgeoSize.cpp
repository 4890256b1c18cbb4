#include "geo/qorgeoSize.h"

#include <cmath>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace geo {

Size& Size::operator=(const Size& other)
{
    width = other.width;
    height = other.height;
    return *this;
}

Size Size::operator+(const Size& other) const
{
    return Size(width + other.width, height + other.height);
}

Size& Size::operator+=(const Size& other)
{
    return *this = *this + other;
}

Size Size::operator-(const Size& other) const
{
    return Size(width - other.width, height - other.height);
}

Size& Size::operator-=(const Size& other)
{
    return *this = *this - other;
}

Angle Size::angle() const
{
    double w = replaceZero(width, 9.999999999999999e-6);
    return Angle(std::atan2(-height, w), Angle::Radians);
}

double Size::length() const
{
    return std::sqrt(std::pow(height, 2.0) + std::pow(width, 2.0));
}

}  // namespace geo
}  // namespace qor

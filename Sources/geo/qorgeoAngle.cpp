#include "geo/qorgeoAngle.h"

#include <cfloat>
#include <cmath>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace geo {

namespace qorgeoAngle_detail {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kRelative = 10 * DBL_EPSILON;
// Beyond this magnitude the angle is first reduced with fmod, so the stepping loops stay short
// and end even where x + 2 pi == x; below it the loops run as they always did.
constexpr double kReduceAbove = 1e6;

double toRadians(double value, int unit)
{
    switch (unit) {
    case Angle::Degrees:
        return value * 0.017453292519943295;
    case Angle::Gradians:
        return value * 0.015707963267948967;
    case Angle::Turns:
        return value * 6.283185307179586;
    default:
        return value;
    }
}

double fromRadians(double radians, int unit)
{
    switch (unit) {
    case Angle::Degrees:
        return radians * 57.29577951308232;
    case Angle::Gradians:
        return radians * 63.66197723675813;
    case Angle::Turns:
        return radians * 0.15915494309189535;
    default:
        return radians;
    }
}

bool relativeEqual(double x, double y)
{
    return std::fabs(x - y) <= std::fmax(std::fabs(x), std::fabs(y)) * kRelative;
}

// NaN passes through; an infinity has no direction and becomes NaN. One comparison on the
// ordinary path.
inline bool prepare(double& x)
{
    if (std::fabs(x) <= kReduceAbove)
        return true;
    if (std::isnan(x))
        return false;
    if (std::isinf(x)) {
        x = NAN;
        return false;
    }
    x = std::fmod(x, kTwoPi);
    return true;
}

}  // namespace qorgeoAngle_detail

Angle::Angle(double value, int unit) : angle_(qorgeoAngle_detail::toRadians(value, unit)) {}

Angle Angle::fromRadians(double radians)
{
    Angle a;
    a.angle_ = radians;
    return a;
}

Angle Angle::pi()
{
    return fromRadians(qorgeoAngle_detail::kPi);
}

Angle Angle::twoPi()
{
    return fromRadians(qorgeoAngle_detail::kTwoPi);
}

Angle Angle::zero()
{
    return Angle();
}

double Angle::normalizeRadians(double x)
{
    using namespace qorgeoAngle_detail;
    if (x == 0.0)
        return 0.0;
    if (!prepare(x))
        return x;
    while (x < 0)
        x += kTwoPi;
    if (std::fabs(x - kTwoPi) <= std::fmax(std::fabs(x), kTwoPi) * kRelative)
        return kTwoPi;
    while (x > kTwoPi)
        x -= kTwoPi;
    return x;
}

double Angle::normalizeRadiansSigned(double x)
{
    using namespace qorgeoAngle_detail;
    if (x == 0.0)
        return 0.0;
    if (!prepare(x))
        return x;
    while (x < -kPi)
        x += kTwoPi;
    if (std::fabs(x - kPi) <= std::fmax(std::fabs(x), kPi) * kRelative)
        return kPi;
    while (x > kPi)
        x -= kTwoPi;
    return x;
}

bool Angle::equalsWithin(const Angle& other, const Angle& tolerance) const
{
    using qorgeoAngle_detail::kTwoPi;
    double a = normalizeRadians(angle_);
    double b = normalizeRadians(other.angle_);
    double t = tolerance.angle_;
    return approxEqual(a, b, t) || approxEqual(a + kTwoPi, b, t) || approxEqual(a - kTwoPi, b, t) ||
           approxEqual(a, b + kTwoPi, t) || approxEqual(a, b - kTwoPi, t);
}

bool Angle::operator==(const Angle& other) const
{
    using namespace qorgeoAngle_detail;
    double a = normalizeRadians(angle_);
    double b = normalizeRadians(other.angle_);
    double m = std::fmax(std::fabs(a), std::fabs(b)) * kRelative;
    double d = a - b;
    return std::fabs(d) <= m || std::fabs(d - kTwoPi) <= m || std::fabs(d + kTwoPi) <= m;
}

bool Angle::operator!=(const Angle& other) const
{
    return !(*this == other);
}

bool Angle::operator<(const Angle& other) const
{
    return normalizeRadians(angle_) < normalizeRadians(other.angle_);
}

bool Angle::operator<=(const Angle& other) const
{
    return normalizeRadians(angle_) < normalizeRadians(other.angle_) || *this == other;
}

bool Angle::operator>(const Angle& other) const
{
    return normalizeRadians(angle_) > normalizeRadians(other.angle_);
}

bool Angle::operator>=(const Angle& other) const
{
    return normalizeRadians(angle_) > normalizeRadians(other.angle_) || *this == other;
}

Angle Angle::operator-(const Angle& other) const
{
    return fromRadians(angle_ - other.angle_);
}

Angle Angle::unary() const
{
    return fromRadians(-angle_);
}

Angle Angle::operator+(const Angle& other) const
{
    return fromRadians(angle_ + other.angle_);
}

Angle Angle::operator*(const Angle& other) const
{
    double a = normalized().turns();
    double b = other.normalized().turns();
    return fromRadians(a * b * qorgeoAngle_detail::kTwoPi);
}

Angle Angle::operator/(const Angle& other) const
{
    double a = normalized().turns();
    double b = other.normalized().turns();
    return fromRadians(a / b * qorgeoAngle_detail::kTwoPi);
}

Angle& Angle::operator=(const Angle& other)
{
    angle_ = other.angle_;
    return *this;
}

Angle& Angle::operator+=(const Angle& other)
{
    return *this = *this + other;
}

Angle& Angle::operator-=(const Angle& other)
{
    return *this = *this - other;
}

Angle& Angle::operator*=(const Angle& other)
{
    return *this = *this * other;
}

Angle& Angle::operator/=(const Angle& other)
{
    return *this = *this / other;
}

double Angle::radians() const
{
    return angle_;  // the unit table's factor for radians is 1
}

double Angle::degrees() const
{
    return value(Degrees);
}

double Angle::gradians() const
{
    return value(Gradians);
}

double Angle::turns() const
{
    return value(Turns);
}

double Angle::value(int unit) const
{
    return qorgeoAngle_detail::fromRadians(angle_, unit);
}

void Angle::setValue(double value, int unit)
{
    angle_ = qorgeoAngle_detail::toRadians(value, unit);
}

Angle Angle::normalized() const
{
    return fromRadians(normalizeRadians(angle_));
}

Angle Angle::normalizedSigned() const
{
    return fromRadians(normalizeRadiansSigned(angle_));
}

Angle Angle::normalizedToRange(double bound1, double bound2) const
{
    using namespace qorgeoAngle_detail;
    double v = normalizeRadians(angle_);
    double lo = bound1 < bound2 ? bound1 : bound2;
    double hi = bound1 < bound2 ? bound2 : bound1;
    double w = hi - lo;
    if (approxEqual(w, kHalfPi, 1e-5))
        w = kHalfPi;
    else if (approxEqual(w, kPi, 1e-5))
        w = kPi;
    else if (approxEqual(w, kTwoPi, 1e-5))
        w = kTwoPi;
    if (approxEqual(v, lo, 1e-5))
        return fromRadians(lo);
    if (std::isnan(v))
        return fromRadians(v);
    // A range without width, or one so narrow that stepping would not end, has one answer: lo.
    if (!(w > 0) || !std::isfinite(w) || std::fabs(v - lo) / w > kReduceAbove || std::fabs(v - hi) / w > kReduceAbove)
        return fromRadians(lo);
    while (v < lo)
        v += w;
    if (approxEqual(v, hi, 1e-5))
        return fromRadians(hi);
    while (v > hi)
        v -= w;
    return fromRadians(v);
}

Angle Angle::normalizedTo() const
{
    return normalizedToRange(0.0, qorgeoAngle_detail::kPi);
}

Angle Angle::normalizedToRightHalf() const
{
    return normalizedToRange(-qorgeoAngle_detail::kHalfPi, qorgeoAngle_detail::kHalfPi);
}

Angle Angle::normalizedToLeftHalf() const
{
    return normalizedToRange(qorgeoAngle_detail::kHalfPi, 4.71238898038469);
}

Angle Angle::normalizedToLowerHalf() const
{
    return normalizedToRange(qorgeoAngle_detail::kPi, qorgeoAngle_detail::kTwoPi);
}

Angle Angle::snappedTo45() const
{
    double x = normalizeRadiansSigned(angle_);
    const double b1 = 0.39269908169872414, b3 = 1.1780972450961724, b5 = 1.9634954084936207,
                 b7 = 2.748893571891069;
    double r;
    if (x >= -b1 && x <= b1)
        r = 0.0;
    else if (x > b1 && x <= b3)
        r = 0.7853981633974483;
    else if (x > b3 && x <= b5)
        r = qorgeoAngle_detail::kHalfPi;
    else if (x > b5 && x <= b7)
        r = 2.356194490192345;
    else if (x < -b1 && x >= -b3)
        r = -0.7853981633974483;
    else if (x < -b3 && x >= -b5)
        r = -qorgeoAngle_detail::kHalfPi;
    else if (x < -b5 && x >= -b7)
        r = -2.356194490192345;
    else
        r = qorgeoAngle_detail::kPi;
    return fromRadians(r);
}

Angle Angle::bisector(const Angle& other) const
{
    using namespace qorgeoAngle_detail;
    double a = normalizeRadians(angle_);
    double b = normalizeRadians(other.angle_);
    double m = (a + b) / 2;
    double d = std::fabs(b - a);
    if (d > kPi && d < kTwoPi)
        m += kPi;
    return fromRadians(m);
}

Angle Angle::distanceTo(const Angle& other) const
{
    using namespace qorgeoAngle_detail;
    double d = normalizeRadians(other.angle_) - normalizeRadians(angle_);
    if (d > kPi)
        d -= kTwoPi;
    else if (d < -kPi)
        d += kTwoPi;
    return fromRadians(std::fabs(d));
}

bool Angle::isFirstQuadrant() const
{
    double v = normalizeRadians(angle_);
    return approxEqual(v, 0.0, 1e-4) || (v >= 0 && v < qorgeoAngle_detail::kHalfPi);
}

bool Angle::isSecondQuadrant() const
{
    double v = normalizeRadians(angle_);
    return v >= qorgeoAngle_detail::kHalfPi && v < qorgeoAngle_detail::kPi;
}

bool Angle::isThirdQuadrant() const
{
    double v = normalizeRadians(angle_);
    return v >= qorgeoAngle_detail::kPi && v < 4.71238898038469;
}

bool Angle::isFourthQuadrant() const
{
    double v = normalizeRadians(angle_);
    return approxEqual(v, qorgeoAngle_detail::kTwoPi, 1e-4) || (v >= 4.71238898038469 && v <= qorgeoAngle_detail::kTwoPi);
}

int Angle::quadrant() const
{
    if (isFirstQuadrant())
        return 1;
    if (isSecondQuadrant())
        return 2;
    if (isThirdQuadrant())
        return 3;
    if (isFourthQuadrant())
        return 4;
    return 0;
}

double Angle::sin(double tolerance) const
{
    return geo::sin(angle_, tolerance);
}

double Angle::cos(double tolerance) const
{
    return geo::cos(angle_, tolerance);
}

double Angle::tan(double tolerance) const
{
    return geo::tan(angle_, tolerance);
}

}  // namespace geo
}  // namespace qor

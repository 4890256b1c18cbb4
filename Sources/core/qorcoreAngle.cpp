#include "core/qorcoreAngle.h"

namespace qor {
namespace core {

Angle::Angle() : impl_() {}

Angle::Angle(double value, int unit) : impl_(value, unit) {}

Angle::Angle(const Angle& other) : impl_(other.impl_) {}

Angle::Angle(const geo::Angle& impl) : impl_(impl) {}

Angle Angle::pi()
{
    return Angle(geo::Angle::pi());
}

Angle Angle::zero()
{
    return Angle(geo::Angle::zero());
}

Angle::~Angle() = default;

bool Angle::equalsWithin(const Angle& other, const Angle& tolerance) const
{
    return impl_.equalsWithin(other.impl_, tolerance.impl_);
}

bool Angle::operator==(const Angle& other) const
{
    return impl_ == other.impl_;
}

bool Angle::operator!=(const Angle& other) const
{
    return impl_ != other.impl_;
}

bool Angle::operator<(const Angle& other) const
{
    return impl_ < other.impl_;
}

bool Angle::operator<=(const Angle& other) const
{
    return impl_ <= other.impl_;
}

bool Angle::operator>(const Angle& other) const
{
    return impl_ > other.impl_;
}

bool Angle::operator>=(const Angle& other) const
{
    return impl_ >= other.impl_;
}

Angle Angle::operator-(const Angle& other) const
{
    return Angle(impl_ - other.impl_);
}

Angle Angle::unary() const
{
    return Angle(impl_.unary());
}

Angle Angle::operator+(const Angle& other) const
{
    return Angle(impl_ + other.impl_);
}

Angle Angle::operator*(double factor) const
{
    return Angle(impl_.radians() * factor, geo::Angle::Radians);
}

Angle Angle::operator*(const Angle& other) const
{
    return Angle(impl_ * other.impl_);
}

Angle Angle::operator/(double divisor) const
{
    return Angle(impl_.radians() / divisor, geo::Angle::Radians);
}

Angle Angle::operator/(const Angle& other) const
{
    return Angle(impl_ / other.impl_);
}

Angle& Angle::operator=(const Angle& other)
{
    if (this != &other)
        impl_ = other.impl_;
    return *this;
}

Angle& Angle::operator+=(const Angle& other)
{
    impl_ += other.impl_;
    return *this;
}

Angle& Angle::operator-=(const Angle& other)
{
    impl_ -= other.impl_;
    return *this;
}

Angle& Angle::operator*=(double factor)
{
    setValue(radians() * factor, geo::Angle::Radians);
    return *this;
}

Angle& Angle::operator*=(const Angle& other)
{
    impl_ *= other.impl_;
    return *this;
}

Angle& Angle::operator/=(double divisor)
{
    setValue(radians() / divisor, geo::Angle::Radians);
    return *this;
}

Angle& Angle::operator/=(const Angle& other)
{
    impl_ /= other.impl_;
    return *this;
}

double Angle::radians() const
{
    return impl_.radians();
}

double Angle::degrees() const
{
    return impl_.degrees();
}

double Angle::gradians() const
{
    return impl_.gradians();
}

double Angle::turns() const
{
    return impl_.turns();
}

double Angle::value(int unit) const
{
    return impl_.value(unit);
}

void Angle::setValue(double value, int unit)
{
    impl_.setValue(value, unit);
}

Angle Angle::normalized() const
{
    return Angle(impl_.normalized());
}

Angle Angle::normalizedSigned() const
{
    return Angle(impl_.normalizedSigned());
}

Angle Angle::snappedTo45() const
{
    return Angle(impl_.snappedTo45());
}

Angle Angle::normalizedTo() const
{
    return Angle(impl_.normalizedTo());
}

Angle Angle::normalizedToLeftHalf() const
{
    return Angle(impl_.normalizedToLeftHalf());
}

Angle Angle::normalizedToLowerHalf() const
{
    return Angle(impl_.normalizedToLowerHalf());
}

Angle Angle::normalizedToRightHalf() const
{
    return Angle(impl_.normalizedToRightHalf());
}

Angle Angle::bisector(const Angle& other) const
{
    return Angle(impl_.bisector(other.impl_));
}

Angle Angle::distanceTo(const Angle& other) const
{
    return Angle(impl_.distanceTo(other.impl_));
}

bool Angle::isFirstQuadrant() const
{
    return impl_.isFirstQuadrant();
}

bool Angle::isSecondQuadrant() const
{
    return impl_.isSecondQuadrant();
}

bool Angle::isThirdQuadrant() const
{
    return impl_.isThirdQuadrant();
}

bool Angle::isFourthQuadrant() const
{
    return impl_.isFourthQuadrant();
}

int Angle::quadrant() const
{
    return impl_.quadrant();
}

double Angle::sin(double tolerance) const
{
    return impl_.sin(tolerance);
}

double Angle::cos(double tolerance) const
{
    return impl_.cos(tolerance);
}

double Angle::tan(double tolerance) const
{
    return impl_.tan(tolerance);
}

geo::Angle* implPointer(const Angle& angle)
{
    return &angle.impl_;
}

Angle wrapAngle(const geo::Angle& impl)
{
    return Angle(impl);
}

}  // namespace core
}  // namespace qor

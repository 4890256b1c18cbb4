#include "core/qorcoreDuration.h"

#include "plat/qorplatClock.h"

namespace qor {
namespace core {

namespace qorcoreDuration_detail {

int64_t daysToSeconds(int64_t days)
{
    int64_t seconds;
    if (__builtin_mul_overflow(days, int64_t(86400), &seconds))
        return days > 0 ? INT64_MAX : INT64_MIN;
    return seconds;
}

}  // namespace qorcoreDuration_detail

Duration::Duration(int64_t days) : impl_(new plat::Duration(qorcoreDuration_detail::daysToSeconds(days), 0)) {}

Duration::Duration(const plat::Duration& impl) : impl_(new plat::Duration(impl)) {}

Duration::Duration(const Duration& other) : impl_(new plat::Duration(*other.impl_)) {}

Duration Duration::utcOffset()
{
    return Duration(plat::utcOffset());
}

Duration::~Duration()
{
    delete impl_;
    impl_ = nullptr;
}

Duration& Duration::operator=(const Duration& other)
{
    if (this != &other)
        *impl_ = *other.impl_;
    return *this;
}

bool Duration::operator==(const Duration& other) const
{
    return *impl_ == *other.impl_;
}

bool Duration::operator!=(const Duration& other) const
{
    return !(*this == other);
}

bool Duration::operator<(const Duration& other) const
{
    return impl_->totalSeconds() < other.impl_->totalSeconds();
}

bool Duration::operator<=(const Duration& other) const
{
    return impl_->totalSeconds() <= other.impl_->totalSeconds();
}

bool Duration::operator>(const Duration& other) const
{
    return impl_->totalSeconds() > other.impl_->totalSeconds();
}

bool Duration::operator>=(const Duration& other) const
{
    return impl_->totalSeconds() >= other.impl_->totalSeconds();
}

Duration Duration::operator-(const Duration& other) const
{
    Duration result(*this);
    *result.impl_ -= *other.impl_;
    return result;
}

Duration Duration::operator-() const
{
    return Duration(-*impl_);
}

Duration& Duration::operator-=(const Duration& other)
{
    return *this = *this - other;
}

Duration Duration::operator+(const Duration& other) const
{
    Duration result(*this);
    *result.impl_ += *other.impl_;
    return result;
}

Duration& Duration::operator+=(const Duration& other)
{
    return *this = *this + other;
}

Duration Duration::operator*(double factor) const
{
    Duration result(*this);
    *result.impl_ *= factor;
    return result;
}

Duration& Duration::operator*=(double factor)
{
    return *this = *this * factor;
}

Duration Duration::operator/(double divisor) const
{
    Duration result(*this);
    *result.impl_ /= divisor;
    return result;
}

Duration& Duration::operator/=(double divisor)
{
    return *this = *this / divisor;
}

double Duration::totalYears() const
{
    return impl_->totalYears();
}

double Duration::totalDays() const
{
    return impl_->totalDays();
}

double Duration::totalHours() const
{
    return impl_->totalHours();
}

double Duration::totalMinutes() const
{
    return impl_->totalMinutes();
}

double Duration::totalSeconds() const
{
    return impl_->totalSeconds();
}

plat::Duration* implPointer(const Duration& duration)
{
    return duration.impl_;
}

}  // namespace core
}  // namespace qor

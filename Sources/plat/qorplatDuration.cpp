#include "plat/qorplatDuration.h"

#include <cmath>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace plat {

Duration Duration::fromSeconds(double x)
{
    if (std::isnan(x))
        x = 0.0;
    if (std::fabs(x) >= 9223372036854775807.0)  // beyond the seconds field: saturate
        return Duration(x > 0 ? INT64_MAX : INT64_MIN, 0);
    int64_t s = geo::truncateToInt(x);
    return Duration(s, static_cast<int32_t>(geo::roundToInt((x - static_cast<double>(s)) * 1000000.0)));
}

Duration& Duration::operator=(const Duration& other)
{
    seconds_ = other.seconds_;
    microseconds_ = other.microseconds_;
    return *this;
}

bool Duration::operator==(const Duration& other) const
{
    return seconds_ == other.seconds_ && microseconds_ == other.microseconds_;
}

bool Duration::operator!=(const Duration& other) const
{
    return !(*this == other);
}

Duration Duration::operator-(const Duration& other) const
{
    return fromSeconds(totalSeconds() - other.totalSeconds());
}

Duration Duration::operator-() const
{
    // Negating the most negative count would overflow; it stays the largest one instead.
    int64_t s = seconds_ == INT64_MIN ? INT64_MAX : -seconds_;
    int32_t us = microseconds_ == INT32_MIN ? INT32_MAX : -microseconds_;
    return Duration(s, us);
}

Duration& Duration::operator-=(const Duration& other)
{
    return *this = *this - other;
}

Duration Duration::operator+(const Duration& other) const
{
    return fromSeconds(totalSeconds() + other.totalSeconds());
}

Duration& Duration::operator+=(const Duration& other)
{
    return *this = *this + other;
}

Duration Duration::operator*(double factor) const
{
    return fromSeconds(totalSeconds() * factor);
}

Duration& Duration::operator*=(double factor)
{
    return *this = *this * factor;
}

Duration Duration::operator/(double divisor) const
{
    return fromSeconds(totalSeconds() / divisor);
}

Duration& Duration::operator/=(double divisor)
{
    return *this = *this / divisor;
}

double Duration::totalYears() const
{
    return totalDays() / 365;
}

double Duration::totalDays() const
{
    return totalHours() / 24;
}

double Duration::totalHours() const
{
    return totalMinutes() / 60;
}

double Duration::totalMinutes() const
{
    return totalSeconds() / 60;
}

double Duration::totalSeconds() const
{
    return microseconds_ / 1000000.0 + static_cast<double>(seconds_);
}

}  // namespace plat
}  // namespace qor

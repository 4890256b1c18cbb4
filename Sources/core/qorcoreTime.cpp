#include "core/qorcoreTime.h"

namespace qor {
namespace core {

namespace qorcoreTime_detail {

// -1, 0 or 1 by hour, then minute, second and microsecond.
int compare(const Time& a, const Time& b)
{
    int32_t pairs[4][2] = {
        {a.hour(), b.hour()}, {a.minute(), b.minute()}, {a.second(), b.second()}, {a.microsecond(), b.microsecond()}};
    for (auto& p : pairs)
        if (p[0] != p[1])
            return p[0] < p[1] ? -1 : 1;
    return 0;
}

}  // namespace qorcoreTime_detail

Time::Time(const plat::Time& impl) : impl_(new plat::Time(impl)) {}

Time::Time(const Time& other) : impl_(new plat::Time(*other.impl_)) {}

Time::~Time()
{
    delete impl_;
    impl_ = nullptr;
}

Time& Time::operator=(const Time& other)
{
    if (this != &other)
        *impl_ = *other.impl_;
    return *this;
}

bool Time::operator==(const Time& other) const
{
    return *impl_ == *other.impl_;
}

bool Time::operator!=(const Time& other) const
{
    return !(*this == other);
}

bool Time::operator<(const Time& other) const
{
    return qorcoreTime_detail::compare(*this, other) < 0;
}

bool Time::operator<=(const Time& other) const
{
    return *this == other || *this < other;
}

bool Time::operator>(const Time& other) const
{
    return qorcoreTime_detail::compare(*this, other) > 0;
}

bool Time::operator>=(const Time& other) const
{
    return *this == other || *this > other;
}

Time Time::operator-(const Duration& duration) const
{
    return Time(*impl_ - *implPointer(duration));
}

Duration Time::operator-(const Time& other) const
{
    return Duration(*impl_ - *other.impl_);
}

Time& Time::operator-=(const Duration& duration)
{
    return *this = *this - duration;
}

Time Time::operator+(const Duration& duration) const
{
    return Time(*impl_ + *implPointer(duration));
}

Time& Time::operator+=(const Duration& duration)
{
    return *this = *this + duration;
}

std::string Time::format(const std::string& pattern) const
{
    return impl_->format(pattern);
}

int16_t Time::hour() const
{
    return impl_->hour();
}

void Time::setHour(int16_t hour)
{
    impl_->setHour(hour);
}

int16_t Time::minute() const
{
    return impl_->minute();
}

void Time::setMinute(int16_t minute)
{
    impl_->setMinute(minute);
}

int16_t Time::second() const
{
    return impl_->second();
}

void Time::setSecond(int16_t second)
{
    impl_->setSecond(second);
}

int32_t Time::microsecond() const
{
    return impl_->microsecond();
}

void Time::setMicrosecond(int32_t microsecond)
{
    impl_->setMicrosecond(microsecond);
}

double Time::secondsOfDay() const
{
    return impl_->secondsOfDay();
}

void Time::setSecondsOfDay(double seconds)
{
    impl_->setSecondsOfDay(seconds);
}

plat::Time* implPointer(const Time& time)
{
    return time.impl_;
}

}  // namespace core
}  // namespace qor

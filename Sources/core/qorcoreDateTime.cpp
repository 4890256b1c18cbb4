#include "core/qorcoreDateTime.h"

#include "plat/qorplatClock.h"

namespace qor {
namespace core {

namespace qorcoreDateTime_detail {

// -1, 0 or 1: the dates by year, month and day, then the times by their parts.
int compare(const plat::DateTime& a, const plat::DateTime& b)
{
    const plat::Date& da = a.date();
    const plat::Date& db = b.date();
    const plat::Time& ta = a.time();
    const plat::Time& tb = b.time();
    int32_t pairs[7][2] = {{da.year(), db.year()},     {da.month(), db.month()},   {da.day(), db.day()},
                           {ta.hour(), tb.hour()},     {ta.minute(), tb.minute()}, {ta.second(), tb.second()},
                           {ta.microsecond(), tb.microsecond()}};
    for (auto& p : pairs)
        if (p[0] != p[1])
            return p[0] < p[1] ? -1 : 1;
    return 0;
}

}  // namespace qorcoreDateTime_detail

DateTime::DateTime(bool withMicroseconds)
    : impl_(new plat::DateTime(plat::presentSecondsSince1970(withMicroseconds)))
{
}

DateTime::DateTime(const plat::DateTime& impl) : impl_(new plat::DateTime(impl)) {}

DateTime::DateTime(const DateTime& other) : impl_(new plat::DateTime(*other.impl_)) {}

DateTime::~DateTime()
{
    delete impl_;
    impl_ = nullptr;
}

DateTime& DateTime::operator=(const DateTime& other)
{
    if (this != &other)
        *impl_ = *other.impl_;
    return *this;
}

bool DateTime::operator==(const DateTime& other) const
{
    return *impl_ == *other.impl_;
}

bool DateTime::operator!=(const DateTime& other) const
{
    return !(*this == other);
}

bool DateTime::operator<(const DateTime& other) const
{
    return qorcoreDateTime_detail::compare(*impl_, *other.impl_) < 0;
}

bool DateTime::operator<=(const DateTime& other) const
{
    return *this == other || *this < other;
}

bool DateTime::operator>(const DateTime& other) const
{
    return qorcoreDateTime_detail::compare(*impl_, *other.impl_) > 0;
}

bool DateTime::operator>=(const DateTime& other) const
{
    return *this == other || *this > other;
}

DateTime DateTime::operator-(const Duration& duration) const
{
    return DateTime(*impl_ - *implPointer(duration));
}

Duration DateTime::operator-(const DateTime& other) const
{
    return Duration(*impl_ - *other.impl_);
}

DateTime& DateTime::operator-=(const Duration& duration)
{
    return *this = *this - duration;
}

DateTime DateTime::operator+(const Duration& duration) const
{
    return DateTime(*impl_ + *implPointer(duration));
}

DateTime& DateTime::operator+=(const Duration& duration)
{
    return *this = *this + duration;
}

std::string DateTime::format(const std::string& pattern) const
{
    return impl_->format(pattern);
}

Date DateTime::date() const
{
    return Date(impl_->date());
}

Time DateTime::time() const
{
    return Time(impl_->time());
}

plat::DateTime* implPointer(const DateTime& dateTime)
{
    return dateTime.impl_;
}

}  // namespace core
}  // namespace qor

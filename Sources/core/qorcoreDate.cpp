#include "core/qorcoreDate.h"

#include "core/qorcoreDateTime.h"

namespace qor {
namespace core {

namespace qorcoreDate_detail {

// -1, 0 or 1 by year, then month, then day.
int compare(const Date& a, const Date& b)
{
    int pairs[3][2] = {{a.year(), b.year()}, {a.month(), b.month()}, {a.day(), b.day()}};
    for (auto& p : pairs)
        if (p[0] != p[1])
            return p[0] < p[1] ? -1 : 1;
    return 0;
}

}  // namespace qorcoreDate_detail

Date::Date() : impl_(new plat::Date()) {}

Date::Date(const std::string& text) : impl_(new plat::Date(text)) {}

Date::Date(const plat::Date& impl) : impl_(new plat::Date(impl)) {}

Date::Date(const Date& other) : impl_(new plat::Date(*other.impl_)) {}

Date Date::current()
{
    return DateTime(false).date();
}

Date::~Date()
{
    delete impl_;
    impl_ = nullptr;
}

Date& Date::operator=(const Date& other)
{
    if (this != &other)
        *impl_ = *other.impl_;
    return *this;
}

bool Date::operator==(const Date& other) const
{
    return *impl_ == *other.impl_;
}

bool Date::operator!=(const Date& other) const
{
    return !(*this == other);
}

bool Date::operator<(const Date& other) const
{
    return qorcoreDate_detail::compare(*this, other) < 0;
}

bool Date::operator<=(const Date& other) const
{
    return *this == other || *this < other;
}

bool Date::operator>(const Date& other) const
{
    return qorcoreDate_detail::compare(*this, other) > 0;
}

bool Date::operator>=(const Date& other) const
{
    return *this == other || *this > other;
}

Date Date::operator-(const Duration& duration) const
{
    return Date(*impl_ - *implPointer(duration));
}

Duration Date::operator-(const Date& other) const
{
    return Duration(*impl_ - *other.impl_);
}

Date& Date::operator-=(const Duration& duration)
{
    return *this = *this - duration;
}

Date Date::operator+(const Duration& duration) const
{
    return Date(*impl_ + *implPointer(duration));
}

Date& Date::operator+=(const Duration& duration)
{
    return *this = *this + duration;
}

std::string Date::format(const std::string& pattern) const
{
    return impl_->format(pattern);
}

int16_t Date::year() const
{
    return impl_->year();
}

void Date::setYear(int16_t year)
{
    impl_->setYear(year);
}

int16_t Date::month() const
{
    return impl_->month();
}

void Date::setMonth(int16_t month)
{
    impl_->setMonth(month);
}

int16_t Date::day() const
{
    return impl_->day();
}

void Date::setDay(int16_t day)
{
    impl_->setDay(day);
}

uint16_t Date::weekday() const
{
    return impl_->weekday();
}

uint16_t Date::isoWeek() const
{
    return impl_->isoWeek();
}

uint16_t Date::daysInMonth() const
{
    return impl_->daysInMonth();
}

uint16_t Date::dayOfYear() const
{
    return impl_->dayOfYear();
}

plat::Date* implPointer(const Date& date)
{
    return date.impl_;
}

}  // namespace core
}  // namespace qor

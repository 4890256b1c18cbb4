#include "plat/qorplatTime.h"

#include <cmath>
#include <iomanip>
#include <sstream>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace plat {

namespace qorplatTime_detail {

constexpr int64_t kMicrosPerDay = 86400LL * 1000000LL;

boost::posix_time::ptime epoch()
{
    return boost::posix_time::ptime(boost::gregorian::date(1970, 1, 1));
}

void twoDigits(std::ostringstream& out, int v)
{
    if (v < 10)
        out << '0';
    out << v;
}

}  // namespace qorplatTime_detail

Time::Time() : instant_(qorplatTime_detail::epoch()) {}

Time::Time(int16_t hour, int16_t minute, int16_t second, int32_t microsecond) : instant_(qorplatTime_detail::epoch())
{
    set(geo::clampInt(hour, 0, 23), geo::clampInt(minute, 0, 59), geo::clampInt(second, 0, 59),
        geo::clampInt(microsecond, 0, 999999));
}

Time::Time(double secondsOfDay) : instant_(qorplatTime_detail::epoch())
{
    setSecondsOfDay(secondsOfDay);
}

void Time::set(int64_t hour, int64_t minute, int64_t second, int64_t microsecond)
{
    int64_t total = ((hour * 60 + minute) * 60 + second) * 1000000 + microsecond;
    int64_t ofDay = total % qorplatTime_detail::kMicrosPerDay;
    if (ofDay < 0)
        ofDay += qorplatTime_detail::kMicrosPerDay;
    instant_ = qorplatTime_detail::epoch() + boost::posix_time::microseconds(ofDay);
}

void Time::setSecondsOfDay(double seconds)
{
    // A NaN has no time of day; it counts as midnight.
    double x = geo::clamp(std::isnan(seconds) ? 0.0 : seconds, 0.0, 86400.0);
    int64_t h = geo::truncateToInt(x / 3600);
    x -= static_cast<double>(h * 3600);
    int64_t m = geo::truncateToInt(x / 60);
    x -= static_cast<double>(m * 60);
    int64_t s = geo::truncateToInt(x);
    int64_t us = geo::roundToInt((x - static_cast<double>(s)) * 1000000.0);
    set(h, m, s, us);
}

Time& Time::operator=(const Time& other)
{
    instant_ = other.instant_;
    return *this;
}

bool Time::operator==(const Time& other) const
{
    return instant_ == other.instant_;
}

bool Time::operator!=(const Time& other) const
{
    return !(*this == other);
}

Time Time::wrapped(double s)
{
    if (s < 0)
        s += 86400.0 * static_cast<double>(geo::roundAwayFromZero(std::fabs(s / 86400.0)));
    else
        s -= 86400.0 * static_cast<double>(geo::truncateToInt(s / 86400.0));
    return Time(s);
}

Time Time::operator-(const Duration& duration) const
{
    return wrapped(secondsOfDay() - duration.totalSeconds());
}

Duration Time::operator-(const Time& other) const
{
    return Duration::fromSeconds(secondsOfDay() - other.secondsOfDay());
}

Time& Time::operator-=(const Duration& duration)
{
    return *this = *this - duration;
}

Time Time::operator+(const Duration& duration) const
{
    return wrapped(secondsOfDay() + duration.totalSeconds());
}

Time& Time::operator+=(const Duration& duration)
{
    return *this = *this + duration;
}

std::string Time::format(const std::string& pattern) const
{
    using qorplatTime_detail::twoDigits;
    std::ostringstream out;
    int h = hour();
    int h12 = h == 0 ? 12 : h > 12 ? h - 12 : h;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        switch (c) {
        case 'A':
            out << (h < 12 ? "AM" : "PM");
            break;
        case 'a':
            out << (h < 12 ? "am" : "pm");
            break;
        case 'G':
            out << h;
            break;
        case 'H':
            twoDigits(out, h);
            break;
        case 'g':
            out << h12;
            break;
        case 'h':
            twoDigits(out, h12);
            break;
        case 'i':
            twoDigits(out, minute());
            break;
        case 's':
            twoDigits(out, second());
            break;
        case 'u':
            out << std::setw(6) << std::setfill('0') << microsecond();
            break;
        case '\\':
            if (++i < pattern.size())
                out << pattern[i];
            break;
        default:
            out << c;
        }
    }
    return out.str();
}

int64_t Time::microsOfDay() const
{
    int64_t us = instant_.time_of_day().total_microseconds() % qorplatTime_detail::kMicrosPerDay;
    return us < 0 ? us + qorplatTime_detail::kMicrosPerDay : us;
}

int16_t Time::hour() const
{
    return static_cast<int16_t>(microsOfDay() / 3600000000LL);
}

void Time::setHour(int16_t hour)
{
    set(geo::clampInt(hour, 0, 23), minute(), second(), microsecond());
}

int16_t Time::minute() const
{
    return static_cast<int16_t>(microsOfDay() / 60000000LL % 60);
}

void Time::setMinute(int16_t minute)
{
    set(hour(), geo::clampInt(minute, 0, 59), second(), microsecond());
}

int16_t Time::second() const
{
    return static_cast<int16_t>(microsOfDay() / 1000000LL % 60);
}

void Time::setSecond(int16_t second)
{
    set(hour(), minute(), geo::clampInt(second, 0, 59), microsecond());
}

int32_t Time::microsecond() const
{
    return static_cast<int32_t>(microsOfDay() % 1000000LL);
}

void Time::setMicrosecond(int32_t microsecond)
{
    set(hour(), minute(), second(), geo::clampInt(microsecond, 0, 999999));
}

double Time::secondsOfDay() const
{
    return hour() * 3600 + minute() * 60 + second() + microsecond() / 1000000.0;
}

}  // namespace plat
}  // namespace qor

#include "plat/qorplatDateTime.h"

#include <cmath>

#include <boost/date_time/posix_time/conversion.hpp>
#include <boost/date_time/posix_time/posix_time_types.hpp>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace plat {

DateTime::DateTime(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute, int16_t second,
                   int32_t microsecond)
    : date_(year, month, day), time_(hour, minute, second, microsecond)
{
}

DateTime::DateTime(double x)
{
    // A NaN counts as the epoch; the count is held to the calendar's years 1400 to 9999.
    if (std::isnan(x))
        x = 0.0;
    x = geo::clamp(x, -17987443200.0, 253402300799.0);
    int64_t whole = geo::truncateToInt(x);
    boost::posix_time::ptime p = boost::posix_time::from_time_t(static_cast<std::time_t>(whole));
    boost::gregorian::date d = p.date();
    boost::posix_time::time_duration t = p.time_of_day();
    date_ = Date(static_cast<int16_t>(d.year()), static_cast<int16_t>(d.month()), static_cast<int16_t>(d.day()));
    time_ = Time(static_cast<int16_t>(t.hours()), static_cast<int16_t>(t.minutes()), static_cast<int16_t>(t.seconds()),
                 static_cast<int32_t>(geo::roundToInt((x - static_cast<double>(whole)) * 1000000.0)));
}

DateTime& DateTime::operator=(const DateTime& other)
{
    date_ = other.date_;
    time_ = other.time_;
    return *this;
}

bool DateTime::operator==(const DateTime& other) const
{
    return date_ == other.date_ && time_ == other.time_;
}

bool DateTime::operator!=(const DateTime& other) const
{
    return !(*this == other);
}

DateTime DateTime::shifted(const Duration& duration, bool add) const
{
    double totalDays = duration.totalDays();
    // Beyond the calendar's reach whatever the start: the fixed ends stand in.
    bool upward = add ? totalDays > 0 : totalDays < 0;
    DateTime fallback = upward ? DateTime(9999, 12, 31, 23, 59, 59, 999999) : DateTime();
    if (std::isnan(totalDays) || std::fabs(totalDays) > 4000000.0)
        return std::isnan(totalDays) ? *this : fallback;

    int64_t days = geo::truncateToInt(totalDays);
    int64_t hours = geo::truncateToInt(duration.totalHours() - static_cast<double>(days) * 24);
    int64_t minutes =
        geo::truncateToInt(duration.totalMinutes() - static_cast<double>(days) * 1440 - static_cast<double>(hours) * 60);
    double total = duration.totalSeconds();
    int64_t seconds = geo::truncateToInt(total - static_cast<double>(days) * 86400 - static_cast<double>(hours) * 3600 -
                                         static_cast<double>(minutes) * 60);
    int64_t micros = geo::roundToInt((total - std::trunc(total)) * 1000000.0);

    // The instant and the step in microseconds since 1970, checked against the calendar's range.
    static const int64_t kEpochDay = boost::gregorian::date(1970, 1, 1).day_number();
    static const int64_t kFirst = (boost::gregorian::date(1400, 1, 1).day_number() - kEpochDay) * 86400000000LL;
    static const int64_t kLast = (boost::gregorian::date(9999, 12, 31).day_number() - kEpochDay + 1) * 86400000000LL;
    int64_t start = (static_cast<int64_t>(date_.operator-(Date()).seconds()) +
                     static_cast<int64_t>(time_.hour()) * 3600 + time_.minute() * 60 + time_.second()) *
                        1000000LL +
                    time_.microsecond();
    int64_t step = (((days * 24 + hours) * 60 + minutes) * 60 + seconds) * 1000000LL + micros;
    int64_t end = add ? start + step : start - step;
    if (end < kFirst || end >= kLast)
        return fallback;

    boost::posix_time::ptime p =
        boost::posix_time::ptime(boost::gregorian::date(1970, 1, 1)) + boost::posix_time::microseconds(end);
    boost::gregorian::date d = p.date();
    boost::posix_time::time_duration t = p.time_of_day();
    return DateTime(static_cast<int16_t>(d.year()), static_cast<int16_t>(d.month()), static_cast<int16_t>(d.day()),
                    static_cast<int16_t>(t.hours()), static_cast<int16_t>(t.minutes()),
                    static_cast<int16_t>(t.seconds()), static_cast<int32_t>(t.fractional_seconds()));
}

DateTime DateTime::operator-(const Duration& duration) const
{
    return shifted(duration, false);
}

Duration DateTime::operator-(const DateTime& other) const
{
    return (date_ - other.date_) + (time_ - other.time_);
}

DateTime& DateTime::operator-=(const Duration& duration)
{
    return *this = *this - duration;
}

DateTime DateTime::operator+(const Duration& duration) const
{
    return shifted(duration, true);
}

DateTime& DateTime::operator+=(const Duration& duration)
{
    return *this = *this + duration;
}

std::string DateTime::format(const std::string& pattern) const
{
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        switch (c) {
        case 'A': case 'G': case 'H': case 'a': case 'g': case 'h': case 'i': case 's': case 'u':
            out += time_.format(std::string(1, c));
            break;
        case 'D': case 'F': case 'M': case 'N': case 'W': case 'Y': case 'd': case 'j': case 'l': case 'm':
        case 'n': case 't': case 'y': case 'z':
            out += date_.format(std::string(1, c));
            break;
        case '\\':
            if (++i < pattern.size())
                out += pattern[i];
            break;
        default:
            out += c;
        }
    }
    return out;
}

}  // namespace plat
}  // namespace qor

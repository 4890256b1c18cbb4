#include "plat/qorplatDate.h"

#include <sstream>

#include <boost/date_time/gregorian/parsers.hpp>

#include "geo/qorgeoNumeric.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace plat {

namespace qorplatDate_detail {

const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

boost::gregorian::date epoch()
{
    return boost::gregorian::date(1970, 1, 1);
}

// The date, or not-a-date when the calendar rejects it.
boost::gregorian::date make(int year, int month, int day)
{
    try {
        return boost::gregorian::date(static_cast<unsigned short>(year), static_cast<unsigned short>(month),
                                      static_cast<unsigned short>(day));
    } catch (const std::exception&) {
        return boost::gregorian::date(boost::date_time::not_a_date_time);
    }
}

void twoDigits(std::ostringstream& out, int v)
{
    if (v < 10)
        out << '0';
    out << v;
}

}  // namespace qorplatDate_detail

Date::Date() : date_(qorplatDate_detail::epoch()) {}

Date::Date(int16_t year, int16_t month, int16_t day) : date_(qorplatDate_detail::epoch())
{
    if (year < 1970)
        return;
    if (year > 9999) {
        date_ = boost::gregorian::date(9999, 12, 31);
        return;
    }
    boost::gregorian::date d = qorplatDate_detail::make(year, geo::clampInt(month, 1, 12), geo::clampInt(day, 1, 31));
    if (!d.is_special())
        date_ = d;
}

Date::Date(const std::string& text) : date_(qorplatDate_detail::epoch())
{
    try {
        boost::gregorian::date d = boost::gregorian::from_simple_string(utils::trimWhitespace(text));
        if (!d.is_special())
            date_ = d;
    } catch (...) {
        // Unparsable text keeps 1970-01-01.
    }
}

Date::Date(const boost::gregorian::date& date) : date_(date) {}

Date& Date::operator=(const Date& other)
{
    date_ = other.date_;
    return *this;
}

bool Date::operator==(const Date& other) const
{
    return date_ == other.date_;
}

bool Date::operator!=(const Date& other) const
{
    return !(*this == other);
}

Date Date::shifted(const Date& from, int64_t days, bool upward)
{
    // Stay within the calendar's years 1400 to 9999; beyond them the fixed dates stand in.
    static const int64_t kFirst = boost::gregorian::date(1400, 1, 1).day_number();
    static const int64_t kLast = boost::gregorian::date(9999, 12, 31).day_number();
    int64_t target = static_cast<int64_t>(from.date_.day_number());
    bool inRange = days >= kFirst - target && days <= kLast - target;
    if (!inRange)
        return upward ? Date(9999, 12, 31) : Date();
    boost::gregorian::date d = from.date_ + boost::gregorian::date_duration(static_cast<long>(days));
    return Date(static_cast<int16_t>(d.year()), static_cast<int16_t>(d.month()), static_cast<int16_t>(d.day()));
}

Date Date::operator-(const Duration& duration) const
{
    double t = duration.totalDays();
    int64_t n = t >= 0 ? geo::roundAwayFromZero(t) : geo::truncateToInt(t);
    return shifted(*this, n == INT64_MIN ? INT64_MAX : -n, t < 0);
}

Duration Date::operator-(const Date& other) const
{
    int64_t days = static_cast<int64_t>(date_.day_number()) - static_cast<int64_t>(other.date_.day_number());
    return Duration(days * 86400, 0);
}

Date& Date::operator-=(const Duration& duration)
{
    return *this = *this - duration;
}

Date Date::operator+(const Duration& duration) const
{
    double t = duration.totalDays();
    int64_t n = t >= 0 ? geo::truncateToInt(t) : geo::roundAwayFromZero(t);
    return shifted(*this, n, t > 0);
}

Date& Date::operator+=(const Duration& duration)
{
    return *this = *this + duration;
}

std::string Date::format(const std::string& pattern) const
{
    using namespace qorplatDate_detail;
    std::ostringstream out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        switch (c) {
        case 'D':
            out << kShortDays[weekday()];
            break;
        case 'l':
            out << kLongDays[weekday()];
            break;
        case 'N':
            out << (weekday() == 0 ? 7 : weekday());
            break;
        case 'F':
            out << kLongMonths[month() - 1];
            break;
        case 'M':
            out << kShortMonths[month() - 1];
            break;
        case 'W':
            out << isoWeek();
            break;
        case 'Y':
            out << year();
            break;
        case 'y': {
            std::string y = std::to_string(year());
            out << (y.size() > 2 ? y.substr(2) : std::string());
            break;
        }
        case 'd':
            twoDigits(out, day());
            break;
        case 'j':
            out << day();
            break;
        case 'm':
            twoDigits(out, month());
            break;
        case 'n':
            out << month();
            break;
        case 't':
            out << daysInMonth();
            break;
        case 'z':
            out << dayOfYear();
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

bool Date::rebuild(int year, int month, int day)
{
    boost::gregorian::date d = qorplatDate_detail::make(year, month, day);
    if (d.is_special())
        return false;
    date_ = d;
    return true;
}

int16_t Date::year() const
{
    return static_cast<int16_t>(date_.year());
}

void Date::setYear(int16_t year)
{
    rebuild(geo::clampInt(year, 1970, 9999), month(), day());
}

int16_t Date::month() const
{
    return static_cast<int16_t>(date_.month());
}

void Date::setMonth(int16_t month)
{
    rebuild(year(), geo::clampInt(month, 1, 12), day());
}

int16_t Date::day() const
{
    return static_cast<int16_t>(date_.day());
}

void Date::setDay(int16_t day)
{
    rebuild(year(), month(), geo::clampInt(day, 1, 31));
}

uint16_t Date::weekday() const
{
    return static_cast<uint16_t>(date_.day_of_week().as_number());
}

uint16_t Date::isoWeek() const
{
    return static_cast<uint16_t>(date_.week_number());
}

uint16_t Date::daysInMonth() const
{
    return static_cast<uint16_t>(date_.end_of_month().day());
}

uint16_t Date::dayOfYear() const
{
    return static_cast<uint16_t>(date_.day_of_year());
}

}  // namespace plat
}  // namespace qor

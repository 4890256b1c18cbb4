// A calendar date on the Gregorian calendar, 1970-01-01 to 9999-12-31, with arithmetic by
// durations and a letter-code format. Nothing fails: out-of-range input is clamped and an
// impossible date becomes 1970-01-01.
#pragma once

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <cstdint>
#include <string>

#include "plat/qorplatDuration.h"

namespace qor {
namespace plat {

class Date {
public:
    Date();
    Date(int16_t year, int16_t month, int16_t day);
    // Parsed as year, month, day ("2024-03-05", "2024/3/5", "2024-Mar-05"); 1970-01-01 when it fails.
    // The only way to a date between 1400 and 1969.
    explicit Date(const std::string& text);
    Date(const Date& other) = default;

    virtual ~Date() = default;
    virtual Date& operator=(const Date& other);
    virtual bool operator==(const Date& other) const;
    virtual bool operator!=(const Date& other) const;
    // Whole days: minus rounds toward plus infinity, plus toward minus infinity, so d − x == d + (−x).
    virtual Date operator-(const Duration& duration) const;
    virtual Duration operator-(const Date& other) const;
    virtual Date& operator-=(const Duration& duration);
    virtual Date operator+(const Duration& duration) const;
    virtual Date& operator+=(const Duration& duration);
    // Letters D l N F M W Y y d j m n t z; "\" makes the next byte literal.
    virtual std::string format(const std::string& pattern) const;
    virtual int16_t year() const;
    // The setters clamp; a date the month does not have leaves the date unchanged.
    virtual void setYear(int16_t year);
    virtual int16_t month() const;
    virtual void setMonth(int16_t month);
    virtual int16_t day() const;
    virtual void setDay(int16_t day);
    virtual uint16_t weekday() const;  // 0 Sunday .. 6 Saturday
    virtual uint16_t isoWeek() const;
    virtual uint16_t daysInMonth() const;
    virtual uint16_t dayOfYear() const;

private:
    explicit Date(const boost::gregorian::date& date);
    bool rebuild(int year, int month, int day);
    static Date shifted(const Date& from, int64_t days, bool upward);
    boost::gregorian::date date_;
};

}  // namespace plat
}  // namespace qor

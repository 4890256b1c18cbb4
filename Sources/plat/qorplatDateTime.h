// A date and a time of day together, in Coordinated Universal Time: arithmetic by durations,
// differences and the combined letter-code format.
#pragma once

#include <cstdint>
#include <string>

#include "plat/qorplatDate.h"
#include "plat/qorplatDuration.h"
#include "plat/qorplatTime.h"

namespace qor {
namespace plat {

class DateTime {
public:
    DateTime() = default;
    // The date and the time through their clamping constructors.
    DateTime(int16_t year, int16_t month, int16_t day, int16_t hour, int16_t minute, int16_t second,
             int32_t microsecond);
    // Seconds since 1970-01-01 00:00 UTC, a 64-bit count (valid past 2038).
    explicit DateTime(double secondsSince1970);
    DateTime(const DateTime& other) = default;

    virtual ~DateTime() = default;
    virtual DateTime& operator=(const DateTime& other);
    virtual bool operator==(const DateTime& other) const;
    virtual bool operator!=(const DateTime& other) const;
    virtual DateTime operator-(const Duration& duration) const;
    virtual Duration operator-(const DateTime& other) const;
    virtual DateTime& operator-=(const Duration& duration);
    virtual DateTime operator+(const Duration& duration) const;
    virtual DateTime& operator+=(const Duration& duration);
    virtual std::string format(const std::string& pattern) const;

    const Date& date() const { return date_; }
    const Time& time() const { return time_; }

private:
    DateTime shifted(const Duration& duration, bool add) const;
    Date date_;
    Time time_;
};

}  // namespace plat
}  // namespace qor

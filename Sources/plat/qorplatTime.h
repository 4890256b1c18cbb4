// A time of day (hour, minute, second, microsecond) with wrap-around arithmetic by durations and a
// letter-code format. Every input is clamped or wrapped; nothing fails.
#pragma once

#include <boost/date_time/posix_time/posix_time_types.hpp>
#include <cstdint>
#include <string>

#include "plat/qorplatDuration.h"

namespace qor {
namespace plat {

class Time {
public:
    Time();
    // Each part clamped: hour 0..23, minute 0..59, second 0..59, microsecond 0..999999.
    Time(int16_t hour, int16_t minute, int16_t second, int32_t microsecond);
    // Seconds clamped to 0..86400, then split; 86400 reads as 00:00:00.
    explicit Time(double secondsOfDay);
    Time(const Time& other) = default;

    virtual ~Time() = default;
    virtual Time& operator=(const Time& other);
    virtual bool operator==(const Time& other) const;
    virtual bool operator!=(const Time& other) const;
    virtual Time operator-(const Duration& duration) const;
    // Not wrapped: 01:00 − 23:00 is −22 hours.
    virtual Duration operator-(const Time& other) const;
    virtual Time& operator-=(const Duration& duration);
    virtual Time operator+(const Duration& duration) const;
    virtual Time& operator+=(const Duration& duration);
    // Letters A a G H g h i s u; "\" makes the next byte literal.
    virtual std::string format(const std::string& pattern) const;
    virtual int16_t hour() const;
    virtual void setHour(int16_t hour);
    virtual int16_t minute() const;
    virtual void setMinute(int16_t minute);
    virtual int16_t second() const;
    virtual void setSecond(int16_t second);
    virtual int32_t microsecond() const;
    virtual void setMicrosecond(int32_t microsecond);
    virtual double secondsOfDay() const;
    virtual void setSecondsOfDay(double seconds);

private:
    void set(int64_t hour, int64_t minute, int64_t second, int64_t microsecond);
    static Time wrapped(double seconds);
    int64_t microsOfDay() const;
    // On 1970-01-01; the time of day is always within the one day.
    boost::posix_time::ptime instant_;
};

}  // namespace plat
}  // namespace qor

// The client time of day: owns one plat::Time and forwards to it.
#pragma once

#include <string>

#include "core/qorcoreDuration.h"
#include "plat/qorplatTime.h"

namespace qor {
namespace core {

class Time {
public:
    explicit Time(const plat::Time& impl);
    Time(const Time& other);

    virtual ~Time();
    virtual Time& operator=(const Time& other);
    virtual bool operator==(const Time& other) const;
    virtual bool operator!=(const Time& other) const;
    virtual bool operator<(const Time& other) const;
    virtual bool operator<=(const Time& other) const;
    virtual bool operator>(const Time& other) const;
    virtual bool operator>=(const Time& other) const;
    virtual Time operator-(const Duration& duration) const;
    virtual Duration operator-(const Time& other) const;
    virtual Time& operator-=(const Duration& duration);
    virtual Time operator+(const Duration& duration) const;
    virtual Time& operator+=(const Duration& duration);
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
    friend plat::Time* implPointer(const Time& time);
    plat::Time* impl_;
};

plat::Time* implPointer(const Time& time);

}  // namespace core
}  // namespace qor

// The client date-time: owns one plat::DateTime (a date and a time of day, in Coordinated
// Universal Time) and forwards to it.
#pragma once

#include <string>

#include "core/qorcoreDate.h"
#include "core/qorcoreDuration.h"
#include "core/qorcoreTime.h"
#include "plat/qorplatDateTime.h"

namespace qor {
namespace core {

class DateTime {
public:
    // The present moment; without microseconds its time has whole seconds.
    explicit DateTime(bool withMicroseconds);
    explicit DateTime(const plat::DateTime& impl);
    DateTime(const DateTime& other);

    virtual ~DateTime();
    virtual DateTime& operator=(const DateTime& other);
    virtual bool operator==(const DateTime& other) const;
    virtual bool operator!=(const DateTime& other) const;
    virtual bool operator<(const DateTime& other) const;
    virtual bool operator<=(const DateTime& other) const;
    virtual bool operator>(const DateTime& other) const;
    virtual bool operator>=(const DateTime& other) const;
    virtual DateTime operator-(const Duration& duration) const;
    virtual Duration operator-(const DateTime& other) const;
    virtual DateTime& operator-=(const Duration& duration);
    virtual DateTime operator+(const Duration& duration) const;
    virtual DateTime& operator+=(const Duration& duration);
    virtual std::string format(const std::string& pattern) const;

    Date date() const;
    Time time() const;

private:
    friend plat::DateTime* implPointer(const DateTime& dateTime);
    plat::DateTime* impl_;
};

plat::DateTime* implPointer(const DateTime& dateTime);

}  // namespace core
}  // namespace qor

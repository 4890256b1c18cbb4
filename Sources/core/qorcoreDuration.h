// The client duration: owns one plat::Duration. Equality compares the two fields; the orders
// compare total seconds, so 1 s and 0 s + 1,000,000 µs are neither equal nor ordered.
#pragma once

#include <cstdint>

#include "plat/qorplatDuration.h"

namespace qor {
namespace core {

class Duration {
public:
    // Whole days (seconds = days × 86400, saturating), no microseconds.
    explicit Duration(int64_t days);
    explicit Duration(const plat::Duration& impl);
    Duration(const Duration& other);
    // The local time zone's present offset from Coordinated Universal Time (east is positive).
    static Duration utcOffset();

    virtual ~Duration();
    virtual Duration& operator=(const Duration& other);
    virtual bool operator==(const Duration& other) const;
    virtual bool operator!=(const Duration& other) const;
    virtual bool operator<(const Duration& other) const;
    virtual bool operator<=(const Duration& other) const;
    virtual bool operator>(const Duration& other) const;
    virtual bool operator>=(const Duration& other) const;
    virtual Duration operator-(const Duration& other) const;
    virtual Duration operator-() const;
    virtual Duration& operator-=(const Duration& other);
    virtual Duration operator+(const Duration& other) const;
    virtual Duration& operator+=(const Duration& other);
    virtual Duration operator*(double factor) const;
    virtual Duration& operator*=(double factor);
    virtual Duration operator/(double divisor) const;
    virtual Duration& operator/=(double divisor);
    virtual double totalYears() const;
    virtual double totalDays() const;
    virtual double totalHours() const;
    virtual double totalMinutes() const;
    virtual double totalSeconds() const;

private:
    friend plat::Duration* implPointer(const Duration& duration);
    plat::Duration* impl_;
};

plat::Duration* implPointer(const Duration& duration);

}  // namespace core
}  // namespace qor

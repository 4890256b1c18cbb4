// A signed duration of whole seconds and microseconds. Arithmetic goes through the total seconds
// as a double; results carry the duration's sign in both fields.
#pragma once

#include <cstdint>

namespace qor {
namespace plat {

class Duration {
public:
    Duration() : seconds_(0), microseconds_(0) {}
    Duration(int64_t seconds, int32_t microseconds) : seconds_(seconds), microseconds_(microseconds) {}
    Duration(const Duration& other) = default;

    virtual ~Duration() = default;
    virtual Duration& operator=(const Duration& other);
    virtual bool operator==(const Duration& other) const;
    virtual bool operator!=(const Duration& other) const;
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

    int64_t seconds() const { return seconds_; }
    int32_t microseconds() const { return microseconds_; }

    // Whole seconds truncated toward zero, the rest rounded to microseconds; NaN gives zero.
    static Duration fromSeconds(double totalSeconds);

private:
    int64_t seconds_;
    int32_t microseconds_;
};

}  // namespace plat
}  // namespace qor

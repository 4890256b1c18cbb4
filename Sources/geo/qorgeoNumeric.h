// Numeric helpers shared by every geometry value, the JSON code and the date and time classes:
// tolerant comparison, clamping, replacement of special values, rounding to integers, trigonometry
// snapped to exact zero, and random numbers.
#pragma once

#include <cmath>
#include <cstdint>

namespace qor {
namespace geo {

// The most negative and the largest finite double: the end markers of maxOfList and minOfList.
constexpr double kMaxOfListEnd = -1.7976931348623157e308;
constexpr double kMinOfListEnd = 1.7976931348623157e308;

bool isDigit(char c);

// |b - a| < |tolerance| (strict); a tolerance of 0 asks for exact equality; a NaN operand gives false.
// Inline: every geometry comparison goes through it.
inline bool approxEqual(double a, double b, double tolerance)
{
    double t = std::fabs(tolerance);
    if (t > 0.0)
        return std::fabs(b - a) < t;
    return a == b;
}

// b when a > b (resp. a < b), else a: a NaN operand or equal values give a.
double min(double a, double b);
double max(double a, double b);

// The bounds may come in either order; a NaN value comes back unchanged.
double clamp(double value, double bound1, double bound2);
int32_t clampInt(int32_t value, int32_t bound1, int32_t bound2);

double replaceNaN(double x, double fallback);
double replaceInfinity(double x, double limit);
double replaceZero(double x, double fallback);

// Variable lists of doubles, each ended by its marker (a value within 1e-6 of it).
double maxOfList(double first, ...);
double minOfList(double first, ...);

// Rounding to signed 64-bit integers. A NaN gives 0 and values beyond the 64-bit range saturate.
int64_t roundToInt(double x);
int64_t truncateToInt(double x);
int64_t roundAwayFromZero(double x);

// Trigonometry whose result is snapped to exactly 0 when it lies within the tolerance of 0.
// A NaN argument counts as 0 and an infinite one as the largest finite double of its sign.
double cos(double radians, double tolerance);
double sin(double radians, double tolerance);
double tan(double radians, double tolerance);

// r / 32767 for the next value r (0..32767) of the C library's generator, seeded once per process.
double random01();
// r / 32767 * (hi - lo + 1e-10) + lo, with lo and hi the smaller and the larger argument.
double randomBetween(double a, double b);

}  // namespace geo
}  // namespace qor

#include "geo/qorgeoNumeric.h"

#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <limits>

#include "win/WinBase.h"

namespace qor {
namespace geo {

namespace qorgeoNumeric_detail {

// The rounded double, converted without undefined behaviour: NaN gives 0, the ends saturate.
int64_t toInt64(double r)
{
    if (std::isnan(r))
        return 0;
    if (r >= 9223372036854775807.0)
        return std::numeric_limits<int64_t>::max();
    if (r <= -9223372036854775808.0)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

bool seeded = false;

// The C library's generator, kept to the 15 bits that the formulas divide by: this platform's
// rand() reaches 2^31 - 1, which would put random01 far outside 0..1.
int nextRand()
{
    if (!seeded) {
        seeded = true;
        std::srand(static_cast<unsigned>(std::time(nullptr)) + static_cast<unsigned>(GetCurrentProcessId()) +
                   static_cast<unsigned>(std::clock()));
        (void)std::rand();
    }
    return std::rand() % 32768;
}

double snap(double result, double tolerance)
{
    return approxEqual(result, 0.0, tolerance) ? 0.0 : result;
}

double trigArgument(double radians)
{
    return replaceInfinity(replaceNaN(radians, 0.0), kMinOfListEnd);
}

}  // namespace qorgeoNumeric_detail

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

double min(double a, double b)
{
    return a > b ? b : a;
}

double max(double a, double b)
{
    return a < b ? b : a;
}

double clamp(double value, double bound1, double bound2)
{
    double hi = bound1 > bound2 ? bound1 : bound2;
    double lo = bound1 > bound2 ? bound2 : bound1;
    if (value > hi)
        return hi;
    if (value < lo)
        return lo;
    return value;
}

int32_t clampInt(int32_t value, int32_t bound1, int32_t bound2)
{
    int32_t hi = bound1 > bound2 ? bound1 : bound2;
    int32_t lo = bound1 > bound2 ? bound2 : bound1;
    if (value > hi)
        return hi;
    if (value < lo)
        return lo;
    return value;
}

double replaceNaN(double x, double fallback)
{
    return std::isnan(x) ? fallback : x;
}

double replaceInfinity(double x, double limit)
{
    if (std::isinf(x))
        return x > 0 ? limit : -limit;
    return x;
}

double replaceZero(double x, double fallback)
{
    return x == 0.0 ? fallback : x;
}

double maxOfList(double first, ...)
{
    double result = first;
    va_list args;
    va_start(args, first);
    for (;;) {
        double v = va_arg(args, double);
        if (approxEqual(kMaxOfListEnd, v, 1e-6))
            break;
        if (v > result)
            result = v;
    }
    va_end(args);
    return result;
}

double minOfList(double first, ...)
{
    double result = first;
    va_list args;
    va_start(args, first);
    for (;;) {
        double v = va_arg(args, double);
        if (approxEqual(kMinOfListEnd, v, 1e-6))
            break;
        if (v < result)
            result = v;
    }
    va_end(args);
    return result;
}

int64_t roundToInt(double x)
{
    return qorgeoNumeric_detail::toInt64(x >= 0 ? std::floor(x + 0.5) : std::ceil(x - 0.5));
}

int64_t truncateToInt(double x)
{
    return qorgeoNumeric_detail::toInt64(x >= 0 ? std::floor(x) : std::ceil(x));
}

int64_t roundAwayFromZero(double x)
{
    return qorgeoNumeric_detail::toInt64(x >= 0 ? std::ceil(x) : std::floor(x));
}

double cos(double radians, double tolerance)
{
    return qorgeoNumeric_detail::snap(std::cos(qorgeoNumeric_detail::trigArgument(radians)), tolerance);
}

double sin(double radians, double tolerance)
{
    return qorgeoNumeric_detail::snap(std::sin(qorgeoNumeric_detail::trigArgument(radians)), tolerance);
}

double tan(double radians, double tolerance)
{
    return qorgeoNumeric_detail::snap(std::tan(qorgeoNumeric_detail::trigArgument(radians)), tolerance);
}

double random01()
{
    return qorgeoNumeric_detail::nextRand() / 32767.0;
}

double randomBetween(double a, double b)
{
    double lo = min(a, b);
    double hi = max(a, b);
    return qorgeoNumeric_detail::nextRand() / 32767.0 * (hi - lo + 1e-10) + lo;
}

}  // namespace geo
}  // namespace qor

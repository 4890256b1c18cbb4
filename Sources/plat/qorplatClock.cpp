#include "plat/qorplatClock.h"

#include <ctime>

#include "win/WinTime.h"

namespace qor {
namespace plat {

double presentSecondsSince1970(bool withMicroseconds)
{
    // A 64-bit count, so the present is right after 2038 too.
    double seconds = static_cast<double>(std::time(nullptr));
    if (withMicroseconds) {
        SYSTEMTIME st{};
        FILETIME ft{};
        GetSystemTime(&st);
        if (SystemTimeToFileTime(&st, &ft)) {
            uint64_t ticks = (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
            uint64_t micros = (ticks - 116444736000000000ULL) / 10;
            seconds += static_cast<double>(micros % 1000000) / 1000000.0;
        }
    }
    return seconds;
}

Duration utcOffset()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local))
        return Duration();
    TIME_ZONE_INFORMATION zone{};
    GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias + (local.tm_isdst > 0 ? zone.DaylightBias : zone.StandardBias);
    return Duration(-static_cast<int64_t>(bias) * 60, 0);
}

}  // namespace plat
}  // namespace qor

#include "plat/qorplatClock.h"

#include <ctime>

// Stand-in over the C runtime until the Windows layer's time-zone and system-time calls land.
namespace qor {
namespace plat {

double presentSecondsSince1970(bool withMicroseconds)
{
    double seconds = static_cast<double>(std::time(nullptr));
    if (withMicroseconds) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        int64_t micros = static_cast<int64_t>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
        seconds += static_cast<double>(micros % 1000000) / 1000000.0;
    }
    return seconds;
}

Duration utcOffset()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local))
        return Duration();
    return Duration(local.tm_gmtoff, 0);
}

}  // namespace plat
}  // namespace qor

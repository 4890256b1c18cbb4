#include "win/WinTime.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <initializer_list>

namespace qorwinTime_detail {

// Days since 1970-01-01 of a proleptic Gregorian date, and back (valid far beyond 1601..30827).
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

bool leap(int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// 100-ns intervals from 1601-01-01 to 1970-01-01.
constexpr int64_t kEpochDifference = 116444736000000000LL;

void copyName(WCHAR* out, const char* name)
{
    for (int i = 0; i < 31 && name && name[i]; ++i)
        out[i] = static_cast<unsigned char>(name[i]);
}

}  // namespace qorwinTime_detail

void GetSystemTime(LPSYSTEMTIME time)
{
    using namespace qorwinTime_detail;
    if (!time)
        return;
    using namespace std::chrono;
    int64_t ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    int64_t days = ms >= 0 ? ms / 86400000 : (ms - 86399999) / 86400000;
    int64_t rest = ms - days * 86400000;
    int64_t y;
    unsigned m, d;
    civilFromDays(days, y, m, d);
    time->wYear = static_cast<WORD>(y);
    time->wMonth = static_cast<WORD>(m);
    time->wDay = static_cast<WORD>(d);
    time->wDayOfWeek = static_cast<WORD>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday (4)
    time->wHour = static_cast<WORD>(rest / 3600000);
    time->wMinute = static_cast<WORD>(rest / 60000 % 60);
    time->wSecond = static_cast<WORD>(rest / 1000 % 60);
    time->wMilliseconds = static_cast<WORD>(rest % 1000);
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* st, LPFILETIME fileTime)
{
    using namespace qorwinTime_detail;
    if (!st || !fileTime)
        return FALSE;
    static const unsigned monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (st->wYear < 1601 || st->wYear > 30827 || st->wMonth < 1 || st->wMonth > 12 || st->wDay < 1 ||
        st->wHour > 23 || st->wMinute > 59 || st->wSecond > 59 || st->wMilliseconds > 999)
        return FALSE;
    unsigned days = monthDays[st->wMonth - 1] + (st->wMonth == 2 && leap(st->wYear) ? 1 : 0);
    if (st->wDay > days)
        return FALSE;
    int64_t since1970 = daysFromCivil(st->wYear, st->wMonth, st->wDay);
    int64_t ms = ((since1970 * 24 + st->wHour) * 60 + st->wMinute) * 60000 + st->wSecond * 1000 + st->wMilliseconds;
    uint64_t ticks = static_cast<uint64_t>(ms * 10000 + kEpochDifference);
    fileTime->dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
    fileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return TRUE;
}

DWORD GetTimeZoneInformation(LPTIME_ZONE_INFORMATION info)
{
    using namespace qorwinTime_detail;
    if (!info)
        return TIME_ZONE_ID_INVALID;
    std::memset(info, 0, sizeof *info);
    tzset();
    std::time_t now = std::time(nullptr);
    std::tm current{};
    if (!localtime_r(&now, &current))
        return TIME_ZONE_ID_INVALID;

    // Standard and daylight offsets of this year, from its midwinter and midsummer.
    long standardOffset = current.tm_gmtoff;
    long daylightOffset = 0;
    bool hasDaylight = false;
    bool haveStandard = current.tm_isdst <= 0;
    int year = current.tm_year + 1900;
    for (unsigned month : {1u, 7u}) {
        std::time_t probe = static_cast<std::time_t>(daysFromCivil(year, month, 1) * 86400 + 43200);
        std::tm local{};
        if (!localtime_r(&probe, &local))
            continue;
        if (local.tm_isdst > 0) {
            hasDaylight = true;
            daylightOffset = local.tm_gmtoff;
        } else if (!haveStandard) {
            standardOffset = local.tm_gmtoff;
            haveStandard = true;
        }
    }
    if (current.tm_isdst > 0) {
        hasDaylight = true;
        daylightOffset = current.tm_gmtoff;
    }
    info->Bias = static_cast<LONG>(-standardOffset / 60);
    info->StandardBias = 0;
    info->DaylightBias = hasDaylight ? static_cast<LONG>(-(daylightOffset - standardOffset) / 60) : 0;
    copyName(info->StandardName, tzname[0]);
    copyName(info->DaylightName, tzname[1]);
    if (!hasDaylight)
        return TIME_ZONE_ID_UNKNOWN;
    return current.tm_isdst > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "core/qorcoreDate.h"
#include "core/qorcoreDateTime.h"
#include "core/qorcoreDuration.h"
#include "core/qorcoreTime.h"
#include "plat/qorplatDate.h"
#include "plat/qorplatDateTime.h"
#include "plat/qorplatDuration.h"
#include "plat/qorplatTime.h"
#include "win/WinTime.h"

namespace test_dates_detail {
using qor::plat::Date;
using qor::plat::DateTime;
using qor::plat::Duration;
using qor::plat::Time;

std::string ymd(const Date& d)
{
    return d.format("Y-m-d");
}
std::string full(const DateTime& d)
{
    return d.format("Y-m-d H:i:s.u");
}
Duration days(double n)
{
    return Duration::fromSeconds(n * 86400);
}
Duration hours(double n)
{
    return Duration::fromSeconds(n * 3600);
}
}  // namespace test_dates_detail

TEST(Dates, ClampingAndFallbacks)
{
    using namespace test_dates_detail;
    struct Case {
        int y, m, d;
        const char* expected;
    } cases[] = {
        {1969, 12, 31, "1970-01-01"}, {12000, 5, 5, "9999-12-31"}, {2024, 13, 40, "2024-12-31"},
        {2023, 2, 29, "1970-01-01"},  {2024, 2, 29, "2024-02-29"}, {2024, 0, 0, "2024-01-01"},
        {-5, 3, 3, "1970-01-01"},     {9999, 12, 31, "9999-12-31"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ymd(Date(int16_t(c.y), int16_t(c.m), int16_t(c.d))), c.expected) << c.y << "-" << c.m << "-" << c.d;
}

TEST(Dates, ParsedText)
{
    using namespace test_dates_detail;
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {" 2024-03-05\n", "2024-03-05"}, {"2024/3/5", "2024-03-05"}, {"2024-Mar-05", "2024-03-05"},
        {"1800-01-01", "1800-01-01"},    {"yesterday", "1970-01-01"}, {"", "1970-01-01"},
        {"2023-02-30", "1970-01-01"},    {"1300-01-01", "1970-01-01"}, {"not-a-date-time", "1970-01-01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ymd(Date(std::string(c.text))), c.expected) << c.text;
}

TEST(Dates, ArithmeticRoundsWholeDaysAndClamps)
{
    using namespace test_dates_detail;
    Date d(2024, 3, 5);
    EXPECT_EQ(ymd(d + days(1.5)), "2024-03-06");
    EXPECT_EQ(ymd(d - days(1.5)), "2024-03-03");
    EXPECT_EQ(ymd(d + days(0.99)), "2024-03-05");
    EXPECT_EQ(ymd(d - days(0.01)), "2024-03-04");
    EXPECT_EQ(ymd(d + days(-0.5)), "2024-03-04");  // d + (−x) equals d − x
    EXPECT_EQ(ymd(Date() - days(1)), "1970-01-01");
    EXPECT_EQ(ymd(Date(9999, 12, 31) + days(1)), "9999-12-31");
    EXPECT_EQ(ymd(Date() - days(600 * 365.25)), "1970-01-01");
    EXPECT_EQ(ymd(Date() + days(1e15)), "9999-12-31");
    EXPECT_EQ(ymd(Date(2000, 1, 1) - days(-1e15)), "9999-12-31");
    EXPECT_EQ(ymd(Date(2000, 1, 1) + Duration::fromSeconds(std::nan(""))), "2000-01-01");
    Duration diff = Date(2100, 1, 1) - Date(1970, 1, 1);
    EXPECT_EQ(diff.seconds(), 4102444800LL);
    EXPECT_EQ(diff.totalDays(), 47482.0);
    EXPECT_EQ((Date(1970, 1, 1) - Date(1970, 1, 2)).seconds(), -86400);
}

TEST(Dates, SettersAndReadings)
{
    using namespace test_dates_detail;
    Date d(2024, 4, 10);
    d.setDay(31);
    EXPECT_EQ(ymd(d), "2024-04-10");
    d.setDay(0);
    EXPECT_EQ(ymd(d), "2024-04-01");
    d.setYear(1900);
    EXPECT_EQ(d.year(), 1970);
    Date leap(2024, 2, 29);
    leap.setYear(2023);
    EXPECT_EQ(ymd(leap), "2024-02-29");
    Date late(2024, 1, 30);
    late.setMonth(2);
    EXPECT_EQ(ymd(late), "2024-01-30");
    late.setMonth(14);
    EXPECT_EQ(ymd(late), "2024-12-30");
    EXPECT_EQ(Date().weekday(), 4);
    EXPECT_EQ(Date(2024, 2, 10).daysInMonth(), 29);
    EXPECT_EQ(Date(2024, 12, 31).dayOfYear(), 366);
}

TEST(Dates, LetterCodes)
{
    using namespace test_dates_detail;
    Date d(2024, 3, 5);
    EXPECT_EQ(d.format("D l N F M W Y y d j m n t z"), "Tue Tuesday 2 March Mar 10 2024 24 05 5 03 3 31 65");
    EXPECT_EQ(d.format("\\Y\\e\\a\\r: Y"), "Year: 2024");
    EXPECT_EQ(d.format("Y\\"), "2024");  // a trailing backslash writes nothing
    EXPECT_EQ(d.format("x-\\\\-%"), "x-\\-%");
    EXPECT_EQ(Date(2024, 3, 3).format("N D"), "7 Sun");
    EXPECT_EQ(Date(2021, 1, 1).format("W"), "53");
    EXPECT_EQ(Date(2023, 11, 9).format("j/n"), "9/11");
}

TEST(Times, ClampingSplitsAndReadings)
{
    using namespace test_dates_detail;
    EXPECT_EQ(Time(25, -3, 75, 2000000).format("H:i:s.u"), "23:00:59.999999");
    EXPECT_EQ(Time(3661.5).format("H:i:s.u"), "01:01:01.500000");
    EXPECT_EQ(Time(-5.0).format("H:i:s.u"), "00:00:00.000000");
    EXPECT_EQ(Time(86400.0).format("H:i:s.u"), "00:00:00.000000");
    EXPECT_EQ(Time(86399.9999996).format("H:i:s.u"), "00:00:00.000000");  // rounds up past the day
    EXPECT_EQ(Time(std::nan("")).format("H:i:s.u"), "00:00:00.000000");
    EXPECT_EQ(Time(3661.5).secondsOfDay(), 3661.5);
    Time t(10, 20, 30, 40);
    t.setHour(30);
    EXPECT_EQ(t.format("H:i:s.u"), "23:20:30.000040");
    t.setMicrosecond(-1);
    EXPECT_EQ(t.microsecond(), 0);
}

TEST(Times, WrapAroundArithmetic)
{
    using namespace test_dates_detail;
    EXPECT_EQ((Time(23, 30, 0, 0) + hours(1)).format("H:i"), "00:30");
    EXPECT_EQ((Time(0, 30, 0, 0) - hours(1)).format("H:i"), "23:30");
    EXPECT_EQ((Time(12, 0, 0, 0) + hours(48)).format("H:i"), "12:00");
    EXPECT_EQ((Time(12, 0, 0, 0) - hours(36)).format("H:i"), "00:00");
    EXPECT_EQ((Time(12, 0, 0, 0) + hours(-1e9)).format("H:i"), "20:00");
    Duration half = Time(0, 0, 1, 0) - Time(0, 0, 0, 500000);
    EXPECT_EQ(half.seconds(), 0);
    EXPECT_EQ(half.microseconds(), 500000);
    Duration back = Time(0, 0, 0, 0) - Time(1, 0, 0, 0);
    EXPECT_EQ(back.seconds(), -3600);
    EXPECT_EQ((Time(1, 0, 0, 0) - Time(23, 0, 0, 0)).seconds(), -22 * 3600);
}

TEST(Times, LetterCodes)
{
    using namespace test_dates_detail;
    EXPECT_EQ(Time(13, 5, 9, 42).format("A a G H g h i s u"), "PM pm 13 13 1 01 05 09 000042");
    EXPECT_EQ(Time(7, 8, 9, 10).format("H:i:s.u"), "07:08:09.000010");
    EXPECT_EQ(Time(7, 8, 9, 10).format("\\H"), "H");
    EXPECT_EQ(Time(0, 30, 0, 0).format("g:i A"), "12:30 AM");
    EXPECT_EQ(Time(12, 30, 0, 0).format("g:i A"), "12:30 PM");
    struct Case {
        int hour;
        const char* h;
    } twelve[] = {{0, "12"}, {9, "09"}, {10, "10"}, {12, "12"}, {13, "01"}, {21, "09"}, {22, "10"}, {23, "11"}};
    for (const Case& c : twelve)
        EXPECT_EQ(Time(int16_t(c.hour), 0, 0, 0).format("h"), c.h) << c.hour;
}

TEST(Durations, ArithmeticAndTotals)
{
    using namespace test_dates_detail;
    Duration q = Duration(90, 0) / 4;
    EXPECT_EQ(q.seconds(), 22);
    EXPECT_EQ(q.microseconds(), 500000);
    Duration p = Duration(-1, -500000) * 2;
    EXPECT_EQ(p.seconds(), -3);
    EXPECT_EQ(p.microseconds(), 0);
    Duration n = -Duration(5, 250);
    EXPECT_EQ(n.seconds(), -5);
    EXPECT_EQ(n.microseconds(), -250);
    EXPECT_EQ(Duration(730 * 86400, 0).totalYears(), 2.0);
    EXPECT_EQ(Duration(90, 0).totalMinutes(), 1.5);
    Duration sum = Duration(1, 700000) + Duration(0, 600000);
    EXPECT_EQ(sum.seconds(), 2);
    EXPECT_EQ(sum.microseconds(), 300000);
    Duration nanDuration = Duration(5, 0) * std::nan("");
    EXPECT_EQ(nanDuration.seconds(), 0);
    EXPECT_EQ(nanDuration.microseconds(), 0);
    EXPECT_EQ((Duration(5, 0) * 1e300).seconds(), INT64_MAX);

    using qor::core::Duration;
    EXPECT_TRUE(Duration(2) == Duration(qor::plat::Duration(2 * 86400, 0)));
    Duration oneSecond(qor::plat::Duration(1, 0));
    Duration million(qor::plat::Duration(0, 1000000));
    EXPECT_FALSE(oneSecond == million);
    EXPECT_FALSE(oneSecond < million);
    EXPECT_FALSE(oneSecond > million);
    EXPECT_TRUE(oneSecond <= million);
    EXPECT_EQ((Duration(1) - Duration(2)).totalDays(), -1.0);
    EXPECT_EQ((Duration(3) / 2.0).totalHours(), 36.0);
    EXPECT_EQ(Duration(INT64_MAX / 2).totalSeconds(), static_cast<double>(INT64_MAX));  // saturates
}

TEST(DateTimes, ConstructionAndArithmetic)
{
    using namespace test_dates_detail;
    EXPECT_EQ(full(DateTime(2024, 2, 30, 25, 0, 0, 0)), "1970-01-01 23:00:00.000000");
    EXPECT_EQ(full(DateTime(2024, 3, 5, 23, 30, 0, 0) + hours(1)), "2024-03-06 00:30:00.000000");
    EXPECT_EQ(full(DateTime(2024, 3, 5, 0, 30, 0, 0) - hours(1.5)), "2024-03-04 23:00:00.000000");
    EXPECT_EQ(full(DateTime(1970, 1, 1, 0, 30, 0, 0) - hours(1)), "1970-01-01 23:30:00.000000");
    EXPECT_EQ(full(DateTime(9999, 12, 31, 23, 0, 0, 0) + hours(2)), "9999-12-31 23:59:59.999999");
    EXPECT_EQ(full(DateTime(2000, 1, 1, 0, 0, 0, 0) - days(-1e9)), "9999-12-31 23:59:59.999999");
    EXPECT_EQ(full(DateTime(2000, 1, 1, 0, 0, 0, 0) + days(-1e9)), "1970-01-01 00:00:00.000000");
    EXPECT_EQ(full(DateTime(2000, 1, 1, 0, 0, 0, 0) + days(40000)), "2109-07-08 00:00:00.000000");
    Duration d = DateTime(2024, 3, 6, 1, 0, 0, 0) - DateTime(2024, 3, 5, 23, 0, 0, 0);
    EXPECT_EQ(d.seconds(), 7200);
    EXPECT_EQ(d.microseconds(), 0);
    EXPECT_EQ(full(DateTime(0.25)), "1970-01-01 00:00:00.250000");
    EXPECT_EQ(DateTime(2024, 3, 5, 13, 5, 9, 0).format("Y-m-d H:i:s"), "2024-03-05 13:05:09");
    EXPECT_EQ(DateTime(2024, 3, 5, 13, 5, 9, 0).format("\\Y Y"), "Y 2024");
}

TEST(DateTimes, InstantsAfter2038)
{
    using namespace test_dates_detail;
    EXPECT_EQ(full(DateTime(2147483648.0)), "2038-01-19 03:14:08.000000");
    EXPECT_EQ(full(DateTime(4102444800.5)), "2100-01-01 00:00:00.500000");
    EXPECT_EQ(full(DateTime(253402300799.0)), "9999-12-31 23:59:59.000000");
    EXPECT_EQ(full(DateTime(1e300)), "9999-12-31 23:59:59.000000");
    EXPECT_EQ(full(DateTime(std::nan(""))), "1970-01-01 00:00:00.000000");
    EXPECT_EQ(full(DateTime(2040, 6, 1, 12, 0, 0, 0) + days(365)), "2041-06-01 12:00:00.000000");
}

TEST(DateTimes, ClientOrderingAndParts)
{
    qor::core::DateTime a{qor::plat::DateTime(2024, 3, 5, 10, 0, 0, 0)};
    qor::core::DateTime b{qor::plat::DateTime(2024, 3, 5, 10, 0, 0, 1)};
    qor::core::DateTime c{qor::plat::DateTime(2024, 3, 4, 23, 0, 0, 0)};
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(c < a);
    EXPECT_TRUE(b >= a);
    EXPECT_TRUE(a <= a);
    EXPECT_TRUE(b.time() > a.time());
    EXPECT_TRUE(c.date() < a.date());
    EXPECT_EQ((b - a).totalSeconds(), 1e-6);
    qor::core::DateTime later = a + qor::core::Duration(1);
    EXPECT_EQ(later.format("Y-m-d"), "2024-03-06");
    EXPECT_EQ(later.date().format("D"), "Wed");
}

TEST(DateTimes, PresentMomentAndOffset)
{
    std::time_t before = std::time(nullptr);
    qor::core::DateTime now(true);
    qor::core::DateTime whole(false);
    std::time_t after = std::time(nullptr);
    qor::plat::DateTime lo(static_cast<double>(before)), hi(static_cast<double>(after) + 1);
    EXPECT_GE((*qor::core::implPointer(now) - lo).totalSeconds(), 0.0);
    EXPECT_LE((*qor::core::implPointer(now) - hi).totalSeconds(), 0.0);
    EXPECT_TRUE(qor::core::DateTime(lo) <= whole && whole <= qor::core::DateTime(hi));
    EXPECT_EQ(whole.time().microsecond(), 0);
    EXPECT_TRUE(qor::core::Date::current() == whole.date() || qor::core::Date::current() == qor::core::DateTime(hi).date());

    setenv("TZ", "XYZ-3", 1);  // three hours east of Greenwich, no daylight saving
    tzset();
    EXPECT_EQ(qor::core::Duration::utcOffset().totalSeconds(), 10800);
    setenv("TZ", "ABC+5", 1);
    tzset();
    EXPECT_EQ(qor::core::Duration::utcOffset().totalSeconds(), -18000);
}

TEST(DateTimes, OffsetFollowsDaylightSavingOfTheZone)
{
    // Central Europe: +1 h in winter, +2 h in summer.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
    TIME_ZONE_INFORMATION zone{};
    DWORD id = GetTimeZoneInformation(&zone);
    EXPECT_EQ(zone.Bias, -60);
    EXPECT_EQ(zone.StandardBias, 0);
    EXPECT_EQ(zone.DaylightBias, -60);
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(id, local.tm_isdst > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD);
    EXPECT_EQ(qor::core::Duration::utcOffset().totalSeconds(), local.tm_isdst > 0 ? 7200 : 3600);

    setenv("TZ", "UTC0", 1);
    tzset();
    EXPECT_EQ(GetTimeZoneInformation(&zone), TIME_ZONE_ID_UNKNOWN);
    EXPECT_EQ(zone.Bias, 0);
}

TEST(DateTimes, SystemTimeToFileTime)
{
    struct Case {
        SYSTEMTIME st;
        bool ok;
        uint64_t ticks;
    } cases[] = {
        {{1601, 1, 0, 1, 0, 0, 0, 0}, true, 0},
        {{1970, 1, 0, 1, 0, 0, 0, 0}, true, 116444736000000000ULL},
        {{2038, 1, 0, 19, 3, 14, 8, 5}, true, 116444736000000000ULL + 2147483648ULL * 10000000ULL + 50000},
        {{2024, 2, 0, 30, 0, 0, 0, 0}, false, 0},
        {{2023, 2, 0, 29, 0, 0, 0, 0}, false, 0},
        {{1600, 12, 0, 31, 0, 0, 0, 0}, false, 0},
        {{2024, 1, 0, 1, 24, 0, 0, 0}, false, 0},
    };
    for (const Case& c : cases) {
        FILETIME ft{};
        EXPECT_EQ(SystemTimeToFileTime(&c.st, &ft) != 0, c.ok) << c.st.wYear << "-" << c.st.wMonth << "-" << c.st.wDay;
        if (c.ok) {
            EXPECT_EQ((uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime, c.ticks);
        }
    }
    SYSTEMTIME now{};
    GetSystemTime(&now);
    std::time_t t = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&t, &utc);
    EXPECT_EQ(now.wYear, utc.tm_year + 1900);
    EXPECT_EQ(now.wDayOfWeek, utc.tm_wday);
}

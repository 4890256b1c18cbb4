#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geo/qorgeoNumeric.h"

namespace g = qor::geo;

namespace test_numeric_detail {
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kPi = 3.141592653589793;
}  // namespace test_numeric_detail

TEST(Numeric, ApproxEqualIsStrictAbsoluteAndExactAtZeroTolerance)
{
    using namespace test_numeric_detail;
    struct Case {
        double a, b, tol;
        bool expected;
    } cases[] = {
        {1.0, 1.05, 0.1, true},   {1.0, 1.2, 0.1, false},   {1.0, 1.0, 0.0, true},
        {1.0, 1.0 + 1e-15, 0.0, false}, {1.0, 1.05, -0.1, true}, {1.0, 1.1, 0.1, false},  // strict
        {1.0, 1.0, -0.0, true},   {kNaN, kNaN, 1.0, false}, {kNaN, 1.0, 0.0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(g::approxEqual(c.a, c.b, c.tol), c.expected) << c.a << " " << c.b << " " << c.tol;
}

TEST(Numeric, MinMaxClampKeepFirstOperandOnTiesAndNaN)
{
    using namespace test_numeric_detail;
    EXPECT_TRUE(std::isnan(g::min(kNaN, 1.0)));
    EXPECT_EQ(g::min(1.0, kNaN), 1.0);
    EXPECT_TRUE(std::isnan(g::max(kNaN, 1.0)));
    EXPECT_EQ(g::max(2.0, kNaN), 2.0);
    EXPECT_TRUE(std::signbit(g::min(-0.0, 0.0)));  // equal values: a comes back
    EXPECT_EQ(g::clamp(5, 10, 0), 5);
    EXPECT_EQ(g::clamp(5, 0, 10), 5);
    EXPECT_EQ(g::clamp(-1, 10, 0), 0);
    EXPECT_EQ(g::clamp(11, 0, 10), 10);
    EXPECT_TRUE(std::isnan(g::clamp(kNaN, 0, 10)));
    EXPECT_EQ(g::clampInt(20, 10, 0), 10);
    EXPECT_EQ(g::clampInt(-5, 10, 0), 0);
}

TEST(Numeric, ReplacementsOfSpecialValues)
{
    using namespace test_numeric_detail;
    EXPECT_EQ(g::replaceInfinity(kInf, 5), 5);
    EXPECT_EQ(g::replaceInfinity(-kInf, 5), -5);
    EXPECT_TRUE(std::isnan(g::replaceInfinity(kNaN, 5)));
    EXPECT_EQ(g::replaceZero(0.0, 1e-5), 1e-5);
    EXPECT_EQ(g::replaceZero(-0.0, 1e-5), 1e-5);
    EXPECT_TRUE(std::isnan(g::replaceZero(kNaN, 1e-5)));
    EXPECT_EQ(g::replaceNaN(kNaN, 3), 3);
    EXPECT_EQ(g::replaceNaN(kInf, 3), kInf);
}

TEST(Numeric, ListsEndAtTheirMarkers)
{
    EXPECT_EQ(g::maxOfList(3.0, 7.0, 5.0, g::kMaxOfListEnd), 7.0);
    EXPECT_EQ(g::minOfList(3.0, 7.0, 5.0, g::kMinOfListEnd), 3.0);
    EXPECT_EQ(g::maxOfList(3.0, g::kMaxOfListEnd), 3.0);
    EXPECT_EQ(g::minOfList(3.0, -9.0, g::kMinOfListEnd), -9.0);
    // The first value only starts the running value, even when it is the other list's marker.
    EXPECT_EQ(g::maxOfList(g::kMaxOfListEnd, -1.0, g::kMaxOfListEnd), -1.0);
}

TEST(Numeric, RoundingTable)
{
    struct Case {
        double x;
        int64_t round, trunc, away;
    } cases[] = {
        {2.5, 3, 2, 3},  {-2.5, -3, -2, -3}, {2.2, 2, 2, 3},   {-2.2, -2, -2, -3},
        {0.5, 1, 0, 1},  {-0.5, -1, 0, -1},  {-0.9, -1, 0, -1}, {0.1, 0, 0, 1},
        {-0.1, 0, 0, -1}, {0.0, 0, 0, 0},    {1e15 + 0.5, 1000000000000001, 1000000000000000, 1000000000000001},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(g::roundToInt(c.x), c.round) << c.x;
        EXPECT_EQ(g::truncateToInt(c.x), c.trunc) << c.x;
        EXPECT_EQ(g::roundAwayFromZero(c.x), c.away) << c.x;
    }
}

TEST(Numeric, RoundingOfUnrepresentableValuesIsDefined)
{
    using namespace test_numeric_detail;
    EXPECT_EQ(g::roundToInt(kNaN), 0);
    EXPECT_EQ(g::truncateToInt(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(g::roundAwayFromZero(-kInf), std::numeric_limits<int64_t>::min());
}

TEST(Numeric, TrigonometrySnapsNearZero)
{
    using namespace test_numeric_detail;
    EXPECT_EQ(g::cos(kPi / 2, 1e-10), 0.0);
    EXPECT_NE(g::cos(kPi / 2, 0), 0.0);
    EXPECT_EQ(g::cos(kPi / 2, 0), std::cos(kPi / 2));
    EXPECT_EQ(g::sin(kNaN, 1e-10), 0.0);
    EXPECT_EQ(g::cos(kNaN, 1e-10), 1.0);
    EXPECT_EQ(g::sin(kPi, 1e-10), 0.0);
    EXPECT_EQ(g::tan(kPi, 1e-10), 0.0);
    EXPECT_TRUE(std::isfinite(g::sin(kInf, 1e-10)));  // the largest finite double instead of infinity
    EXPECT_EQ(g::sin(kInf, 0), std::sin(1.7976931348623157e308));
}

TEST(Numeric, RandomNumbersStayInRange)
{
    for (int i = 0; i < 20000; ++i) {
        double r = g::random01();
        ASSERT_GE(r, 0.0);
        ASSERT_LE(r, 1.0);
        // Every value is a multiple of 1/32767.
        ASSERT_NEAR(r * 32767.0, std::round(r * 32767.0), 1e-6);
        double b = g::randomBetween(5, 2);
        ASSERT_GE(b, 2.0);
        ASSERT_LE(b, 5.0 + 1e-10);
    }
}

TEST(Numeric, IsDigit)
{
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(g::isDigit(static_cast<char>(c)), c >= '0' && c <= '9') << c;
}

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/qorcoreAngle.h"
#include "geo/qorgeoAngle.h"

namespace test_angles_detail {
const double kPi = 3.141592653589793;
const double kTwoPi = 6.283185307179586;
qor::geo::Angle rad(double r)
{
    return qor::geo::Angle(r, qor::geo::Angle::Radians);
}
}  // namespace test_angles_detail

TEST(Angles, UnitConversions)
{
    using namespace test_angles_detail;
    using qor::geo::Angle;
    EXPECT_EQ(Angle(90, Angle::Degrees).radians(), 1.5707963267948966);
    EXPECT_EQ(rad(kPi).degrees(), 180.0);
    EXPECT_EQ(Angle(200, Angle::Gradians).radians(), 200 * 0.015707963267948967);
    EXPECT_EQ(Angle(0.5, Angle::Turns).radians(), kPi);
    EXPECT_EQ(Angle(1.25, 7).radians(), 1.25);  // unknown unit: radians
    EXPECT_EQ(rad(1.25).value(7), 1.25);
    Angle a;
    a.setValue(180, Angle::Degrees);
    EXPECT_EQ(a.radians(), 180 * 0.017453292519943295);
}

TEST(Angles, ComparisonsTreatTheCircleAsClosed)
{
    using namespace test_angles_detail;
    EXPECT_TRUE(rad(0) == rad(kTwoPi));
    EXPECT_TRUE(rad(-kPi / 2) == rad(3 * kPi / 2));
    EXPECT_FALSE(rad(0.1) == rad(0.1 + 1e-14));
    EXPECT_TRUE(rad(0.1) != rad(0.1 + 1e-14));
    EXPECT_TRUE(rad(-0.1) > rad(0.1));
    EXPECT_TRUE(rad(0.1) < rad(-0.1));
    EXPECT_TRUE(rad(0) <= rad(kTwoPi));
    EXPECT_TRUE(rad(kTwoPi) >= rad(0));
    EXPECT_TRUE(rad(0.001).equalsWithin(rad(kTwoPi - 0.001), rad(0.01)));
    EXPECT_FALSE(rad(0.001).equalsWithin(rad(0.1), rad(0.01)));
}

TEST(Angles, Normalisation)
{
    using namespace test_angles_detail;
    struct Case {
        double in, unsignedOut, signedOut;
    } cases[] = {
        {-kPi / 2, 3 * kPi / 2, -kPi / 2}, {kTwoPi + 1e-15, kTwoPi, 0.0}, {4 * kPi, kTwoPi, 0.0},
        {5 * kPi, kPi, kPi},                {-kTwoPi, 0.0, 0.0},          {3 * kPi / 2, 3 * kPi / 2, -kPi / 2},
        {-kPi, kPi, -kPi},                   {3 * kPi, kPi, kPi},          {-0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(rad(c.in).normalized().radians(), c.unsignedOut, 1e-14) << c.in;
        EXPECT_NEAR(rad(c.in).normalizedSigned().radians(), c.signedOut, 1e-14) << c.in;
    }
    // Exact results the relative tests promise.
    EXPECT_EQ(rad(kTwoPi + 1e-15).normalized().radians(), kTwoPi);
    EXPECT_EQ(rad(4 * kPi).normalized().radians(), kTwoPi);
    EXPECT_EQ(rad(-kTwoPi).normalized().radians(), 0.0);
    EXPECT_EQ(rad(-kPi).normalizedSigned().radians(), -kPi);
    EXPECT_FALSE(std::signbit(rad(-0.0).normalized().radians()));
}

TEST(Angles, NormalisationOfHugeAndNonFiniteValuesEnds)
{
    using namespace test_angles_detail;
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {inf, -inf, std::nan(""), 1e300, -1e300, 1e17, -3e9}) {
        double n = rad(x).normalized().radians();
        double s = rad(x).normalizedSigned().radians();
        if (std::isfinite(x)) {
            EXPECT_GE(n, 0.0) << x;
            EXPECT_LE(n, kTwoPi) << x;
            EXPECT_GE(s, -kPi) << x;
            EXPECT_LE(s, kPi) << x;
            EXPECT_NEAR(std::remainder(n - std::fmod(x, kTwoPi), kTwoPi), 0.0, 1e-9) << x;
        } else {
            EXPECT_TRUE(std::isnan(n)) << x;
            EXPECT_TRUE(std::isnan(s)) << x;
        }
        // Everything built on normalisation ends too.
        (void)rad(x).normalizedTo();
        (void)rad(x).snappedTo45();
        (void)rad(x).quadrant();
        (void)rad(x).distanceTo(rad(1));
        (void)(rad(x) == rad(1));
    }
    // A range without width has one answer.
    EXPECT_EQ(rad(1).normalizedToRange(5, 5).radians(), 5.0);
}

TEST(Angles, FixedRanges)
{
    using namespace test_angles_detail;
    EXPECT_NEAR(rad(3 * kPi / 2).normalizedTo().radians(), kPi / 2, 1e-15);
    EXPECT_EQ(rad(kPi).normalizedToRightHalf().radians(), 0.0);
    EXPECT_NEAR(rad(0.1).normalizedToLeftHalf().radians(), kPi + 0.1, 1e-15);
    EXPECT_NEAR(rad(0.1).normalizedToLowerHalf().radians(), kPi + 0.1, 1e-15);
    EXPECT_EQ(rad(kPi / 2 + 1e-6).normalizedToLeftHalf().radians(), kPi / 2);  // snapped to the bound
}

TEST(Angles, SnapBisectDistanceQuadrant)
{
    using namespace test_angles_detail;
    struct Snap {
        double in, out;
    } snaps[] = {
        {0.39, 0.0}, {0.4, 0.7853981633974483}, {-0.39269908169872414, 0.0}, {3.0, kPi}, {-3.0, kPi},
        {1.5, kPi / 2}, {-2.0, -2.356194490192345}, {-1.0, -0.7853981633974483}, {2.0, 2.356194490192345},
    };
    for (const Snap& s : snaps)
        EXPECT_EQ(rad(s.in).snappedTo45().radians(), s.out) << s.in;

    EXPECT_NEAR(rad(0.1).distanceTo(rad(kTwoPi - 0.1)).radians(), 0.2, 1e-15);
    EXPECT_EQ(rad(0).distanceTo(rad(kPi)).radians(), kPi);
    EXPECT_EQ(rad(0.1).bisector(rad(kTwoPi - 0.1)).radians(), kTwoPi);
    EXPECT_EQ(rad(0).bisector(rad(kPi / 2)).radians(), kPi / 4);

    struct Quad {
        double in;
        int q;
    } quads[] = {{0, 1}, {kPi / 2, 2}, {kPi, 3}, {3 * kPi / 2, 4}, {kTwoPi - 1e-5, 4}, {-1e-5, 4}, {1e-5, 1}};
    for (const Quad& q : quads)
        EXPECT_EQ(rad(q.in).quadrant(), q.q) << q.in;
    EXPECT_EQ(rad(std::nan("")).quadrant(), 0);
}

TEST(Angles, ArithmeticOfTurnsAndFactors)
{
    using namespace test_angles_detail;
    EXPECT_EQ((rad(kPi) * rad(kPi)).radians(), kPi / 2);
    EXPECT_EQ((rad(kPi) / rad(kPi)).radians(), kTwoPi);
    EXPECT_EQ((rad(1) - rad(3)).radians(), -2.0);  // not normalised
    EXPECT_EQ((-rad(1)).radians(), -1.0);

    using qor::core::Angle;
    Angle pi = Angle::pi();
    EXPECT_EQ((pi * pi).radians(), kPi / 2);
    EXPECT_EQ((pi * 2.0).radians(), kTwoPi);
    EXPECT_EQ((pi / 2.0).radians(), kPi / 2);
    Angle a(90, 2);
    a *= 2.0;
    EXPECT_EQ(a.degrees(), 180.0);
    a /= pi;  // half a turn divided by half a turn is one whole turn
    EXPECT_EQ(a.radians(), kTwoPi);
    a -= Angle(1, 1);
    EXPECT_EQ(a.radians(), kTwoPi - 1);
}

TEST(Angles, ClientFormOwnsItsValue)
{
    using qor::core::Angle;
    Angle a(1.0, 1);
    Angle b(a);
    b += Angle(1.0, 1);
    EXPECT_EQ(a.radians(), 1.0);
    EXPECT_EQ(b.radians(), 2.0);
    a = a;  // self-assignment leaves it alone
    EXPECT_EQ(a.radians(), 1.0);
    Angle c = qor::core::wrapAngle(qor::geo::Angle(3, 1));
    EXPECT_NE(qor::core::implPointer(c), nullptr);
    EXPECT_EQ(qor::core::implPointer(c)->radians(), 3.0);
    EXPECT_TRUE(Angle(-1, 1).normalized() == Angle(6.283185307179586 - 1, 1));
    EXPECT_EQ(Angle(0.4, 1).snappedTo45().radians(), 0.7853981633974483);
    EXPECT_EQ(Angle(1.5707963267948966, 1).cos(1e-10), 0.0);
}

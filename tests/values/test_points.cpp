#include <gtest/gtest.h>

#include <cmath>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipLineIntersection.h"
#include "aip/qoraipPoint.h"
#include "aip/qoraipSize.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcorePoint.h"
#include "core/qorcoreSegmentIntersection.h"
#include "core/qorcoreSize.h"
#include "core/qorcoreTransformMatrix.h"

namespace test_points_detail {
const double kPi = 3.141592653589793;
}

TEST(Points, ClientEqualityIsRelative)
{
    using qor::core::Point;
    EXPECT_TRUE(Point(1, 2) == Point(1 + 2e-15, 2));
    EXPECT_FALSE(Point(1, 2) == Point(1 + 3e-15, 2));
    EXPECT_TRUE(Point(1, 2) != Point(1 + 3e-15, 2));
    EXPECT_FALSE(Point(0, 0) == Point(1e-300, 0));
    EXPECT_TRUE(Point(std::nan(""), 0) == Point(5, 0));  // a NaN never counts as different
    using qor::core::Size;
    EXPECT_TRUE(Size(1, 2) == Size(1, 2 + 4e-15));
    EXPECT_FALSE(Size(1, 2) == Size(1, 2 + 5e-15));
}

TEST(Points, CachedFieldsAreTheValue)
{
    using qor::core::Point;
    Point p(1, 2);
    p.x = 10;  // written directly: every later operation sees it
    Point sum = p + Point(1, 1);
    EXPECT_EQ(sum.x, 11);
    EXPECT_EQ(sum.y, 3);
    Point off = p.offset(0.5, 0.5);
    EXPECT_EQ(off.x, 10.5);
    p += Point(1, 0);
    EXPECT_EQ(p.x, 11);
    EXPECT_EQ(qor::core::pointImpl(p)->x, 11);

    Point copy(p);
    copy.x = -1;
    copy -= Point(1, 1);
    EXPECT_EQ(p.x, 11);
    EXPECT_EQ(p.y, 2);
    EXPECT_EQ(copy.x, -2);

    Point assigned;
    assigned = p;
    EXPECT_EQ(assigned.x, 11);
    EXPECT_NE(qor::core::pointImpl(assigned), qor::core::pointImpl(p));
}

TEST(Points, DirectionsAndPolarOffsetsFollowYDown)
{
    using namespace test_points_detail;
    using qor::core::Angle;
    using qor::core::Point;
    EXPECT_EQ(Point(0, 0).angleTo(Point(0, 1)).radians(), -kPi / 2);
    EXPECT_EQ(Point(0, 0).angleTo(Point(5, 0)).radians(), 0.0);
    EXPECT_EQ(Point(1, 1).distanceTo(Point(4, 5)), 5.0);
    EXPECT_EQ(Point(1, 2).dot(Point(3, 4)), 11.0);

    Point up = Point(0, 0).offsetPolar(10, Angle(kPi / 2, 1));
    EXPECT_EQ(up.x, 0.0);
    EXPECT_EQ(up.y, -10.0);
    Point right = Point(0, 0).offsetPolar(10, Angle(0, 1));
    EXPECT_EQ(right.x, 10.0);
    EXPECT_EQ(right.y, 0.0);
    EXPECT_FALSE(std::signbit(right.y));

    Point r = Point(1, 0).rotatedAround(Point(0, 0), Angle(kPi / 2, 1));
    EXPECT_EQ(r.x, 0.0);
    EXPECT_EQ(r.y, -1.0);
    // About another centre: x' = cx + cos·(x−cx) + sin·(y−cy), y' = cy − sin·(x−cx) + cos·(y−cy)
    Point r2 = Point(3, 5).rotatedAround(Point(1, 1), Angle(kPi / 2, 1));
    EXPECT_NEAR(r2.x, 5.0, 1e-12);
    EXPECT_NEAR(r2.y, -1.0, 1e-12);

    qor::core::TransformMatrix m;
    m.setTranslation(10, 20);
    Point t = Point(0, 0).transformed(m);
    EXPECT_EQ(t.x, 10);
    EXPECT_EQ(t.y, -20);

    EXPECT_TRUE(Point(1, 1).equalsWithin(Point(1.05, 0.95), 0.1));
    EXPECT_FALSE(Point(1, 1).equalsWithin(Point(1.1, 1), 0.1));
    EXPECT_FALSE(Point(1, 1).equalsWithin(Point(1 + 1e-15, 1), 0));
}

TEST(Points, EvenOddPolygonTest)
{
    using qor::core::Point;
    std::vector<Point> square{Point(0, 0), Point(1, 0), Point(1, 1), Point(0, 1)};
    EXPECT_TRUE(Point(0.5, 0.5).insidePolygon(square));
    EXPECT_FALSE(Point(1.5, 0.5).insidePolygon(square));
    EXPECT_FALSE(Point(0.5, 0.5).insidePolygon({}));
    // A pentagram's centre is outside by the even-odd rule; a point in an arm is inside.
    std::vector<Point> star;
    for (int k = 0; k < 5; ++k) {
        double a = test_points_detail::kPi / 2 + k * 4 * test_points_detail::kPi / 5;
        star.emplace_back(std::cos(a), -std::sin(a));
    }
    EXPECT_FALSE(Point(0, 0).insidePolygon(star));
    EXPECT_TRUE(Point(0, -0.8).insidePolygon(star));
    // The artboard form uses the same rule.
    using qor::core::ArtboardPoint;
    std::vector<ArtboardPoint> abSquare{ArtboardPoint(0, 0), ArtboardPoint(2, 0), ArtboardPoint(2, 2), ArtboardPoint(0, 2)};
    EXPECT_TRUE(ArtboardPoint(1, 1).insidePolygon(abSquare));
    EXPECT_FALSE(ArtboardPoint(3, 1).insidePolygon(abSquare));
    EXPECT_FALSE(ArtboardPoint(1, 1).insidePolygon({}));
}

TEST(Points, SizesAndHostForms)
{
    using qor::core::Size;
    EXPECT_EQ(Size(0, 5).angle().radians(), std::atan2(-5.0, 9.999999999999999e-6));
    EXPECT_EQ(Size(3, 4).length(), 5.0);
    Size s(1, 2);
    s += Size(1, 1);
    EXPECT_EQ(s.width, 2);
    EXPECT_EQ((s - Size(2, 2)).height, 1);

    IntPoint ip = qor::aip::Point(2.5, -2.5).toIntPoint();
    EXPECT_EQ(ip.h, 3);
    EXPECT_EQ(ip.v, -3);
    IntPoint host{7, -9};
    qor::aip::Point fromHost(host);
    EXPECT_EQ(fromHost.x, 7);
    EXPECT_EQ(fromHost.y, -9);
    SizeRecord rec{};
    qor::aip::Size(SizeRecord{4, 5}).toHostSize(rec);
    EXPECT_EQ(rec.width, 4);
    EXPECT_EQ(rec.height, 5);
}

TEST(ArtboardPoints, HostFormNegatesY)
{
    using qor::aip::ArtboardPoint;
    RealPoint host{10, 20};
    ArtboardPoint p(host);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, -20);
    RealPoint back = p.toHostPoint();
    EXPECT_EQ(back.h, 10);
    EXPECT_EQ(back.v, 20);
    p.assignHostPoint(RealPoint{-1, -2});
    EXPECT_EQ(p.y, 2);

    ArtboardPoint polar(2.0, qor::geo::Angle(test_points_detail::kPi / 2, 1));
    EXPECT_EQ(polar.x, 0.0);
    EXPECT_EQ(polar.y, -2.0);
}

TEST(ArtboardPoints, OrdersEqualityAndArithmetic)
{
    using qor::aip::ArtboardPoint;
    EXPECT_TRUE(ArtboardPoint(1, 5) < ArtboardPoint(2, 6));
    EXPECT_FALSE(ArtboardPoint(1, 7) < ArtboardPoint(2, 6));
    EXPECT_FALSE(ArtboardPoint(1, 7) >= ArtboardPoint(2, 6));
    EXPECT_TRUE(ArtboardPoint(2, 6) <= ArtboardPoint(2, 6));
    EXPECT_FALSE(ArtboardPoint(1, 2) == ArtboardPoint(1, 2 + 1e-15));
    EXPECT_FALSE(ArtboardPoint(std::nan(""), 2) == ArtboardPoint(std::nan(""), 2));

    ArtboardPoint sum = ArtboardPoint(1, 2) + 3.0;
    EXPECT_EQ(sum.x, 4);
    EXPECT_EQ(sum.y, 5);
    ArtboardPoint q = ArtboardPoint(1, 2) / ArtboardPoint(0, 1);
    EXPECT_TRUE(std::isinf(q.x) && q.x > 0);
    EXPECT_EQ(q.y, 2);
    ArtboardPoint m(2, 3);
    m *= ArtboardPoint(2, 2);
    m -= 1.0;
    EXPECT_EQ(m.x, 3);
    EXPECT_EQ(m.y, 5);

    using CP = qor::core::ArtboardPoint;
    EXPECT_FALSE(CP(1, 2) == CP(1, 2 + 1e-15));  // exact, unlike the client point
    EXPECT_TRUE(qor::core::Point(1, 2) == qor::core::Point(1, 2 + 1e-15));
    CP c(1, 2);
    c.y = 4;
    c += 1.0;
    EXPECT_EQ(c.x, 2);
    EXPECT_EQ(c.y, 5);
    EXPECT_EQ((c * 2.0).y, 10);
    EXPECT_EQ(CP(0, 0).angleTo(CP(0, 1)).radians(), -test_points_detail::kPi / 2);
    EXPECT_EQ(CP(0, 0).distanceTo(CP(3, 4)), 5);
}

TEST(ArtboardPoints, RotationUsesTheAssignedCentre)
{
    using CP = qor::core::ArtboardPoint;
    CP centre(100, 100);
    centre = CP(1, 1);  // the cache only; the rotation must still see (1, 1)
    CP r = CP(3, 5).rotatedAround(centre, qor::core::Angle(test_points_detail::kPi / 2, 1));
    EXPECT_NEAR(r.x, 5.0, 1e-12);
    EXPECT_NEAR(r.y, -1.0, 1e-12);
    CP polar = CP(1, 1).offsetPolar(2, qor::core::Angle(0, 1));
    EXPECT_EQ(polar.x, 3);
    EXPECT_EQ(polar.y, 1);
}

TEST(Intersections, LinesAndSegments)
{
    using qor::aip::ArtboardPoint;
    struct Case {
        ArtboardPoint a, b, c, d;
        bool meet;
        double x, y;
        bool onBoth;
    } cases[] = {
        {{0, 0}, {2, 2}, {0, 2}, {2, 0}, true, 1, 1, true},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}, false, 0, 0, false},        // parallel
        {{0, 0}, {1, 0}, {1.4, -1}, {1.4, 1}, true, 1.4, 0, true},   // detour 0.8: still on
        {{0, 0}, {1, 0}, {1.6, -1}, {1.6, 1}, true, 1.6, 0, false},  // detour 1.2: off
        {{0, 0}, {10, 0}, {5, 1}, {5, 3}, true, 5, 0, false},        // off the second segment
    };
    for (const Case& c : cases) {
        ArtboardPoint out(-7, -7);
        bool on = true;
        bool meet = qor::aip::segmentIntersection(c.a, c.b, c.c, c.d, out, on);
        EXPECT_EQ(meet, c.meet);
        EXPECT_EQ(on, c.onBoth);
        if (c.meet) {
            EXPECT_NEAR(out.x, c.x, 1e-12);
            EXPECT_NEAR(out.y, c.y, 1e-12);
        } else {
            EXPECT_EQ(out.x, -7);  // untouched
        }
        ArtboardPoint line(-7, -7);
        EXPECT_EQ(qor::aip::lineIntersection(c.a, c.b, c.c, c.d, line), c.meet);

        using P = qor::core::Point;
        P cout(-7, -7);
        bool con = true;
        EXPECT_EQ(qor::core::segmentIntersection(P(c.a.x, c.a.y), P(c.b.x, c.b.y), P(c.c.x, c.c.y),
                                                 P(c.d.x, c.d.y), cout, con),
                  c.meet);
        EXPECT_EQ(con, c.onBoth);
        EXPECT_EQ(cout.x, c.meet ? out.x : -7);
        EXPECT_EQ(cout.y, c.meet ? out.y : -7);
    }
}

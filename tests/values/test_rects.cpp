#include <gtest/gtest.h>

#include <cmath>

#include "aip/qoraipArtboardRect.h"
#include "aip/qoraipRect.h"
#include "core/qorcoreArtboardRect.h"
#include "core/qorcoreRect.h"
#include "geo/qorgeoRect.h"

namespace test_rects_detail {
void expectRect(const qor::core::Rect& r, double x, double y, double w, double h)
{
    EXPECT_EQ(r.origin.x, x);
    EXPECT_EQ(r.origin.y, y);
    EXPECT_EQ(r.size.width, w);
    EXPECT_EQ(r.size.height, h);
}
void expectArtboardRect(const qor::aip::ArtboardRect& r, double x, double y, double w, double h)
{
    EXPECT_EQ(r.origin.x, x);
    EXPECT_EQ(r.origin.y, y);
    EXPECT_EQ(r.size.width, w);
    EXPECT_EQ(r.size.height, h);
}
}  // namespace test_rects_detail

TEST(Rects, NegativeSizesContainAndMeasure)
{
    qor::geo::Rect r(10, 10, -4, 6);
    for (double x : {7.0, 10.0, 6.0})
        EXPECT_TRUE(r.containsX(x)) << x;
    EXPECT_FALSE(r.containsX(5.999));
    EXPECT_FALSE(r.containsX(10.001));
    EXPECT_EQ(r.area(), 24);
    EXPECT_EQ(r.perimeter(), 20);
    EXPECT_TRUE(r.containsPoint(qor::geo::Point(8, 16)));
    EXPECT_FALSE(r.containsPoint(qor::geo::Point(8, 16.5)));
}

TEST(Rects, OverlapIntersectionAndUnion)
{
    using test_rects_detail::expectRect;
    using qor::core::Rect;
    Rect a(0, 0, 10, 10), touching(10, 0, 5, 5), apart(20, 20, 1, 1);
    EXPECT_TRUE(a.overlaps(touching));
    Rect out(1, 2, 3, 4);
    EXPECT_TRUE(a.intersection(touching, out));
    expectRect(out, 10, 0, 0, 5);
    out = Rect(1, 2, 3, 4);
    EXPECT_FALSE(a.intersection(apart, out));
    expectRect(out, 0, 0, 0, 0);  // cleared whatever it held
    EXPECT_TRUE(a.intersection(Rect(5, 5, -10, -10), out));  // negative sizes overlap too
    EXPECT_TRUE(a.intersection(Rect(2, 3, 20, 20), a));      // out may be the receiver
    expectRect(a, 2, 3, 8, 7);
    expectRect(Rect(0, 0, 10, 10).united(Rect(5, -5, 10, 5)), 0, -5, 15, 15);
    expectRect(Rect(0, 0, 10, 10).scaled(2, 0.5), 0, 0, 20, 5);
    double ax, bx;
    Rect(0, 0, 2, -4).halfDiagonalAxes(ax, bx);
    EXPECT_EQ(ax, 4 / 1.4142135623730951);
    EXPECT_EQ(bx, 8 / 1.4142135623730951);
}

TEST(Rects, EdgesPointsAndExtension)
{
    using test_rects_detail::expectRect;
    using qor::core::Rect;
    Rect r(0, 0, 10, 10);
    r.setLeft(2);
    expectRect(r, 2, 0, 8, 10);
    Rect s(0, 0, 10, 10);
    s.setRight(2);
    expectRect(s, 0, 0, 2, 10);
    s.setTop(-5);
    s.setBottom(1);
    expectRect(s, 0, -5, 2, 6);

    EXPECT_EQ(r.pointAt(qor::core::ReferencePoint(5)).x, 6);
    for (int code : {0, 1, 10}) {
        qor::core::Point p = Rect(3, 4, 10, 10).pointAt(qor::core::ReferencePoint(code));
        EXPECT_EQ(p.x, 3);
        EXPECT_EQ(p.y, 4);
    }
    qor::core::Point br = Rect(3, 4, 10, 10).pointAt(qor::core::RefPointBottomRight);
    EXPECT_EQ(br.x, 13);
    EXPECT_EQ(br.y, 14);

    Rect e(0, 0, 10, 10);
    EXPECT_TRUE(e.extendToInclude(qor::core::Point(15, 5)));
    expectRect(e, 0, 0, 15, 10);
    Rect f(0, 0, 10, 10);
    EXPECT_TRUE(f.extendToInclude(qor::core::Point(-3, 20)));
    expectRect(f, -3, 0, 13, 20);
    EXPECT_FALSE(f.extendToInclude(qor::core::Point(5, 5)));
    expectRect(Rect(0, 0, 10, 10).inset(2, 3), 2, 3, 6, 4);
    expectRect(Rect(0, 0, 10, 10).inset(-1, -1), -1, -1, 12, 12);

    Rect g(0, 0, 10, 10);
    g.origin.x = 5;  // the cache is the value
    g.offset(1, 1);
    expectRect(g, 6, 1, 10, 10);
    expectRect(g + Rect(1, 1, 1, 1), 7, 2, 11, 11);
    EXPECT_TRUE(Rect(1, 2, 3, 4) == Rect(1, 2, 3, 4 + 1e-15));
    EXPECT_EQ(qor::core::rectImpl(g)->origin.x, 6);
}

TEST(Rects, IntegerRecords)
{
    RECT rec{};
    qor::aip::Rect(0.5, -0.5, 1, 1).toIntRect(rec);
    EXPECT_EQ(rec.left, 1);
    EXPECT_EQ(rec.top, -1);
    EXPECT_EQ(rec.right, 2);
    EXPECT_EQ(rec.bottom, 1);
    qor::aip::Rect fromInts(RECT{10, 20, 4, 25});  // right < left: negative width, nothing swapped
    EXPECT_EQ(fromInts.origin.x, 10);
    EXPECT_EQ(fromInts.size.width, -6);
    EXPECT_EQ(fromInts.size.height, 5);
    qor::aip::Rect wide(RECT{-2147483647 - 1, 0, 2147483647, 0});  // wraps as 32-bit arithmetic does
    EXPECT_EQ(wide.size.width, -1);
}

TEST(Rects, SegmentOutlineIntersections)
{
    using qor::core::Point;
    using qor::core::Rect;
    Rect r(0, 0, 10, 10);
    Point first(-1, -1), second(-1, -1);
    EXPECT_EQ(r.lineIntersections(Point(-5, 5), Point(15, 5), first, second), 2);
    EXPECT_EQ(first.x, 0);
    EXPECT_EQ(first.y, 5);
    EXPECT_EQ(second.x, 10);
    EXPECT_EQ(second.y, 5);
    // Through a corner: the left and top sides meet it at (0, 0) once.
    EXPECT_EQ(r.lineIntersections(Point(-5, -5), Point(15, 15), first, second), 2);
    EXPECT_NEAR(first.x, 0, 1e-12);
    EXPECT_NEAR(first.y, 0, 1e-12);
    EXPECT_NEAR(second.x, 10, 1e-12);
    EXPECT_NEAR(second.y, 10, 1e-12);
    Point a(-1, -1), b(-1, -1);
    EXPECT_EQ(r.lineIntersections(Point(-5, 5), Point(5, 5), qor::core::Angle(0, 1), a, b), 1);
    EXPECT_EQ(b.x, -1);  // untouched
    EXPECT_EQ(r.lineIntersections(Point(20, 20), Point(30, 30), a, b), 0);
    // Turned by 45 degrees the square's corners stick out: the horizontal line through the centre
    // meets the sides at the centre ± 5·√2.
    EXPECT_EQ(r.lineIntersections(Point(-5, 5), Point(15, 5), qor::core::Angle(45, 2), a, b), 2);
    EXPECT_NEAR(std::fabs(a.x - b.x), 10 * std::sqrt(2.0), 1e-9);
}

TEST(ArtboardRects, HostFormNegatesY)
{
    using test_rects_detail::expectArtboardRect;
    using qor::aip::ArtboardRect;
    RealRect host{10, 50, 30, 20};
    ArtboardRect r(host);
    expectArtboardRect(r, 10, -50, 20, 30);
    RealRect back{};
    r.toHostRect(back);
    EXPECT_EQ(back.left, 10);
    EXPECT_EQ(back.top, 50);
    EXPECT_EQ(back.right, 30);
    EXPECT_EQ(back.bottom, 20);
    ArtboardRect(0, 0, 10, 10).toHostRect(back);
    EXPECT_EQ(back.top, 0);
    EXPECT_TRUE(std::signbit(back.top));
    EXPECT_EQ(back.bottom, -10);
    ArtboardRect assigned;
    assigned.assignHostRect(RealRect{1, 2, 3, 0});
    expectArtboardRect(assigned, 1, -2, 2, 2);
    expectArtboardRect(ArtboardRect::fromEdges(5, 5, 1, 1), 5, 5, -4, -4);
}

TEST(ArtboardRects, PointsTolerancesAndIntersections)
{
    using test_rects_detail::expectArtboardRect;
    using qor::aip::ArtboardRect;
    EXPECT_TRUE(ArtboardRect(0, 0, 10, 10).equalsWithin(ArtboardRect(0.4, 0, 9.7, 10), 0.5));
    EXPECT_FALSE(ArtboardRect(0, 0, 10, 10).equalsWithin(ArtboardRect(0, 0, 10, 10 + 1e-12), 0));
    EXPECT_TRUE(ArtboardRect(0, 0, 10, 10).equalsWithin(ArtboardRect(0, 0, 10, 10), 0));
    EXPECT_EQ(ArtboardRect(3, 4, 1, 1).pointAt(0).x, 3);

    ArtboardRect out(1, 1, 1, 1);
    EXPECT_FALSE(ArtboardRect(0, 0, 1, 1).intersection(ArtboardRect(5, 5, 1, 1), out));
    expectArtboardRect(out, 0, 0, 0, 0);
    EXPECT_TRUE(ArtboardRect(0, 0, 1, 1).intersection(ArtboardRect(1, 0, 1, 1), out));
    expectArtboardRect(out, 1, 0, 0, 1);
    expectArtboardRect(ArtboardRect(0, 0, 1, 1).united(ArtboardRect(2, -1, 1, 1)), 0, -1, 3, 2);

    using CR = qor::core::ArtboardRect;
    using CP = qor::core::ArtboardPoint;
    CR c{qor::aip::ArtboardRect(3, 4, 10, 10)};
    CP zero = c.pointAt(qor::core::ReferencePoint(0));
    EXPECT_EQ(zero.x, 0);
    EXPECT_EQ(zero.y, 0);
    EXPECT_EQ(c.pointAt(qor::core::ReferencePoint(10)).x, 3);
    EXPECT_EQ(c.pointAt(qor::core::RefPointCenter).y, 9);

    CR keep{qor::aip::ArtboardRect(7, 7, 7, 7)};
    EXPECT_FALSE(CR{qor::aip::ArtboardRect(0, 0, 1, 1)}.intersection(CR{qor::aip::ArtboardRect(5, 5, 1, 1)}, keep));
    EXPECT_EQ(keep.origin.x, 7);  // the client out rectangle keeps its values
    EXPECT_EQ(keep.size.height, 7);

    CP first(9, 9), second(9, 9);
    EXPECT_EQ(c.lineIntersections(CP(100, 100), CP(200, 100), first, second), 0);
    EXPECT_EQ(first.x, 0);  // both out points become (0, 0)
    EXPECT_EQ(second.y, 0);
    EXPECT_EQ(c.lineIntersections(CP(0, 9), CP(20, 9), first, second), 2);
    EXPECT_NEAR(first.x, 3, 1e-12);
    EXPECT_NEAR(second.x, 13, 1e-12);

    CR grow{qor::aip::ArtboardRect(0, 0, 10, 10)};
    grow.origin.y = 1;  // the cache is the value
    EXPECT_TRUE(grow.extendToInclude(CP(15, 5)));
    EXPECT_EQ(grow.size.width, 15);
    EXPECT_EQ(grow.origin.y, 1);
    EXPECT_FALSE(grow.extendToInclude(CP(5, 5)));
    grow.setTop(0);
    EXPECT_EQ(grow.size.height, 11);
    EXPECT_EQ(grow.bottom(), 11);
    CR copy(grow);
    copy.size.width = 1;
    EXPECT_EQ(grow.right(), 15);
    EXPECT_TRUE(copy != grow);
    copy = grow;
    EXPECT_TRUE(copy == grow);
}

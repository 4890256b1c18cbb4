// The two join commands on small drawings: which paths are candidates, which ends join, and what the
// joined and closed paths look like afterwards.
#include <cmath>
#include <cstdio>
#include <string>

#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreArtboardSegPoint.h"
#include "joinFixture.h"
#include "panelJoin.h"

namespace joinDriversTest {
using jointest::Join;
using jointest::Options;
using jointest::P;

std::string layer(const std::string& body, const std::string& attrs = "")
{
  return "<g id='layer' " + attrs + ">" + body + "</g>";
}

std::string path(const std::string& id, const std::string& d, const std::string& attrs = "")
{
  return "<path id='" + id + "' d='" + d + "' " + attrs + "/>";
}

std::string num(double v)
{
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

TEST_F(Join, CollinearStraightJunctionIsDropped)
{
  open(layer(path("a", "M0 0 L10 0") + path("b", "M10.02 0 L20 0")), {"all"});
  junctate();
  // The junction anchor goes: one segment fewer than a curved join.
  EXPECT_FALSE(alive("b"));
  expectAnchors("a", {{0, 0}, {20, 0}});
  EXPECT_TRUE(selected("a"));
}

TEST_F(Join, RightAngleJoinsWithinTheAngleOnly)
{
  struct Case
  {
    double angle;
    bool joins;
  } cases[] = {{120, true}, {90, true}, {89, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.angle);
    open(layer(path("a", "M0 0 L10 0") + path("b", "M10 0 L10 10")), {"all"});
    Options o;
    o.angle = c.angle;
    junctate(o);
    if (c.joins) {
      EXPECT_FALSE(alive("b"));
      expectAnchors("a", {{0, 0}, {10, 0}, {10, 10}});
      EXPECT_FALSE(art("a")->segments[1].corner) << "a fused anchor is never a corner";
    } else {
      expectAnchors("a", {{0, 0}, {10, 0}});
      expectAnchors("b", {{10, 0}, {10, 10}});
    }
    hostsim::Workspace::instance().closeAll();
  }
}

TEST_F(Join, DistanceAcceptsEqualityAndZeroNeedsEqualAnchors)
{
  struct Case
  {
    const char* b;
    double distance;
    bool joins;
  } cases[] = {
      {"M10.5 0 L10.5 10", 0.5, true},   // exactly the distance apart (binary exact)
      {"M10.5 0 L10.5 10", 0.49, false},  // farther than the distance
      {"M10 0 L10 10", 0, true},          // distance 0: equal anchors join
      {"M10.000001 0 L10 10", 0, false},  // distance 0: any gap refuses
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.b) + " at " + num(c.distance));
    open(layer(path("a", "M0 0 L10 0") + path("b", c.b)), {"all"});
    Options o;
    o.distance = c.distance;
    junctate(o);
    EXPECT_EQ(alive("b"), !c.joins);
    hostsim::Workspace::instance().closeAll();
  }
}

TEST_F(Join, TurnIsTruncatedToWholeDegrees)
{
  struct Case
  {
    double turn;
    bool joins;
  } cases[] = {{120.9, true}, {121.0, false}, {121.5, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.turn);
    // b leaves a's last anchor turned by c.turn degrees (y down).
    double r = c.turn * M_PI / 180;
    std::string b = "M10 0 L" + num(10 + 10 * std::cos(r)) + " " + num(-10 * std::sin(r));
    open(layer(path("a", "M0 0 L10 0") + path("b", b)), {"all"});
    Options o;
    o.angle = 120;
    junctate(o);
    EXPECT_EQ(alive("b"), !c.joins);
    hostsim::Workspace::instance().closeAll();
  }
}

TEST_F(Join, OnlyTheClosestEndPairIsTried)
{
  // The closest pair turns by 135 degrees; a pair farther away would pass, but is never tried.
  open(layer(path("a", "M0 0 L10 0") + path("b", "M10.01 0 L5 5 L-10 0 L0.02 0")), {"all"});
  junctate();
  EXPECT_TRUE(alive("a"));
  EXPECT_TRUE(alive("b"));
}

TEST_F(Join, EndPairTiesGoToTheEarlierPair)
{
  // b's two ends both lie on a's last anchor: last-first (code 2) and last-last (code 4) tie.
  open(layer(path("a", "M0 0 L10 0") + path("b", "M10 0 L20 0 L20 10 L10 0")), {});
  ArtHandle a = static_cast<ArtHandle>(art("a")->handle());
  ArtHandle b = static_cast<ArtHandle>(art("b")->handle());
  EXPECT_EQ(panel::matchPathEnds(a, b, 0.05, 180), 2);
  EXPECT_EQ(panel::matchPathEnds(a, b, 0.05, 180), panel::matchPathEnds(a, b, 0.05, 180));
  EXPECT_EQ(panel::matchPathEnds(a, a, 0.05, 180), 1) << "a path meets itself first to first";
}

TEST_F(Join, FirstToFirstReversesTheFirstPath)
{
  open(layer(path("a", "M0 0 L-10 0") + path("b", "M0.02 0 L10 0")), {"a", "b"});
  ArtHandle a = static_cast<ArtHandle>(art("a")->handle());
  ArtHandle b = static_cast<ArtHandle>(art("b")->handle());
  EXPECT_TRUE(panel::tryJoinPair(a, b, 0.05, 120, 30, 0.0001));
  EXPECT_EQ(b, nullptr);
  expectAnchors("a", {{-10, 0}, {10, 0}});
}

TEST_F(Join, FusedAnchorHandlesAreSmoothedWithinAQuarterDeviation)
{
  using qor::core::ArtboardPoint;
  using qor::core::ArtboardSegPoint;
  struct Case
  {
    ArtboardPoint out;
    double smooth;
    ArtboardPoint in2, out2;
  } cases[] = {
      {{10, 5}, 30, {-9.70142500145332, -2.42535625036333}, {10.846522890932809, 2.711630722733202}},
      {{-5, -10}, 30, {-4.4721359549995805, 8.94427190999916}, {5.000000000000002, -10.0}},
      {{-5, -10}, 29, {-10, 0}, {-5, -10}},  // deviation 116.57: a quarter is 29.14 > 29
  };
  for (const Case& c : cases) {
    ArtboardSegPoint seg(ArtboardPoint(0, 0), ArtboardPoint(-10, 0), c.out, true);
    panel::smoothAnchor(seg, c.smooth);
    EXPECT_NEAR(seg.in.x, c.in2.x, 1e-12);
    EXPECT_NEAR(seg.in.y, c.in2.y, 1e-12);
    EXPECT_NEAR(seg.out.x, c.out2.x, 1e-12);
    EXPECT_NEAR(seg.out.y, c.out2.y, 1e-12);
    bool changed = c.in2.x != -10;
    EXPECT_EQ(seg.corner, !changed);
  }
  // Retracted handles are left alone.
  ArtboardSegPoint retracted(ArtboardPoint(1, 1), ArtboardPoint(1, 1), ArtboardPoint(5, 7), true);
  panel::smoothAnchor(retracted, 90);
  EXPECT_TRUE(retracted.corner);
}

TEST_F(Join, CurvedJoinKeepsHandlesAtTheirAbsolutePositions)
{
  open(layer(path("a", "M0 0 C3 0 7 3 10 0") + path("b", "M10 0 C13 -3 17 0 20 0")), {"all"});
  Options o;
  o.smooth = 0;
  junctate(o);
  ASSERT_FALSE(alive("b"));
  const hostsim::Art* a = art("a");
  ASSERT_EQ(a->segments.size(), 3u);
  const hostsim::Segment& fused = a->segments[1];
  // The fused point arrives with a's last handle and leaves with b's first.
  EXPECT_DOUBLE_EQ(fused.p.h, 10);
  EXPECT_DOUBLE_EQ(fused.in.h, 7);
  EXPECT_DOUBLE_EQ(-fused.in.v, 3);
  EXPECT_DOUBLE_EQ(fused.out.h, 13);
  EXPECT_DOUBLE_EQ(-fused.out.v, -3);
  EXPECT_FALSE(fused.corner);
}

std::string polyline(double x0, double y0, double dx, double dy, int anchors)
{
  std::string d = "M" + num(x0) + " " + num(y0);
  for (int i = 1; i < anchors; ++i)
    d += " L" + num(x0 + dx * i) + " " + num(y0 + dy * i);
  return d;
}

TEST_F(Join, SegmentLimitAcceptsExactly32000)
{
  struct Case
  {
    int bAnchors;
    bool joins;
  } cases[] = {{12001, true}, {12002, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bAnchors);
    qorwin::clearDebugOutput();
    // A right-angle junction, so the fused anchor stays: total = 20000 - 1 + bAnchors.
    open(layer(path("a", polyline(0, 0, 1, 0, 20000)) + path("b", polyline(19999, 0, 0, 1, c.bAnchors))),
         {"all"});
    junctate();
    EXPECT_EQ(alive("b"), !c.joins);
    bool alerted = qorwin::debugOutput().find(std::string("Alert: ") + panel::tooManyPointsAlert) !=
                   std::string::npos;
    EXPECT_EQ(alerted, !c.joins);
    if (c.joins) {
      EXPECT_EQ(art("a")->segments.size(), 32000u);
    }
    hostsim::Workspace::instance().closeAll();
  }
}

TEST_F(Join, ThreePathsInARowBecomeOneSelectedPath)
{
  open(layer(path("a", "M0 0 L10 0") + path("b", "M10 0 L10 10") + path("c", "M10 10 L20 10") +
             path("other", "M50 50 L60 60")),
       {"a", "b", "c"});
  junctate();
  EXPECT_EQ(openPathCount(), 2u);
  EXPECT_FALSE(selected("other"));
  int survivors = alive("a") + alive("b") + alive("c");
  EXPECT_EQ(survivors, 1);
  const char* id = alive("a") ? "a" : alive("b") ? "b" : "c";
  EXPECT_TRUE(selected(id));
  EXPECT_EQ(art(id)->segments.size(), 4u);
}

TEST_F(Join, OneSelectedPathIsLeftAsItIs)
{
  open(layer(path("a", "M0 0 L10 0 L10 10 L0 0.01") + path("b", "M0 0 L-10 0")), {"a"});
  junctate();
  EXPECT_TRUE(selected("a"));
  EXPECT_FALSE(art("a")->closed) << "a single selected path is not even closed by Junctate";
  EXPECT_TRUE(alive("b"));
  EXPECT_TRUE(user().progressRuns().empty()) << "no progress is shown";
}

TEST_F(Join, AssimilateClosesASinglePathWhoseEndsMeet)
{
  open(layer(path("sq", "M0 0 L10 0 L10 10 L0 10 L0 0.01") + path("tri", "M100 0 L110 0 L110 10 L100 0.01")),
       {"sq"});
  assimilate();
  expectAnchors("sq", {{0, 0.005}, {10, 0}, {10, 10}, {0, 10}}, true);
  // The triangle turns by 135 degrees at its closure and is not selected: it stays open.
  expectAnchors("tri", {{100, 0}, {110, 0}, {110, 10}, {100, 0.01}});
  ASSERT_EQ(user().progressRuns().size(), 1u);
  EXPECT_EQ(user().progressRuns()[0].text, "Assimilating paths...");
  EXPECT_TRUE(user().progressRuns()[0].closed);
}

TEST_F(Join, ClosureNeedsTheTurnWithinTheAngle)
{
  for (double angle : {120.0, 135.0}) {
    open(layer(path("tri", "M0 0 L10 0 L10 10 L0 0.01")), {"tri"});
    Options o;
    o.angle = angle;
    assimilate(o);
    EXPECT_EQ(art("tri")->closed, angle >= 135) << angle;
    hostsim::Workspace::instance().closeAll();
  }
}

TEST_F(Join, AssimilateJoinsSelectedWithUnselectedOnly)
{
  // s1 and s2 are selected and meet; u1 and u2 are not and meet; s1 meets u1.
  open(layer(path("s1", "M0 0 L10 0") + path("s2", "M10 0 L20 0 L20 20") + path("u1", "M0 0 L0 -10") +
             path("u2", "M0 -10 L-10 -10 L-10 -30")),
       {"s1", "s2"});
  assimilate();
  EXPECT_TRUE(alive("s1"));
  EXPECT_TRUE(alive("s2")) << "two selected paths never join";
  EXPECT_FALSE(alive("u1"));
  EXPECT_FALSE(alive("u2")) << "absorbed through s1, never joined with u1 directly";
  EXPECT_EQ(art("s1")->segments.size(), 5u);
}

TEST_F(Join, OnlyPathsOfVisibleUnlockedLayersAndGroupsAreCandidates)
{
  // Each pair meets end to end at its own place; only pairs of candidates join.
  double y = 0;
  auto twoPaths = [&y](const std::string& p, const std::string& attrs = "") {
    y += 100;
    return path(p + "1", "M0 " + num(y) + " L10 " + num(y), attrs) +
           path(p + "2", "M10 " + num(y) + " L10 " + num(y + 10), attrs);
  };
  std::string drawing = layer(twoPaths("plain"));
  drawing += layer(twoPaths("hiddenLayer"), "display='none'");
  drawing += layer(twoPaths("lockedLayer"), "data-locked='true'");
  drawing += layer("<g display='none'>" + twoPaths("hiddenGroup") + "</g><g data-locked='true'>" +
                   twoPaths("lockedGroup") + "</g><g>" + twoPaths("group") + "</g>" +
                   twoPaths("ownState", "data-locked='true'"));
  drawing += layer(path("closed", "M0 0 L10 0 L10 10 Z") + path("partner", "M10 10 L20 10") +
                   path("dot", "M0 0") + path("compound", "M20 10 L30 10 M40 40 L50 50"));
  open(drawing, {"all"});
  junctate();
  struct Expect
  {
    const char* pair;
    bool joined;
  } rows[] = {{"plain", true},        {"hiddenLayer", false}, {"lockedLayer", false}, {"hiddenGroup", false},
              {"lockedGroup", false}, {"group", true},        {"ownState", true}};
  for (const Expect& r : rows) {
    std::string p = r.pair;
    EXPECT_EQ(alive(p + "1") && alive(p + "2"), !r.joined) << p;
  }
  for (const char* id : {"closed", "partner", "dot", "compound"})
    EXPECT_TRUE(alive(id)) << id << " is no candidate, or has none";
  EXPECT_TRUE(art("closed")->closed);
}

TEST_F(Join, CancelAtOnceLeavesEverythingDeselectedAndUnchanged)
{
  open(layer(path("a", "M0 0 L10 0") + path("b", "M10 0 L10 10") + path("c", "M10 10 L20 10")), {"all"});
  user().cancelAfterUpdates = 0;
  junctate();
  for (const char* id : {"a", "b", "c"}) {
    EXPECT_TRUE(alive(id)) << id;
    EXPECT_FALSE(selected(id)) << id;
  }
  expectAnchors("a", {{0, 0}, {10, 0}});
  ASSERT_EQ(user().progressRuns().size(), 1u);
  EXPECT_EQ(user().progressRuns()[0].text, "Junctating paths...");
  EXPECT_TRUE(user().progressRuns()[0].closed);
}

}  // namespace joinDriversTest

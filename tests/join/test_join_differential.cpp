// The indexed join against the plain scan on seeded random drawings: both commands must leave the same
// paths in the same order, with the same anchors, handles, corner, closed and selected flags, bit for bit.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "joinFixture.h"
#include "panelJoin.h"

namespace joinDifferentialTest {
using jointest::Join;
using jointest::Options;

std::string num(double v)
{
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

struct Pt
{
  double x, y;
};

// A drawing whose ends often meet: exactly, within the distance, exactly at the distance (so that
// partners tie), or just beyond it. Coordinates are mostly multiples of 1/4 so that ties are exact.
struct Drawing
{
  std::string svg;
  std::vector<std::string> selected;
  Options options;
  size_t paths = 0;
  int cancelAfter = -1;
};

class Generator {
public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  Drawing make(bool assimilate)
  {
    Drawing d;
    static const double distances[] = {0, 0.05, 0.5, 0.5, 1, 2, 1e-300, -1, INFINITY};
    static const double angles[] = {0, 45, 90, 120, 120, 179, 180};
    static const double smooths[] = {0, 30, 30, 60};
    static const double straights[] = {0, 0.0001, 5};
    static const double offsets[] = {0, 0, -1e6, 1e12};
    d.options.distance = pick(distances);
    d.options.angle = pick(angles);
    d.options.smooth = pick(smooths);
    d.options.straight = pick(straights);
    const double origin = pick(offsets);
    reach_ = std::isfinite(d.options.distance) && d.options.distance > 0 ? d.options.distance : 0.5;
    ends_.clear();
    const int paths = 2 + below(70);
    d.paths = static_cast<size_t>(paths);
    std::string body;
    for (int k = 0; k < paths; ++k) {
      std::string id = "p" + std::to_string(k);
      body += "<path id='" + id + "' d='" + pathData(origin) + "'/>";
      if (below(100) < (assimilate ? 30 : 85))
        d.selected.push_back(id);
      // Now and then a group, so that the walk's order is not the file's.
      if (below(20) == 0) {
        body = "<g>" + body + "</g>";
      }
    }
    if (d.selected.empty())
      d.selected.push_back("p0");
    if (!assimilate && below(6) == 0)
      d.cancelAfter = below(paths);
    d.svg = "<g id='layer'>" + body + "</g>";
    return d;
  }

private:
  int below(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  double quarter(double lo, double hi) { return lo + 0.25 * below(static_cast<int>((hi - lo) * 4) + 1); }
  template <size_t N> double pick(const double (&values)[N]) { return values[below(static_cast<int>(N))]; }

  // Where a new path starts: near an end already drawn, or anywhere.
  Pt start()
  {
    if (ends_.empty() || below(10) < 3)
      return {quarter(0, 30), quarter(0, 30)};
    // Recent ends are reused more often, so that several partners compete for one end.
    Pt e = ends_[ends_.size() - 1 - static_cast<size_t>(below(std::min<int>(4, static_cast<int>(ends_.size()))))];
    const double d = reach_;
    switch (below(8)) {
    case 0:
    case 1:
      return e;  // coincident
    case 2:
      return {e.x + d, e.y};  // exactly at the distance: a tie with any other such partner
    case 3:
      return {e.x, e.y - d};
    case 4:
      return {e.x - d / 2, e.y + d / 4};  // within
    case 5:
      return {e.x + d * 1.25, e.y};  // just beyond
    case 6: {
      double a = (rng_() % 3600) * 3.141592653589793 / 1800;
      double r = d * (rng_() % 1000) / 999.0;
      return {e.x + r * std::cos(a), e.y + r * std::sin(a)};
    }
    default:
      return {e.x + d / 2, e.y - d / 2};
    }
  }

  std::string pathData(double origin)
  {
    std::vector<Pt> anchors{start()};
    const int count = below(25) == 0 ? 1 : 2 + below(4);
    double heading = below(24) * 15.0;
    for (int i = 1; i < count; ++i) {
      heading += (below(9) - 4) * 15.0 + (below(4) == 0 ? (rng_() % 1000) / 100.0 : 0);
      double step = 0.5 + below(12) * 0.5;
      double r = heading * 3.141592653589793 / 180;
      const Pt& p = anchors.back();
      anchors.push_back(below(3) == 0 ? Pt{p.x + step * std::cos(r), p.y + step * std::sin(r)}
                                      : Pt{p.x + std::round(step * std::cos(r) * 4) / 4,
                                           p.y + std::round(step * std::sin(r) * 4) / 4});
    }
    // A loop that comes back to its start, so that it closes (or nearly does).
    if (count >= 4 && below(5) == 0) {
      Pt s = anchors.front();
      anchors.back() = below(2) ? s : Pt{s.x, s.y + reach_ / 2};
    }
    if (below(2))
      std::reverse(anchors.begin(), anchors.end());
    ends_.push_back(anchors.front());
    ends_.push_back(anchors.back());

    auto xy = [origin](Pt p) { return num(origin + p.x) + " " + num(origin + p.y); };
    std::string d = "M" + xy(anchors[0]);
    for (size_t i = 1; i < anchors.size(); ++i) {
      const Pt& p = anchors[i - 1];
      const Pt& q = anchors[i];
      switch (below(4)) {
      case 0: {
        // A curve; a retracted handle now and then.
        Pt h1 = below(4) == 0 ? p : Pt{p.x + (q.x - p.x) / 3 + below(5) - 2, p.y + (q.y - p.y) / 3 + below(5) - 2};
        Pt h2 = below(4) == 0 ? q : Pt{q.x - (q.x - p.x) / 3 + below(5) - 2, q.y - (q.y - p.y) / 3 + below(5) - 2};
        d += " C" + xy(h1) + " " + xy(h2) + " " + xy(q);
        break;
      }
      case 1: {
        // A curve whose handles lie on the chord: straight, with handles.
        Pt h1{p.x + (q.x - p.x) / 4, p.y + (q.y - p.y) / 4};
        Pt h2{q.x - (q.x - p.x) / 4, q.y - (q.y - p.y) / 4};
        d += " C" + xy(h1) + " " + xy(h2) + " " + xy(q);
        break;
      }
      default:
        d += " L" + xy(q);
      }
    }
    return d;
  }

  std::mt19937 rng_;
  std::vector<Pt> ends_;
  double reach_ = 0.5;
};

std::string hex(double v)
{
  char buf[40];
  std::snprintf(buf, sizeof buf, "%a", v);
  return buf;
}

class JoinDifferential : public Join {
protected:
  void TearDown() override
  {
    panel::plainJoinScan = false;
    Join::TearDown();
  }

  // Every path of the document in tree order, one line each, with its coordinates in hexadecimal.
  std::vector<std::string> snapshot() const
  {
    std::vector<std::string> lines;
    doc->forEachArt([&lines](hostsim::Art* a) {
      if (a->type != hostsim::Art::kPath)
        return;
      std::string line = a->svgId + (a->closed ? " closed" : " open") +
                         ((a->attrs & hostsim::Art::kSelected) ? " selected" : "") + ":";
      for (const hostsim::Segment& s : a->segments) {
        line += " [" + hex(s.p.h) + "," + hex(s.p.v) + " in " + hex(s.in.h) + "," + hex(s.in.v) + " out " +
                hex(s.out.h) + "," + hex(s.out.v) + (s.corner ? " corner]" : "]");
      }
      lines.push_back(line);
    });
    return lines;
  }

  struct Outcome
  {
    std::vector<std::string> paths;
    std::string alerts;
  };

  Outcome run(const Drawing& d, bool assimilate, bool plain)
  {
    panel::plainJoinScan = plain;
    qorwin::clearDebugOutput();
    user().cancelAfterUpdates = d.cancelAfter;
    open(d.svg, d.selected);
    if (assimilate)
      this->assimilate(d.options);
    else
      junctate(d.options);
    Outcome out{snapshot(), qorwin::debugOutput()};
    hostsim::Workspace::instance().closeAll();
    return out;
  }

  // Returns the number of paths the plain scan left.
  size_t compare(const Drawing& d, bool assimilate)
  {
    Outcome plain = run(d, assimilate, true);
    Outcome indexed = run(d, assimilate, false);
    EXPECT_EQ(indexed.alerts, plain.alerts);
    EXPECT_EQ(indexed.paths.size(), plain.paths.size());
    for (size_t i = 0; i < std::min(plain.paths.size(), indexed.paths.size()); ++i) {
      if (indexed.paths[i] != plain.paths[i]) {
        ADD_FAILURE() << "path " << i << "\nindexed: " << indexed.paths[i] << "\nplain:   " << plain.paths[i];
        break;
      }
    }
    return plain.paths.size();
  }
};

// The seeds run in shards so that each test process stays short and the shards run side by side.
class JoinDifferentialShard : public JoinDifferential, public ::testing::WithParamInterface<unsigned>
{
};

TEST_P(JoinDifferentialShard, RandomDrawingsJoinAsThePlainScanDoes)
{
  const unsigned seedsPerShard = 30;
  int joined = 0;
  for (unsigned seed = GetParam() * seedsPerShard + 1; seed <= (GetParam() + 1) * seedsPerShard; ++seed) {
    for (bool assimilate : {false, true}) {
      Generator generator(seed * 2 + assimilate);
      Drawing d = generator.make(assimilate);
      SCOPED_TRACE("seed " + std::to_string(seed) + (assimilate ? " Assimilate" : " Junctate") + " distance " +
                   num(d.options.distance) + " angle " + num(d.options.angle) + "\n" + d.svg);
      joined += compare(d, assimilate) < d.paths;
      if (HasFailure())
        return;
    }
  }
  // The drawings are worth comparing only when they join.
  EXPECT_GT(joined, static_cast<int>(seedsPerShard));
}

INSTANTIATE_TEST_SUITE_P(Seeds, JoinDifferentialShard, ::testing::Range(0u, 5u));

TEST_F(JoinDifferential, RefusedJoinsAtTheSegmentLimitMatchThePlainScan)
{
  // a and b together pass the limit: the refused pair is tried again after a joins s1, with an alert
  // each time.
  auto polyline = [](double x0, double y0, double dx, double dy, int anchors) {
    std::string d = "M" + num(x0) + " " + num(y0);
    for (int i = 1; i < anchors; ++i)
      d += " L" + num(x0 + dx * i) + " " + num(y0 + dy * i);
    return d;
  };
  // b ends where a ends, so it is reversed before each refusal.
  Drawing d;
  d.svg = "<g id='layer'><path id='s1' d='M-5 5 L0 0'/><path id='b' d='" + polyline(19999, 12009, 0, -1, 12010) +
          "'/><path id='a' d='" + polyline(0, 0, 1, 0, 20000) + "'/></g>";
  d.selected = {"all"};
  for (bool assimilate : {false, true}) {
    SCOPED_TRACE(assimilate ? "Assimilate" : "Junctate");
    if (assimilate)
      d.selected = {"a"};
    compare(d, assimilate);
  }
}

}  // namespace joinDifferentialTest

namespace joinDifferentialTest {

TEST_F(Join, PartnersAreTheEntriesWithAnEndWithinTheDistanceInListOrder)
{
  // a runs from (0,0) to (-10,0). Distances of 1.25 are exact: 0.75² + 1² = 1.25².
  open("<g id='layer'>"
       "<path id='a' d='M0 0 L-10 0'/>"
       "<path id='diagonal' d='M0.75 1 L5 5'/>"          // at the distance, diagonally
       "<path id='atEnd' d='M5 5 L1.25 0'/>"             // its last anchor at the distance
       "<path id='beyond' d='M1.2500001 0 L9 9'/>"       // just beyond
       "<path id='other' d='M-10 0 L-20 0'/>"            // meets a's other end
       "<path id='far' d='M1e300 1e300 L1e300 0'/>"      // far out, where the cells are clamped
       "<path id='farTwin' d='M1e300 1e300 L1e300 5'/>"  // meets far
       "<path id='farNot' d='M9e299 1e300 L1 1'/>"       // in far's clamped cell, yet far from it
       "</g>",
       {});
  std::vector<std::string> ids = {"a", "diagonal", "atEnd", "beyond", "other", "", "far", "farTwin", "farNot"};
  for (const std::string& id : ids)
    panel::selectedPaths.push_back(id.empty() ? nullptr : static_cast<ArtHandle>(art(id)->handle()));
  ArtHandle a = panel::selectedPaths[0];
  using Found = std::vector<size_t>;
  {
    panel::JoinPartners partners(panel::selectedPaths, 1.25);
    EXPECT_EQ(partners.of(a, 1), (Found{1, 2, 4}));
    EXPECT_EQ(partners.of(a, 2), (Found{2, 4})) << "entries before the first asked for are left out";
    EXPECT_EQ(partners.of(panel::selectedPaths[6], 0), (Found{6, 7}));
    // An absorbed path's entry is emptied, and a's new end finds nothing there.
    ArtHandle other = panel::selectedPaths[4];
    ASSERT_TRUE(panel::tryJoinPair(a, other, 1.25, 120, 30, 0.0001));
    EXPECT_EQ(panel::selectedPaths[4], nullptr);
    EXPECT_EQ(partners.of(a, 1), (Found{1, 2}));
  }
  panel::JoinPartners exact(panel::selectedPaths, 0);
  EXPECT_EQ(exact.of(panel::selectedPaths[6], 0), (Found{6, 7})) << "distance 0 finds coincident ends";
  EXPECT_EQ(exact.of(a, 1), Found{});
  panel::selectedPaths.clear();
}

}  // namespace joinDifferentialTest

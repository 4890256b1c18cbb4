#include "panelJoin.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "core/qorcoreAlert.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreArtboardSegPoint.h"
#include "core/qorcoreBezier.h"
#include "panelJoinDrivers.h"

namespace panel {

const char tooManyPointsAlert[] = "Joining paths would create too many points for one path object.";
bool plainJoinScan = false;
JoinPartners* JoinPartners::active_ = nullptr;

namespace panelJoin_detail {

using qor::core::Angle;
using qor::core::Art;
using qor::core::ArtboardPoint;
using qor::core::ArtboardSegPoint;
using qor::core::Bezier;

constexpr int kRadians = 1;
constexpr int kDegrees = 2;
constexpr double kDegreesPerRadian = 57.29577951308232;

// Both coordinates within tolerance (strict), or exactly equal for a tolerance of 0.
bool endsMeet(const ArtboardPoint& p, const ArtboardPoint& q, double tolerance)
{
  return p.equalsWithin(q, tolerance);
}

double distanceBetween(const ArtboardPoint& p, const ArtboardPoint& q)
{
  return std::sqrt((q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y));
}

bool samePoint(const ArtboardPoint& p, const ArtboardPoint& q)
{
  return p.x == q.x && p.y == q.y;
}

std::vector<ArtboardSegPoint> allSegments(const Art::Path& path)
{
  return path.segments(0, path.segmentCount());
}

void removeFirstEntry(std::vector<ArtHandle>& list, ArtHandle path)
{
  if (JoinPartners::clearEntry(list, path))
    return;
  for (ArtHandle& entry : list) {
    if (entry == path) {
      entry = nullptr;
      return;
    }
  }
}

}  // namespace panelJoin_detail

using namespace panelJoin_detail;

JoinPartners::JoinPartners(const std::vector<ArtHandle>& list, double distance)
    : list_(list), distance_(distance), outer_(active_)
{
  positions_[0].build(selectedPaths);
  positions_[1].build(otherPaths);
  active_ = this;
  // Nothing is within a negative or NaN distance; an infinite one reaches every end.
  offerAll_ = plainJoinScan || distance == std::numeric_limits<double>::infinity();
  if (offerAll_ || !(distance >= 0))
    return;
  // Cells twice the distance wide: ends within the distance lie in the same or a neighbouring cell
  // however the divisions round.
  cell_ = distance > 0 ? 2 * distance : 1;
  ends_.reserve(2 * list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    if (!list[i])
      continue;
    Art art(list[i]);
    if (!art.path())
      continue;
    ArtboardPoint first, last;
    art.path()->endPoints(first, last);
    addEnd(first.x, first.y, static_cast<uint32_t>(i));
    addEnd(last.x, last.y, static_cast<uint32_t>(i));
  }
  std::sort(ends_.begin(), ends_.end(), [](const End& p, const End& q) {
    return p.cellX != q.cellX ? p.cellX < q.cellX : p.cellY < q.cellY;
  });
}

JoinPartners::~JoinPartners()
{
  active_ = outer_;
}

int64_t JoinPartners::cellOf(double v) const
{
  // Clamped, so that far-out ends share the outermost cells instead of overflowing.
  constexpr double limit = 4.0e18;
  double c = std::floor(v / cell_);
  return static_cast<int64_t>(std::max(-limit, std::min(limit, c)));
}

void JoinPartners::addEnd(double x, double y, uint32_t entry)
{
  // An end with a coordinate that is not finite is never within a finite distance of another.
  if (std::isfinite(x) && std::isfinite(y))
    ends_.push_back({cellOf(x), cellOf(y), entry, x, y});
}

bool JoinPartners::near(double x, double y, const End& end) const
{
  return distanceBetween(ArtboardPoint(x, y), ArtboardPoint(end.x, end.y)) <= distance_;
}

const std::vector<size_t>& JoinPartners::of(ArtHandle path, size_t first)
{
  found_.clear();
  if (offerAll_) {
    for (size_t j = first; j < list_.size(); ++j) {
      if (list_[j])
        found_.push_back(j);
    }
    return found_;
  }
  if (ends_.empty() || !path)
    return found_;
  ArtboardPoint ends[2];
  {
    Art art(path);
    if (!art.path())
      return found_;
    art.path()->endPoints(ends[0], ends[1]);
  }
  auto byCell = [](const End& e, const std::pair<int64_t, int64_t>& c) {
    return e.cellX != c.first ? e.cellX < c.first : e.cellY < c.second;
  };
  for (const ArtboardPoint& p : ends) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
      continue;
    const int64_t cx = cellOf(p.x), cy = cellOf(p.y);
    // The three cells of a column are neighbours in the sorted ends.
    for (int64_t x = cx - 1; x <= cx + 1; ++x) {
      for (auto e = std::lower_bound(ends_.begin(), ends_.end(), std::make_pair(x, cy - 1), byCell);
           e != ends_.end() && e->cellX == x && e->cellY <= cy + 1; ++e) {
        if (e->entry >= first && list_[e->entry] && near(p.x, p.y, *e))
          found_.push_back(e->entry);
      }
    }
  }
  std::sort(found_.begin(), found_.end());
  found_.erase(std::unique(found_.begin(), found_.end()), found_.end());
  return found_;
}

void JoinPartners::Positions::build(const std::vector<ArtHandle>& l)
{
  list = &l;
  size = l.size();
  at.clear();
  at.reserve(l.size());
  for (size_t i = 0; i < l.size(); ++i) {
    if (l[i])
      at.emplace_back(l[i], i);
  }
  std::sort(at.begin(), at.end());
  for (size_t k = 1; k < at.size(); ++k) {
    if (at[k].first == at[k - 1].first)
      unique = false;
  }
}

bool JoinPartners::Positions::clear(std::vector<ArtHandle>& l, ArtHandle path) const
{
  if (list != &l || size != l.size() || !unique)
    return false;
  auto it = std::lower_bound(at.begin(), at.end(), std::make_pair(path, size_t{0}));
  if (it != at.end() && it->first == path && l[it->second] == path)
    l[it->second] = nullptr;
  return true;
}

bool JoinPartners::clearEntry(std::vector<ArtHandle>& list, ArtHandle path)
{
  if (!active_)
    return false;
  for (const Positions& p : active_->positions_) {
    if (p.list == &list)
      return p.clear(list, path);
  }
  return false;
}

namespace panelJoin_detail {

// The tangents the caller asks for (a null output is not read from the path).
void endTangents(const Art::Path& path, Angle* start, Angle* end)
{
  if (start) {
    std::unique_ptr<Bezier> first(path.bezier(0));
    if (first)
      *start = first->tangentAngle(0);
  }
  if (end) {
    std::unique_ptr<Bezier> last(path.bezier(path.bezierCount() - 1));
    if (last)
      *end = last->tangentAngle(1);
  }
}

// The turn of endTangentAngle, for paths already at hand (null leaves a path's tangents at 0). Only
// the two tangents that meet at the junction of the code are read.
double turnAt(const Art::Path* a, const Art::Path* b, int16_t code)
{
  Angle as, ae, bs, be;
  const bool aStart = code == 1 || code == 3, bStart = code == 1 || code == 2;
  if (a)
    endTangents(*a, aStart ? &as : nullptr, aStart ? nullptr : &ae);
  if (b)
    endTangents(*b, bStart ? &bs : nullptr, bStart ? nullptr : &be);
  double turn = 0;
  switch (code) {
  case 1:
    turn = (bs.radians() + Angle::pi().radians()) - as.radians();
    break;
  case 2:
    turn = bs.radians() - ae.radians();
    break;
  case 3:
    turn = be.radians() - as.radians();
    break;
  case 4:
    turn = (be.radians() + Angle::pi().radians()) - ae.radians();
    break;
  default:
    break;
  }
  double degrees = Angle(turn, kRadians).normalizedSigned().radians() * kDegreesPerRadian;
  return std::fabs(std::trunc(degrees));
}

}  // namespace panelJoin_detail

void pathEndTangents(ArtHandle path, Angle& start, Angle& end)
{
  if (!path)
    return;
  Art art(path);
  if (Art::Path* facet = art.path())
    endTangents(*facet, &start, &end);
}

double endTangentAngle(ArtHandle a, ArtHandle b, int16_t code)
{
  std::unique_ptr<Art> artA(a ? new Art(a) : nullptr);
  std::unique_ptr<Art> artB(b ? new Art(b) : nullptr);
  return turnAt(artA ? artA->path() : nullptr, artB ? artB->path() : nullptr, code);
}

int16_t matchPathEnds(ArtHandle a, ArtHandle b, double distance, double angle)
{
  Art artA(a);
  Art artB(b);
  if (!artA.path() || !artB.path())
    return 0;
  ArtboardPoint aFirst, aLast, bFirst, bLast;
  artA.path()->endPoints(aFirst, aLast);
  artB.path()->endPoints(bFirst, bLast);
  const double gaps[4] = {distanceBetween(aFirst, bFirst), distanceBetween(aLast, bFirst),
                          distanceBetween(aFirst, bLast), distanceBetween(aLast, bLast)};
  int closest = 0;
  for (int k = 1; k < 4; ++k) {
    if (gaps[k] < gaps[closest])
      closest = k;
  }
  if (!(distance >= gaps[closest]))
    return 0;
  int16_t code = static_cast<int16_t>(closest + 1);
  return turnAt(artA.path(), artB.path(), code) <= angle ? code : 0;
}

bool tryJoinPair(ArtHandle& a, ArtHandle& b, double distance, double angle, double smooth, double straight)
{
  int16_t code = matchPathEnds(a, b, distance, angle);
  if (code == 0)
    return false;
  {
    Art artA(a);
    Art artB(b);
    if (code == 1 || code == 3)
      artA.path()->reverse();
    if (code == 3 || code == 4)
      artB.path()->reverse();
  }
  return mergePathInto(a, b, distance, smooth, straight);
}

bool mergePathInto(ArtHandle& a, ArtHandle& b, double distance, double smooth, double straight)
{
  if (a == b)
    return false;
  std::vector<ArtboardSegPoint> segsA, segsB;
  bool dropJunction = false;
  // A's segments before its last stay as they are; only the rest is read and written again, so a
  // long chain is not copied again at every join.
  int32_t kept = 0;
  {
    Art artA(a);
    Art artB(b);
    Art::Path* pathA = artA.path();
    Art::Path* pathB = artB.path();
    if (!pathA || !pathB)
      return false;
    int32_t nA = pathA->segmentCount();
    std::unique_ptr<Bezier> lastA(pathA->bezier(nA - 2));
    std::unique_ptr<Bezier> firstB(pathB->bezier(0));
    if (!lastA || !firstB)
      return false;

    bool straightCandidate =
        !lastA->isCurved() && !firstB->isCurved() && endsMeet(lastA->p3(), firstB->p0(), distance);
    if (straightCandidate) {
      Angle chordA = lastA->p0().angleTo(lastA->p3());
      Angle chordB = firstB->p0().angleTo(firstB->p3());
      dropJunction = chordA.equalsWithin(chordB, Angle(straight, kDegrees));
    }
    kept = plainJoinScan ? 0 : std::max(nA - 1, 0);
    segsA = pathA->segments(kept, nA - kept);
    segsB = allSegments(*pathB);
  }
  if (segsA.empty() || segsB.empty())
    return false;

  ArtboardSegPoint endA = segsA.back();
  ArtboardSegPoint startB = segsB.front();
  if (distanceBetween(endA.anchor, startB.anchor) <= distance) {
    endA.out = startB.out;
    startB.in = endA.in;
    endA.corner = false;
    startB.corner = false;
    ArtboardSegPoint fused = fuseEndPoints(endA, startB);
    smoothAnchor(fused, smooth);
    segsA.pop_back();
    segsB.front() = fused;
    if (dropJunction)
      segsB.erase(segsB.begin());
  }

  size_t total = static_cast<size_t>(kept) + segsA.size() + segsB.size();
  if (total > static_cast<size_t>(maxJoinedSegments)) {
    qor::core::alert(tooManyPointsAlert);
    return false;
  }
  segsA.insert(segsA.end(), segsB.begin(), segsB.end());
  {
    Art artA(a);
    Art::Path* pathA = artA.path();
    if (kept == 0)
      pathA->removeSegments(0, pathA->segmentCount());
    pathA->setSegmentCount(static_cast<int32_t>(total));
    pathA->setSegments(kept, segsA);
  }
  removeAbsorbedPath(b);
  return true;
}

ArtboardSegPoint fuseEndPoints(const ArtboardSegPoint& endA, const ArtboardSegPoint& startB)
{
  return ArtboardSegPoint(midpointOf(endA.anchor, startB.anchor), startB.in, endA.out, false);
}

ArtboardPoint midpointOf(const ArtboardPoint& p, const ArtboardPoint& q)
{
  return ArtboardPoint((p.x + q.x) / 2, (p.y + q.y) / 2);
}

void smoothAnchor(ArtboardSegPoint& seg, double smooth)
{
  if (samePoint(seg.in, seg.anchor) || samePoint(seg.anchor, seg.out))
    return;
  Angle arrival = seg.in.angleTo(seg.anchor).normalized();
  Angle departure = seg.anchor.angleTo(seg.out).normalized();
  double deviation = arrival.distanceTo(departure).radians();
  if (!(std::fabs(deviation / 4 * kDegreesPerRadian) <= smooth))
    return;
  Angle direction = seg.in.angleTo(seg.out);
  double inLength = distanceBetween(seg.anchor, seg.in);
  double outLength = distanceBetween(seg.anchor, seg.out);
  seg.in = seg.anchor.offsetPolar(-inLength, direction);
  seg.out = seg.anchor.offsetPolar(outLength, direction);
  seg.corner = false;
}

void removeAbsorbedPath(ArtHandle& b)
{
  {
    Art art(b);
    art.dispose();
  }
  removeFirstEntry(selectedPaths, b);
  removeFirstEntry(otherPaths, b);
  b = nullptr;
}

void closeIfEndsMeet(ArtHandle path, double distance, double angle, double smooth)
{
  if (!path)
    return;
  Art art(path);
  Art::Path* facet = art.path();
  if (art.isEmpty() || !facet)
    return;
  // A closed path needs two anchors to keep; one anchor cannot close on itself.
  const int32_t count = facet->segmentCount();
  if (count < 2)
    return;
  // Most paths do not close: their two ends are tested before the rest of the path is read.
  ArtboardPoint first, last;
  facet->endPoints(first, last);
  if (!endsMeet(first, last, distance))
    return;
  if (endTangentAngle(path, path, 2) > angle)
    return;
  std::vector<ArtboardSegPoint> segs = allSegments(*facet);
  if (segs.size() < 2 ||
      (segs.size() != static_cast<size_t>(count) && !endsMeet(segs.front().anchor, segs.back().anchor, distance)))
    return;
  ArtboardSegPoint fused(midpointOf(segs.back().anchor, segs.front().anchor), segs.back().in,
                         segs.front().out, false);
  smoothAnchor(fused, smooth);
  segs.front() = fused;
  segs.pop_back();
  facet->setBezierCount(0);
  facet->setSegmentCount(static_cast<int32_t>(segs.size()));
  facet->setSegmentsClosedAware(0, segs);
  facet->setClosed(true);
}

}  // namespace panel

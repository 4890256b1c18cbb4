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
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipBezier.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipPathSegPoint.h"
#include "aip/qoraipSuite.h"
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

double distanceBetween(double px, double py, double qx, double qy)
{
  return std::sqrt((qx - px) * (qx - px) + (qy - py) * (qy - py));
}

double distanceBetween(const ArtboardPoint& p, const ArtboardPoint& q)
{
  return distanceBetween(p.x, p.y, q.x, q.y);
}

// The end pair of matchPathEnds before the turn is tested: the closest of first-first, last-first,
// first-last and last-last (the earlier on a tie), 0 when it is beyond the distance.
int16_t closestEndPair(double aX0, double aY0, double aX1, double aY1, double bX0, double bY0, double bX1,
                       double bY1, double distance)
{
  const double gaps[4] = {distanceBetween(aX0, aY0, bX0, bY0), distanceBetween(aX1, aY1, bX0, bY0),
                          distanceBetween(aX0, aY0, bX1, bY1), distanceBetween(aX1, aY1, bX1, bY1)};
  int closest = 0;
  for (int k = 1; k < 4; ++k) {
    if (gaps[k] < gaps[closest])
      closest = k;
  }
  if (!(distance >= gaps[closest]))
    return 0;
  return static_cast<int16_t>(closest + 1);
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

struct JoinPartners::Spare
{
  std::vector<End> ends, unsorted;
  std::vector<uint32_t> cellOfEnd;
  std::vector<Cell> cells;
  std::vector<Ends> entryEnds;
  std::vector<size_t> found;
  std::vector<PathSegment> segsB, written;
  std::vector<std::pair<ArtHandle, size_t>> at[2];
};

void acquireHostSuites()
{
  qor::aip::acquireSuite(qor::aip::pathSuite, kPathSuiteName, kPathSuiteVersion);
  qor::aip::acquireSuite(qor::aip::artSuite, kArtSuiteName, kArtSuiteVersion);
}

std::vector<std::unique_ptr<JoinPartners::Spare>>& JoinPartners::spares()
{
  static std::vector<std::unique_ptr<Spare>> kept;
  return kept;
}

void JoinPartners::swapTables(Spare& spare)
{
  ends_.swap(spare.ends);
  unsorted_.swap(spare.unsorted);
  cellOfEnd_.swap(spare.cellOfEnd);
  cells_.swap(spare.cells);
  entryEnds_.swap(spare.entryEnds);
  found_.swap(spare.found);
  segsB_.swap(spare.segsB);
  written_.swap(spare.written);
  positions_[0].at.swap(spare.at[0]);
  positions_[1].at.swap(spare.at[1]);
}

JoinPartners::JoinPartners(const std::vector<ArtHandle>& list, double distance)
    : list_(list), distance_(distance), outer_(active_)
{
  if (!spares().empty()) {
    swapTables(*spares().back());
    spares().pop_back();
  }
  acquireHostSuites();
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
  scale_ = qor::aip::Document::currentScaleFactor();
  std::vector<End>& ends = unsorted_;
  ends.clear();
  ends.reserve(2 * list.size());
  entryEnds_.assign(list.size(), Ends());
  for (size_t i = 0; i < list.size(); ++i) {
    Ends e;
    if (!list[i] || !readEnds(list[i], e))
      continue;
    entryEnds_[i] = e;
    for (const auto& [x, y] : {std::make_pair(e.x0, e.y0), std::make_pair(e.x1, e.y1)}) {
      // An end with a coordinate that is not finite is never within a finite distance of another.
      if (std::isfinite(x) && std::isfinite(y))
        ends.push_back({cellOf(x), cellOf(y), static_cast<uint32_t>(i), x, y});
    }
  }
  // The ends grouped by cell: each cell's ends counted, given their run, then put in place.
  size_t size = 1;
  while (size < 2 * ends.size())
    size *= 2;
  cells_.assign(size, Cell());
  std::vector<uint32_t>& cellOfEnd = cellOfEnd_;
  cellOfEnd.resize(ends.size());
  for (size_t k = 0; k < ends.size(); ++k) {
    Cell& c = cellFor(ends[k].cellX, ends[k].cellY);
    ++c.end;
    cellOfEnd[k] = static_cast<uint32_t>(&c - cells_.data());
  }
  uint32_t run = 0;
  for (Cell& c : cells_) {
    if (c.end == 0)
      continue;
    const uint32_t count = c.end;
    c.begin = c.end = run;
    run += count;
  }
  ends_.resize(ends.size());
  for (size_t k = 0; k < ends.size(); ++k)
    ends_[cells_[cellOfEnd[k]].end++] = ends[k];
  indexed_ = true;
}

namespace panelJoin_detail {

size_t cellSlot(int64_t x, int64_t y, size_t mask)
{
  uint64_t h = static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(y) * 0xC2B2AE3D27D4EB4Full;
  return static_cast<size_t>((h ^ (h >> 29)) & mask);
}

}  // namespace panelJoin_detail

JoinPartners::Cell& JoinPartners::cellFor(int64_t x, int64_t y)
{
  // While the table is filled a used cell counts at least one end.
  const size_t mask = cells_.size() - 1;
  size_t slot = cellSlot(x, y, mask);
  while (cells_[slot].end != 0 && (cells_[slot].x != x || cells_[slot].y != y))
    slot = (slot + 1) & mask;
  cells_[slot].x = x;
  cells_[slot].y = y;
  return cells_[slot];
}

bool JoinPartners::readEnds(ArtHandle path, Ends& ends) const
{
  // As the path facet reads them: an anchor it cannot read stays at the origin.
  ends = Ends();
  const PathSuite* suite = qor::aip::pathSuite;
  int16_t n = 0;
  if (!path || !suite || suite->getSegmentCount(path, &n) != 0 || n <= 0)
    return path != nullptr;
  PathSegment record{};
  if (suite->getPathSegments(path, 0, 1, &record) == 0) {
    ends.x0 = record.anchor.h * scale_;
    ends.y0 = -record.anchor.v * scale_;
  }
  record = PathSegment{};
  if (suite->getPathSegments(path, static_cast<int16_t>(n - 1), 1, &record) == 0) {
    ends.x1 = record.anchor.h * scale_;
    ends.y1 = -record.anchor.v * scale_;
  }
  return true;
}

ArtboardSegPoint JoinPartners::fromHost(const PathSegment& record) const
{
  qor::aip::PathSegPoint point;
  point.assignFromHost(record);
  point.anchor *= scale_;
  point.in *= scale_;
  point.out *= scale_;
  return ArtboardSegPoint(point);
}

PathSegment JoinPartners::toHost(const ArtboardSegPoint& point) const
{
  PathSegment record{};
  qor::core::artboardSegPointImpl(point)->toHostSegment(record);
  for (RealPoint* p : {&record.anchor, &record.in, &record.out}) {
    p->h /= scale_;
    p->v /= scale_;
  }
  return record;
}

PathSegment JoinPartners::roundTrip(const PathSegment& record) const
{
  // What reading a segment into artboard coordinates and writing it back makes of it.
  auto back = [this](const RealPoint& p) {
    const double x = p.h * scale_, y = -p.v * scale_;
    return RealPoint{x / scale_, -y / scale_};
  };
  PathSegment out{};
  out.anchor = back(record.anchor);
  out.in = back(record.in);
  out.out = back(record.out);
  out.corner = record.corner != 0 ? 1 : 0;
  return out;
}

const JoinPartners::Cell* JoinPartners::findCell(int64_t x, int64_t y) const
{
  if (cells_.empty())
    return nullptr;
  const size_t mask = cells_.size() - 1;
  for (size_t slot = cellSlot(x, y, mask);; slot = (slot + 1) & mask) {
    const Cell& c = cells_[slot];
    if (c.end == 0)
      return nullptr;
    if (c.x == x && c.y == y)
      return &c;
  }
}

void JoinPartners::addNear(double x, double y, int64_t cx, int64_t cy, size_t first)
{
  const Cell* c = findCell(cx, cy);
  if (!c)
    return;
  for (uint32_t k = c->begin; k < c->end; ++k) {
    const End& e = ends_[k];
    if (e.entry >= first && list_[e.entry] && near(x, y, e))
      found_.push_back(e.entry);
  }
}

JoinPartners::~JoinPartners()
{
  active_ = outer_;
  auto spare = std::make_unique<Spare>();
  swapTables(*spare);
  spares().push_back(std::move(spare));
}

int64_t JoinPartners::cellOf(double v) const
{
  // Clamped, so that far-out ends share the outermost cells instead of overflowing.
  constexpr double limit = 4.0e18;
  double c = std::floor(v / cell_);
  return static_cast<int64_t>(std::max(-limit, std::min(limit, c)));
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
  asked_ = nullptr;
  if (ends_.empty() || !path)
    return found_;
  if (!readEnds(path, askedEnds_))
    return found_;
  asked_ = path;
  const double ends[2][2] = {{askedEnds_.x0, askedEnds_.y0}, {askedEnds_.x1, askedEnds_.y1}};
  for (const auto& p : ends) {
    const double x = p[0], y = p[1];
    if (!std::isfinite(x) || !std::isfinite(y))
      continue;
    const int64_t cx = cellOf(x), cy = cellOf(y);
    if (distance_ == 0) {
      // Only an equal end is within 0, in the same cell; except that the square of a difference
      // below about 1e-162 is 0, which lets two ends either side of 0 meet.
      const int64_t x0 = cx == 0 ? -1 : cx, x1 = cx == -1 ? 0 : cx;
      const int64_t y0 = cy == 0 ? -1 : cy, y1 = cy == -1 ? 0 : cy;
      for (int64_t i = x0; i <= x1; ++i) {
        for (int64_t k = y0; k <= y1; ++k)
          addNear(x, y, i, k, first);
      }
      continue;
    }
    for (int64_t i = cx - 1; i <= cx + 1; ++i) {
      for (int64_t k = cy - 1; k <= cy + 1; ++k)
        addNear(x, y, i, k, first);
    }
  }
  std::sort(found_.begin(), found_.end());
  found_.erase(std::unique(found_.begin(), found_.end()), found_.end());
  return found_;
}

namespace panelJoin_detail {

size_t handleSlot(ArtHandle h, size_t mask)
{
  const uint64_t v = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(h));
  return static_cast<size_t>(((v >> 4) * 0x9E3779B97F4A7C15ull >> 20) & mask);
}

}  // namespace panelJoin_detail

void JoinPartners::Positions::build(const std::vector<ArtHandle>& l)
{
  list = &l;
  size = l.size();
  size_t slots = 1;
  while (slots < 2 * l.size())
    slots *= 2;
  at.assign(slots, {nullptr, 0});
  const size_t mask = slots - 1;
  for (size_t i = 0; i < l.size(); ++i) {
    if (!l[i])
      continue;
    size_t slot = handleSlot(l[i], mask);
    while (at[slot].first && at[slot].first != l[i])
      slot = (slot + 1) & mask;
    if (at[slot].first)
      unique = false;
    else
      at[slot] = {l[i], i};
  }
}

const std::pair<ArtHandle, size_t>* JoinPartners::Positions::find(ArtHandle path) const
{
  if (at.empty() || !path)
    return nullptr;
  const size_t mask = at.size() - 1;
  for (size_t slot = handleSlot(path, mask);; slot = (slot + 1) & mask) {
    if (!at[slot].first)
      return nullptr;
    if (at[slot].first == path)
      return &at[slot];
  }
}

bool JoinPartners::Positions::clear(std::vector<ArtHandle>& l, ArtHandle path) const
{
  if (list != &l || size != l.size() || !unique)
    return false;
  const std::pair<ArtHandle, size_t>* it = find(path);
  if (it && l[it->second] == path)
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
// The turn at the junction of the code between a's tangent there (its start for codes 1 and 3, else
// its end) and b's (its start for codes 1 and 2, else its end).
double turnBetween(const Angle& atA, const Angle& atB, int16_t code)
{
  const bool aStart = code == 1 || code == 3, bStart = code == 1 || code == 2;
  const Angle none;
  const Angle& as = aStart ? atA : none;
  const Angle& ae = aStart ? none : atA;
  const Angle& bs = bStart ? atB : none;
  const Angle& be = bStart ? none : atB;
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

double turnAt(const Art::Path* a, const Art::Path* b, int16_t code)
{
  Angle as, ae, bs, be;
  const bool aStart = code == 1 || code == 3, bStart = code == 1 || code == 2;
  if (a)
    endTangents(*a, aStart ? &as : nullptr, aStart ? nullptr : &ae);
  if (b)
    endTangents(*b, bStart ? &bs : nullptr, bStart ? nullptr : &be);
  return turnBetween(aStart ? as : ae, bStart ? bs : be, code);
}

// Whether the junction anchor of a straight join goes: both curves at the junction straight, their
// ends meeting within the distance, and their chords in one direction within straight degrees.
bool dropsJunction(const Bezier& lastA, const Bezier& firstB, double distance, double straight)
{
  if (lastA.isCurved() || firstB.isCurved() || !endsMeet(lastA.p3(), firstB.p0(), distance))
    return false;
  Angle chordA = lastA.p0().angleTo(lastA.p3());
  Angle chordB = firstB.p0().angleTo(firstB.p3());
  return chordA.equalsWithin(chordB, Angle(straight, kDegrees));
}

// The end of a merge once both paths are read: segsA (a's segments from kept on) and segsB (all of
// b's) are fused at the junction and written to a from kept on. False, writing nothing, when either
// is empty or the joined path would have too many segments.
bool writeMerged(Art::Path& pathA, int32_t kept, std::vector<ArtboardSegPoint>& segsA,
                 std::vector<ArtboardSegPoint>& segsB, bool dropJunction, double distance, double smooth)
{
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
  if (kept == 0)
    pathA.removeSegments(0, pathA.segmentCount());
  pathA.setSegmentCount(static_cast<int32_t>(total));
  pathA.setSegments(kept, segsA);
  return true;
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
  const int16_t code =
      closestEndPair(aFirst.x, aFirst.y, aLast.x, aLast.y, bFirst.x, bFirst.y, bLast.x, bLast.y, distance);
  if (code == 0)
    return 0;
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
    const bool dropJunction = dropsJunction(*lastA, *firstB, distance, straight);
    // A's segments before its last stay as they are; only the rest is read and written again, so a
    // long chain is not copied again at every join.
    const int32_t kept = plainJoinScan ? 0 : std::max(nA - 1, 0);
    std::vector<ArtboardSegPoint> segsA = pathA->segments(kept, nA - kept);
    std::vector<ArtboardSegPoint> segsB = allSegments(*pathB);
    if (!writeMerged(*pathA, kept, segsA, segsB, dropJunction, distance, smooth))
      return false;
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

void closeIfEndsMeet(ArtHandle path, double distance, double angle, double smooth, double scale)
{
  const PathSuite* suite = qor::aip::pathSuite;
  int16_t n = 0;
  PathSegment first{}, last{};
  if (path && suite && suite->getSegmentCount(path, &n) == 0 && n >= 2 &&
      suite->getPathSegments(path, 0, 1, &first) == 0 &&
      suite->getPathSegments(path, static_cast<int16_t>(n - 1), 1, &last) == 0 &&
      !endsMeet(ArtboardPoint(first.anchor.h * scale, -first.anchor.v * scale),
                ArtboardPoint(last.anchor.h * scale, -last.anchor.v * scale), distance))
    return;
  closeIfEndsMeet(path, distance, angle, smooth);
}

void JoinPartners::rereadEnds(ArtHandle path, size_t j)
{
  asked_ = nullptr;
  Ends e;
  if (readEnds(path, e))
    entryEnds_[j] = e;
}

void JoinPartners::clearAbsorbed(ArtHandle b, size_t j)
{
  if (qor::aip::artSuite)
    qor::aip::artSuite->disposeArt(b);
  for (std::vector<ArtHandle>* list : {&selectedPaths, &otherPaths}) {
    // In the list of this finder, with every handle once, b's entry is j.
    const bool here = list == &list_ && j < list->size() && (*list)[j] == b;
    if (here && positions_[list == &selectedPaths ? 0 : 1].unique)
      (*list)[j] = nullptr;
    else
      removeFirstEntry(*list, b);
  }
}

namespace panelJoin_detail {

// Whether every coordinate of the record, in artboard units, is an ordinary number: finite and far
// from the largest one (which the path facet reads as the end of what the host gave).
bool ordinary(const PathSegment& r, double scale)
{
  for (const RealPoint& p : {r.anchor, r.in, r.out}) {
    if (!(std::fabs(p.h * scale) < 1e300) || !(std::fabs(p.v * scale) < 1e300))
      return false;
  }
  return true;
}

// A run of records turned round as the host reverses a path: in reverse order, in and out swapped.
void turnRound(PathSegment* first, PathSegment* last)
{
  std::reverse(first, last);
  for (PathSegment* r = first; r != last; ++r)
    std::swap(r->in, r->out);
}

}  // namespace panelJoin_detail

bool JoinPartners::joinEntry(ArtHandle& a, size_t j, double angle, double smooth, double straight)
{
  ArtHandle b = j < list_.size() ? list_[j] : nullptr;
  const PathSuite* suite = qor::aip::pathSuite;
  if (!indexed_ || !a || !b || a == b || !suite)
    return tryJoinPair(a, b, distance_, angle, smooth, straight);
  // The ends: a's as the last of() read them, b's as this finder read them (an entry changes only in
  // a join that failed, and is read again then).
  if (asked_ != a) {
    readEnds(a, askedEnds_);
    asked_ = a;
  }
  const Ends& ea = askedEnds_;
  const Ends& eb = entryEnds_[j];
  const int16_t code = closestEndPair(ea.x0, ea.y0, ea.x1, ea.y1, eb.x0, eb.y0, eb.x1, eb.y1, distance_);
  if (code == 0)
    return false;

  // The paths' records straight from the host: a's two segments at the junction and all of b, which
  // the merge takes whole. Anything out of the ordinary is left to the pair join.
  const bool aStart = code == 1 || code == 3, bStart = code == 1 || code == 2;
  int16_t nA = 0, nB = 0;
  PathSegment endA[2] = {};
  if (suite->getSegmentCount(a, &nA) != 0 || suite->getSegmentCount(b, &nB) != 0 || nA < 2 || nB < 2 ||
      suite->getPathSegments(a, static_cast<int16_t>(aStart ? 0 : nA - 2), 2, endA) != 0 ||
      !ordinary(endA[0], scale_) || !ordinary(endA[1], scale_))
    return tryJoinPair(a, b, distance_, angle, smooth, straight);
  std::vector<PathSegment>& segsB = segsB_;
  segsB.resize(static_cast<size_t>(nB));
  if (suite->getPathSegments(b, 0, nB, segsB.data()) != 0 ||
      !std::all_of(segsB.begin(), segsB.end(), [this](const PathSegment& r) { return ordinary(r, scale_); }))
    return tryJoinPair(a, b, distance_, angle, smooth, straight);
  if (!curve_)
    curve_ = std::make_unique<Bezier>(qor::aip::Bezier());
  Bezier& curve = *curve_;
  // The curve from r0 to r1 in artboard coordinates, as fromHost would give its points.
  auto setCurve = [this, &curve](const PathSegment& r0, const PathSegment& r1) {
    const double s = scale_;
    curve.set(ArtboardPoint(r0.anchor.h * s, -r0.anchor.v * s), ArtboardPoint(r0.out.h * s, -r0.out.v * s),
              ArtboardPoint(r1.in.h * s, -r1.in.v * s), ArtboardPoint(r1.anchor.h * s, -r1.anchor.v * s));
  };

  // The two tangents that meet at the junction.
  setCurve(endA[0], endA[1]);
  const Angle atA = curve.tangentAngle(aStart ? 0 : 1);
  setCurve(segsB[bStart ? 0 : nB - 2], segsB[bStart ? 1 : nB - 1]);
  const Angle atB = curve.tangentAngle(bStart ? 0 : 1);
  if (!(turnBetween(atA, atB, code) <= angle))
    return false;

  // Reversed as the code says: a in the host, as its segments stay; b only as read, as it goes (and in
  // the host too should the merge fail).
  if (aStart) {
    suite->reversePath(a);
    turnRound(endA, endA + 2);
  }
  const bool reverseB = code == 3 || code == 4;
  if (reverseB)
    turnRound(segsB.data(), segsB.data() + nB);
  asked_ = nullptr;

  // The merge, as mergePathInto makes it: a's last curve and its last segment, and all of b.
  setCurve(endA[0], endA[1]);
  const Bezier lastA(curve);
  setCurve(segsB[0], segsB[1]);
  const bool dropJunction = dropsJunction(lastA, curve, distance_, straight);
  const ArtboardSegPoint endOfA = fromHost(endA[1]);
  const ArtboardSegPoint startOfB = fromHost(segsB[0]);
  written_.clear();
  size_t fromB = 0;
  if (distanceBetween(endOfA.anchor, startOfB.anchor) <= distance_) {
    ArtboardSegPoint endA1 = endOfA, startB = startOfB;
    endA1.out = startB.out;
    startB.in = endA1.in;
    endA1.corner = false;
    startB.corner = false;
    ArtboardSegPoint fused = fuseEndPoints(endA1, startB);
    smoothAnchor(fused, smooth);
    if (!dropJunction)
      written_.push_back(toHost(fused));
    fromB = 1;
  } else {
    written_.push_back(toHost(endOfA));
  }
  const int32_t kept = nA - 1;
  const size_t total = static_cast<size_t>(kept) + written_.size() + (static_cast<size_t>(nB) - fromB);
  if (total > static_cast<size_t>(maxJoinedSegments)) {
    qor::core::alert(tooManyPointsAlert);
    if (reverseB)
      suite->reversePath(b);
    rereadEnds(b, j);
    return false;
  }
  for (size_t k = fromB; k < segsB.size(); ++k)
    written_.push_back(roundTrip(segsB[k]));
  suite->setPathSegments(a, static_cast<int16_t>(kept), static_cast<int16_t>(written_.size()), written_.data());
  clearAbsorbed(b, j);
  return true;
}

}  // namespace panel

// Joining two open paths into one, and closing a path whose own ends meet: the heart of the
// "Junctate" and "Assimilate" commands. Geometry is read and written through the art handles, in
// artboard coordinates. The four options are passed by value on every call: distance (document
// units), angle, smooth and straight (degrees).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "hostapi/HostRecords.h"
#include "hostapi/HostTypes.h"

namespace qor {
namespace core {
class Angle;
class ArtboardPoint;
class Bezier;
class ArtboardSegPoint;
}  // namespace core
}  // namespace qor

namespace panel {

// The largest number of segments a join may make.
constexpr int32_t maxJoinedSegments = 32000;
extern const char tooManyPointsAlert[];

// Which ends meet: 0 none, 1 first-first, 2 last-first, 3 first-last, 4 last-last.
int16_t matchPathEnds(ArtHandle a, ArtHandle b, double distance, double angle);
// The turn at the junction the code implies, in whole degrees 0..180.
double endTangentAngle(ArtHandle a, ArtHandle b, int16_t code);
// The directions in which the path leaves its first anchor and arrives at its last.
void pathEndTangents(ArtHandle path, qor::core::Angle& start, qor::core::Angle& end);

// Reverses as the end-pair code says and merges b into a; b is disposed of and set to 0.
bool tryJoinPair(ArtHandle& a, ArtHandle& b, double distance, double angle, double smooth, double straight);
// Appends b's segments to a's, fusing a's last anchor with b's first; b is disposed of and set to 0.
bool mergePathInto(ArtHandle& a, ArtHandle& b, double distance, double smooth, double straight);

qor::core::ArtboardSegPoint fuseEndPoints(const qor::core::ArtboardSegPoint& endA,
                                          const qor::core::ArtboardSegPoint& startB);
qor::core::ArtboardPoint midpointOf(const qor::core::ArtboardPoint& p, const qor::core::ArtboardPoint& q);
// Straightens the handles of an anchor whose quarter deviation is within smooth degrees.
void smoothAnchor(qor::core::ArtboardSegPoint& seg, double smooth);

// Off by default. On, every entry of a join list is offered as a partner and a joined path is
// rewritten whole: the straightforward join, kept as the reference that the indexed one is checked
// and measured against.
extern bool plainJoinScan;

// The partners a path may join among the entries of a join list: the entries with an end anchor
// within the distance of one of the path's ends, in list order. Any other entry cannot join it, so
// an index of the entries' end anchors (a grid of cells twice the distance wide) finds the partners
// without visiting the rest. The end anchors are read once: while the finder lives, the entries of
// the list may only be emptied, and only the path asking may change its ends. It also lets an
// absorbed path's entries in the join lists be cleared without a search.
class JoinPartners {
public:
  JoinPartners(const std::vector<ArtHandle>& list, double distance);
  ~JoinPartners();
  JoinPartners(const JoinPartners&) = delete;
  JoinPartners& operator=(const JoinPartners&) = delete;

  // The non-empty entries from first on that may join path, in ascending order.
  const std::vector<size_t>& of(ArtHandle path, size_t first);

  // Clears the first entry equal to path in list; false when this finder cannot tell.
  static bool clearEntry(std::vector<ArtHandle>& list, ArtHandle path);

  // Whether the entries' ends are indexed: joinEntry may then be used in place of tryJoinPair.
  bool indexed() const { return indexed_; }
  // tryJoinPair of path (the open path just asked about with of) and the open path of entry j, with
  // the same outcome, reading less: the ends as this finder knows them, the tangents only for a pair
  // whose ends are near enough, and each path's segments once.
  bool joinEntry(ArtHandle& path, size_t j, double angle, double smooth, double straight);

private:
  struct End
  {
    int64_t cellX, cellY;
    uint32_t entry;
    double x, y;
  };
  // A path's first and last anchors.
  struct Ends
  {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  };
  // A run of ends_ sharing one cell, in an open-addressing table (end 0: a free slot). While the
  // table is filled, begin counts the cell's ends.
  struct Cell
  {
    int64_t x = 0, y = 0;
    uint32_t begin = 0, end = 0;
  };
  // Where each handle sits in one of the join lists (every handle once).
  struct Positions
  {
    const std::vector<ArtHandle>* list = nullptr;
    size_t size = 0;
    bool unique = true;
    // A handle's first entry, in an open-addressing table of (handle, entry) (null handle: a free slot).
    std::vector<std::pair<ArtHandle, size_t>> at;
    void build(const std::vector<ArtHandle>& l);
    const std::pair<ArtHandle, size_t>* find(ArtHandle path) const;
    bool clear(std::vector<ArtHandle>& l, ArtHandle path) const;
  };

  int64_t cellOf(double v) const;
  // A path's end anchors read from the host as the path facet reads them; false when it has none.
  bool readEnds(ArtHandle path, Ends& ends) const;
  // The host's records in artboard coordinates and back, converted as the path facet converts them.
  qor::core::ArtboardSegPoint fromHost(const PathSegment& record) const;
  PathSegment toHost(const qor::core::ArtboardSegPoint& point) const;
  PathSegment roundTrip(const PathSegment& record) const;
  Cell& cellFor(int64_t x, int64_t y);
  bool near(double x, double y, const End& end) const;
  const Cell* findCell(int64_t x, int64_t y) const;
  void addNear(double x, double y, int64_t cx, int64_t cy, size_t first);
  // Reads the ends of entry j again, or of the path asked about, after a join that changed them failed.
  void rereadEnds(ArtHandle path, size_t j);
  void clearAbsorbed(ArtHandle b, size_t j);

  // The finder's tables, kept for the next finder with their room, so that a command on a large
  // drawing does not fault in fresh memory for them each time.
  struct Spare;
  static std::vector<std::unique_ptr<Spare>>& spares();
  void swapTables(Spare& spare);

  const std::vector<ArtHandle>& list_;
  const double distance_;
  double cell_ = 1;
  double scale_ = 1;  // the document's, read once
  // Every entry is offered: the plain scan, or a distance the grid cannot serve.
  bool offerAll_ = false;
  bool indexed_ = false;
  std::vector<End> ends_;  // grouped by cell
  std::vector<End> unsorted_;
  std::vector<uint32_t> cellOfEnd_;
  std::vector<Cell> cells_;
  std::vector<Ends> entryEnds_;  // by entry
  ArtHandle asked_ = nullptr;    // the path of the last of(), while its ends are known
  Ends askedEnds_;
  std::unique_ptr<qor::core::Bezier> curve_;  // a curve to set and ask, made at the first join
  std::vector<size_t> found_;
  std::vector<PathSegment> segsB_, written_;  // kept from join to join
  Positions positions_[2];
  JoinPartners* outer_ = nullptr;
  static JoinPartners* active_;
};

// The host's art and path suites, which the join reads paths through directly.
void acquireHostSuites();

// Disposes of an absorbed path and clears its entries in the join lists.
void removeAbsorbedPath(ArtHandle& b);
// Closes the path with one segment fewer when its two ends meet within distance and angle.
void closeIfEndsMeet(ArtHandle path, double distance, double angle, double smooth);
// The same, with the ends of a path that does not close read straight from the host at the document's
// scale.
void closeIfEndsMeet(ArtHandle path, double distance, double angle, double smooth, double scale);

}  // namespace panel

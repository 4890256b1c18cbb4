// Joining two open paths into one, and closing a path whose own ends meet: the heart of the
// "Junctate" and "Assimilate" commands. Geometry is read and written through the art handles, in
// artboard coordinates. The four options are passed by value on every call: distance (document
// units), angle, smooth and straight (degrees).
#pragma once

#include <cstdint>

#include "hostapi/HostTypes.h"

namespace qor {
namespace core {
class Angle;
class ArtboardPoint;
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

// Disposes of an absorbed path and clears its entries in the join lists.
void removeAbsorbedPath(ArtHandle& b);
// Closes the path with one segment fewer when its two ends meet within distance and angle.
void closeIfEndsMeet(ArtHandle path, double distance, double angle, double smooth);

}  // namespace panel

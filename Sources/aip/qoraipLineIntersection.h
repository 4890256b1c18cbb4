// Intersection of the lines AB and CD, and of the segments AB and CD, in artboard coordinates.
#pragma once

#include "aip/qoraipArtboardPoint.h"

namespace qor {
namespace aip {

// False for parallel lines (|determinant| < 1e-14), leaving out unchanged.
bool lineIntersection(const ArtboardPoint& a, const ArtboardPoint& b, const ArtboardPoint& c, const ArtboardPoint& d,
                      ArtboardPoint& out);
// As lineIntersection; onBoth tells whether the point lies on both segments, by a detour test that
// accepts up to 1.001 units (about half a unit of overshoot).
bool segmentIntersection(const ArtboardPoint& a, const ArtboardPoint& b, const ArtboardPoint& c,
                         const ArtboardPoint& d, ArtboardPoint& out, bool& onBoth);

}  // namespace aip
}  // namespace qor

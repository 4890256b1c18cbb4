// Intersection of the segments AB and CD for client points, on their cached fields.
#pragma once

#include "core/qorcorePoint.h"

namespace qor {
namespace core {

// False (onBoth false) for parallel lines, leaving out unchanged; else true with the intersection of
// the lines in out and onBoth telling whether it lies on both segments (the detour test of the
// artboard form).
bool segmentIntersection(const Point& a, const Point& b, const Point& c, const Point& d, Point& out, bool& onBoth);

}  // namespace core
}  // namespace qor

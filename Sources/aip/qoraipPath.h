// The host-facing path object of an art: segment counts, reads and writes of segments and Bezier
// pieces, the closed flag, reversal, area, length, guides, path style and point containment. Counts
// and indexes cross to the host as signed 16-bit numbers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipPathSegPoint.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;
class Bezier;

class Path {
public:
    explicit Path(Art* art);
    Path(const Path&) = delete;
    Path& operator=(const Path&) = delete;

    int32_t segmentCount() const;
    bool closed() const;
    int32_t bezierCount() const;
    void setClosed(bool closed);
    void reverse();
    void setSegmentCount(int32_t count);
    void setBezierCount(int32_t count);
    // Reads segments into out, which holds capacity elements; never writes past them. Returns the number
    // of elements filled (0 when the host refuses, leaving out unchanged).
    int32_t segments(int32_t first, int32_t count, PathSegPoint* out, size_t capacity) const;
    int32_t pieceSegments(int32_t piece, int32_t count, PathSegPoint* out, size_t capacity) const;
    void closingSegments(PathSegPoint* out) const;
    void setSegments(int32_t first, int32_t count, const PathSegPoint* in);
    void setPieceSegments(int32_t first, int32_t count, const PathSegPoint* in);
    void removeSegments(int32_t first, int32_t count);
    void endPoints(ArtboardPoint& first, ArtboardPoint& last) const;
    Bezier* bezierAt(int32_t piece) const;
    double area() const;
    double length() const;
    bool isGuide() const;
    void pathStyle(PathStyleRecord& style) const;
    bool containsPoint(const ArtboardPoint& point) const;
    int16_t windingNumber(const ArtboardPoint& point) const;

    static int32_t pieceCrossings(const PathSegPoint& a, const PathSegPoint& b, const ArtboardPoint& point,
                                  int32_t depth);
    static int32_t chordCrossings(const PathSegPoint& a, const PathSegPoint& b, const ArtboardPoint& point);

    static constexpr double kFlatness = 0.009999999776482582;

private:
    ArtHandle handle() const;

    Art* art_;
};

}  // namespace aip
}  // namespace qor

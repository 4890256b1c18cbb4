// One segment of a path in artboard coordinates: the anchor, the control point of the curve arriving
// at it (in), the control point of the curve leaving it (out), and the corner flag.
#pragma once

#include "aip/qoraipArtboardPoint.h"
#include "hostapi/HostRecords.h"

namespace qor {
namespace aip {

class PathSegPoint {
public:
    PathSegPoint() = default;
    PathSegPoint(const ArtboardPoint& anchor_, const ArtboardPoint& in_, const ArtboardPoint& out_, bool corner_)
        : anchor(anchor_), in(in_), out(out_), corner(corner_)
    {
    }
    PathSegPoint(const PathSegPoint& other) = default;
    PathSegPoint& operator=(const PathSegPoint& other) = default;

    virtual ~PathSegPoint() = default;
    virtual void assignFromHost(const PathSegment& host);
    virtual void assign(const PathSegPoint& other);
    virtual void toHostSegment(PathSegment& host) const;
    // Whether the piece from this segment to the next bends: false when both handles of the piece sit on
    // their anchors within 0.01.
    virtual bool isCurvedTo(const PathSegPoint& next) const;

    ArtboardPoint anchor;
    ArtboardPoint in;
    ArtboardPoint out;
    bool corner = false;
};

}  // namespace aip
}  // namespace qor

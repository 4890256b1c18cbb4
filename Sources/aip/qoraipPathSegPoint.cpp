#include "aip/qoraipPathSegPoint.h"

namespace qor {
namespace aip {

void PathSegPoint::assignFromHost(const PathSegment& host)
{
    anchor.assignHostPoint(host.anchor);
    in.assignHostPoint(host.in);
    out.assignHostPoint(host.out);
    corner = host.corner != 0;
}

void PathSegPoint::assign(const PathSegPoint& other)
{
    anchor = other.anchor;
    in = other.in;
    out = other.out;
    corner = other.corner;
}

void PathSegPoint::toHostSegment(PathSegment& host) const
{
    host.anchor = anchor.toHostPoint();
    host.in = in.toHostPoint();
    host.out = out.toHostPoint();
    host.corner = corner ? 1 : 0;
}

bool PathSegPoint::isCurvedTo(const PathSegPoint& next) const
{
    return !(anchor.equalsWithin(out, 0.01) && next.anchor.equalsWithin(next.in, 0.01));
}

}  // namespace aip
}  // namespace qor

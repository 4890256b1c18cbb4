#include "aip/qoraipLineIntersection.h"

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

bool lineIntersection(const ArtboardPoint& a, const ArtboardPoint& b, const ArtboardPoint& c, const ArtboardPoint& d,
                      ArtboardPoint& out)
{
    double den = (a.y - b.y) * (c.x - d.x) - (a.x - b.x) * (c.y - d.y);
    if (geo::approxEqual(den, 0.0, 1e-14))
        return false;
    double t = ((d.y - b.y) * (c.x - d.x) - (c.y - d.y) * (d.x - b.x)) / den;
    double x = b.x * (1 - t) + a.x * t;
    double y = b.y * (1 - t) + a.y * t;
    out.x = x;
    out.y = y;
    return true;
}

bool segmentIntersection(const ArtboardPoint& a, const ArtboardPoint& b, const ArtboardPoint& c,
                         const ArtboardPoint& d, ArtboardPoint& out, bool& onBoth)
{
    onBoth = false;
    ArtboardPoint p;
    if (!lineIntersection(a, b, c, d, p))
        return false;
    double eab = (b.distanceTo(p) + a.distanceTo(p)) - a.distanceTo(b);
    bool on = false;
    if (eab >= -0.001 && eab <= 1.001) {
        double ecd = (d.distanceTo(p) + c.distanceTo(p)) - c.distanceTo(d);
        on = ecd >= -0.001 && ecd <= 1.001;
    }
    out = p;
    onBoth = on;
    return true;
}

}  // namespace aip
}  // namespace qor

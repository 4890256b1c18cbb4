#include "core/qorcoreSegmentIntersection.h"

#include <cmath>

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace core {

bool segmentIntersection(const Point& a, const Point& b, const Point& c, const Point& d, Point& out, bool& onBoth)
{
    onBoth = false;
    double den = (a.y - b.y) * (c.x - d.x) - (a.x - b.x) * (c.y - d.y);
    if (geo::approxEqual(den, 0.0, 1e-14))
        return false;
    double t = ((d.y - b.y) * (c.x - d.x) - (c.y - d.y) * (d.x - b.x)) / den;
    double px = b.x * (1 - t) + a.x * t;
    double py = b.y * (1 - t) + a.y * t;
    auto dist = [px, py](const Point& q) {
        double dx = px - q.x, dy = py - q.y;
        return std::sqrt(dx * dx + dy * dy);
    };
    double eab = (dist(b) + dist(a)) - a.distanceTo(b);
    bool on = false;
    if (eab >= -0.001 && eab <= 1.001) {
        double ecd = (dist(d) + dist(c)) - c.distanceTo(d);
        on = ecd >= -0.001 && ecd <= 1.001;
    }
    out.x = px;
    out.y = py;
    onBoth = on;
    return true;
}

}  // namespace core
}  // namespace qor

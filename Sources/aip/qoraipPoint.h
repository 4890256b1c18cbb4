// The host-facing point: a geo::Point with conversions to and from the host's integer point record.
#pragma once

#include "geo/qorgeoPoint.h"
#include "hostapi/HostRecords.h"

namespace qor {
namespace aip {

class Point : public geo::Point {
public:
    Point() = default;
    Point(double x_, double y_) : geo::Point(x_, y_) {}
    Point(const Point& other) = default;
    Point(const geo::Point& other) : geo::Point(other) {}
    explicit Point(const IntPoint& host) : geo::Point(host.h, host.v) {}
    Point& operator=(const Point& other) = default;

    // Each coordinate rounded half away from zero, keeping the low 32 bits.
    IntPoint toIntPoint() const;
};

}  // namespace aip
}  // namespace qor

// The rectangle handed between frames and Windows calls: a geo::Rect with conversions to and from
// integer rectangles laid out as the Windows RECT (left, top, right, bottom).
#pragma once

#include "geo/qorgeoRect.h"
#include "win/WinTypes.h"

namespace qor {
namespace aip {

class Rect : public geo::Rect {
public:
    Rect() = default;
    Rect(double x, double y, double width, double height) : geo::Rect(x, y, width, height) {}
    Rect(const geo::Point& origin_, const geo::Size& size_) : geo::Rect(origin_, size_) {}
    Rect(const Rect& other) = default;
    Rect(const geo::Rect& other) : geo::Rect(other) {}
    // Origin (left, top), size (right − left, bottom − top); nothing is swapped.
    explicit Rect(const RECT& r);
    Rect& operator=(const Rect& other) = default;

    // Each edge rounded half away from zero.
    void toIntRect(RECT& out) const;
};

}  // namespace aip
}  // namespace qor

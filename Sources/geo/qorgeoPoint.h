// A plain point of two doubles, y growing downward.
#pragma once

namespace qor {
namespace geo {

class Point {
public:
    Point() : x(0.0), y(0.0) {}
    Point(double x_, double y_) : x(x_), y(y_) {}
    Point(const Point& other) : x(other.x), y(other.y) {}

    virtual ~Point() = default;
    virtual Point& operator=(const Point& other);
    virtual Point operator+(const Point& other) const;
    virtual Point& operator+=(const Point& other);
    virtual Point operator-(const Point& other) const;
    virtual Point& operator-=(const Point& other);
    virtual Point offset(double dx, double dy) const;
    // Even-odd rule; the polygon closes from the last vertex to the first.
    virtual bool insidePolygon(const Point* vertices, int count) const;

    double x;
    double y;
};

}  // namespace geo
}  // namespace qor

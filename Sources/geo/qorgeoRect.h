// A rectangle as an origin and a size (never four edges). Sizes may be negative; left = x,
// top = y, right = x + width, bottom = y + height.
#pragma once

#include "geo/qorgeoPoint.h"
#include "geo/qorgeoSize.h"

namespace qor {
namespace geo {

class Rect {
public:
    Rect() = default;
    Rect(double x, double y, double width, double height) : origin(x, y), size(width, height) {}
    Rect(const Point& origin_, const Size& size_) : origin(origin_), size(size_) {}
    Rect(const Rect& other) : origin(other.origin), size(other.size) {}

    virtual ~Rect() = default;
    virtual Rect& operator=(const Rect& other);
    virtual Rect operator+(const Rect& other) const;
    virtual Rect& operator+=(const Rect& other);
    virtual Rect operator-(const Rect& other) const;
    virtual Rect& operator-=(const Rect& other);
    virtual void offset(double dx, double dy);
    virtual void setSize(double width, double height);
    virtual Rect inset(double dx, double dy) const;
    virtual Point topLeft() const;
    virtual Point topCenter() const;
    virtual Point topRight() const;
    virtual Point leftCenter() const;
    virtual Point center() const;
    virtual Point rightCenter() const;
    virtual Point bottomLeft() const;
    virtual Point bottomCenter() const;
    virtual Point bottomRight() const;
    virtual double area() const;
    virtual double perimeter() const;
    virtual bool containsPoint(const Point& point) const;
    // Touching edges count as overlap.
    virtual bool overlaps(const Rect& other) const;
    virtual bool containsX(double x) const;
    virtual bool containsY(double y) const;

    Point origin;
    Size size;
};

}  // namespace geo
}  // namespace qor

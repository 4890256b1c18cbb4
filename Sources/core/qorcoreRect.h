// The client rectangle: a public origin point and size (whose cached numbers are the rectangle's)
// over one owned aip::Rect. Left = x, top = y, right = x + width, bottom = y + height; sizes may be
// negative and are never normalised.
#pragma once

#include "aip/qoraipRect.h"
#include "core/qorcoreAngle.h"
#include "core/qorcorePoint.h"
#include "core/qorcoreReferencePoint.h"
#include "core/qorcoreSize.h"

namespace qor {
namespace core {

class Rect {
public:
    Rect();
    Rect(double x, double y, double width, double height);
    Rect(const Rect& other);
    explicit Rect(const geo::Rect& impl);

    virtual ~Rect();
    virtual Rect& operator=(const Rect& other);
    virtual bool operator==(const Rect& other) const;
    virtual bool operator!=(const Rect& other) const;
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
    // Codes other than 2 to 9 give the top-left point.
    virtual Point pointAt(ReferencePoint code) const;
    virtual double left() const;
    virtual double top() const;
    virtual double right() const;
    virtual double bottom() const;
    // Moving one edge keeps the opposite one.
    virtual void setLeft(double v);
    virtual void setTop(double v);
    virtual void setRight(double v);
    virtual void setBottom(double v);
    virtual double area() const;
    virtual double perimeter() const;
    virtual bool containsPoint(const Point& point) const;
    virtual bool overlaps(const Rect& other) const;
    virtual bool extendToInclude(const Point& point);
    virtual Rect united(const Rect& other) const;
    virtual Rect scaled(double sx, double sy) const;
    // The out rectangle is (0, 0, 0, 0) when the rectangles do not overlap.
    virtual bool intersection(const Rect& other, Rect& out) const;
    virtual void halfDiagonalAxes(double& a, double& b) const;
    // Hits of the segment p1–p2 on the outline turned by the angle about the centre: 0, 1 or 2.
    virtual int lineIntersections(const Point& p1, const Point& p2, const Angle& angle, Point& first,
                                  Point& second) const;
    virtual int lineIntersections(const Point& p1, const Point& p2, Point& first, Point& second) const;

    Point origin;
    Size size;

private:
    friend aip::Rect* rectImpl(const Rect& rect);
    aip::Rect* sync() const;
    void readBack();
    aip::Rect* impl_;
};

aip::Rect* rectImpl(const Rect& rect);
Rect wrapRect(const geo::Rect& impl);

}  // namespace core
}  // namespace qor

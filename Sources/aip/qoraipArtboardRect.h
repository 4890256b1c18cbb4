// A rectangle in artboard coordinates (y down) as an origin and a size, with the conversions to and
// from the host's rectangle record (y up), which negate y.
#pragma once

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipSize.h"
#include "geo/qorgeoAngle.h"
#include "hostapi/HostRecords.h"

namespace qor {
namespace aip {

class ArtboardRect {
public:
    ArtboardRect() = default;
    ArtboardRect(double x, double y, double width, double height) : origin(x, y), size(width, height) {}
    ArtboardRect(const ArtboardPoint& origin_, const Size& size_) : origin(origin_), size(size_) {}
    ArtboardRect(const ArtboardPoint& topLeft, const ArtboardPoint& bottomRight);
    ArtboardRect(const ArtboardRect& other) : origin(other.origin), size(other.size) {}
    explicit ArtboardRect(const RealRect& host);
    static ArtboardRect fromEdges(double left, double top, double right, double bottom);

    ArtboardRect& operator=(const ArtboardRect& other)
    {
        origin = other.origin;
        size = other.size;
        return *this;
    }

    double area() const;
    double perimeter() const;
    bool overlaps(const ArtboardRect& other) const;
    bool containsPoint(const ArtboardPoint& point) const;

    virtual ~ArtboardRect() = default;
    virtual ArtboardRect& assignHostRect(const RealRect& host);
    virtual RealRect& toHostRect(RealRect& out) const;
    virtual double left() const;
    virtual double top() const;
    virtual double right() const;
    virtual double bottom() const;
    virtual void setLeft(double v);
    virtual void setTop(double v);
    virtual void setRight(double v);
    virtual void setBottom(double v);
    virtual ArtboardRect inset(double dx, double dy) const;
    virtual ArtboardPoint topLeft() const;
    virtual ArtboardPoint topCenter() const;
    virtual ArtboardPoint topRight() const;
    virtual ArtboardPoint leftCenter() const;
    virtual ArtboardPoint center() const;
    virtual ArtboardPoint rightCenter() const;
    virtual ArtboardPoint bottomLeft() const;
    virtual ArtboardPoint bottomCenter() const;
    virtual ArtboardPoint bottomRight() const;
    // Codes 2 to 9 give their point; any other code the top-left one.
    virtual ArtboardPoint pointAt(int refPoint) const;
    virtual bool equalsWithin(const ArtboardRect& other, double tolerance) const;
    virtual bool extendToInclude(const ArtboardPoint& point);
    virtual ArtboardRect united(const ArtboardRect& other) const;
    virtual ArtboardRect scaled(double sx, double sy) const;
    // On false the out rectangle is (0, 0, 0, 0).
    virtual bool intersection(const ArtboardRect& other, ArtboardRect& out) const;
    virtual void halfDiagonalAxes(double& a, double& b) const;
    // Hits of the segment p1–p2 on the outline turned by the angle about the centre: 0, 1 or 2.
    virtual int lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, const geo::Angle& angle,
                                  ArtboardPoint& first, ArtboardPoint& second) const;
    virtual int lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, ArtboardPoint& first,
                                  ArtboardPoint& second) const;

    ArtboardPoint origin;
    Size size;
};

}  // namespace aip
}  // namespace qor

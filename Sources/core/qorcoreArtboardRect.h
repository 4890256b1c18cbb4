// The client artboard rectangle: a public origin (artboard point) and size over one owned
// aip::ArtboardRect, in artboard coordinates (y down).
#pragma once

#include "aip/qoraipArtboardRect.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreReferencePoint.h"
#include "core/qorcoreSize.h"

namespace qor {
namespace core {

class ArtboardRect {
public:
    ArtboardRect();
    ArtboardRect(const ArtboardRect& other);
    explicit ArtboardRect(const aip::ArtboardRect& impl);

    virtual ~ArtboardRect();
    virtual ArtboardRect& operator=(const ArtboardRect& other);
    virtual bool operator==(const ArtboardRect& other) const;
    virtual bool operator!=(const ArtboardRect& other) const;
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
    // Code 0 gives (0, 0); other codes outside 2 to 9 give the top-left point.
    virtual ArtboardPoint pointAt(ReferencePoint code) const;
    virtual double area() const;
    virtual double perimeter() const;
    virtual bool equalsWithin(const ArtboardRect& other, double tolerance) const;
    virtual bool containsPoint(const ArtboardPoint& point) const;
    virtual bool overlaps(const ArtboardRect& other) const;
    virtual bool extendToInclude(const ArtboardPoint& point);
    virtual ArtboardRect united(const ArtboardRect& other) const;
    virtual ArtboardRect scaled(double sx, double sy) const;
    // On false the out rectangle keeps its previous values.
    virtual bool intersection(const ArtboardRect& other, ArtboardRect& out) const;
    virtual void halfDiagonalAxes(double& a, double& b) const;
    // Both out points are always assigned; one that received no hit becomes (0, 0).
    virtual int lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, const Angle& angle,
                                  ArtboardPoint& first, ArtboardPoint& second) const;
    virtual int lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, ArtboardPoint& first,
                                  ArtboardPoint& second) const;

    ArtboardPoint origin;
    Size size;

private:
    friend aip::ArtboardRect* rectImpl(const ArtboardRect& rect);
    aip::ArtboardRect* sync() const;
    void readBack();
    aip::ArtboardRect* impl_;
};

aip::ArtboardRect* rectImpl(const ArtboardRect& rect);
ArtboardRect wrapArtboardRect(const aip::ArtboardRect& impl);

}  // namespace core
}  // namespace qor

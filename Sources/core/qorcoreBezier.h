// The client handle of one cubic Bezier piece: it owns its implementation and keeps no copy of the
// points.
#pragma once

#include "aip/qoraipBezier.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreArtboardRect.h"

namespace qor {
namespace core {

class Bezier {
public:
    // Owns a copy of the given curve.
    explicit Bezier(const aip::Bezier& impl);
    Bezier(const Bezier& other);
    Bezier& operator=(const Bezier& other) { return assign(other); }

    virtual ~Bezier();
    virtual Bezier& assign(const Bezier& other);
    virtual ArtboardPoint p0() const;
    virtual ArtboardPoint p1() const;
    virtual ArtboardPoint p2() const;
    virtual ArtboardPoint p3() const;
    virtual int16_t reshapeThroughPoint(const ArtboardPoint& point, double t);
    virtual void split(double t, Bezier& first, Bezier& second) const;
    virtual Bezier* subcurve(double t1, double t2) const;
    virtual ArtboardPoint pointAt(double t) const;
    virtual double length() const;
    virtual double lengthBetween(double t1, double t2) const;
    virtual double parameterAtLength(double length) const;
    virtual void set(const ArtboardPoint& p0, const ArtboardPoint& p1, const ArtboardPoint& p2,
                     const ArtboardPoint& p3);
    virtual Angle tangentAngle(double t) const;
    virtual Angle normalAngle(double t) const;
    virtual bool isCurved() const;
    virtual bool curvatureRadius(double t, double& radius) const;
    virtual bool curvatureCenter(double t, ArtboardPoint& center) const;
    virtual bool curvature(double t, double& radius, ArtboardPoint& center) const;
    virtual bool hasConstantCurvature() const;
    virtual ArtboardRect bounds() const;
    virtual bool equals(const Bezier& other) const;
    virtual bool notEquals(const Bezier& other) const;

    const aip::Bezier* impl() const { return impl_; }

private:
    aip::Bezier* impl_;
};

Bezier wrapBezier(const aip::Bezier& impl);

}  // namespace core
}  // namespace qor

// One cubic Bezier piece of a path in artboard coordinates, computed partly here and partly through the
// host's Bezier suite (points, splits, lengths, parameters at lengths).
#pragma once

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipArtboardRect.h"
#include "geo/qorgeoAngle.h"
#include "hostapi/HostRecords.h"

namespace qor {
namespace aip {

class PathSegPoint;

class Bezier {
public:
    Bezier();
    explicit Bezier(const BezierRecord& host);
    Bezier(const Bezier& other);
    Bezier(const ArtboardPoint& p0, const ArtboardPoint& p1, const ArtboardPoint& p2, const ArtboardPoint& p3);
    Bezier(const PathSegPoint& segment, const PathSegPoint& next);
    Bezier& operator=(const Bezier&) = delete;

    virtual ~Bezier() = default;
    virtual ArtboardPoint p0() const;
    virtual ArtboardPoint p1() const;
    virtual ArtboardPoint p2() const;
    virtual ArtboardPoint p3() const;
    virtual int16_t reshapeThroughPoint(const ArtboardPoint& point, double t);
    virtual void split(double t, Bezier*& first, Bezier*& second) const;
    virtual Bezier* subcurve(double t1, double t2) const;
    virtual ArtboardPoint pointAt(double t) const;
    virtual double length() const;
    virtual double lengthBetween(double t1, double t2) const;
    virtual double parameterAtLength(double length) const;
    virtual void assignHostBezier(const BezierRecord& host);
    virtual void set(const ArtboardPoint& p0, const ArtboardPoint& p1, const ArtboardPoint& p2,
                     const ArtboardPoint& p3);
    virtual geo::Angle tangentAngle(double t) const;
    virtual geo::Angle normalAngle(double t) const;
    virtual bool isCurved() const;
    virtual bool curvatureRadius(double t, double& radius) const;
    virtual bool curvatureCenter(double t, ArtboardPoint& center) const;
    virtual bool curvature(double t, double& radius, ArtboardPoint& center) const;
    virtual bool hasConstantCurvature() const;
    virtual ArtboardRect* bounds() const;
    virtual bool equals(const Bezier* other) const;

    void toHostBezier(BezierRecord& host) const;

    static constexpr double kFlatness = 0.009999999776482582;

private:
    static void acquireSuites();
    // The point of the power form at t, and its derivative.
    ArtboardPoint powerPoint(double t) const;
    ArtboardPoint powerDerivative(double t) const;

    ArtboardPoint p0_;
    ArtboardPoint p1_;
    ArtboardPoint p2_;
    ArtboardPoint p3_;
};

}  // namespace aip
}  // namespace qor

#include "aip/qoraipBezier.h"

#include <cmath>

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipLineIntersection.h"
#include "aip/qoraipPathSegPoint.h"
#include "aip/qoraipSuite.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

namespace qoraipBezier_detail {
constexpr double pi = 3.141592653589793;
constexpr double halfPi = 1.5707963267948966;

double clamp01(double t)
{
    return geo::clamp(t, 0.0, 1.0);
}

// The scale factor of the current document, or 1 without one; hasDocument tells which.
double scale(bool& hasDocument)
{
    double factor = Document::currentScaleFactor(hasDocument);
    return hasDocument ? factor : 1.0;
}

ArtboardPoint fromHost(const RealPoint& p, double s)
{
    return ArtboardPoint(p.h * s, -p.v * s);
}
}  // namespace qoraipBezier_detail

void Bezier::acquireSuites()
{
    acquireSuite(realBezierSuite, kRealBezierSuiteName, kRealBezierSuiteVersion);
}

Bezier::Bezier()
{
    acquireSuites();
}

Bezier::Bezier(const BezierRecord& host)
    : p0_(host.p0), p1_(host.p1), p2_(host.p2), p3_(host.p3)
{
    acquireSuites();
}

Bezier::Bezier(const Bezier& other) : p0_(other.p0()), p1_(other.p1()), p2_(other.p2()), p3_(other.p3())
{
    acquireSuites();
}

Bezier::Bezier(const ArtboardPoint& p0, const ArtboardPoint& p1, const ArtboardPoint& p2, const ArtboardPoint& p3)
    : p0_(p0), p1_(p1), p2_(p2), p3_(p3)
{
    acquireSuites();
}

Bezier::Bezier(const PathSegPoint& segment, const PathSegPoint& next)
    : p0_(segment.anchor), p1_(segment.out), p2_(next.in), p3_(next.anchor)
{
    acquireSuites();
}

ArtboardPoint Bezier::p0() const { return p0_; }
ArtboardPoint Bezier::p1() const { return p1_; }
ArtboardPoint Bezier::p2() const { return p2_; }
ArtboardPoint Bezier::p3() const { return p3_; }

void Bezier::toHostBezier(BezierRecord& host) const
{
    bool hasDocument = false;
    double s = Document::currentScaleFactor(hasDocument);
    host.p0 = p0_.toHostPoint();
    host.p1 = p1_.toHostPoint();
    host.p2 = p2_.toHostPoint();
    host.p3 = p3_.toHostPoint();
    if (hasDocument && s != 0) {
        for (RealPoint* p : {&host.p0, &host.p1, &host.p2, &host.p3}) {
            p->h /= s;
            p->v /= s;
        }
    }
}

void Bezier::assignHostBezier(const BezierRecord& host)
{
    p0_.assignHostPoint(host.p0);
    p1_.assignHostPoint(host.p1);
    p2_.assignHostPoint(host.p2);
    p3_.assignHostPoint(host.p3);
}

void Bezier::set(const ArtboardPoint& p0, const ArtboardPoint& p1, const ArtboardPoint& p2, const ArtboardPoint& p3)
{
    p0_ = p0;
    p1_ = p1;
    p2_ = p2;
    p3_ = p3;
}

int16_t Bezier::reshapeThroughPoint(const ArtboardPoint& point, double t)
{
    using namespace qoraipBezier_detail;
    if (!realBezierSuite)
        return 0;
    BezierRecord record;
    toHostBezier(record);
    bool hasDocument = false;
    double s = scale(hasDocument);
    RealPoint host = point.toHostPoint();
    host.h /= s;
    host.v /= s;
    int16_t result = realBezierSuite->reshapeBezierThroughPoint(&record, &host, clamp01(t));
    p0_ = fromHost(record.p0, s);
    p1_ = fromHost(record.p1, s);
    p2_ = fromHost(record.p2, s);
    p3_ = fromHost(record.p3, s);
    return result;
}

void Bezier::split(double t, Bezier*& first, Bezier*& second) const
{
    using namespace qoraipBezier_detail;
    BezierRecord record, left{}, right{};
    toHostBezier(record);
    if (realBezierSuite)
        realBezierSuite->splitBezier(&record, clamp01(t), &left, &right);
    bool hasDocument = false;
    double s = scale(hasDocument);
    first = new Bezier(fromHost(left.p0, s), fromHost(left.p1, s), fromHost(left.p2, s), fromHost(left.p3, s));
    second = new Bezier(fromHost(right.p0, s), fromHost(right.p1, s), fromHost(right.p2, s), fromHost(right.p3, s));
}

Bezier* Bezier::subcurve(double t1, double t2) const
{
    using namespace qoraipBezier_detail;
    if (t1 > t2)
        std::swap(t1, t2);
    t1 = clamp01(t1);
    t2 = clamp01(t2);
    Bezier *l1 = nullptr, *r1 = nullptr, *l2 = nullptr, *r2 = nullptr;
    split(t1, l1, r1);
    split(t2, l2, r2);
    double len = lengthBetween(t1, t2);
    ArtboardPoint a = r1->p0(), d = l2->p3();
    // A zero-length half leaves its handle on the anchor instead of dividing by zero.
    ArtboardPoint b = a, c = d;
    double r1Length = r1->length(), l2Length = l2->length();
    if (r1Length > 0)
        b = a.offsetPolar(a.distanceTo(r1->p1()) * len / r1Length, a.angleTo(r1->p1()));
    if (l2Length > 0)
        c = d.offsetPolar(d.distanceTo(l2->p2()) * len / l2Length, d.angleTo(l2->p2()));
    delete l1;
    delete r1;
    delete l2;
    delete r2;
    return new Bezier(a, b, c, d);
}

ArtboardPoint Bezier::pointAt(double t) const
{
    using namespace qoraipBezier_detail;
    BezierRecord record;
    toHostBezier(record);
    RealPoint out{0, 0};
    if (realBezierSuite)
        realBezierSuite->bezierPointAt(&record, clamp01(t), &out);
    bool hasDocument = false;
    return fromHost(out, scale(hasDocument));
}

double Bezier::length() const
{
    if (!realBezierSuite)
        return 0.0;
    BezierRecord record;
    toHostBezier(record);
    bool hasDocument = false;
    return realBezierSuite->bezierLength(&record, kFlatness) * qoraipBezier_detail::scale(hasDocument);
}

double Bezier::lengthBetween(double t1, double t2) const
{
    using namespace qoraipBezier_detail;
    if (t1 > t2)
        std::swap(t1, t2);
    double total = length();
    Bezier *a = nullptr, *b = nullptr, *c = nullptr, *d = nullptr;
    split(clamp01(t1), a, b);
    split(clamp01(t2), c, d);
    double rest = total - a->length() - d->length();
    delete a;
    delete b;
    delete c;
    delete d;
    return rest;
}

double Bezier::parameterAtLength(double length_) const
{
    if (length_ < 0)
        return 0.0;
    double total = length();
    if (length_ > total)
        return 1.0;
    if (!realBezierSuite)
        return 0.0;
    bool hasDocument = false;
    double s = qoraipBezier_detail::scale(hasDocument);
    BezierRecord record;
    toHostBezier(record);
    double t = 0;
    realBezierSuite->bezierParameterAtLength(&record, length_ / s, total / s, kFlatness, &t);
    return t;
}

geo::Angle Bezier::tangentAngle(double t) const
{
    double c = qoraipBezier_detail::clamp01(t);
    if (c == 0)
        return p0_.equalsWithin(p1_, 0.0001) ? p0_.angleTo(p2_) : p0_.angleTo(p1_);
    if (c == 1)
        return p2_.equalsWithin(p3_, 0.0001) ? p1_.angleTo(p3_) : p2_.angleTo(p3_);
    double u = 1 - c;
    ArtboardPoint b = p0_ * (u * u * u) + p1_ * (3 * c * u * u) + p2_ * (3 * c * c * u) + p3_ * (c * c * c);
    ArtboardPoint d = p0_ * (-u * u) + p1_ * (1 - 4 * c + 3 * c * c) + p2_ * (2 * c - 3 * c * c) + p3_ * (c * c);
    return b.angleTo(b + d);
}

geo::Angle Bezier::normalAngle(double t) const
{
    return tangentAngle(t) + geo::Angle(qoraipBezier_detail::halfPi, geo::Angle::Radians);
}

bool Bezier::isCurved() const
{
    if (!p0_.equalsWithin(p1_, 0.01)) {
        double r = p0_.distanceTo(p1_);
        if (!ArtboardPoint(r, p0_.angleTo(p1_)).equalsWithin(ArtboardPoint(r, p1_.angleTo(p2_)), 0.01))
            return true;
    }
    if (p2_.equalsWithin(p3_, 0.01))
        return false;
    double r = p3_.distanceTo(p2_);
    return !ArtboardPoint(r, p3_.angleTo(p2_)).equalsWithin(ArtboardPoint(r, p2_.angleTo(p1_)), 0.01);
}

ArtboardPoint Bezier::powerPoint(double t) const
{
    ArtboardPoint c = (p1_ - p0_) * 3.0;
    ArtboardPoint b = (p2_ - p1_ * 2.0 + p0_) * 3.0;
    ArtboardPoint a = p3_ - p2_ * 3.0 + p1_ * 3.0 - p0_;
    return a * (t * t * t) + b * (t * t) + c * t + p0_;
}

ArtboardPoint Bezier::powerDerivative(double t) const
{
    ArtboardPoint c = (p1_ - p0_) * 3.0;
    ArtboardPoint b = (p2_ - p1_ * 2.0 + p0_) * 3.0;
    ArtboardPoint a = p3_ - p2_ * 3.0 + p1_ * 3.0 - p0_;
    return a * (3 * t * t) + b * (2 * t) + c;
}

bool Bezier::curvatureRadius(double t, double& radius) const
{
    ArtboardPoint centre;
    return curvature(t, radius, centre);
}

bool Bezier::curvatureCenter(double t, ArtboardPoint& center) const
{
    double radius = 0;
    return curvature(t, radius, center);
}

bool Bezier::curvature(double t, double& radius, ArtboardPoint& center) const
{
    using namespace qoraipBezier_detail;
    radius = 0;
    center = ArtboardPoint(0, 0);
    if (!isCurved())
        return false;
    ArtboardPoint b = pointAt(t);
    ArtboardPoint cc = (p1_ - p0_) * 3.0;
    ArtboardPoint bb = (p2_ - p1_ * 2.0 + p0_) * 3.0;
    ArtboardPoint aa = p3_ - p2_ * 3.0 + p1_ * 3.0 - p0_;

    // Arc test: the end normals meet at o; the curve is an arc when it keeps its distance from o.
    ArtboardPoint g0 = p0_.offsetPolar(pi, p0_.angleTo(p1_) + geo::Angle(halfPi, geo::Angle::Radians));
    ArtboardPoint g3 = p3_.offsetPolar(pi, p3_.angleTo(p2_) + geo::Angle(halfPi, geo::Angle::Radians));
    ArtboardPoint o(0, 0);
    lineIntersection(p0_, g0, p3_, g3, o);
    double r0 = p0_.distanceTo(o), tolerance = r0 / 24;
    bool arc = std::fabs(r0 - p3_.distanceTo(o)) <= tolerance;
    for (double s : {0.25, 0.5, 0.75})
        if (std::fabs(powerPoint(s).distanceTo(o) - r0) > tolerance)
            arc = false;

    double P = clamp01(t);
    if (P > 0 && P < 1) {
        double Q = 0;
        double bLen = std::sqrt(bb.x * bb.x + bb.y * bb.y);
        // A zero second coefficient gives no finite start: the walk starts at 0.
        if (cc.x * cc.x + cc.y * cc.y < 1 && bLen > 0)
            Q = std::sqrt(1 / bLen);
        if (powerPoint(Q).distanceTo(b) >= 2) {
            while (true) {
                ArtboardPoint d = powerDerivative(Q);
                double speed = std::sqrt(d.x * d.x + d.y * d.y);
                Q = speed > 0 ? Q + 1 / speed : 1;
                if (Q > 1) {
                    Q = 1;
                    break;
                }
                if (powerPoint(Q).distanceTo(b) < 2)
                    break;
            }
        }
        P = Q;
    }
    ArtboardPoint d1 = powerDerivative(P);
    ArtboardPoint d2 = aa * (6 * P) + bb * 2.0;
    double s = d1.x * d1.x + d1.y * d1.y;
    double m = d1.x * d2.x + d1.y * d2.y;
    double k = (d2.x * d2.x + d2.y * d2.y) * s - m * m;
    if (k < 1e-12)
        return false;
    radius = arc ? r0 : std::sqrt(s * s * s / k);
    double h = std::sqrt(s);
    ArtboardPoint n(d2.x / h - d1.x * m / (h * h * h), d2.y / h - d1.y * m / (h * h * h));
    ArtboardPoint at = powerPoint(P);
    center = at.offsetPolar(radius, at.angleTo(at + n));
    return true;
}

bool Bezier::hasConstantCurvature() const
{
    if (p0_.equalsWithin(p1_, 0.0001) || p3_.equalsWithin(p2_, 0.0001))
        return false;
    double t = geo::randomBetween(0.02, 0.12);
    double step = (1 - t) / 10;
    double radii[10] = {0};
    for (int i = 0; t < 1 && i < 10; ++i, t += step)
        if (!curvatureRadius(t, radii[i]))
            radii[i] = 0;
    for (int i = 1; i < 10; ++i)
        if (!geo::approxEqual(radii[i], radii[0], 0.0001))
            return false;
    return true;
}

ArtboardRect* Bezier::bounds() const
{
    auto* r = new ArtboardRect(ArtboardRect::fromEdges(p0_.x, p0_.y, p0_.x, p0_.y));
    r->extendToInclude(p1_);
    r->extendToInclude(p3_);
    r->extendToInclude(p2_);
    return r;
}

bool Bezier::equals(const Bezier* other) const
{
    if (!other)
        return false;
    return p0_.equalsWithin(other->p0(), 0.0001) && p1_.equalsWithin(other->p1(), 0.0001) &&
           p2_.equalsWithin(other->p2(), 0.0001) && p3_.equalsWithin(other->p3(), 0.0001);
}

}  // namespace aip
}  // namespace qor

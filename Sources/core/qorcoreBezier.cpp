#include "core/qorcoreBezier.h"

namespace qor {
namespace core {

namespace qorcoreBezier_detail {
aip::ArtboardPoint toImpl(const ArtboardPoint& p)
{
    return aip::ArtboardPoint(p.x, p.y);
}
ArtboardPoint toCore(const aip::ArtboardPoint& p)
{
    return ArtboardPoint(p.x, p.y);
}
}  // namespace qorcoreBezier_detail

Bezier::Bezier(const aip::Bezier& impl) : impl_(new aip::Bezier(impl)) {}
Bezier::Bezier(const Bezier& other) : impl_(new aip::Bezier(*other.impl_)) {}
Bezier::~Bezier() { delete impl_; }

Bezier& Bezier::assign(const Bezier& other)
{
    if (this != &other && impl_ && other.impl_)
        impl_->set(other.impl_->p0(), other.impl_->p1(), other.impl_->p2(), other.impl_->p3());
    return *this;
}

ArtboardPoint Bezier::p0() const { return qorcoreBezier_detail::toCore(impl_->p0()); }
ArtboardPoint Bezier::p1() const { return qorcoreBezier_detail::toCore(impl_->p1()); }
ArtboardPoint Bezier::p2() const { return qorcoreBezier_detail::toCore(impl_->p2()); }
ArtboardPoint Bezier::p3() const { return qorcoreBezier_detail::toCore(impl_->p3()); }

int16_t Bezier::reshapeThroughPoint(const ArtboardPoint& point, double t)
{
    return static_cast<int16_t>(impl_->reshapeThroughPoint(qorcoreBezier_detail::toImpl(point), t) & 0xF);
}

void Bezier::split(double t, Bezier& first, Bezier& second) const
{
    delete first.impl_;
    delete second.impl_;
    first.impl_ = nullptr;
    second.impl_ = nullptr;
    impl_->split(t, first.impl_, second.impl_);
}

Bezier* Bezier::subcurve(double t1, double t2) const
{
    aip::Bezier* piece = impl_->subcurve(t1, t2);
    if (!piece)
        return nullptr;
    Bezier* result = new Bezier(*piece);
    delete piece;
    return result;
}

ArtboardPoint Bezier::pointAt(double t) const { return qorcoreBezier_detail::toCore(impl_->pointAt(t)); }
double Bezier::length() const { return impl_->length(); }
double Bezier::lengthBetween(double t1, double t2) const { return impl_->lengthBetween(t1, t2); }
double Bezier::parameterAtLength(double length) const { return impl_->parameterAtLength(length); }

void Bezier::set(const ArtboardPoint& p0, const ArtboardPoint& p1, const ArtboardPoint& p2, const ArtboardPoint& p3)
{
    using namespace qorcoreBezier_detail;
    impl_->set(toImpl(p0), toImpl(p1), toImpl(p2), toImpl(p3));
}

Angle Bezier::tangentAngle(double t) const { return Angle(impl_->tangentAngle(t)); }
Angle Bezier::normalAngle(double t) const { return Angle(impl_->normalAngle(t)); }
bool Bezier::isCurved() const { return impl_->isCurved(); }
bool Bezier::curvatureRadius(double t, double& radius) const { return impl_->curvatureRadius(t, radius); }

bool Bezier::curvatureCenter(double t, ArtboardPoint& center) const
{
    aip::ArtboardPoint c;
    bool ok = impl_->curvatureCenter(t, c);
    center = ok ? qorcoreBezier_detail::toCore(c) : ArtboardPoint(0, 0);
    return ok;
}

bool Bezier::curvature(double t, double& radius, ArtboardPoint& center) const
{
    aip::ArtboardPoint c;
    bool ok = impl_->curvature(t, radius, c);
    center = ok ? qorcoreBezier_detail::toCore(c) : ArtboardPoint(0, 0);
    return ok;
}

bool Bezier::hasConstantCurvature() const { return impl_->hasConstantCurvature(); }

ArtboardRect Bezier::bounds() const
{
    aip::ArtboardRect* r = impl_->bounds();
    ArtboardRect result(*r);
    delete r;
    return result;
}

bool Bezier::equals(const Bezier& other) const { return impl_->equals(other.impl_); }
bool Bezier::notEquals(const Bezier& other) const { return !equals(other); }

Bezier wrapBezier(const aip::Bezier& impl) { return Bezier(impl); }

}  // namespace core
}  // namespace qor

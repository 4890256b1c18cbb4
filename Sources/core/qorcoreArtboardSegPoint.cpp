#include "core/qorcoreArtboardSegPoint.h"

namespace qor {
namespace core {

ArtboardSegPoint::ArtboardSegPoint() : impl_() {}

ArtboardSegPoint::ArtboardSegPoint(const aip::PathSegPoint& impl)
    : anchor(impl.anchor.x, impl.anchor.y), in(impl.in.x, impl.in.y), out(impl.out.x, impl.out.y),
      corner(impl.corner), impl_(impl)
{
}

ArtboardSegPoint::ArtboardSegPoint(const ArtboardSegPoint& other)
    : anchor(other.anchor), in(other.in), out(other.out), corner(other.corner),
      impl_(*artboardSegPointImpl(other))
{
}

ArtboardSegPoint::ArtboardSegPoint(const ArtboardPoint& anchor_, const ArtboardPoint& in_, const ArtboardPoint& out_,
                                   bool corner_)
    : anchor(anchor_), in(in_), out(out_), corner(corner_), impl_()
{
}

ArtboardSegPoint::~ArtboardSegPoint() = default;

ArtboardSegPoint& ArtboardSegPoint::assign(const ArtboardSegPoint& other)
{
    if (this == &other)
        return *this;
    anchor = other.anchor;
    in = other.in;
    out = other.out;
    corner = other.corner;
    return *this;
}

bool ArtboardSegPoint::equals(const ArtboardSegPoint& other) const
{
    const aip::PathSegPoint* a = artboardSegPointImpl(*this);
    const aip::PathSegPoint* b = artboardSegPointImpl(other);
    return a->anchor.x == b->anchor.x && a->anchor.y == b->anchor.y && a->in.x == b->in.x && a->in.y == b->in.y &&
           a->out.x == b->out.x && a->out.y == b->out.y && a->corner == b->corner;
}

bool ArtboardSegPoint::notEquals(const ArtboardSegPoint& other) const { return !equals(other); }

bool ArtboardSegPoint::isCurvedTo(const ArtboardSegPoint& next) const
{
    return artboardSegPointImpl(*this)->isCurvedTo(*artboardSegPointImpl(next));
}

aip::PathSegPoint* artboardSegPointImpl(const ArtboardSegPoint& point)
{
    aip::PathSegPoint* impl = &point.impl_;
    impl->anchor = aip::ArtboardPoint(point.anchor.x, point.anchor.y);
    impl->in = aip::ArtboardPoint(point.in.x, point.in.y);
    impl->out = aip::ArtboardPoint(point.out.x, point.out.y);
    impl->corner = point.corner;
    return impl;
}

ArtboardSegPoint wrapArtboardSegPoint(const aip::PathSegPoint& impl) { return ArtboardSegPoint(impl); }

}  // namespace core
}  // namespace qor

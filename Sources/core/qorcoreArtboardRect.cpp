#include "core/qorcoreArtboardRect.h"

namespace qor {
namespace core {

ArtboardRect::ArtboardRect() : impl_(new aip::ArtboardRect())
{
}

ArtboardRect::ArtboardRect(const ArtboardRect& other) : impl_(new aip::ArtboardRect())
{
    impl_->origin.x = other.origin.x;
    impl_->origin.y = other.origin.y;
    impl_->size.width = other.size.width;
    impl_->size.height = other.size.height;
    readBack();
}

ArtboardRect::ArtboardRect(const aip::ArtboardRect& impl) : impl_(new aip::ArtboardRect(impl))
{
    readBack();
}

ArtboardRect::~ArtboardRect()
{
    delete impl_;
    impl_ = nullptr;
}

aip::ArtboardRect* ArtboardRect::sync() const
{
    impl_->origin.x = origin.x;
    impl_->origin.y = origin.y;
    impl_->size.width = size.width;
    impl_->size.height = size.height;
    return impl_;
}

void ArtboardRect::readBack()
{
    origin.x = impl_->origin.x;
    origin.y = impl_->origin.y;
    size.width = impl_->size.width;
    size.height = impl_->size.height;
}

ArtboardRect& ArtboardRect::operator=(const ArtboardRect& other)
{
    if (this != &other) {
        impl_->origin.x = other.origin.x;
        impl_->origin.y = other.origin.y;
        impl_->size.width = other.size.width;
        impl_->size.height = other.size.height;
        readBack();
    }
    return *this;
}

bool ArtboardRect::operator==(const ArtboardRect& other) const
{
    return origin == other.origin && size == other.size;
}

bool ArtboardRect::operator!=(const ArtboardRect& other) const
{
    return !(*this == other);
}

double ArtboardRect::left() const
{
    return sync()->left();
}

double ArtboardRect::top() const
{
    return sync()->top();
}

double ArtboardRect::right() const
{
    return sync()->right();
}

double ArtboardRect::bottom() const
{
    return sync()->bottom();
}

void ArtboardRect::setLeft(double v)
{
    sync()->setLeft(v);
    readBack();
}

void ArtboardRect::setTop(double v)
{
    sync()->setTop(v);
    readBack();
}

void ArtboardRect::setRight(double v)
{
    sync()->setRight(v);
    readBack();
}

void ArtboardRect::setBottom(double v)
{
    sync()->setBottom(v);
    readBack();
}

ArtboardRect ArtboardRect::inset(double dx, double dy) const
{
    return ArtboardRect(sync()->inset(dx, dy));
}

ArtboardPoint ArtboardRect::topLeft() const
{
    return ArtboardPoint(sync()->topLeft());
}

ArtboardPoint ArtboardRect::topCenter() const
{
    return ArtboardPoint(sync()->topCenter());
}

ArtboardPoint ArtboardRect::topRight() const
{
    return ArtboardPoint(sync()->topRight());
}

ArtboardPoint ArtboardRect::leftCenter() const
{
    return ArtboardPoint(sync()->leftCenter());
}

ArtboardPoint ArtboardRect::center() const
{
    return ArtboardPoint(sync()->center());
}

ArtboardPoint ArtboardRect::rightCenter() const
{
    return ArtboardPoint(sync()->rightCenter());
}

ArtboardPoint ArtboardRect::bottomLeft() const
{
    return ArtboardPoint(sync()->bottomLeft());
}

ArtboardPoint ArtboardRect::bottomCenter() const
{
    return ArtboardPoint(sync()->bottomCenter());
}

ArtboardPoint ArtboardRect::bottomRight() const
{
    return ArtboardPoint(sync()->bottomRight());
}

ArtboardPoint ArtboardRect::pointAt(ReferencePoint code) const
{
    if (code == 0)
        return ArtboardPoint(0.0, 0.0);
    int implCode = code >= 2 && code <= 9 ? static_cast<int>(code) : 1;
    return ArtboardPoint(sync()->pointAt(implCode));
}

double ArtboardRect::area() const
{
    return sync()->area();
}

double ArtboardRect::perimeter() const
{
    return sync()->perimeter();
}

bool ArtboardRect::equalsWithin(const ArtboardRect& other, double tolerance) const
{
    aip::ArtboardRect* o = other.sync();
    return sync()->equalsWithin(*o, tolerance);
}

bool ArtboardRect::containsPoint(const ArtboardPoint& point) const
{
    return sync()->containsPoint(*pointImpl(point));
}

bool ArtboardRect::overlaps(const ArtboardRect& other) const
{
    aip::ArtboardRect* o = other.sync();
    return sync()->overlaps(*o);
}

bool ArtboardRect::extendToInclude(const ArtboardPoint& point)
{
    bool changed = sync()->extendToInclude(*pointImpl(point));
    if (changed)
        readBack();
    return changed;
}

ArtboardRect ArtboardRect::united(const ArtboardRect& other) const
{
    aip::ArtboardRect* o = other.sync();
    return ArtboardRect(sync()->united(*o));
}

ArtboardRect ArtboardRect::scaled(double sx, double sy) const
{
    return ArtboardRect(sync()->scaled(sx, sy));
}

bool ArtboardRect::intersection(const ArtboardRect& other, ArtboardRect& out) const
{
    aip::ArtboardRect* o = other.sync();
    if (!sync()->intersection(*o, *out.impl_))
        return false;
    out.readBack();
    return true;
}

void ArtboardRect::halfDiagonalAxes(double& a, double& b) const
{
    sync()->halfDiagonalAxes(a, b);
}

int ArtboardRect::lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, const Angle& angle,
                                    ArtboardPoint& first, ArtboardPoint& second) const
{
    aip::ArtboardPoint hit1(0.0, 0.0), hit2(0.0, 0.0);
    const aip::ArtboardPoint* a = pointImpl(p1);
    const aip::ArtboardPoint* b = pointImpl(p2);
    int count = sync()->lineIntersections(*a, *b, *implPointer(angle), hit1, hit2);
    first.x = hit1.x;
    first.y = hit1.y;
    second.x = hit2.x;
    second.y = hit2.y;
    return count == 1 || count == 2 ? count : 0;
}

int ArtboardRect::lineIntersections(const ArtboardPoint& p1, const ArtboardPoint& p2, ArtboardPoint& first,
                                    ArtboardPoint& second) const
{
    return lineIntersections(p1, p2, Angle::zero(), first, second);
}

aip::ArtboardRect* rectImpl(const ArtboardRect& rect)
{
    return rect.sync();
}

ArtboardRect wrapArtboardRect(const aip::ArtboardRect& impl)
{
    return ArtboardRect(impl);
}

}  // namespace core
}  // namespace qor

#include "core/qorcoreSize.h"

#include <cfloat>
#include <cmath>

namespace qor {
namespace core {

namespace qorcoreSize_detail {

inline bool differs(double a, double b)
{
    return std::fabs(a - b) > std::fmax(std::fabs(a), std::fabs(b)) * (10 * DBL_EPSILON);
}

}  // namespace qorcoreSize_detail

Size::Size() : width(0.0), height(0.0), impl_(new geo::Size())
{
}

Size::Size(double width_, double height_) : width(0.0), height(0.0), impl_(new geo::Size(width_, height_))
{
    width = impl_->width;
    height = impl_->height;
}

Size::Size(const Size& other) : width(0.0), height(0.0), impl_(new geo::Size(other.width, other.height))
{
    width = impl_->width;
    height = impl_->height;
}

Size::Size(const geo::Size& impl) : width(0.0), height(0.0), impl_(new geo::Size(impl))
{
    width = impl_->width;
    height = impl_->height;
}

Size::~Size()
{
    delete impl_;
    impl_ = nullptr;
}

Size& Size::operator=(const Size& other)
{
    if (this != &other) {
        width = other.width;
        height = other.height;
    }
    return *this;
}

bool Size::operator==(const Size& other) const
{
    return !qorcoreSize_detail::differs(width, other.width) && !qorcoreSize_detail::differs(height, other.height);
}

bool Size::operator!=(const Size& other) const
{
    return !(*this == other);
}

Size Size::operator+(const Size& other) const
{
    return Size(*sync() + *other.sync());
}

Size& Size::operator+=(const Size& other)
{
    *sync() += *other.sync();
    width = impl_->width;
    height = impl_->height;
    return *this;
}

Size Size::operator-(const Size& other) const
{
    return Size(*sync() - *other.sync());
}

Size& Size::operator-=(const Size& other)
{
    *sync() -= *other.sync();
    width = impl_->width;
    height = impl_->height;
    return *this;
}

Angle Size::angle() const
{
    return Angle(sync()->angle());
}

double Size::length() const
{
    return sync()->length();
}

geo::Size* pointImpl(const Size& size)
{
    return size.sync();
}

Size wrapSize(const geo::Size& impl)
{
    return Size(impl);
}

}  // namespace core
}  // namespace qor

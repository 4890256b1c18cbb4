// The client size: public cached width and height over one owned geo::Size (the value-type pattern).
#pragma once

#include "core/qorcoreAngle.h"
#include "geo/qorgeoSize.h"

namespace qor {
namespace core {

class Size {
public:
    Size();
    Size(double width_, double height_);
    Size(const Size& other);
    explicit Size(const geo::Size& impl);

    virtual ~Size();
    virtual Size& operator=(const Size& other);
    // Relative, as the client point's equality.
    virtual bool operator==(const Size& other) const;
    virtual bool operator!=(const Size& other) const;
    virtual Size operator+(const Size& other) const;
    virtual Size& operator+=(const Size& other);
    virtual Size operator-(const Size& other) const;
    virtual Size& operator-=(const Size& other);
    virtual Angle angle() const;
    virtual double length() const;

    double width;
    double height;

private:
    friend geo::Size* pointImpl(const Size& size);
    geo::Size* sync() const
    {
        impl_->width = width;
        impl_->height = height;
        return impl_;
    }
    geo::Size* impl_;
};

geo::Size* pointImpl(const Size& size);
Size wrapSize(const geo::Size& impl);

}  // namespace core
}  // namespace qor

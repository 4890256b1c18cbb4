#include "core/qorcoreColor.h"

#include <cfloat>
#include <cmath>
#include <utility>

namespace qor {
namespace core {

Color::Color() : r(0.0), g(0.0), b(0.0), a(1.0), impl_(new aip::Color()) { readBack(); }

Color::Color(const Color& other) : r(0.0), g(0.0), b(0.0), a(1.0), impl_(new aip::Color(*colorImpl(other)))
{
    readBack();
}

Color::Color(const aip::Color& impl) : r(0.0), g(0.0), b(0.0), a(1.0), impl_(new aip::Color(impl)) { readBack(); }

Color Color::black() { return Color(aip::Color::black()); }
Color Color::red() { return Color(aip::Color::red()); }

Color::~Color()
{
    delete impl_;
    impl_ = nullptr;
}

aip::Color* Color::sync() const
{
    impl_->r = r;
    impl_->g = g;
    impl_->b = b;
    impl_->a = a;
    return impl_;
}

void Color::readBack()
{
    r = impl_->r;
    g = impl_->g;
    b = impl_->b;
    a = impl_->a;
}

void Color::lighten(double x)
{
    sync()->lighten(x);
    readBack();
}

void Color::darken(double x)
{
    sync()->darken(x);
    readBack();
}

Color& Color::operator=(const Color& other)
{
    if (this != &other) {
        r = other.r;
        g = other.g;
        b = other.b;
        a = other.a;
    }
    return *this;
}

bool Color::operator==(const Color& other) const
{
    for (auto [x, y] : {std::pair<double, double>{r, other.r}, {g, other.g}, {b, other.b}, {a, other.a}})
        if (std::fabs(x - y) > std::fmax(std::fabs(x), std::fabs(y)) * (10 * DBL_EPSILON))
            return false;
    return true;
}

bool Color::operator!=(const Color& other) const { return !(*this == other); }

aip::Color* colorImpl(const Color& color) { return color.sync(); }

Color wrapColor(const aip::Color& impl) { return Color(impl); }

}  // namespace core
}  // namespace qor

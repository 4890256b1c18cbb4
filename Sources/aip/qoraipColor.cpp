#include "aip/qoraipColor.h"

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

namespace qoraipColor_detail {

inline double byteAt(uint32_t packed, int shift) { return ((packed >> shift) & 0xFFu) / 255.0; }

// Out-of-range channels are cut to the 16-bit range instead of wrapping into another colour.
inline uint16_t channel16(double c, double scale)
{
    int64_t v = geo::roundToInt(c * scale);
    return static_cast<uint16_t>(v < 0 ? 0 : v > 65535 ? 65535 : v);
}

inline uint32_t byte(double c) { return static_cast<uint32_t>(geo::truncateToInt(c * 255.0)) & 0xFFu; }

}  // namespace qoraipColor_detail

Color::Color(uint32_t packed) : r(0.0), g(0.0), b(0.0), a(1.0) { *this = packed; }

Color::Color(const Rgb16Color& host, int32_t depth) : a(1.0)
{
    double scale = depth == 20 ? 65535.0 : 255.0;
    r = host.red / scale;
    g = host.green / scale;
    b = host.blue / scale;
}

Color::Color(const ThemeColorRecord& alphaFirst)
    : r(alphaFirst.red), g(alphaFirst.green), b(alphaFirst.blue), a(alphaFirst.alpha)
{
}

Rgb16Color Color::toIntRGB(int32_t depth) const
{
    using qoraipColor_detail::channel16;
    double scale = depth == 20 ? 65535.0 : 255.0;
    return Rgb16Color{channel16(r, scale), channel16(g, scale), channel16(b, scale)};
}

void Color::lighten(double x)
{
    for (double* c : {&r, &g, &b})
        *c = geo::minOfList(*c * x + *c, 1.0, geo::kMinOfListEnd);
}

void Color::darken(double x)
{
    for (double* c : {&r, &g, &b})
        *c = geo::maxOfList(*c - *c * x, 0.0, geo::kMaxOfListEnd);
}

ThemeColorRecord Color::toAlphaFirst() const { return ThemeColorRecord{a, r, g, b}; }

Color& Color::operator=(const Color& other)
{
    r = other.r;
    g = other.g;
    b = other.b;
    a = other.a;
    return *this;
}

Color& Color::operator=(uint32_t packed)
{
    using qoraipColor_detail::byteAt;
    r = byteAt(packed, 0);
    g = byteAt(packed, 8);
    b = byteAt(packed, 16);
    a = 1.0;
    return *this;
}

Color& Color::operator=(const ThemeColorRecord& alphaFirst)
{
    a = alphaFirst.alpha;
    r = alphaFirst.red;
    g = alphaFirst.green;
    b = alphaFirst.blue;
    return *this;
}

uint32_t Color::toInt() const
{
    using qoraipColor_detail::byte;
    return byte(r) | byte(g) << 8 | byte(b) << 16;
}

}  // namespace aip
}  // namespace qor

// A screen colour as four doubles (red, green, blue, alpha), with the conversions to the host's 16-bit
// RGB record, the theme's alpha-first record and the packed 0x00BBGGRR integer of Windows.
#pragma once

#include <cstdint>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Color {
public:
    Color() : r(0.0), g(0.0), b(0.0), a(1.0) {}
    Color(double red, double green, double blue, double alpha) : r(red), g(green), b(blue), a(alpha) {}
    Color(const Color& other) : r(other.r), g(other.g), b(other.b), a(other.a) {}
    // Red in the low byte; the top byte is ignored.
    explicit Color(uint32_t packed);
    // Channels divided by 65535 for the depth code 20, by 255 for any other code.
    Color(const Rgb16Color& host, int32_t depth);
    explicit Color(const ThemeColorRecord& alphaFirst);

    static Color ColorFromComponents(double red, double green, double blue, double alpha)
    {
        return Color(red, green, blue, alpha);
    }
    static Color ColorFromInt(uint32_t packed) { return Color(packed); }
    static Color black() { return Color(0.0, 0.0, 0.0, 1.0); }
    static Color gray25() { return Color(0.25, 0.25, 0.25, 1.0); }
    static Color red() { return Color(1.0, 0.0, 0.0, 1.0); }

    virtual ~Color() = default;
    // Channels scaled by 65535 for the depth code 20, by 255 otherwise, rounded half away from zero.
    virtual Rgb16Color toIntRGB(int32_t depth) const;
    // Each of red, green and blue grows by its own fraction x, capped at 1; alpha is kept.
    virtual void lighten(double x);
    // Each of red, green and blue shrinks by its own fraction x, floored at 0; alpha is kept.
    virtual void darken(double x);
    virtual ThemeColorRecord toAlphaFirst() const;
    virtual Color& operator=(const Color& other);
    // Sets alpha to 1.
    virtual Color& operator=(uint32_t packed);
    virtual Color& operator=(const ThemeColorRecord& alphaFirst);
    // 0x00BBGGRR, each channel × 255 truncated; alpha is not packed.
    virtual uint32_t toInt() const;

    double r;
    double g;
    double b;
    double a;
};

}  // namespace aip
}  // namespace qor

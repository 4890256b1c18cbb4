// The paint of artwork as the host's colour record: no colour, gray, CMYK, RGB, a spot (custom) colour,
// a pattern or a gradient. Spot colours are created in the host's current document.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class ArtColor {
public:
    // No colour.
    ArtColor();
    explicit ArtColor(const ColorRecord& host);
    ArtColor(const ArtColor& other) = default;
    ArtColor& operator=(const ArtColor& other) = default;
    static ArtColor ArtColorGray(double gray);
    static ArtColor ArtColorRGB(double red, double green, double blue);
    static ArtColor ArtColorCMYK(double cyan, double magenta, double yellow, double black);

    virtual ~ArtColor() = default;
    // The kind flags: 0 none, 1 gray, 2 RGB, 4 CMYK, 1024/2048/4096 spot in RGB/CMYK/Lab, 1048576 pattern,
    // 2097152 gradient.
    virtual int32_t kindFlags() const;
    virtual const ColorRecord& hostColor() const;
    // Turns the colour into a new spot colour of the current document; false (and the colour unchanged)
    // when the name is refused, the colour has no process values, or the host does not create it.
    virtual bool setCustom(const std::string& name, double tint, uint16_t flags);
    virtual std::string customName() const;

private:
    static void acquireSuites();

    ColorRecord record_{};
};

}  // namespace aip
}  // namespace qor

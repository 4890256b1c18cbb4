// The client art colour: it owns one aip::ArtColor and forwards every operation to it (no cached
// fields). Also the channel set of one colour in every model at once.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipArtColor.h"
#include "core/qorcoreAngle.h"

namespace qor {
namespace core {

// The nested record RGB shares its name with the Windows colour macro.
#pragma push_macro("RGB")
#undef RGB

class ArtColor {
public:
    // colorType codes.
    enum Type : int32_t {
        TypeInvalid = 0,
        TypeNone = 1,
        TypeGray = 2,
        TypeRGB = 4,
        TypeCMYK = 8,
        TypeLab = 16,
        TypeHSB = 32,
        TypeCustomRGB = 1024,
        TypeCustomCMYK = 2048,
        TypeCustomLab = 4096,
        TypePattern = 1048576,
        TypeGradient = 2097152,
    };

    // The values of one colour in every model; Lab normalised (L / 100, a and b / 128).
    class Channels {
    public:
        class RGB {
        public:
            RGB(double red_ = 0.0, double green_ = 0.0, double blue_ = 0.0) : red(red_), green(green_), blue(blue_) {}
            virtual ~RGB() = default;
            double red, green, blue;
        };
        class CMYK {
        public:
            CMYK(double cyan_ = 0.0, double magenta_ = 0.0, double yellow_ = 0.0, double black_ = 0.0)
                : cyan(cyan_), magenta(magenta_), yellow(yellow_), black(black_)
            {
            }
            virtual ~CMYK() = default;
            double cyan, magenta, yellow, black;
        };
        class Lab {
        public:
            Lab(double l_ = 0.0, double a_ = 0.0, double b_ = 0.0) : l(l_), a(a_), b(b_) {}
            virtual ~Lab() = default;
            double l, a, b;
        };
        class HSB {
        public:
            HSB() : saturation(0.0), brightness(0.0) {}
            HSB(const Angle& hue_, double saturation_, double brightness_)
                : hue(hue_), saturation(saturation_), brightness(brightness_)
            {
            }
            virtual ~HSB() = default;
            Angle hue;
            double saturation, brightness;
        };

        Channels() : colorType(0), gray(0.0) {}
        Channels(int32_t colorType_, double gray_, const RGB& rgb_, const CMYK& cmyk_, const Lab& lab_, const HSB& hsb_)
            : colorType(colorType_), gray(gray_), rgb(rgb_), cmyk(cmyk_), lab(lab_), hsb(hsb_)
        {
        }
        virtual ~Channels() = default;

        // The colour's type with spot types folded to their model; 0 for an empty channel set.
        int32_t colorType;
        double gray;
        RGB rgb;
        CMYK cmyk;
        Lab lab;
        HSB hsb;
    };

    // No colour.
    ArtColor();
    ArtColor(const ArtColor& other);
    // Gray, 0 white to 1 black.
    explicit ArtColor(double gray);
    explicit ArtColor(const aip::ArtColor& impl);
    static ArtColor gray100();

    virtual ~ArtColor();
    virtual int32_t colorType() const;
    virtual std::string customName() const;
    virtual ArtColor asGray() const;
    virtual ArtColor asRGB() const;
    virtual ArtColor asLab() const;
    virtual ArtColor asHSB() const;
    virtual ArtColor asCMYK() const;
    virtual Channels channels() const;
    // Only gray, RGB, CMYK, Lab and HSB colours become spot colours; the flags keep their two low bits.
    // False, with the colour unchanged, for any other colour, a refused name or a refused creation.
    virtual bool setCustom(const std::string& name, double tint, int32_t flags);
    virtual int32_t customFlags() const;
    virtual ArtColor& operator=(const ArtColor& other);
    virtual bool operator==(const ArtColor& other) const;
    virtual bool operator!=(const ArtColor& other) const;

private:
    friend aip::ArtColor* implPointer(const ArtColor& color);
    aip::ArtColor* impl_;
};

#pragma pop_macro("RGB")

aip::ArtColor* implPointer(const ArtColor& color);
ArtColor wrapArtColor(const aip::ArtColor& impl);

}  // namespace core
}  // namespace qor

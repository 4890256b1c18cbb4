// The client art colour: it owns one aip::ArtColor and forwards every operation to it (no cached
// fields). Also the channel set of one colour in every model at once.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipArtColor.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreTransformMatrix.h"

namespace qor {
namespace core {

class Gradient;
class Pattern;

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

    // The gradient paint of a gradient colour; owns its gradient handle (null in the empty style).
    class GradientStyle {
    public:
        GradientStyle();
        // Copies the gradient handle (may be null) into a new owned one.
        GradientStyle(const Gradient* gradient_, const ArtboardPoint& origin_, const Angle& angle_, double length_,
                      const TransformMatrix& matrix_, const Angle& highlightAngle_, double highlightLength_);
        GradientStyle(const GradientStyle&) = delete;
        GradientStyle& operator=(const GradientStyle&) = delete;
        GradientStyle(GradientStyle&& other) noexcept;
        virtual ~GradientStyle();

        Gradient* gradient;
        ArtboardPoint origin;
        Angle angle;
        double length;
        TransformMatrix matrix;
        Angle highlightAngle;
        double highlightLength;
    };

    // The pattern paint of a pattern colour; owns its pattern handle (null in the empty style).
    class PatternStyle {
    public:
        PatternStyle();
        // Copies the pattern handle (may be null) into a new owned one.
        PatternStyle(const Pattern* pattern_, double shiftDistance_, const Angle& shiftAngle_, double scaleX_,
                     double scaleY_, const Angle& rotation_, bool reflect_, const Angle& reflectAngle_,
                     const Angle& shearAngle_, const Angle& shearAxis_, const TransformMatrix& transform_);
        PatternStyle(const PatternStyle&) = delete;
        PatternStyle& operator=(const PatternStyle&) = delete;
        PatternStyle(PatternStyle&& other) noexcept;
        virtual ~PatternStyle();

        Pattern* pattern;
        double shiftDistance;
        Angle shiftAngle;
        double scaleX; // 1.0 = unscaled
        double scaleY;
        Angle rotation;
        int32_t reflect;
        Angle reflectAngle;
        Angle shearAngle;
        Angle shearAxis;
        TransformMatrix transform;
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
    virtual GradientStyle gradientStyle() const;
    virtual PatternStyle patternStyle() const;
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

// The paint of artwork: the host's colour record (no colour, gray, CMYK, RGB, a spot colour, a pattern
// or a gradient) plus two forms the host does not store, Lab and HSB colours kept as side values.
// Converts every form into gray, RGB, CMYK, Lab and HSB values through the host's colour conversion,
// into a packed Windows colour and back into the host's record. Spot colours are created in the
// host's current document.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipSize.h"
#include "aip/qoraipTransformMatrix.h"
#include "geo/qorgeoAngle.h"
#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Gradient;
class Pattern;

class ArtColor {
public:
    // kindFlags codes.
    enum Kind : int32_t {
        KindNone = 0,
        KindGray = 1,
        KindRGB = 2,
        KindCMYK = 4,
        KindLab = 8,
        KindHSB = 16,
        KindCustomRGB = 1024,
        KindCustomCMYK = 2048,
        KindCustomLab = 4096,
        KindPattern = 1048576,
        KindGradient = 2097152,
    };

    // The gradient paint of a gradient colour; owns its gradient (null in the empty style).
    class GradientStyle {
    public:
        GradientStyle();
        // Takes the gradient over.
        GradientStyle(Gradient* gradient_, const ArtboardPoint& origin_, const geo::Angle& angle_, double length_,
                      const TransformMatrix& matrix_, const geo::Angle& highlightAngle_, double highlightLength_);
        GradientStyle(const GradientStyle&) = delete;
        GradientStyle& operator=(const GradientStyle&) = delete;
        GradientStyle(GradientStyle&& other) noexcept;
        virtual ~GradientStyle();

        Gradient* gradient;
        ArtboardPoint origin;
        geo::Angle angle;
        double length;
        TransformMatrix matrix;
        geo::Angle highlightAngle;
        double highlightLength;
    };

    // The pattern paint of a pattern colour; owns its pattern (null in the empty style).
    class PatternStyle {
    public:
        PatternStyle();
        // Takes the pattern over.
        PatternStyle(Pattern* pattern_, double shiftDistance_, const geo::Angle& shiftAngle_, const Size& scale_,
                     const geo::Angle& rotation_, bool reflect_, const geo::Angle& reflectAngle_,
                     const geo::Angle& shearAngle_, const geo::Angle& shearAxis_, const TransformMatrix& transform_);
        PatternStyle(const PatternStyle&) = delete;
        PatternStyle& operator=(const PatternStyle&) = delete;
        PatternStyle(PatternStyle&& other) noexcept;
        virtual ~PatternStyle();

        Pattern* pattern;
        double shiftDistance;
        geo::Angle shiftAngle;
        Size scale; // 1.0 = unscaled
        geo::Angle rotation;
        int32_t reflect;
        geo::Angle reflectAngle;
        geo::Angle shearAngle;
        geo::Angle shearAxis;
        TransformMatrix transform;
    };

    // No colour.
    ArtColor();
    ArtColor(const ArtColor& other) = default;
    explicit ArtColor(const ColorRecord& host);
    // Gray, 0 white to 1 black.
    explicit ArtColor(double gray);
    ArtColor(double cyan, double magenta, double yellow, double black);

    static ArtColor ArtColorFromAIColor(const ColorRecord& host) { return ArtColor(host); }
    static ArtColor ArtColorGray(double gray) { return ArtColor(gray); }
    static ArtColor ArtColorCMYK(double cyan, double magenta, double yellow, double black)
    {
        return ArtColor(cyan, magenta, yellow, black);
    }
    static ArtColor ArtColorRGB(double red, double green, double blue);
    // L 0 to 100, a and b about -128 to 127.
    static ArtColor ArtColorLab(double l, double a, double b);
    // Hue in radians, saturation and brightness 0 to 1.
    static ArtColor ArtColorHSB(double hue, double saturation, double brightness);
    static ArtColor none() { return ArtColor(); }
    static ArtColor gray100() { return ArtColor(1.0); }

    virtual ~ArtColor() = default;
    virtual int32_t kindFlags() const;
    virtual std::string customName() const;
    // A Lab colour as the record of its CMYK form, an HSB colour as that of its RGB form.
    virtual ColorRecord hostColor() const;
    // Values that pass through the host's conversion come back at single precision.
    virtual double grayValue() const;
    virtual void rgbComponents(double& red, double& green, double& blue) const;
    virtual void labComponents(double& l, double& a, double& b) const;
    virtual void hsbComponents(double& hue, double& saturation, double& brightness) const;
    virtual void cmykComponents(double& cyan, double& magenta, double& yellow, double& black) const;
    virtual ArtColor asGray() const;
    virtual ArtColor asRGB() const;
    virtual ArtColor asLab() const;
    virtual ArtColor asHSB() const;
    virtual ArtColor asCMYK() const;
    virtual GradientStyle gradientStyle() const;
    virtual PatternStyle patternStyle() const;
    // Turns the colour into a new spot colour of the current document; false, with the colour unchanged,
    // when the name is empty or reserved, the colour has no values to define one, or the host refuses.
    virtual bool setCustom(const std::string& name, double tint, uint16_t flags);
    virtual uint16_t customFlags() const;
    virtual uint32_t toColorRef() const;
    virtual bool operator==(const ArtColor& other) const;
    virtual bool operator!=(const ArtColor& other) const;

    ArtColor& operator=(const ArtColor& other) = default;

    // The host record as stored (kind 6 for Lab and HSB colours).
    const ColorRecord& record() const { return record_; }
    bool hasLab() const { return hasLab_; }
    bool hasHSB() const { return hasHSB_; }

    static void hsbToRgb(double hue, double saturation, double brightness, double& red, double& green,
                         double& blue);
    static void rgbToHsb(double red, double green, double blue, double& hue, double& saturation,
                         double& brightness);

private:
    // The colour model of the values a conversion starts from: 1 gray, 2 RGB, 4 CMYK, 7 Lab, 0 none.
    int32_t sourceSpace(float* values) const;
    bool customDefinition(CustomColorRecord& out) const;
    void convert(int32_t target, float* out) const;
    static void acquireSuites();
    void clear();

    ColorRecord record_;
    bool hasLab_;
    double l_, a_, b_;
    bool hasHSB_;
    double hue_, saturation_, brightness_;
};

}  // namespace aip
}  // namespace qor

#include "aip/qoraipArtColor.h"

#include <cmath>
#include <utility>

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipGradient.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipPattern.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

namespace qoraipArtColor_detail {

// Colour-space codes of the host's conversion.
constexpr int32_t kSpaceNone = 0;
constexpr int32_t kSpaceGray = 1;
constexpr int32_t kSpaceRGB = 2;
constexpr int32_t kSpaceCMYK = 4;
constexpr int32_t kSpaceLab = 7;

inline double single(double v) { return static_cast<double>(static_cast<float>(v)); }

inline uint32_t byte(double c) { return static_cast<uint32_t>(geo::truncateToInt(c * 255.0)) & 0xFFu; }

inline bool near(double a, double b) { return geo::approxEqual(a, b, 1e-6); }

}  // namespace qoraipArtColor_detail

// ---- Styles ----

ArtColor::GradientStyle::GradientStyle() : gradient(nullptr), length(0.0), highlightLength(0.0) {}

ArtColor::GradientStyle::GradientStyle(Gradient* gradient_, const ArtboardPoint& origin_, const geo::Angle& angle_,
                                       double length_, const TransformMatrix& matrix_,
                                       const geo::Angle& highlightAngle_, double highlightLength_)
    : gradient(gradient_), origin(origin_), angle(angle_), length(length_), matrix(matrix_),
      highlightAngle(highlightAngle_), highlightLength(highlightLength_)
{
}

ArtColor::GradientStyle::GradientStyle(GradientStyle&& other) noexcept
    : gradient(std::exchange(other.gradient, nullptr)), origin(other.origin), angle(other.angle),
      length(other.length), matrix(other.matrix), highlightAngle(other.highlightAngle),
      highlightLength(other.highlightLength)
{
}

ArtColor::GradientStyle::~GradientStyle() { delete gradient; }

ArtColor::PatternStyle::PatternStyle()
    : pattern(nullptr), shiftDistance(0.0), scale(0.0, 0.0), reflect(0)
{
}

ArtColor::PatternStyle::PatternStyle(Pattern* pattern_, double shiftDistance_, const geo::Angle& shiftAngle_,
                                     const Size& scale_, const geo::Angle& rotation_, bool reflect_,
                                     const geo::Angle& reflectAngle_, const geo::Angle& shearAngle_,
                                     const geo::Angle& shearAxis_, const TransformMatrix& transform_)
    : pattern(pattern_), shiftDistance(shiftDistance_), shiftAngle(shiftAngle_), scale(scale_), rotation(rotation_),
      reflect(reflect_ ? 1 : 0), reflectAngle(reflectAngle_), shearAngle(shearAngle_), shearAxis(shearAxis_),
      transform(transform_)
{
}

ArtColor::PatternStyle::PatternStyle(PatternStyle&& other) noexcept
    : pattern(std::exchange(other.pattern, nullptr)), shiftDistance(other.shiftDistance),
      shiftAngle(other.shiftAngle), scale(other.scale), rotation(other.rotation), reflect(other.reflect),
      reflectAngle(other.reflectAngle), shearAngle(other.shearAngle), shearAxis(other.shearAxis),
      transform(other.transform)
{
}

ArtColor::PatternStyle::~PatternStyle() { delete pattern; }

// ---- Construction ----

void ArtColor::acquireSuites()
{
    acquireSuite(customColorSuite, kCustomColorSuiteName, kCustomColorSuiteVersion);
    acquireSuite(colorConversionSuite, kColorConversionSuiteName, kColorConversionSuiteVersion);
}

void ArtColor::clear()
{
    acquireSuites();
    record_ = ColorRecord{};
    record_.kind = kNoneColor;
    hasLab_ = hasHSB_ = false;
    l_ = a_ = b_ = hue_ = saturation_ = brightness_ = 0.0;
}

ArtColor::ArtColor() { clear(); }

ArtColor::ArtColor(const ColorRecord& host)
{
    clear();
    record_ = host;
}

ArtColor::ArtColor(double gray)
{
    clear();
    record_.kind = kGrayColor;
    record_.gray.gray = gray;
}

ArtColor::ArtColor(double cyan, double magenta, double yellow, double black)
{
    clear();
    record_.kind = kFourColor;
    record_.cmyk = {cyan, magenta, yellow, black};
}

ArtColor ArtColor::ArtColorRGB(double red, double green, double blue)
{
    ArtColor c;
    c.record_.kind = kThreeColor;
    c.record_.rgb = {red, green, blue};
    return c;
}

ArtColor ArtColor::ArtColorLab(double l, double a, double b)
{
    ArtColor c;
    c.hasLab_ = true;
    c.l_ = l;
    c.a_ = a;
    c.b_ = b;
    return c;
}

ArtColor ArtColor::ArtColorHSB(double hue, double saturation, double brightness)
{
    ArtColor c;
    c.hasHSB_ = true;
    c.hue_ = hue;
    c.saturation_ = saturation;
    c.brightness_ = brightness;
    return c;
}

// ---- Classification ----

bool ArtColor::customDefinition(CustomColorRecord& out) const
{
    out = CustomColorRecord{};
    if (record_.kind != kCustomColor || !customColorSuite)
        return false;
    customColorSuite->getCustomColorDefinition(record_.custom.color, &out);
    return true;
}

int32_t ArtColor::kindFlags() const
{
    if (hasLab_)
        return KindLab;
    if (hasHSB_)
        return KindHSB;
    switch (record_.kind) {
    case kGrayColor:
        return KindGray;
    case kThreeColor:
        return KindRGB;
    case kFourColor:
        return KindCMYK;
    case kPatternColor:
        return KindPattern;
    case kGradientColor:
        return KindGradient;
    case kCustomColor: {
        CustomColorRecord def;
        customDefinition(def);
        return def.kind == 0 ? KindCustomCMYK : def.kind == 1 ? KindCustomRGB : def.kind == 2 ? KindCustomLab : KindCMYK;
    }
    default:
        return KindNone;
    }
}

std::string ArtColor::customName() const
{
    if (record_.kind != kCustomColor || !customColorSuite)
        return std::string();
    ai::HostUnicodeString text;
    customColorSuite->getCustomColorName(record_.custom.color, text.resetAndGetAddress());
    return hostStringToUtf8(text);
}

uint16_t ArtColor::customFlags() const
{
    CustomColorRecord def;
    return customDefinition(def) ? def.flags : 0;
}

ColorRecord ArtColor::hostColor() const
{
    if (hasLab_)
        return asCMYK().record_;
    if (hasHSB_)
        return asRGB().record_;
    return record_;
}

// ---- Conversions ----

// A spot colour defined in a model other than CMYK, RGB and Lab converts as CMYK, which is how
// kindFlags reports it.
int32_t ArtColor::sourceSpace(float* values) const
{
    using namespace qoraipArtColor_detail;
    for (int i = 0; i < 4; ++i)
        values[i] = 0.0f;
    auto take = [values](const double* v, int n) {
        for (int i = 0; i < n; ++i)
            values[i] = static_cast<float>(v[i]);
    };
    if (hasLab_) {
        double lab[3] = {l_, a_, b_};
        take(lab, 3);
        return kSpaceLab;
    }
    switch (record_.kind) {
    case kGrayColor:
        values[3] = static_cast<float>(record_.gray.gray);
        return kSpaceGray;
    case kFourColor: {
        double v[4] = {record_.cmyk.cyan, record_.cmyk.magenta, record_.cmyk.yellow, record_.cmyk.black};
        take(v, 4);
        return kSpaceCMYK;
    }
    case kThreeColor: {
        double v[3] = {record_.rgb.red, record_.rgb.green, record_.rgb.blue};
        take(v, 3);
        return kSpaceRGB;
    }
    case kCustomColor: {
        CustomColorRecord def;
        customDefinition(def);
        take(def.values, 4);
        return def.kind == 1 ? kSpaceRGB : def.kind == 2 ? kSpaceLab : kSpaceCMYK;
    }
    default:
        return kSpaceNone;
    }
}

// Converts the colour's own values into the target space; values already in that space only lose
// precision. A gray crosses as CMYK (0, 0, 0, g).
void ArtColor::convert(int32_t target, float* out) const
{
    using namespace qoraipArtColor_detail;
    float source[4];
    int32_t space = sourceSpace(source);
    for (int i = 0; i < 4; ++i)
        out[i] = 0.0f;
    bool gray = space == kSpaceGray;
    if (!gray && space == target) {
        for (int i = 0; i < 4; ++i)
            out[i] = source[i];
        return;
    }
    if (!colorConversionSuite)
        return;
    ColorConvertOptions options{gray && (target == kSpaceRGB || target == kSpaceLab) ? 1 : 0};
    bool8 inGamut = 0;
    colorConversionSuite->convertSampleColor(gray ? kSpaceCMYK : space, source, target, out, &options, &inGamut);
}

double ArtColor::grayValue() const
{
    using namespace qoraipArtColor_detail;
    if (hasHSB_)
        return asRGB().grayValue();
    float v[4];
    int32_t space = sourceSpace(v);
    if (space == kSpaceNone)
        return 1.0;
    if (space == kSpaceGray)
        return v[3];
    convert(kSpaceGray, v);
    return 1.0 - v[0];
}

void ArtColor::rgbComponents(double& red, double& green, double& blue) const
{
    using namespace qoraipArtColor_detail;
    red = green = blue = 0.0;
    float v[4];
    if (hasHSB_) {
        hsbToRgb(hue_, saturation_, brightness_, red, green, blue);
        return;
    }
    if (sourceSpace(v) == kSpaceNone)
        return;
    convert(kSpaceRGB, v);
    red = v[0];
    green = v[1];
    blue = v[2];
}

void ArtColor::labComponents(double& l, double& a, double& b) const
{
    using namespace qoraipArtColor_detail;
    l = a = b = 0.0;
    float v[4];
    if (hasHSB_) {
        asRGB().labComponents(l, a, b);
        return;
    }
    if (sourceSpace(v) == kSpaceNone)
        return;
    convert(kSpaceLab, v);
    l = v[0];
    a = v[1];
    b = v[2];
}

void ArtColor::cmykComponents(double& cyan, double& magenta, double& yellow, double& black) const
{
    using namespace qoraipArtColor_detail;
    cyan = magenta = yellow = 0.0;
    black = 1.0;
    float v[4];
    if (hasHSB_) {
        asRGB().cmykComponents(cyan, magenta, yellow, black);
        return;
    }
    if (sourceSpace(v) == kSpaceNone)
        return;
    convert(kSpaceCMYK, v);
    cyan = v[0];
    magenta = v[1];
    yellow = v[2];
    black = v[3];
}

void ArtColor::hsbComponents(double& hue, double& saturation, double& brightness) const
{
    if (hasHSB_) {
        hue = hue_;
        saturation = saturation_;
        brightness = brightness_;
        return;
    }
    double r, g, b;
    rgbComponents(r, g, b);
    rgbToHsb(r, g, b, hue, saturation, brightness);
}

void ArtColor::hsbToRgb(double hue, double saturation, double brightness, double& red, double& green,
                        double& blue)
{
    using qoraipArtColor_detail::single;
    double v = brightness, s = saturation;
    if (s <= 0.0) {
        red = green = blue = single(v);
        return;
    }
    double h = geo::Angle(hue, geo::Angle::Radians).normalized().degrees() / 60.0;
    int64_t i = geo::truncateToInt(h);
    double c = v * s, m = v - c;
    double x = c * (1.0 - std::fabs((h - static_cast<double>(i) + static_cast<double>(i % 2)) - 1.0));
    double rgb[3];
    switch (i) {
    case 0: rgb[0] = c, rgb[1] = x, rgb[2] = 0; break;
    case 1: rgb[0] = x, rgb[1] = c, rgb[2] = 0; break;
    case 2: rgb[0] = 0, rgb[1] = c, rgb[2] = x; break;
    case 3: rgb[0] = 0, rgb[1] = x, rgb[2] = c; break;
    case 4: rgb[0] = x, rgb[1] = 0, rgb[2] = c; break;
    default: rgb[0] = c, rgb[1] = 0, rgb[2] = x; break;
    }
    red = single(rgb[0] + m);
    green = single(rgb[1] + m);
    blue = single(rgb[2] + m);
}

void ArtColor::rgbToHsb(double red, double green, double blue, double& hue, double& saturation,
                        double& brightness)
{
    double mx = std::fmax(red, std::fmax(green, blue));
    double mn = std::fmin(red, std::fmin(green, blue));
    double d = mx - mn;
    brightness = mx;
    if (d <= 0.0) {
        hue = saturation = 0.0;
        return;
    }
    saturation = d / mx;
    double h = red >= mx ? (green - blue) / d : green >= mx ? (blue - red) / d + 2.0 : (red - green) / d + 4.0;
    hue = geo::Angle(h * 60.0, geo::Angle::Degrees).normalized().radians();
}

ArtColor ArtColor::asGray() const { return ArtColor(grayValue()); }

ArtColor ArtColor::asRGB() const
{
    double r, g, b;
    rgbComponents(r, g, b);
    return ArtColorRGB(r, g, b);
}

ArtColor ArtColor::asLab() const
{
    double l, a, b;
    labComponents(l, a, b);
    return ArtColorLab(l, a, b);
}

ArtColor ArtColor::asHSB() const
{
    double h, s, b;
    hsbComponents(h, s, b);
    return ArtColorHSB(h, s, b);
}

ArtColor ArtColor::asCMYK() const
{
    double c, m, y, k;
    cmykComponents(c, m, y, k);
    return ArtColor(c, m, y, k);
}

uint32_t ArtColor::toColorRef() const
{
    using qoraipArtColor_detail::byte;
    double r, g, b;
    switch (kindFlags()) {
    case KindNone:
    case KindPattern:
    case KindGradient:
        return 0;
    case KindGray:
        // Cut to one byte like the other channels, so an out-of-range gray cannot spill into red and green.
        return byte(1.0 - record_.gray.gray) * 65793u;
    case KindRGB:
        r = record_.rgb.red, g = record_.rgb.green, b = record_.rgb.blue;
        break;
    default:
        rgbComponents(r, g, b);
        break;
    }
    return byte(r) | byte(g) << 8 | byte(b) << 16;
}

// ---- Styles of gradient and pattern colours ----

ArtColor::GradientStyle ArtColor::gradientStyle() const
{
    if (kindFlags() != KindGradient || record_.kind != kGradientColor)
        return GradientStyle();
    const GradientColorValue& v = record_.gradient;
    double scale = Document::currentScaleFactor();
    ArtboardPoint origin(v.origin);
    origin.x *= scale;
    origin.y *= scale;
    return GradientStyle(new Gradient(v.gradient), origin, geo::Angle(v.angle, geo::Angle::Degrees), v.length,
                         TransformMatrix(v.matrix), geo::Angle(v.highlightAngle, geo::Angle::Degrees),
                         v.highlightLength);
}

ArtColor::PatternStyle ArtColor::patternStyle() const
{
    if (kindFlags() != KindPattern || record_.kind != kPatternColor)
        return PatternStyle();
    const PatternColorValue& v = record_.pattern;
    auto degrees = [](double d) { return geo::Angle(d, geo::Angle::Degrees); };
    return PatternStyle(new Pattern(v.pattern), v.shiftDistance, degrees(v.shiftAngle),
                        Size(v.scaleX / 100.0, v.scaleY / 100.0), degrees(v.rotation), v.reflect != 0,
                        degrees(v.reflectAngle), degrees(v.shearAngle), degrees(v.shearAxis),
                        TransformMatrix(v.transform));
}

// ---- Spot colours ----

bool ArtColor::setCustom(const std::string& name, double tint, uint16_t flags)
{
    if (name.empty())
        return false;
    for (const char* reserved : {"All", "None", "Cyan", "Magenta", "Yellow", "Black"})
        if (name == reserved)
            return false;
    CustomColorRecord def{};
    if (hasLab_) {
        def.kind = 2;
        def.values[0] = l_;
        def.values[1] = a_;
        def.values[2] = b_;
    } else if (hasHSB_) {
        def.kind = 1;
        rgbComponents(def.values[0], def.values[1], def.values[2]);
    } else {
        switch (record_.kind) {
        case kGrayColor:
            def.kind = 1;
            def.values[0] = def.values[1] = def.values[2] = 1.0 - record_.gray.gray;
            break;
        case kThreeColor:
            def.kind = 1;
            def.values[0] = record_.rgb.red;
            def.values[1] = record_.rgb.green;
            def.values[2] = record_.rgb.blue;
            break;
        case kFourColor:
            def.kind = 0;
            def.values[0] = record_.cmyk.cyan;
            def.values[1] = record_.cmyk.magenta;
            def.values[2] = record_.cmyk.yellow;
            def.values[3] = record_.cmyk.black;
            break;
        case kCustomColor:
            customDefinition(def);
            break;
        default:
            return false;
        }
    }
    def.flags = flags;
    if (!customColorSuite)
        return false;
    CustomColorHandle handle = nullptr;
    ai::HostUnicodeString text = utf8ToHostString(name);
    // A refused creation leaves the colour as it was instead of a spot colour without a colour behind it.
    if (customColorSuite->newCustomColor(&def, text.handle(), &handle) != 0 || !handle)
        return false;
    hasLab_ = hasHSB_ = false;
    record_ = ColorRecord{};
    record_.kind = kCustomColor;
    record_.custom = {handle, tint};
    return true;
}

// ---- Equality ----

bool ArtColor::operator==(const ArtColor& other) const
{
    using qoraipArtColor_detail::near;
    int32_t kind = kindFlags();
    if (kind != other.kindFlags())
        return false;
    double x[4] = {0, 0, 0, 0}, y[4] = {0, 0, 0, 0};
    int n = 0;
    bool named = true;
    switch (kind) {
    case KindNone:
        return true;
    case KindGray:
        x[0] = grayValue();
        y[0] = other.grayValue();
        n = 1;
        named = false;
        break;
    case KindRGB:
    case KindCustomRGB:
        rgbComponents(x[0], x[1], x[2]);
        other.rgbComponents(y[0], y[1], y[2]);
        n = 3;
        break;
    case KindCMYK:
    case KindCustomCMYK:
        cmykComponents(x[0], x[1], x[2], x[3]);
        other.cmykComponents(y[0], y[1], y[2], y[3]);
        n = 4;
        break;
    case KindLab:
    case KindCustomLab:
        labComponents(x[0], x[1], x[2]);
        other.labComponents(y[0], y[1], y[2]);
        n = 3;
        break;
    case KindHSB:
        hsbComponents(x[0], x[1], x[2]);
        other.hsbComponents(y[0], y[1], y[2]);
        n = 3;
        named = false;
        break;
    case KindPattern:
        return record_.pattern.pattern == other.record_.pattern.pattern;
    case KindGradient:
        return record_.gradient.gradient == other.record_.gradient.gradient;
    default:
        return false;
    }
    for (int i = 0; i < n; ++i)
        if (!near(x[i], y[i]))
            return false;
    return !named || customName() == other.customName();
}

bool ArtColor::operator!=(const ArtColor& other) const { return !(*this == other); }

}  // namespace aip
}  // namespace qor

#include "core/qorcoreArtColor.h"

#include <utility>

#include "aip/qoraipGradient.h"
#include "aip/qoraipPattern.h"
#include "core/qorcoreGradient.h"
#include "core/qorcorePattern.h"

namespace qor {
namespace core {

ArtColor::GradientStyle::GradientStyle() : gradient(nullptr), length(0.0), highlightLength(0.0) {}

ArtColor::GradientStyle::GradientStyle(const Gradient* gradient_, const ArtboardPoint& origin_, const Angle& angle_,
                                       double length_, const TransformMatrix& matrix_, const Angle& highlightAngle_,
                                       double highlightLength_)
    : gradient(gradient_ ? new Gradient(*gradient_) : nullptr), origin(origin_), angle(angle_), length(length_),
      matrix(matrix_), highlightAngle(highlightAngle_), highlightLength(highlightLength_)
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
    : pattern(nullptr), shiftDistance(0.0), scaleX(0.0), scaleY(0.0), reflect(0)
{
}

ArtColor::PatternStyle::PatternStyle(const Pattern* pattern_, double shiftDistance_, const Angle& shiftAngle_,
                                     double scaleX_, double scaleY_, const Angle& rotation_, bool reflect_,
                                     const Angle& reflectAngle_, const Angle& shearAngle_, const Angle& shearAxis_,
                                     const TransformMatrix& transform_)
    : pattern(pattern_ ? new Pattern(*pattern_) : nullptr), shiftDistance(shiftDistance_), shiftAngle(shiftAngle_),
      scaleX(scaleX_), scaleY(scaleY_), rotation(rotation_), reflect(reflect_ ? 1 : 0), reflectAngle(reflectAngle_),
      shearAngle(shearAngle_), shearAxis(shearAxis_), transform(transform_)
{
}

ArtColor::PatternStyle::PatternStyle(PatternStyle&& other) noexcept
    : pattern(std::exchange(other.pattern, nullptr)), shiftDistance(other.shiftDistance),
      shiftAngle(other.shiftAngle), scaleX(other.scaleX), scaleY(other.scaleY), rotation(other.rotation),
      reflect(other.reflect), reflectAngle(other.reflectAngle), shearAngle(other.shearAngle),
      shearAxis(other.shearAxis), transform(other.transform)
{
}

ArtColor::PatternStyle::~PatternStyle() { delete pattern; }

ArtColor::ArtColor() : impl_(new aip::ArtColor()) {}
ArtColor::ArtColor(const ArtColor& other)
    : impl_(other.impl_ ? new aip::ArtColor(*other.impl_) : new aip::ArtColor())
{
}
ArtColor::ArtColor(double gray) : impl_(new aip::ArtColor(gray)) {}
ArtColor::ArtColor(const aip::ArtColor& impl) : impl_(new aip::ArtColor(impl)) {}

ArtColor ArtColor::gray100() { return ArtColor(1.0); }

ArtColor::~ArtColor()
{
    delete impl_;
    impl_ = nullptr;
}

int32_t ArtColor::colorType() const
{
    if (!impl_)
        return TypeInvalid;
    if (impl_->hostColor().kind == kNoneColor)
        return TypeNone;
    switch (impl_->kindFlags()) {
    case aip::ArtColor::KindGray: return TypeGray;
    case aip::ArtColor::KindRGB: return TypeRGB;
    case aip::ArtColor::KindCMYK: return TypeCMYK;
    case aip::ArtColor::KindLab: return TypeLab;
    case aip::ArtColor::KindHSB: return TypeHSB;
    case aip::ArtColor::KindCustomRGB: return TypeCustomRGB;
    case aip::ArtColor::KindCustomCMYK: return TypeCustomCMYK;
    case aip::ArtColor::KindCustomLab: return TypeCustomLab;
    case aip::ArtColor::KindPattern: return TypePattern;
    case aip::ArtColor::KindGradient: return TypeGradient;
    default: return TypeInvalid;
    }
}

std::string ArtColor::customName() const { return impl_ ? impl_->customName() : std::string(); }

ArtColor ArtColor::asGray() const { return impl_ ? ArtColor(impl_->asGray()) : gray100(); }
ArtColor ArtColor::asRGB() const { return impl_ ? ArtColor(impl_->asRGB()) : gray100(); }
ArtColor ArtColor::asLab() const { return impl_ ? ArtColor(impl_->asLab()) : gray100(); }
ArtColor ArtColor::asHSB() const { return impl_ ? ArtColor(impl_->asHSB()) : gray100(); }
ArtColor ArtColor::asCMYK() const { return impl_ ? ArtColor(impl_->asCMYK()) : gray100(); }

ArtColor::Channels ArtColor::channels() const
{
    if (!impl_)
        return Channels();
    int32_t type = colorType();
    switch (type) {
    case TypeCustomRGB: type = TypeRGB; break;
    case TypeCustomCMYK: type = TypeCMYK; break;
    case TypeCustomLab: type = TypeLab; break;
    case TypeNone:
    case TypeGray:
    case TypeRGB:
    case TypeCMYK:
    case TypeLab:
    case TypeHSB: break;
    default: return Channels();
    }
    Channels::RGB rgb;
    Channels::CMYK cmyk;
    double l, a, b, hue, saturation, brightness;
    impl_->rgbComponents(rgb.red, rgb.green, rgb.blue);
    impl_->cmykComponents(cmyk.cyan, cmyk.magenta, cmyk.yellow, cmyk.black);
    impl_->labComponents(l, a, b);
    impl_->hsbComponents(hue, saturation, brightness);
    return Channels(type, impl_->grayValue(), rgb, cmyk, Channels::Lab(l / 100.0, a * 0.0078125, b * 0.0078125),
                    Channels::HSB(Angle(hue, geo::Angle::Radians), saturation, brightness));
}

ArtColor::GradientStyle ArtColor::gradientStyle() const
{
    if (!impl_)
        return GradientStyle();
    aip::ArtColor::GradientStyle style = impl_->gradientStyle();
    if (!style.gradient)
        return GradientStyle();
    Gradient gradient = wrapGradient(std::exchange(style.gradient, nullptr));
    return GradientStyle(&gradient, wrapArtboardPoint(style.origin), wrapAngle(style.angle), style.length,
                         wrapTransformMatrix(style.matrix), wrapAngle(style.highlightAngle), style.highlightLength);
}

ArtColor::PatternStyle ArtColor::patternStyle() const
{
    if (!impl_)
        return PatternStyle();
    aip::ArtColor::PatternStyle style = impl_->patternStyle();
    if (!style.pattern)
        return PatternStyle();
    Pattern pattern = wrapPattern(std::exchange(style.pattern, nullptr));
    return PatternStyle(&pattern, style.shiftDistance, wrapAngle(style.shiftAngle), style.scale.width,
                        style.scale.height, wrapAngle(style.rotation), style.reflect != 0,
                        wrapAngle(style.reflectAngle), wrapAngle(style.shearAngle), wrapAngle(style.shearAxis),
                        wrapTransformMatrix(style.transform));
}

bool ArtColor::setCustom(const std::string& name, double tint, int32_t flags)
{
    if (!impl_)
        return false;
    switch (impl_->kindFlags()) {
    case aip::ArtColor::KindGray:
    case aip::ArtColor::KindRGB:
    case aip::ArtColor::KindCMYK:
    case aip::ArtColor::KindLab:
    case aip::ArtColor::KindHSB:
        return impl_->setCustom(name, tint, static_cast<uint16_t>(flags & 3));
    default:
        return false;
    }
}

int32_t ArtColor::customFlags() const { return impl_ ? impl_->customFlags() & 3 : 0; }

ArtColor& ArtColor::operator=(const ArtColor& other)
{
    if (this != &other && impl_ && other.impl_)
        *impl_ = *other.impl_;
    return *this;
}

bool ArtColor::operator==(const ArtColor& other) const
{
    if (!impl_ || !other.impl_)
        return !impl_ && !other.impl_;
    return *impl_ == *other.impl_;
}

bool ArtColor::operator!=(const ArtColor& other) const { return !(*this == other); }

aip::ArtColor* implPointer(const ArtColor& color) { return color.impl_; }

ArtColor wrapArtColor(const aip::ArtColor& impl) { return ArtColor(impl); }

}  // namespace core
}  // namespace qor

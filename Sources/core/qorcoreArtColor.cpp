#include "core/qorcoreArtColor.h"

namespace qor {
namespace core {

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

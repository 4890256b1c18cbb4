#include "core/qorcoreArtColor.h"

namespace qor {
namespace core {

ArtColor::ArtColor(const aip::ArtColor& impl) : impl_(new aip::ArtColor(impl)) {}
ArtColor::ArtColor(const ArtColor& other) : impl_(new aip::ArtColor(*other.impl_)) {}

ArtColor& ArtColor::operator=(const ArtColor& other)
{
    if (this != &other)
        *impl_ = *other.impl_;
    return *this;
}

ArtColor::~ArtColor() { delete impl_; }

int32_t ArtColor::kindFlags() const { return impl_ ? impl_->kindFlags() : 0; }

bool ArtColor::setCustom(const std::string& name, double tint, int32_t flags)
{
    if (!impl_)
        return false;
    int32_t kind = impl_->kindFlags();
    if (kind != 1 && kind != 2 && kind != 4 && kind != 8 && kind != 16)
        return false;
    return impl_->setCustom(name, tint, static_cast<uint16_t>(flags & 3));
}

std::string ArtColor::customName() const { return impl_ ? impl_->customName() : std::string(); }

}  // namespace core
}  // namespace qor

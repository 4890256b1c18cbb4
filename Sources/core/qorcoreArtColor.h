// The client's art colour: it owns one implementation colour and forwards to it.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipArtColor.h"

namespace qor {
namespace core {

class ArtColor {
public:
    explicit ArtColor(const aip::ArtColor& impl);
    ArtColor(const ArtColor& other);
    ArtColor& operator=(const ArtColor& other);
    virtual ~ArtColor();

    virtual int32_t kindFlags() const;
    // A spot colour made from a gray, RGB or CMYK colour; false for any other colour and when the host
    // refuses to create it.
    virtual bool setCustom(const std::string& name, double tint, int32_t flags);
    virtual std::string customName() const;

    const aip::ArtColor* impl() const { return impl_; }

private:
    aip::ArtColor* impl_;
};

}  // namespace core
}  // namespace qor

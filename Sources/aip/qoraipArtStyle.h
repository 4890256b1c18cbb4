// The host-facing implementation of one art style of the host document: name, flags, type and
// validity through the host's art style suite. Nothing is released in the host.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class ArtStyle {
public:
    explicit ArtStyle(ArtStyleHandle style);
    ArtStyle(const ArtStyle&) = delete;
    ArtStyle& operator=(const ArtStyle&) = delete;

    virtual ~ArtStyle() = default;
    virtual ArtStyleHandle hostHandle() const;
    // Asks the host again unless the style is already known to be invalid.
    virtual bool valid();
    // Empty when the host reports no name or the style is not valid.
    virtual std::string name() const;
    virtual void setName(const std::string& name);

    // The host's flags translated into the framework's 12 bits (0x1 to 0x800); 0 when not valid.
    int32_t styleFlags() const;
    // 10 or 20 for the host types 1 and 2; 0 otherwise or when not valid.
    int32_t styleType() const;

    // Host flag bits to framework bits.
    static int32_t translateFlags(int32_t hostFlags);

private:
    int32_t valid_;
    ArtStyleHandle style_;
};

}  // namespace aip
}  // namespace qor

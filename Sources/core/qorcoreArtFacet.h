// A facet of an art record that has no operations of its own (custom art, mask, mesh, placed, raster):
// it knows its owner and holds its host suite.
#pragma once

#include <cstdint>

namespace qor {
namespace core {

class __IntArtData;

class ArtFacet {
public:
    enum Kind { CustomArt, Mask, Mesh, Placed, Raster };
    ArtFacet(__IntArtData* owner, Kind kind);
    ArtFacet(const ArtFacet&) = delete;
    ArtFacet& operator=(const ArtFacet&) = delete;
    virtual ~ArtFacet() = default;

    __IntArtData* owner() const { return owner_; }
    Kind kind() const { return kind_; }

private:
    __IntArtData* owner_;
    Kind kind_;
};

}  // namespace core
}  // namespace qor

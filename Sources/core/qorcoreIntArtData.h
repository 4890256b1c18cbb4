// The shared record behind every client handle of one host art: the count of handles, the registry key,
// the implementation, the six facets and the text part.
#pragma once

#include <cstdint>

#include "aip/qoraipArt.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreArtFacet.h"

namespace qor {
namespace core {

// The text part: a record together with whether this part owns it. An owning one deletes its record
// (and with it the record's art object) when it goes; the host's art is not touched.
struct ArtFacetBlock;

struct TextArt {
    TextArt(__IntArtData* record, bool owns) : art(record), ownsArt(owns) {}
    TextArt(const TextArt&) = delete;
    TextArt& operator=(const TextArt&) = delete;
    ~TextArt();

    __IntArtData* art = nullptr;
    bool ownsArt = false;
};

class __IntArtData {
public:
    __IntArtData() = default;
    __IntArtData(const __IntArtData&) = delete;
    __IntArtData& operator=(const __IntArtData&) = delete;
    virtual ~__IntArtData();

    // Builds the six facets and the text part (custom art, mask, mesh, path, placed, raster, text).
    void initFacets();
    void initHolderFacet();
    void releaseHolderFacet();

    int32_t count = 0;
    ArtHandle hostHandle = nullptr;
    aip::Art* impl = nullptr;
    ArtFacet* customArt = nullptr;
    ArtFacet* mask = nullptr;
    ArtFacet* mesh = nullptr;
    Art::Path* path = nullptr;
    ArtFacet* placed = nullptr;
    ArtFacet* raster = nullptr;
    TextArt* text = nullptr;
    // Where the facets above live once made.
    ArtFacetBlock* facets = nullptr;
};

}  // namespace core
}  // namespace qor

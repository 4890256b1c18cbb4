// The fill paint of a path: a colour and the overprint flag. Its Map says which values are known.
#pragma once

#include "core/qorcoreArtColor.h"

namespace qor {
namespace core {

class FillStyle {
public:
    class Map {
    public:
        explicit Map(bool known = false) : color(known), overprint(known) {}
        Map(const Map& other) = default;
        Map& operator=(const Map& other) = default;
        virtual ~Map() = default;

        bool color;
        bool overprint;
    };

    // No colour, no overprint.
    FillStyle() : overprint(false) {}
    FillStyle(const FillStyle& other) = default;
    FillStyle& operator=(const FillStyle& other) = default;
    virtual ~FillStyle() = default;

    ArtColor color;
    bool overprint;
};

}  // namespace core
}  // namespace qor

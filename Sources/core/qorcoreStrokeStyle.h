// The stroke paint of a path: colour, overprint, width, dash pattern, caps, joins and miter limit. Its
// Map says which values are known.
#pragma once

#include <cstdint>

#include "core/qorcoreArtColor.h"
#include "core/qorcoreDashStyle.h"

namespace qor {
namespace core {

enum StrokeCap : int32_t { ButtCap = 100, RoundCap = 110, ProjectingCap = 120 };
enum StrokeJoin : int32_t { MiterJoin = 100, RoundJoin = 110, BevelJoin = 120 };

class StrokeStyle {
public:
    class Map {
    public:
        explicit Map(bool known = false);
        Map(const Map& other) = default;
        Map& operator=(const Map& other) = default;
        virtual ~Map() = default;

        bool color;
        bool overprint;
        bool width;
        DashStyle::Map dash;
        bool cap;
        bool join;
        bool miterLimit;
    };

    StrokeStyle();
    StrokeStyle(const StrokeStyle& other) = default;
    StrokeStyle& operator=(const StrokeStyle& other) = default;
    virtual ~StrokeStyle() = default;

    ArtColor color;
    bool overprint;
    double width;
    DashStyle dash;
    StrokeCap cap;
    StrokeJoin join;
    double miterLimit;
};

}  // namespace core
}  // namespace qor

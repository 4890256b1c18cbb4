// How a path is painted: whether its fill and stroke are used, both styles, the even-odd flag and the
// resolution. Its Map says which values are known.
#pragma once

#include "core/qorcoreFillStyle.h"
#include "core/qorcoreStrokeStyle.h"

namespace qor {
namespace core {

class PathStyle {
public:
    class Map {
    public:
        explicit Map(bool known = false);
        Map(const Map& other) = default;
        Map& operator=(const Map& other) = default;
        virtual ~Map() = default;

        bool useFill;
        FillStyle::Map fill;
        bool useStroke;
        StrokeStyle::Map stroke;
        bool evenOdd;
        bool resolution;
    };

    PathStyle();
    PathStyle(const PathStyle& other) = default;
    PathStyle& operator=(const PathStyle& other) = default;
    virtual ~PathStyle() = default;

    bool useFill;
    FillStyle fill;
    bool useStroke;
    StrokeStyle stroke;
    bool evenOdd;
    double resolution;
};

}  // namespace core
}  // namespace qor

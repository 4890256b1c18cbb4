// A dash pattern of a stroke: up to six lengths and an offset. Its Map says, field by field, which
// values of a dash style are known.
#pragma once

#include <cstdint>

namespace qor {
namespace core {

class DashStyle {
public:
    static constexpr int kMaxLengths = 6;

    class Map {
    public:
        explicit Map(bool known = false);
        Map(const Map& other) = default;
        Map& operator=(const Map& other) = default;
        virtual ~Map() = default;

        bool lengths[kMaxLengths];
        bool count;
        bool offset;
    };

    DashStyle();
    DashStyle(const DashStyle& other) = default;
    DashStyle& operator=(const DashStyle& other) = default;
    virtual ~DashStyle() = default;

    // Only the first `count` entries are meaningful.
    double lengths[kMaxLengths];
    int16_t count;
    double offset;
};

}  // namespace core
}  // namespace qor

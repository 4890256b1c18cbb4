// The preference of a stroke paint, stored as an object with colour, overprint, width, a nested dash
// "__dash", cap and join names and the miter limit.
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcoreStrokeStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class StrokeStylePref : public StylePref<StrokeStyle, PrefDataType::StrokeStyle> {
public:
    using StylePref::StylePref;
    StrokeStylePref() = default;
    StrokeStylePref(const StrokeStylePref &other) = default;
    PrefData *clone() const override { return new StrokeStylePref(*this); }
    virtual StrokeStylePref &operator=(const StrokeStylePref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual StrokeStyle strokeStyleValue() const;
    virtual bool setStrokeStyle(const StrokeStyle &value);
};

} // namespace core
} // namespace qor

// The preference of which fields of a stroke paint are known, with a nested dash map "__dashKn".
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcoreStrokeStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class StrokeStyleMapPref : public StylePref<StrokeStyle::Map, PrefDataType::StrokeStyleMap> {
public:
    using StylePref::StylePref;
    StrokeStyleMapPref() = default;
    StrokeStyleMapPref(const StrokeStyleMapPref &other) = default;
    PrefData *clone() const override { return new StrokeStyleMapPref(*this); }
    virtual StrokeStyleMapPref &operator=(const StrokeStyleMapPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual StrokeStyle::Map strokeStyleMapValue() const;
    virtual bool setStrokeStyleMap(const StrokeStyle::Map &value);
};

} // namespace core
} // namespace qor

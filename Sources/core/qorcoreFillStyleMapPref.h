// The preference of which fields of a fill paint are known, stored as "__colKn" and "__oprntKn".
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcoreFillStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class FillStyleMapPref : public StylePref<FillStyle::Map, PrefDataType::FillStyleMap> {
public:
    using StylePref::StylePref;
    FillStyleMapPref() = default;
    FillStyleMapPref(const FillStyleMapPref &other) = default;
    PrefData *clone() const override { return new FillStyleMapPref(*this); }
    virtual FillStyleMapPref &operator=(const FillStyleMapPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual FillStyle::Map fillStyleMapValue() const;
    virtual bool setFillStyleMap(const FillStyle::Map &value);
};

} // namespace core
} // namespace qor

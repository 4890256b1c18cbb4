// The preference of a fill paint, stored as an object with the art colour "__col" and "__oprnt".
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcoreFillStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class FillStylePref : public StylePref<FillStyle, PrefDataType::FillStyle> {
public:
    using StylePref::StylePref;
    FillStylePref() = default;
    FillStylePref(const FillStylePref &other) = default;
    PrefData *clone() const override { return new FillStylePref(*this); }
    virtual FillStylePref &operator=(const FillStylePref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual FillStyle fillStyleValue() const;
    virtual bool setFillStyle(const FillStyle &value);
};

} // namespace core
} // namespace qor

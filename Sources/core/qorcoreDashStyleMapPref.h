// The preference of which fields of a dash pattern are known, stored as an object with "__ctKn",
// "__offKn" and six flags in "__lensKn".
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcoreDashStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class DashStyleMapPref : public StylePref<DashStyle::Map, PrefDataType::DashStyleMap> {
public:
    using StylePref::StylePref;
    DashStyleMapPref() = default;
    DashStyleMapPref(const DashStyleMapPref &other) = default;
    PrefData *clone() const override { return new DashStyleMapPref(*this); }
    virtual DashStyleMapPref &operator=(const DashStyleMapPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual DashStyle::Map dashStyleMapValue() const;
    virtual bool setDashStyleMap(const DashStyle::Map &value);
};

} // namespace core
} // namespace qor

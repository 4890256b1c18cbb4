// The preference of a dash pattern, stored as an object with "__ct", "__off" and "__lens".
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcoreDashStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class DashStylePref : public StylePref<DashStyle, PrefDataType::DashStyle> {
public:
    using StylePref::StylePref;
    DashStylePref() = default;
    DashStylePref(const DashStylePref &other) = default;
    PrefData *clone() const override { return new DashStylePref(*this); }
    virtual DashStylePref &operator=(const DashStylePref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual DashStyle dashStyleValue() const;
    virtual bool setDashStyle(const DashStyle &value);
};

} // namespace core
} // namespace qor

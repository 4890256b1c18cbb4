// The preference handle of one JSON boolean.
#pragma once

#include "core/qorcorePrefData.h"

namespace qor {
namespace core {

class BoolPref : public PrefData {
public:
    BoolPref() = default;
    BoolPref(const BoolPref &other) = default;
    PrefData *clone() const override { return new BoolPref(*this); }
    virtual BoolPref &operator=(const BoolPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;
    virtual bool boolValue() const;
    virtual bool setBool(bool value);
};

} // namespace core
} // namespace qor

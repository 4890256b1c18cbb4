// The preference handle of one JSON number, read and written as a 64-bit integer or as a double.
#pragma once

#include "core/qorcorePrefData.h"

namespace qor {
namespace core {

class NumberPref : public PrefData {
public:
    NumberPref() = default;
    NumberPref(const NumberPref &other) = default;
    PrefData *clone() const override { return new NumberPref(*this); }
    virtual NumberPref &operator=(const NumberPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;
    virtual int64_t int64Value() const;
    virtual bool setInt64(int64_t value);
    virtual double doubleValue() const;
    virtual bool setDouble(double value);
};

} // namespace core
} // namespace qor

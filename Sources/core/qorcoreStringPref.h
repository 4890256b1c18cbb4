// The preference handle of one JSON string.
#pragma once

#include "core/qorcorePrefData.h"

namespace qor {
namespace core {

class StringPref : public PrefData {
public:
    StringPref() = default;
    StringPref(const StringPref &other) = default;
    PrefData *clone() const override { return new StringPref(*this); }
    virtual StringPref &operator=(const StringPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;
    virtual std::string stringValue() const;
    virtual bool setString(const std::string &value);
};

} // namespace core
} // namespace qor

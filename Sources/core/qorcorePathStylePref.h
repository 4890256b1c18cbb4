// The preference of how a path is painted, stored as an object with a nested fill "__f", a nested
// stroke "__s" and the flags and resolution beside them.
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcorePathStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class PathStylePref : public StylePref<PathStyle, PrefDataType::PathStyle> {
public:
    using StylePref::StylePref;
    PathStylePref() = default;
    PathStylePref(const PathStylePref &other) = default;
    PrefData *clone() const override { return new PathStylePref(*this); }
    virtual PathStylePref &operator=(const PathStylePref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual PathStyle pathStyleValue() const;
    virtual bool setPathStyle(const PathStyle &value);
};

} // namespace core
} // namespace qor

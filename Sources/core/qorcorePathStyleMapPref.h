// The preference of which fields of a path style are known, with nested fill and stroke maps "__fKn"
// and "__sKn".
// Reading rebuilds the value from the stored object; writing changes that object in place.
#pragma once

#include "core/qorcorePathStyle.h"
#include "core/qorcoreStylePref.h"

namespace qor {
namespace core {

class PathStyleMapPref : public StylePref<PathStyle::Map, PrefDataType::PathStyleMap> {
public:
    using StylePref::StylePref;
    PathStyleMapPref() = default;
    PathStyleMapPref(const PathStyleMapPref &other) = default;
    PrefData *clone() const override { return new PathStyleMapPref(*this); }
    virtual PathStyleMapPref &operator=(const PathStyleMapPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual PathStyle::Map pathStyleMapValue() const;
    virtual bool setPathStyleMap(const PathStyle::Map &value);
};

} // namespace core
} // namespace qor

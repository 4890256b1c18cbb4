// What the eight style preferences share: a style kept as a "__"-key JSON object, built from a value
// under a key, adopted from a stored object, read into a value and written back in place.
#pragma once

#include <string>

#include "core/qorcorePrefData.h"
#include "core/qorcoreStylePrefCodec.h"

namespace qor {
namespace core {

template <class Value, PrefDataType Code>
class StylePref : public PrefData {
public:
    StylePref() = default;
    // Shares the other handle's record.
    StylePref(const PrefData &other) : PrefData(other) {}
    StylePref(const StylePref &other) = default;
    // A new stored object named key holding value; empty when the plug-in's globals are not reachable.
    StylePref(const Value &value, const std::string &key) {
        if (!reachableGlobals()) return;
        plat::PersistentData *made = StylePrefCodec::build(value, key);
        if (made && made->nodeRef())
            adoptValue(made);
        else
            delete made;
    }
    // Takes an owned stored object over, sharing the record of a handle already made for its node.
    explicit StylePref(plat::PersistentData *owned) { adoptShared(owned); }

    PrefDataType dataType() const override { return Code; }

protected:
    Value readValue() const {
        Value value;
        StylePrefCodec::read(prefDataImpl(*this), value);
        return value;
    }
    bool writeValue(const Value &value) { return StylePrefCodec::write(prefDataImpl(*this), value); }
};

} // namespace core
} // namespace qor

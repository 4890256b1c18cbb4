// The stored form of the style values: one JSON object per style whose member keys begin with "__"
// (the maps use the same keys with "Kn" appended); nested styles are nested objects.
#pragma once

#include <memory>
#include <string>

#include "aip/qoraipPersistentDictionary.h"
#include "core/qorcoreDashStyle.h"
#include "core/qorcoreFillStyle.h"
#include "core/qorcorePathStyle.h"
#include "core/qorcoreStrokeStyle.h"

namespace qor {
namespace core {

class StylePrefCodec {
public:
    // A new object named key holding the value's members.
    template <class Value>
    static plat::PersistentData *build(const Value &value, const std::string &key) {
        auto *dict = new aip::PersistentDictionary(nullptr, key);
        writeMembers(*dict, value);
        return dict;
    }
    // Overwrites the fields of out whose members are stored with the right kind; false (out untouched)
    // when stored is no dictionary.
    template <class Value>
    static bool read(plat::PersistentData *stored, Value &out) {
        std::unique_ptr<aip::PersistentDictionary> dict(view(stored));
        if (!dict) return false;
        readMembers(*dict, out);
        return true;
    }
    // Writes every member in place; false when stored is no dictionary or a member did not reach it
    // (one of another kind under the same key stays as it was).
    template <class Value>
    static bool write(plat::PersistentData *stored, const Value &value) {
        std::unique_ptr<aip::PersistentDictionary> dict(view(stored));
        return dict && writeMembers(*dict, value);
    }

    static const char *capName(int32_t cap);
    static const char *joinName(int32_t join);
    static StrokeCap capOf(const std::string &name);
    static StrokeJoin joinOf(const std::string &name);

private:
    // A host-aware view of the node of a stored dictionary, or null.
    static aip::PersistentDictionary *view(plat::PersistentData *stored);

    static void readMembers(aip::PersistentDictionary &dict, DashStyle &out);
    static void readMembers(aip::PersistentDictionary &dict, DashStyle::Map &out);
    static void readMembers(aip::PersistentDictionary &dict, FillStyle &out);
    static void readMembers(aip::PersistentDictionary &dict, FillStyle::Map &out);
    static void readMembers(aip::PersistentDictionary &dict, StrokeStyle &out);
    static void readMembers(aip::PersistentDictionary &dict, StrokeStyle::Map &out);
    static void readMembers(aip::PersistentDictionary &dict, PathStyle &out);
    static void readMembers(aip::PersistentDictionary &dict, PathStyle::Map &out);

    static bool writeMembers(aip::PersistentDictionary &dict, const DashStyle &value);
    static bool writeMembers(aip::PersistentDictionary &dict, const DashStyle::Map &value);
    static bool writeMembers(aip::PersistentDictionary &dict, const FillStyle &value);
    static bool writeMembers(aip::PersistentDictionary &dict, const FillStyle::Map &value);
    static bool writeMembers(aip::PersistentDictionary &dict, const StrokeStyle &value);
    static bool writeMembers(aip::PersistentDictionary &dict, const StrokeStyle::Map &value);
    static bool writeMembers(aip::PersistentDictionary &dict, const PathStyle &value);
    static bool writeMembers(aip::PersistentDictionary &dict, const PathStyle::Map &value);

    static bool reached(aip::PersistentDictionary &dict, const plat::PersistentData *member);
    static bool putBool(aip::PersistentDictionary &dict, const std::string &key, bool value);
    static bool putInteger(aip::PersistentDictionary &dict, const std::string &key, int64_t value);
    static bool putReal(aip::PersistentDictionary &dict, const std::string &key, double value);
    static bool putString(aip::PersistentDictionary &dict, const std::string &key, const std::string &value);
    static bool putColor(aip::PersistentDictionary &dict, const std::string &key, const ArtColor &value);
    // Replaces the array under the key with one element of the given stored kind per value.
    template <class Element, class Value>
    static bool putArray(aip::PersistentDictionary &dict, const std::string &key, const Value *values, int count);
    // Replaces the member by a new nested object built by the preference class Pref.
    template <class Pref, class Value>
    static bool putNested(aip::PersistentDictionary &dict, const std::string &key, const Value &value);

    static void getBool(aip::PersistentDictionary &dict, const std::string &key, bool &out);
    static void getReal(aip::PersistentDictionary &dict, const std::string &key, double &out);
    static void getColor(aip::PersistentDictionary &dict, const std::string &key, ArtColor &out);
    static bool getString(aip::PersistentDictionary &dict, const std::string &key, std::string &out);
    // Reads an object member through a temporary handle of the preference class Pref.
    template <class Pref, class Value>
    static void getNested(aip::PersistentDictionary &dict, const std::string &key, Value &out);
};

} // namespace core
} // namespace qor

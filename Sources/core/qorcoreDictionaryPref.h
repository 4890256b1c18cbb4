// The preference handle of a named group of preference values (a JSON object), with the typed get and
// get-or-create operations by member name.
#pragma once

#include <vector>

#include "core/qorcorePrefData.h"

namespace qor {
namespace core {

class BoolPref;
class NumberPref;
class StringPref;

class DictionaryPref : public PrefData {
public:
    // An empty handle that wrapPrefData fills.
    struct Empty {};
    explicit DictionaryPref(Empty) {}
    // A new dictionary named name holding the values of members (first of equal keys wins; null
    // entries and empty handles left out). Empty when the plug-in's globals are not reachable.
    explicit DictionaryPref(const std::vector<PrefData *> *members = nullptr, const std::string &name = std::string());
    DictionaryPref(const DictionaryPref &other) = default;
    PrefData *clone() const override { return new DictionaryPref(*this); }
    virtual DictionaryPref &operator=(const DictionaryPref &other) {
        PrefData::operator=(other);
        return *this;
    }
    using PrefData::operator=;

    virtual bool addPref(const PrefData &pref);
    virtual bool getPref(const std::string &key, std::unique_ptr<PrefData> &out);
    virtual bool takePref(const std::string &key, std::unique_ptr<PrefData> &out);
    virtual bool getBool(const std::string &key, BoolPref &out);
    virtual bool getOrCreateBool(const std::string &key, bool value, BoolPref &out);
    virtual bool getDictionary(const std::string &key, DictionaryPref &out);
    virtual bool getOrCreateDictionary(const std::string &key, const std::vector<PrefData *> *members, DictionaryPref &out);
    virtual bool getNumber(const std::string &key, NumberPref &out);
    virtual bool getOrCreateNumber(const std::string &key, int64_t value, NumberPref &out);
    virtual bool getOrCreateNumber(const std::string &key, double value, NumberPref &out);
    virtual bool getString(const std::string &key, StringPref &out);
    virtual bool getOrCreateString(const std::string &key, const std::string &value, StringPref &out);

    // The persistent values of the non-null, non-empty handles, in order.
    static plat::PersistentDataVector valuesOf(const std::vector<PrefData *> *members);

private:
    plat::PersistentDictionary *dict() const;
};

} // namespace core
} // namespace qor

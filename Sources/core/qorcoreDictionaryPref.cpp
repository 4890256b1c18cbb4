#include "core/qorcoreDictionaryPref.h"

#include "aip/qoraipPersistentDictionary.h"
#include "core/qorcoreBoolPref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcoreStringPref.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace core {

plat::PersistentDataVector DictionaryPref::valuesOf(const std::vector<PrefData *> *members) {
    plat::PersistentDataVector values;
    if (members)
        for (PrefData *m : *members)
            if (m && prefDataImpl(*m)) values.pushBack(prefDataImpl(*m));
    return values;
}

DictionaryPref::DictionaryPref(const std::vector<PrefData *> *members, const std::string &name) {
    if (!reachableGlobals()) return;
    plat::PersistentDataVector values = valuesOf(members);
    adoptValue(new aip::PersistentDictionary(&values, name));
}

plat::PersistentDictionary *DictionaryPref::dict() const { return dynamic_cast<plat::PersistentDictionary *>(value()); }

bool DictionaryPref::addPref(const PrefData &pref) {
    return dict() && prefDataImpl(pref) && dict()->add(prefDataImpl(pref));
}

bool DictionaryPref::getPref(const std::string &key, std::unique_ptr<PrefData> &out) {
    return dict() && handOut(dict()->member(key), out);
}

bool DictionaryPref::takePref(const std::string &key, std::unique_ptr<PrefData> &out) {
    return dict() && handOut(dict()->take(key), out);
}

bool DictionaryPref::getBool(const std::string &key, BoolPref &out) {
    return dict() && assignWrapped(dict()->getBool(key), PrefDataType::Bool, out);
}
bool DictionaryPref::getOrCreateBool(const std::string &key, bool value, BoolPref &out) {
    return dict() && assignWrapped(dict()->getOrCreateBool(key, value), PrefDataType::Bool, out);
}
bool DictionaryPref::getDictionary(const std::string &key, DictionaryPref &out) {
    return dict() && assignWrapped(dict()->getDictionary(key), PrefDataType::Dictionary, out);
}
bool DictionaryPref::getOrCreateDictionary(const std::string &key, const std::vector<PrefData *> *members,
                                           DictionaryPref &out) {
    if (!dict()) return false;
    plat::PersistentDataVector values = valuesOf(members);
    return assignWrapped(dict()->getOrCreateDictionary(key, &values), PrefDataType::Dictionary, out);
}
bool DictionaryPref::getNumber(const std::string &key, NumberPref &out) {
    return dict() && assignWrapped(dict()->getNumber(key), PrefDataType::Number, out);
}
bool DictionaryPref::getOrCreateNumber(const std::string &key, int64_t value, NumberPref &out) {
    return dict() && assignWrapped(dict()->getOrCreateNumber(key, value), PrefDataType::Number, out);
}
bool DictionaryPref::getOrCreateNumber(const std::string &key, double value, NumberPref &out) {
    return dict() && assignWrapped(dict()->getOrCreateNumber(key, value), PrefDataType::Number, out);
}
bool DictionaryPref::getString(const std::string &key, StringPref &out) {
    return dict() && assignWrapped(dict()->getString(key), PrefDataType::String, out);
}
bool DictionaryPref::getOrCreateString(const std::string &key, const std::string &value, StringPref &out) {
    return dict() && assignWrapped(dict()->getOrCreateString(key, value), PrefDataType::String, out);
}

} // namespace core
} // namespace qor

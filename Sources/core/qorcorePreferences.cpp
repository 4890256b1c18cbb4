#include "core/qorcorePreferences.h"

#include "aip/qoraipPreferences.h"
#include "core/qorcoreBoolPref.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcoreStringPref.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"

namespace qor {
namespace core {

__IntPrefsData::~__IntPrefsData() {
    delete document;
    document = nullptr;
    json::Node::release(node);
    node = nullptr;
}

Preferences::Preferences() : data_(new __IntPrefsData) { data_->refCount = 1; }

Preferences::Preferences(const Preferences &other) {
    if (other.data_) {
        data_ = other.data_;
        ++data_->refCount;
    } else {
        data_ = new __IntPrefsData;
        data_->refCount = 1;
    }
}

void Preferences::dropRecord() {
    CoreGlobals *globals = PrefData::reachableGlobals();
    if (!globals || !data_) return;
    if (--data_->refCount <= 0) {
        __IntPrefsData *registered = nullptr;
        if (data_->node && globals->prefsRegistry.get(data_->node, registered) && registered == data_)
            globals->prefsRegistry.remove(data_->node);
        delete data_;
    }
    data_ = nullptr;
}

Preferences::~Preferences() { dropRecord(); }

Preferences &Preferences::operator=(const Preferences &other) {
    if (&other == this || !PrefData::reachableGlobals() || !data_ || !other.data_) return *this;
    __IntPrefsData *shared = other.data_;
    ++shared->refCount;
    dropRecord();
    data_ = shared;
    return *this;
}

bool Preferences::isEmpty() const { return !document(); }

bool Preferences::load(const std::string &path) { return loadInto(path, *this); }

bool Preferences::loadInto(const std::string &path, Preferences &target) {
    CoreGlobals *globals = PrefData::reachableGlobals();
    if (!globals) return false;
    aip::Preferences *doc = aip::loadPreferencesFile(path);
    if (!target.data_) {
        delete doc;
        return false;
    }
    target.dropRecord();
    target.data_ = new __IntPrefsData;
    target.data_->refCount = 1;
    target.data_->document = doc;
    target.data_->node = doc->node().detach();
    globals->prefsRegistry.insert(target.data_->node, target.data_);
    return true;
}

bool Preferences::save(const std::string &path) { return document() && document()->save(path); }

int64_t Preferences::saveCount() const { return document() ? document()->saveCount() : 0; }

bool Preferences::addPref(const PrefData &pref) {
    return document() && prefDataImpl(pref) && document()->add(prefDataImpl(pref));
}

bool Preferences::getPref(const std::string &key, std::unique_ptr<PrefData> &out) {
    return document() && Access::handOut(document()->member(key), out);
}

bool Preferences::removePref(const PrefData &pref) {
    return document() && prefDataImpl(pref) && document()->remove(prefDataImpl(pref));
}

bool Preferences::getBool(const std::string &key, BoolPref &out) {
    return document() && Access::assignWrapped(document()->getBool(key), PrefDataType::Bool, out);
}
bool Preferences::getOrCreateBool(const std::string &key, bool value, BoolPref &out) {
    return document() && Access::assignWrapped(document()->getOrCreateBool(key, value), PrefDataType::Bool, out);
}
bool Preferences::getDictionary(const std::string &key, DictionaryPref &out) {
    return document() && Access::assignWrapped(document()->getHostDictionary(key), PrefDataType::Dictionary, out);
}
bool Preferences::getOrCreateDictionary(const std::string &key, const std::vector<PrefData *> *members,
                                        DictionaryPref &out) {
    if (!document()) return false;
    plat::PersistentDataVector values = DictionaryPref::valuesOf(members);
    return Access::assignWrapped(document()->getOrCreateHostDictionary(key, &values), PrefDataType::Dictionary, out);
}
bool Preferences::getNumber(const std::string &key, NumberPref &out) {
    return document() && Access::assignWrapped(document()->getNumber(key), PrefDataType::Number, out);
}
bool Preferences::getOrCreateNumber(const std::string &key, int64_t value, NumberPref &out) {
    return document() && Access::assignWrapped(document()->getOrCreateNumber(key, value), PrefDataType::Number, out);
}
bool Preferences::getOrCreateNumber(const std::string &key, double value, NumberPref &out) {
    return document() && Access::assignWrapped(document()->getOrCreateNumber(key, value), PrefDataType::Number, out);
}
bool Preferences::getString(const std::string &key, StringPref &out) {
    return document() && Access::assignWrapped(document()->getString(key), PrefDataType::String, out);
}
bool Preferences::getOrCreateString(const std::string &key, const std::string &value, StringPref &out) {
    return document() && Access::assignWrapped(document()->getOrCreateString(key, value), PrefDataType::String, out);
}

int32_t Preferences::versionNumber() const { return document() ? document()->versionNumber() : 0; }
bool Preferences::setVersionNumber(int32_t number) { return document() && document()->setVersionNumber(number); }
std::string Preferences::versionString() const { return document() ? document()->versionString() : std::string(); }
bool Preferences::setVersionString(const std::string &text) { return document() && document()->setVersionString(text); }

} // namespace core
} // namespace qor

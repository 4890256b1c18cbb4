#include "core/qorcorePreferences.h"

#include "aip/qoraipPreferences.h"
#include "aip/qoraipPersistentDictionary.h"
#include "core/qorcoreCoreGlobals.h"

namespace qor {
namespace core {

__IntPrefsData::~__IntPrefsData() {
    delete document;
    document = nullptr;
    json::Node::release(node);
    node = nullptr;
}

Preferences::Preferences() : data_(new __IntPrefsData) { data_->refCount = 1; }

Preferences::Preferences(const Preferences &other) : PrefGetters(other) {
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
    if (!data_) return;
    if (!globals) {
        // As for preference values: a record that never held a document is still freed by its last handle.
        if (!data_->document && !data_->node && --data_->refCount <= 0) {
            delete data_;
            data_ = nullptr;
        }
        return;
    }
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

Preferences::Iterator Preferences::begin() const {
    // The iterator holds the "Prefs" object only when it reads as a plain dictionary.
    std::unique_ptr<PrefData> wrapped;
    if (document()) {
        plat::PersistentData *members = new aip::PersistentDictionary(document()->node().detach());
        wrapped.reset(wrapPrefData(members));
        delete members;
    }
    auto *dictionary = wrapped && wrapped->dataType() == PrefDataType::Dictionary
                           ? dynamic_cast<DictionaryPref *>(wrapped.get())
                           : nullptr;
    return Iterator(dictionary ? *dictionary : DictionaryPref(DictionaryPref::Empty{}));
}

int32_t Preferences::versionNumber() const { return document() ? document()->versionNumber() : 0; }
bool Preferences::setVersionNumber(int32_t number) { return document() && document()->setVersionNumber(number); }
std::string Preferences::versionString() const { return document() ? document()->versionString() : std::string(); }
bool Preferences::setVersionString(const std::string &text) { return document() && document()->setVersionString(text); }

} // namespace core
} // namespace qor

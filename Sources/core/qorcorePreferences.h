// The client handle of one preference document: load it from a file, read or create typed values by
// key (handles bound to the document's tree), and save the whole document back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/qorcoreDictionaryPref.h"
#include "core/qorcorePrefGetters.h"

namespace qor {
namespace aip {
class Preferences;
}
namespace core {

class __IntPrefsData {
public:
    virtual ~__IntPrefsData();
    int32_t refCount = 0;
    json::Node *node = nullptr;
    aip::Preferences *document = nullptr;
};

class Preferences : public PrefGetters<aip::Preferences, std::string> {
public:
    // Walks the top-level members of the document's "Prefs" object in key order; over nothing for an
    // empty handle.
    using Iterator = DictionaryPref::Iterator;

    Preferences();
    Preferences(const Preferences &other);
    virtual ~Preferences();

    virtual Preferences &operator=(const Preferences &other);
    virtual bool isEmpty() const;
    virtual bool load(const std::string &path);
    virtual bool save(const std::string &path);
    virtual int64_t saveCount() const;
    virtual bool addPref(const PrefData &pref);
    virtual bool getPref(const std::string &key, std::unique_ptr<PrefData> &out);
    virtual bool removePref(const PrefData &pref);
    virtual Iterator begin() const;
    virtual int32_t versionNumber() const;
    virtual bool setVersionNumber(int32_t number);
    virtual std::string versionString() const;
    virtual bool setVersionString(const std::string &text);

    static bool loadInto(const std::string &path, Preferences &target);

protected:
    aip::Preferences *getterStore() const override { return document(); }

private:
    // Shares the handing out of handles with the preference handles.
    struct Access : PrefData {
        using PrefData::handOut;
    };
    aip::Preferences *document() const { return data_ ? data_->document : nullptr; }
    void dropRecord();
    __IntPrefsData *data_;
};

} // namespace core
} // namespace qor

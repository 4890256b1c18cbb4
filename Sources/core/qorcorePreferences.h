// The client handle of one preference document: load it from a file, read or create typed values by
// key (handles bound to the document's tree), and save the whole document back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/qorcorePrefData.h"

namespace qor {
namespace aip {
class Preferences;
}
namespace core {

class BoolPref;
class DictionaryPref;
class NumberPref;
class StringPref;

class __IntPrefsData {
public:
    virtual ~__IntPrefsData();
    int32_t refCount = 0;
    json::Node *node = nullptr;
    aip::Preferences *document = nullptr;
};

class Preferences {
public:
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
    virtual bool getBool(const std::string &key, BoolPref &out);
    virtual bool getOrCreateBool(const std::string &key, bool value, BoolPref &out);
    virtual bool getDictionary(const std::string &key, DictionaryPref &out);
    virtual bool getOrCreateDictionary(const std::string &key, const std::vector<PrefData *> *members, DictionaryPref &out);
    virtual bool getNumber(const std::string &key, NumberPref &out);
    virtual bool getOrCreateNumber(const std::string &key, int64_t value, NumberPref &out);
    virtual bool getOrCreateNumber(const std::string &key, double value, NumberPref &out);
    virtual bool getString(const std::string &key, StringPref &out);
    virtual bool getOrCreateString(const std::string &key, const std::string &value, StringPref &out);
    virtual int32_t versionNumber() const;
    virtual bool setVersionNumber(int32_t number);
    virtual std::string versionString() const;
    virtual bool setVersionString(const std::string &text);

    static bool loadInto(const std::string &path, Preferences &target);

private:
    // Shares typed getters' wrapping with the preference handles.
    struct Access : PrefData {
        using PrefData::assignWrapped;
        using PrefData::handOut;
    };
    aip::Preferences *document() const { return data_ ? data_->document : nullptr; }
    void dropRecord();
    __IntPrefsData *data_;
};

} // namespace core
} // namespace qor

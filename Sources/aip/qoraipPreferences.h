// The preference document the loader makes: host-aware member lookup over "Prefs", and the loader that
// turns a preference file into a document without ever losing the file the user had.
#pragma once

#include "plat/qorplatPreferences.h"

namespace qor {
namespace aip {

class PersistentArray;

class Preferences : public plat::Preferences {
public:
    Preferences(json::Node *prefsAdopted, json::Node *rootAdopted);

    plat::PersistentData *member(const std::string &key) override;
    virtual PersistentArray *getHostArray(const std::string &key);
    virtual PersistentArray *getOrCreateHostArray(const std::string &key, const plat::PersistentDataVector *values);
    virtual plat::PersistentDictionary *getHostDictionary(const std::string &key);
    virtual plat::PersistentDictionary *getOrCreateHostDictionary(const std::string &key,
                                                                  const plat::PersistentDataVector *values);
};

// Never null. A missing file gives a new empty document. A file that cannot be read or parsed (or whose
// root is no object) is first moved aside to path + ".unreadable" (or ".unreadable-2" and so on), so that
// the next save cannot replace it; if it cannot be moved, the document refuses to save over it.
// A leading UTF-8 byte-order mark is skipped.
Preferences *loadPreferencesFile(const std::string &path);

} // namespace aip
} // namespace qor

// A preference document: the "Prefs" object of a root object, with a save counter, a version number
// and string, and the save that writes the whole root to a file.
#pragma once

#include "plat/qorplatPersistentVersionedData.h"

namespace qor {
namespace plat {

class Preferences : public PersistentVersionedData {
public:
    // Adopts both references: the "Prefs" member and the root object that holds it.
    Preferences(json::Node *prefsAdopted, json::Node *rootAdopted);
    ~Preferences() override;

    // Raises "SaveCount" (saturating), then writes the root, indented, to the path. The file is replaced
    // whole or not at all.
    virtual bool save(const std::string &path);
    virtual int64_t saveCount() const;
    virtual bool remove(PersistentData *value);

    json::Node *rootRef() const { return root_; }

    // A path this document must not be saved over: set by the loader when an existing file could be
    // neither read nor set aside, so that the user's file is never replaced by an empty document.
    void protectPath(const std::string &path) { protectedPath_ = path; }

private:
    json::Node *root_;
    std::string protectedPath_;
};

} // namespace plat
} // namespace qor

#include "plat/qorplatPreferences.h"

#include "json/qorjsonWriter.h"
#include "plat/qorplatConstants.h"
#include "plat/qorplatFileSystem.h"

namespace qor {
namespace plat {

Preferences::Preferences(json::Node *prefsAdopted, json::Node *rootAdopted)
    : PersistentVersionedData(prefsAdopted, PersistentDataType::Preferences), root_(rootAdopted) {
    ensureInteger(saveCountKey);
}

Preferences::~Preferences() { json::Node::release(root_); }

int64_t Preferences::saveCount() const {
    json::NodePtr n(nodeRef() ? nodeRef()->member(saveCountKey) : nullptr);
    return n ? n->int64Value() : 0;
}

bool Preferences::save(const std::string &path) {
    json::NodePtr count(nodeRef() ? nodeRef()->member(saveCountKey) : nullptr);
    if (count && count->type() == json::Number) {
        int64_t c = saveCount();
        count->setInt64(c == INT64_MAX ? c : c + 1);
    }
    // The document's own root, not the parent link of "Prefs": the same node may since have been added
    // to another container, which would then be written in its place.
    if (!root_) return false;
    if (!protectedPath_.empty() && path == protectedPath_) return false;
    return writeTextFile(path, json::writeJson(root_, true, 0));
}

bool Preferences::remove(PersistentData *value) {
    return value && nodeRef() && value->nodeRef() && nodeRef()->removeMember(value->nodeRef());
}

} // namespace plat
} // namespace qor

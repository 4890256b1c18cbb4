#include "aip/qoraipPreferences.h"

#include "aip/qoraipPersistentArray.h"
#include "aip/qoraipPersistentDictionary.h"
#include "json/qorjsonReader.h"
#include "plat/qorplatConstants.h"
#include "plat/qorplatFileSystem.h"
#include "utils/qorutilsStrings.h"
#include "win/WinFileSystem.h"

namespace qor {
namespace aip {

Preferences::Preferences(json::Node *prefsAdopted, json::Node *rootAdopted)
    : plat::Preferences(prefsAdopted, rootAdopted) {
    ensureInteger(plat::saveCountKey);
}

plat::PersistentData *Preferences::member(const std::string &key) {
    return nodeRef() ? aip::PersistentDictionary::wrapHostAware(nodeRef()->member(key)) : nullptr;
}

PersistentArray *Preferences::getHostArray(const std::string &key) {
    return keep<PersistentArray>(member(key), plat::PersistentDataType::Array);
}

PersistentArray *Preferences::getOrCreateHostArray(const std::string &key, const plat::PersistentDataVector *values) {
    PersistentArray *found = getHostArray(key);
    return found ? found : stored<PersistentArray>(new PersistentArray(values, key));
}

plat::PersistentDictionary *Preferences::getHostDictionary(const std::string &key) {
    return keep<aip::PersistentDictionary>(member(key), plat::PersistentDataType::Dictionary);
}

plat::PersistentDictionary *Preferences::getOrCreateHostDictionary(const std::string &key,
                                                                   const plat::PersistentDataVector *values) {
    plat::PersistentDictionary *found = getHostDictionary(key);
    return found ? found : stored<aip::PersistentDictionary>(new aip::PersistentDictionary(values, key));
}

namespace qoraipPreferences_detail {
// Moves the file to the first free name path.unreadable, path.unreadable-2, ...
bool setAside(const std::string &path) {
    const std::u16string from = utils::utf8ToUtf16(path);
    for (int i = 1; i <= 100; ++i) {
        std::string to = path + ".unreadable" + (i > 1 ? "-" + std::to_string(i) : std::string());
        if (plat::pathExists(to)) continue;
        return MoveFileExW(from.c_str(), utils::utf8ToUtf16(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    }
    return false;
}
} // namespace qoraipPreferences_detail

Preferences *loadPreferencesFile(const std::string &path) {
    std::string text = plat::readTextFile(path);
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    json::Node *root = json::parseJson(text);
    if (root && root->type() != json::Object) {
        json::Node::release(root);
        root = nullptr;
    }
    bool unusable = !root && plat::pathExists(path);
    if (!root) {
        root = json::Node::create(json::Object, std::string());
        root->addMember(json::NodePtr(json::Node::create(json::Object, plat::prefsKey)).get());
    }
    json::NodePtr prefs(root->member(plat::prefsKey));
    if (!prefs || prefs->type() != json::Object) {
        // An object root without an object "Prefs": a fresh "Prefs", the root's other members kept.
        if (prefs) root->removeMember(prefs.get());
        prefs = json::NodePtr(json::Node::create(json::Object, plat::prefsKey));
        root->addMember(prefs.get());
    }
    auto *document = new Preferences(prefs.detach(), root);
    if (unusable && !qoraipPreferences_detail::setAside(path)) document->protectPath(path);
    return document;
}

} // namespace aip
} // namespace qor

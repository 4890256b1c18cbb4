#include "aip/qoraipPreferences.h"

#include "aip/qoraipPersistentArray.h"
#include "aip/qoraipPersistentDictionary.h"
#include "aip/qoraipPersistentArtboardPoint.h"
#include "aip/qoraipPersistentArtboardRect.h"
#include "aip/qoraipPersistentArtColor.h"
#include "aip/qoraipPersistentColor.h"
#include "aip/qoraipPersistentFont.h"
#include "aip/qoraipPersistentMatrix.h"
#include "aip/qoraipPersistentPoint.h"
#include "aip/qoraipPersistentRect.h"
#include "aip/qoraipPersistentSize.h"
#include "json/qorjsonReader.h"
#include "plat/qorplatConstants.h"
#include "plat/qorplatFileSystem.h"
#include "utils/qorutilsStrings.h"
#include "win/WinBase.h"
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

PersistentArtboardPoint *Preferences::getArtboardPoint(const std::string &key) {
    return keep<PersistentArtboardPoint>(member(key), plat::PersistentDataType::ArtboardPoint);
}

PersistentArtboardPoint *Preferences::getOrCreateArtboardPoint(const std::string &key, const ArtboardPoint &value) {
    return getOrCreateOf<PersistentArtboardPoint>(key, value, plat::PersistentDataType::ArtboardPoint);
}

PersistentArtboardRect *Preferences::getArtboardRect(const std::string &key) {
    return keep<PersistentArtboardRect>(member(key), plat::PersistentDataType::ArtboardRect);
}

PersistentArtboardRect *Preferences::getOrCreateArtboardRect(const std::string &key, const ArtboardRect &value) {
    return getOrCreateOf<PersistentArtboardRect>(key, value, plat::PersistentDataType::ArtboardRect);
}

PersistentArtColor *Preferences::getArtColor(const std::string &key) {
    return keep<PersistentArtColor>(member(key), plat::PersistentDataType::ArtColor);
}

PersistentArtColor *Preferences::getOrCreateArtColor(const std::string &key, const ArtColor &value) {
    return getOrCreateOf<PersistentArtColor>(key, value, plat::PersistentDataType::ArtColor);
}

PersistentColor *Preferences::getColor(const std::string &key) {
    return keep<PersistentColor>(member(key), plat::PersistentDataType::Color);
}

PersistentColor *Preferences::getOrCreateColor(const std::string &key, const Color &value) {
    return getOrCreateOf<PersistentColor>(key, value, plat::PersistentDataType::Color);
}

PersistentFont *Preferences::getFont(const std::string &key) {
    return keep<PersistentFont>(member(key), plat::PersistentDataType::Font);
}

PersistentFont *Preferences::getOrCreateFont(const std::string &key, Font *font, double size) {
    PersistentFont *found = getFont(key);
    return found ? found : stored<PersistentFont>(new PersistentFont(font, size, key));
}

PersistentMatrix *Preferences::getMatrix(const std::string &key) {
    return keep<PersistentMatrix>(member(key), plat::PersistentDataType::Matrix);
}

PersistentMatrix *Preferences::getOrCreateMatrix(const std::string &key, const TransformMatrix &value) {
    return getOrCreateOf<PersistentMatrix>(key, value, plat::PersistentDataType::Matrix);
}

PersistentPoint *Preferences::getPoint(const std::string &key) {
    return keep<PersistentPoint>(member(key), plat::PersistentDataType::Point);
}

PersistentPoint *Preferences::getOrCreatePoint(const std::string &key, const Point &value) {
    return getOrCreateOf<PersistentPoint>(key, value, plat::PersistentDataType::Point);
}

PersistentRect *Preferences::getRect(const std::string &key) {
    return keep<PersistentRect>(member(key), plat::PersistentDataType::Rect);
}

PersistentRect *Preferences::getOrCreateRect(const std::string &key, const Rect &value) {
    return getOrCreateOf<PersistentRect>(key, value, plat::PersistentDataType::Rect);
}

PersistentSize *Preferences::getSize(const std::string &key) {
    return keep<PersistentSize>(member(key), plat::PersistentDataType::Size);
}

PersistentSize *Preferences::getOrCreateSize(const std::string &key, const Size &value) {
    return getOrCreateOf<PersistentSize>(key, value, plat::PersistentDataType::Size);
}

namespace qoraipPreferences_detail {
// Moves the file to the first free name path.unreadable, path.unreadable-2, ...
bool setAside(const std::string &path) {
    const std::u16string from = utils::utf8ToUtf16(path);
    for (int i = 1; i <= 100; ++i) {
        std::string to = path + ".unreadable" + (i > 1 ? "-" + std::to_string(i) : std::string());
        if (plat::pathExists(to)) continue;
        if (!MoveFileExW(from.c_str(), utils::utf8ToUtf16(to).c_str(), MOVEFILE_WRITE_THROUGH)) return false;
        // The user's settings are gone from view: say where they went.
        const std::string note = "Preferences: " + path + " could not be read; it was set aside as " + to +
                                 " and the defaults are used.\n";
        OutputDebugStringW(utils::utf8ToUtf16(note).c_str());
        return true;
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

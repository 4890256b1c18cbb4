// The preference document the loader makes: host-aware member lookup over "Prefs", and the loader that
// turns a preference file into a document without ever losing the file the user had.
#pragma once

#include "aip/qoraipArtColor.h"
#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipArtboardRect.h"
#include "aip/qoraipColor.h"
#include "aip/qoraipPoint.h"
#include "aip/qoraipRect.h"
#include "aip/qoraipSize.h"
#include "aip/qoraipTransformMatrix.h"
#include "plat/qorplatPreferences.h"

namespace qor {
namespace aip {

class PersistentArray;
class PersistentArtboardPoint;
class PersistentArtboardRect;
class PersistentArtColor;
class PersistentColor;
class PersistentFont;
class Font;
class PersistentMatrix;
class PersistentPoint;
class PersistentRect;
class PersistentSize;

class Preferences : public plat::Preferences {
public:
    Preferences(json::Node *prefsAdopted, json::Node *rootAdopted);

    plat::PersistentData *member(const std::string &key) override;
    virtual PersistentArray *getHostArray(const std::string &key);
    virtual PersistentArray *getOrCreateHostArray(const std::string &key, const plat::PersistentDataVector *values);
    virtual plat::PersistentDictionary *getHostDictionary(const std::string &key);
    virtual plat::PersistentDictionary *getOrCreateHostDictionary(const std::string &key,
                                                                  const plat::PersistentDataVector *values);
    virtual PersistentArtboardPoint *getArtboardPoint(const std::string &key);
    virtual PersistentArtboardPoint *getOrCreateArtboardPoint(const std::string &key, const ArtboardPoint &value);
    virtual PersistentArtboardRect *getArtboardRect(const std::string &key);
    virtual PersistentArtboardRect *getOrCreateArtboardRect(const std::string &key, const ArtboardRect &value);
    virtual PersistentArtColor *getArtColor(const std::string &key);
    virtual PersistentArtColor *getOrCreateArtColor(const std::string &key, const ArtColor &value);
    virtual PersistentColor *getColor(const std::string &key);
    virtual PersistentColor *getOrCreateColor(const std::string &key, const Color &value);
    virtual PersistentFont *getFont(const std::string &key);
    // A null font stores the default font.
    virtual PersistentFont *getOrCreateFont(const std::string &key, Font *font, double size);
    virtual PersistentMatrix *getMatrix(const std::string &key);
    virtual PersistentMatrix *getOrCreateMatrix(const std::string &key, const TransformMatrix &value);
    virtual PersistentPoint *getPoint(const std::string &key);
    virtual PersistentPoint *getOrCreatePoint(const std::string &key, const Point &value);
    virtual PersistentRect *getRect(const std::string &key);
    virtual PersistentRect *getOrCreateRect(const std::string &key, const Rect &value);
    virtual PersistentSize *getSize(const std::string &key);
    virtual PersistentSize *getOrCreateSize(const std::string &key, const Size &value);
};

// Never null. A missing file gives a new empty document. A file that cannot be read or parsed (or whose
// root is no object) is first moved aside to path + ".unreadable" (or ".unreadable-2" and so on), so that
// the next save cannot replace it; if it cannot be moved, the document refuses to save over it.
// A leading UTF-8 byte-order mark is skipped.
Preferences *loadPreferencesFile(const std::string &path);

} // namespace aip
} // namespace qor

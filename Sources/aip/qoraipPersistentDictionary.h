// A persistent dictionary whose member lookup recognises the host-value encodings: arrays become
// host-aware arrays and objects are told apart from stored points, rectangles, colours and fonts.
#pragma once

#include "aip/qoraipArtColor.h"
#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipArtboardRect.h"
#include "aip/qoraipColor.h"
#include "aip/qoraipPoint.h"
#include "aip/qoraipRect.h"
#include "aip/qoraipSize.h"
#include "aip/qoraipTransformMatrix.h"
#include "plat/qorplatPersistentDictionary.h"

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

class PersistentDictionary : public plat::PersistentDictionary {
public:
    explicit PersistentDictionary(json::Node *adopted);
    PersistentDictionary(const plat::PersistentDataVector *values, const std::string &key);

    plat::PersistentData *member(const std::string &key) override;
    plat::PersistentDictionary *getDictionary(const std::string &key) override;
    plat::PersistentDictionary *getOrCreateDictionary(const std::string &key,
                                                      const plat::PersistentDataVector *values) override;
    // The same as getDictionary, under the name the document and the array give it.
    plat::PersistentDictionary *getHostDictionary(const std::string &key) { return getDictionary(key); }
    plat::PersistentDictionary *getOrCreateHostDictionary(const std::string &key, const plat::PersistentDataVector *values) {
        return getOrCreateDictionary(key, values);
    }
    virtual PersistentArray *getHostArray(const std::string &key);
    virtual PersistentArray *getOrCreateHostArray(const std::string &key, const plat::PersistentDataVector *values);
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

    // The host-aware wrapping of a node (adopted): Array and Object as above, the rest as plain values.
    static plat::PersistentData *wrapHostAware(json::Node *adopted);
};

} // namespace aip
} // namespace qor

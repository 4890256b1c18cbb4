// A persistent array whose elements are recognised like the members of a host-aware dictionary.
#pragma once

#include "aip/qoraipArtColor.h"
#include "aip/qoraipArtboardPoint.h"
#include "aip/qoraipArtboardRect.h"
#include "aip/qoraipColor.h"
#include "aip/qoraipPoint.h"
#include "aip/qoraipRect.h"
#include "aip/qoraipSize.h"
#include "aip/qoraipTransformMatrix.h"
#include "plat/qorplatPersistentArray.h"

namespace qor {
namespace aip {

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

class PersistentArray : public plat::PersistentArray {
public:
    explicit PersistentArray(json::Node *adopted);
    PersistentArray(const plat::PersistentDataVector *values, const std::string &key);

    plat::PersistentData *elementAt(uint32_t index) override;
    plat::PersistentArray *getArray(uint32_t index) override;
    plat::PersistentArray *getOrCreateArray(uint32_t index, const plat::PersistentDataVector *values) override;
    // The same as getArray, under the name the document and the dictionary give it.
    plat::PersistentArray *getHostArray(uint32_t index) { return getArray(index); }
    plat::PersistentArray *getOrCreateHostArray(uint32_t index, const plat::PersistentDataVector *values) {
        return getOrCreateArray(index, values);
    }
    virtual plat::PersistentDictionary *getHostDictionary(uint32_t index);
    virtual plat::PersistentDictionary *getOrCreateHostDictionary(uint32_t index,
                                                                  const plat::PersistentDataVector *values);
    virtual PersistentArtboardPoint *getArtboardPoint(uint32_t index);
    virtual PersistentArtboardPoint *getOrCreateArtboardPoint(uint32_t index, const ArtboardPoint &value);
    virtual PersistentArtboardRect *getArtboardRect(uint32_t index);
    virtual PersistentArtboardRect *getOrCreateArtboardRect(uint32_t index, const ArtboardRect &value);
    virtual PersistentArtColor *getArtColor(uint32_t index);
    virtual PersistentArtColor *getOrCreateArtColor(uint32_t index, const ArtColor &value);
    virtual PersistentColor *getColor(uint32_t index);
    virtual PersistentColor *getOrCreateColor(uint32_t index, const Color &value);
    virtual PersistentFont *getFont(uint32_t index);
    // A null font stores the default font.
    virtual PersistentFont *getOrCreateFont(uint32_t index, Font *font, double size);
    virtual PersistentMatrix *getMatrix(uint32_t index);
    virtual PersistentMatrix *getOrCreateMatrix(uint32_t index, const TransformMatrix &value);
    virtual PersistentPoint *getPoint(uint32_t index);
    virtual PersistentPoint *getOrCreatePoint(uint32_t index, const Point &value);
    virtual PersistentRect *getRect(uint32_t index);
    virtual PersistentRect *getOrCreateRect(uint32_t index, const Rect &value);
    virtual PersistentSize *getSize(uint32_t index);
    virtual PersistentSize *getOrCreateSize(uint32_t index, const Size &value);
};

} // namespace aip
} // namespace qor

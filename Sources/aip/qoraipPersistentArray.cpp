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

namespace qor {
namespace aip {

PersistentArray::PersistentArray(json::Node *adopted) : plat::PersistentArray(adopted) {}

PersistentArray::PersistentArray(const plat::PersistentDataVector *values, const std::string &key)
    : plat::PersistentArray(values, key) {}

plat::PersistentData *PersistentArray::elementAt(uint32_t index) {
    return nodeRef() ? PersistentDictionary::wrapHostAware(nodeRef()->elementAt(index)) : nullptr;
}

plat::PersistentArray *PersistentArray::getArray(uint32_t index) {
    return keep<PersistentArray>(elementAt(index), plat::PersistentDataType::Array);
}

plat::PersistentArray *PersistentArray::getOrCreateArray(uint32_t index, const plat::PersistentDataVector *values) {
    plat::PersistentArray *found = getArray(index);
    return found ? found : inserted<PersistentArray>(index, new PersistentArray(values, std::string()));
}

plat::PersistentDictionary *PersistentArray::getHostDictionary(uint32_t index) {
    return keep<PersistentDictionary>(elementAt(index), plat::PersistentDataType::Dictionary);
}

plat::PersistentDictionary *PersistentArray::getOrCreateHostDictionary(uint32_t index,
                                                                       const plat::PersistentDataVector *values) {
    plat::PersistentDictionary *found = getHostDictionary(index);
    return found ? found : inserted<PersistentDictionary>(index, new PersistentDictionary(values, std::string()));
}

PersistentArtboardPoint *PersistentArray::getArtboardPoint(uint32_t index) {
    return keep<PersistentArtboardPoint>(elementAt(index), plat::PersistentDataType::ArtboardPoint);
}

PersistentArtboardPoint *PersistentArray::getOrCreateArtboardPoint(uint32_t index, const ArtboardPoint &value) {
    return getOrCreateAt<PersistentArtboardPoint>(index, value, plat::PersistentDataType::ArtboardPoint);
}

PersistentArtboardRect *PersistentArray::getArtboardRect(uint32_t index) {
    return keep<PersistentArtboardRect>(elementAt(index), plat::PersistentDataType::ArtboardRect);
}

PersistentArtboardRect *PersistentArray::getOrCreateArtboardRect(uint32_t index, const ArtboardRect &value) {
    return getOrCreateAt<PersistentArtboardRect>(index, value, plat::PersistentDataType::ArtboardRect);
}

PersistentArtColor *PersistentArray::getArtColor(uint32_t index) {
    return keep<PersistentArtColor>(elementAt(index), plat::PersistentDataType::ArtColor);
}

PersistentArtColor *PersistentArray::getOrCreateArtColor(uint32_t index, const ArtColor &value) {
    return getOrCreateAt<PersistentArtColor>(index, value, plat::PersistentDataType::ArtColor);
}

PersistentColor *PersistentArray::getColor(uint32_t index) {
    return keep<PersistentColor>(elementAt(index), plat::PersistentDataType::Color);
}

PersistentColor *PersistentArray::getOrCreateColor(uint32_t index, const Color &value) {
    return getOrCreateAt<PersistentColor>(index, value, plat::PersistentDataType::Color);
}

PersistentFont *PersistentArray::getFont(uint32_t index) {
    return keep<PersistentFont>(elementAt(index), plat::PersistentDataType::Font);
}

PersistentFont *PersistentArray::getOrCreateFont(uint32_t index, Font *font, double size) {
    PersistentFont *found = getFont(index);
    return found ? found : inserted<PersistentFont>(index, new PersistentFont(font, size, std::string()));
}

PersistentMatrix *PersistentArray::getMatrix(uint32_t index) {
    return keep<PersistentMatrix>(elementAt(index), plat::PersistentDataType::Matrix);
}

PersistentMatrix *PersistentArray::getOrCreateMatrix(uint32_t index, const TransformMatrix &value) {
    return getOrCreateAt<PersistentMatrix>(index, value, plat::PersistentDataType::Matrix);
}

PersistentPoint *PersistentArray::getPoint(uint32_t index) {
    return keep<PersistentPoint>(elementAt(index), plat::PersistentDataType::Point);
}

PersistentPoint *PersistentArray::getOrCreatePoint(uint32_t index, const Point &value) {
    return getOrCreateAt<PersistentPoint>(index, value, plat::PersistentDataType::Point);
}

PersistentRect *PersistentArray::getRect(uint32_t index) {
    return keep<PersistentRect>(elementAt(index), plat::PersistentDataType::Rect);
}

PersistentRect *PersistentArray::getOrCreateRect(uint32_t index, const Rect &value) {
    return getOrCreateAt<PersistentRect>(index, value, plat::PersistentDataType::Rect);
}

PersistentSize *PersistentArray::getSize(uint32_t index) {
    return keep<PersistentSize>(elementAt(index), plat::PersistentDataType::Size);
}

PersistentSize *PersistentArray::getOrCreateSize(uint32_t index, const Size &value) {
    return getOrCreateAt<PersistentSize>(index, value, plat::PersistentDataType::Size);
}

} // namespace aip
} // namespace qor

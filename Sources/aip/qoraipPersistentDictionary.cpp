#include "aip/qoraipPersistentDictionary.h"

#include "aip/qoraipHostValueTests.h"
#include "aip/qoraipPersistentArray.h"
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

PersistentDictionary::PersistentDictionary(json::Node *adopted) : plat::PersistentDictionary(adopted) {}

PersistentDictionary::PersistentDictionary(const plat::PersistentDataVector *values, const std::string &key)
    : plat::PersistentDictionary(json::Node::create(json::Object, key)) {
    addAll(values);
}

plat::PersistentData *PersistentDictionary::wrapHostAware(json::Node *adopted) {
    if (!adopted) return nullptr;
    if (adopted->type() == json::Array) return new PersistentArray(adopted);
    if (adopted->type() == json::Object) {
        // The first encoding whose members are all present decides.
        if (isArtboardPointObject(adopted)) return new PersistentArtboardPoint(adopted);
        if (isArtboardRectObject(adopted)) return new PersistentArtboardRect(adopted);
        if (isArtColorObject(adopted)) return new PersistentArtColor(adopted);
        if (isColorObject(adopted)) return new PersistentColor(adopted);
        if (isFontObject(adopted)) return new PersistentFont(adopted);
        if (isMatrixObject(adopted)) return new PersistentMatrix(adopted);
        if (isPointObject(adopted)) return new PersistentPoint(adopted);
        if (isRectObject(adopted)) return new PersistentRect(adopted);
        if (isSizeObject(adopted)) return new PersistentSize(adopted);
        return new PersistentDictionary(adopted);
    }
    return plat::PersistentData::wrap(adopted);
}

plat::PersistentData *PersistentDictionary::member(const std::string &key) {
    return nodeRef() ? wrapHostAware(nodeRef()->member(key)) : nullptr;
}

plat::PersistentDictionary *PersistentDictionary::getDictionary(const std::string &key) {
    return keep<PersistentDictionary>(member(key), plat::PersistentDataType::Dictionary);
}

plat::PersistentDictionary *PersistentDictionary::getOrCreateDictionary(const std::string &key,
                                                                        const plat::PersistentDataVector *values) {
    plat::PersistentDictionary *found = getDictionary(key);
    return found ? found : stored<PersistentDictionary>(new PersistentDictionary(values, key));
}

PersistentArray *PersistentDictionary::getHostArray(const std::string &key) {
    return keep<PersistentArray>(member(key), plat::PersistentDataType::Array);
}

PersistentArray *PersistentDictionary::getOrCreateHostArray(const std::string &key,
                                                            const plat::PersistentDataVector *values) {
    PersistentArray *found = getHostArray(key);
    return found ? found : stored<PersistentArray>(new PersistentArray(values, key));
}

PersistentArtboardPoint *PersistentDictionary::getArtboardPoint(const std::string &key) {
    return keep<PersistentArtboardPoint>(member(key), plat::PersistentDataType::ArtboardPoint);
}

PersistentArtboardPoint *PersistentDictionary::getOrCreateArtboardPoint(const std::string &key, const ArtboardPoint &value) {
    return getOrCreateOf<PersistentArtboardPoint>(key, value, plat::PersistentDataType::ArtboardPoint);
}

PersistentArtboardRect *PersistentDictionary::getArtboardRect(const std::string &key) {
    return keep<PersistentArtboardRect>(member(key), plat::PersistentDataType::ArtboardRect);
}

PersistentArtboardRect *PersistentDictionary::getOrCreateArtboardRect(const std::string &key, const ArtboardRect &value) {
    return getOrCreateOf<PersistentArtboardRect>(key, value, plat::PersistentDataType::ArtboardRect);
}

PersistentArtColor *PersistentDictionary::getArtColor(const std::string &key) {
    return keep<PersistentArtColor>(member(key), plat::PersistentDataType::ArtColor);
}

PersistentArtColor *PersistentDictionary::getOrCreateArtColor(const std::string &key, const ArtColor &value) {
    return getOrCreateOf<PersistentArtColor>(key, value, plat::PersistentDataType::ArtColor);
}

PersistentColor *PersistentDictionary::getColor(const std::string &key) {
    return keep<PersistentColor>(member(key), plat::PersistentDataType::Color);
}

PersistentColor *PersistentDictionary::getOrCreateColor(const std::string &key, const Color &value) {
    return getOrCreateOf<PersistentColor>(key, value, plat::PersistentDataType::Color);
}

PersistentFont *PersistentDictionary::getFont(const std::string &key) {
    return keep<PersistentFont>(member(key), plat::PersistentDataType::Font);
}

PersistentFont *PersistentDictionary::getOrCreateFont(const std::string &key, Font *font, double size) {
    PersistentFont *found = getFont(key);
    return found ? found : stored<PersistentFont>(new PersistentFont(font, size, key));
}

PersistentMatrix *PersistentDictionary::getMatrix(const std::string &key) {
    return keep<PersistentMatrix>(member(key), plat::PersistentDataType::Matrix);
}

PersistentMatrix *PersistentDictionary::getOrCreateMatrix(const std::string &key, const TransformMatrix &value) {
    return getOrCreateOf<PersistentMatrix>(key, value, plat::PersistentDataType::Matrix);
}

PersistentPoint *PersistentDictionary::getPoint(const std::string &key) {
    return keep<PersistentPoint>(member(key), plat::PersistentDataType::Point);
}

PersistentPoint *PersistentDictionary::getOrCreatePoint(const std::string &key, const Point &value) {
    return getOrCreateOf<PersistentPoint>(key, value, plat::PersistentDataType::Point);
}

PersistentRect *PersistentDictionary::getRect(const std::string &key) {
    return keep<PersistentRect>(member(key), plat::PersistentDataType::Rect);
}

PersistentRect *PersistentDictionary::getOrCreateRect(const std::string &key, const Rect &value) {
    return getOrCreateOf<PersistentRect>(key, value, plat::PersistentDataType::Rect);
}

PersistentSize *PersistentDictionary::getSize(const std::string &key) {
    return keep<PersistentSize>(member(key), plat::PersistentDataType::Size);
}

PersistentSize *PersistentDictionary::getOrCreateSize(const std::string &key, const Size &value) {
    return getOrCreateOf<PersistentSize>(key, value, plat::PersistentDataType::Size);
}

} // namespace aip
} // namespace qor

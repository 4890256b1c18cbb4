#include "aip/qoraipPersistentArtboardRect.h"

#include "aip/qoraipPersistentArtboardPoint.h"
#include "aip/qoraipPersistentDictionary.h"
#include "aip/qoraipPersistentSize.h"

namespace qor {
namespace aip {

PersistentArtboardRect::PersistentArtboardRect(json::Node *adopted)
    : plat::PersistentData(adopted, plat::PersistentDataType::ArtboardRect),
      view_(new PersistentDictionary(json::Node::retain(adopted))),
      origin_(view_->getOrCreateArtboardPoint("__aborigin", ArtboardPoint(0.0, 0.0))),
      size_(view_->getOrCreateSize("__absize", Size(0.0, 0.0))) {}

PersistentArtboardRect::PersistentArtboardRect(const ArtboardRect &value, const std::string &key)
    : PersistentArtboardRect(json::Node::create(json::Object, key)) {
    setValue(value);
}

PersistentArtboardRect::~PersistentArtboardRect() = default;

ArtboardRect PersistentArtboardRect::value() const { return ArtboardRect(origin_->value(), size_->value()); }

bool PersistentArtboardRect::setValue(const ArtboardRect &value) {
    bool origin = origin_->setValue(ArtboardPoint(value.origin.x, value.origin.y));
    return size_->setValue(Size(value.size.width, value.size.height)) && origin;
}

} // namespace aip
} // namespace qor

#include "aip/qoraipPersistentRect.h"

#include "aip/qoraipPersistentPoint.h"
#include "aip/qoraipPersistentDictionary.h"
#include "aip/qoraipPersistentSize.h"

namespace qor {
namespace aip {

PersistentRect::PersistentRect(json::Node *adopted)
    : plat::PersistentData(adopted, plat::PersistentDataType::Rect),
      view_(new PersistentDictionary(json::Node::retain(adopted))),
      origin_(view_->getOrCreatePoint("__origin", Point(0.0, 0.0))),
      size_(view_->getOrCreateSize("__size", Size(0.0, 0.0))) {}

PersistentRect::PersistentRect(const Rect &value, const std::string &key)
    : PersistentRect(json::Node::create(json::Object, key)) {
    setValue(value);
}

PersistentRect::~PersistentRect() = default;

Rect PersistentRect::value() const { return Rect(origin_->value(), size_->value()); }

bool PersistentRect::setValue(const Rect &value) {
    bool origin = origin_->setValue(Point(value.origin.x, value.origin.y));
    return size_->setValue(Size(value.size.width, value.size.height)) && origin;
}

} // namespace aip
} // namespace qor

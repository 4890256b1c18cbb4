#include "aip/qoraipPersistentArtboardPoint.h"

namespace qor {
namespace aip {

PersistentArtboardPoint::PersistentArtboardPoint(json::Node *adopted)
    : PersistentFields(adopted, plat::PersistentDataType::ArtboardPoint, {real("__abx", 0.0), real("__aby", 0.0)}) {}

PersistentArtboardPoint::PersistentArtboardPoint(const ArtboardPoint &value, const std::string &key)
    : PersistentArtboardPoint(json::Node::create(json::Object, key)) {
    setValue(value);
}

ArtboardPoint PersistentArtboardPoint::value() const { return ArtboardPoint(realAt(0), realAt(1)); }

bool PersistentArtboardPoint::setValue(const ArtboardPoint &value) {
    bool first = setRealAt(0, value.x);
    return setRealAt(1, value.y) && first;
}

} // namespace aip
} // namespace qor

#include "core/qorcoreArtboardPointPref.h"

#include "aip/qoraipPersistentArtboardPoint.h"

namespace qor {
namespace core {

ArtboardPoint ArtboardPointPref::artboardPointValue() const
{
  return storedValue<aip::PersistentArtboardPoint>(&wrapArtboardPoint, ArtboardPoint());
}

bool ArtboardPointPref::setArtboardPoint(const ArtboardPoint& value)
{
  return setStoredValue<aip::PersistentArtboardPoint>(*pointImpl(value));
}

} // namespace core
} // namespace qor

#include "core/qorcoreArtColorPref.h"

#include "aip/qoraipPersistentArtColor.h"

namespace qor {
namespace core {

ArtColor ArtColorPref::artColorValue() const
{
  return storedValue<aip::PersistentArtColor>(&wrapArtColor, ArtColor(0.0));
}

bool ArtColorPref::setArtColor(const ArtColor& value)
{
  return setStoredValue<aip::PersistentArtColor>(*implPointer(value));
}

} // namespace core
} // namespace qor

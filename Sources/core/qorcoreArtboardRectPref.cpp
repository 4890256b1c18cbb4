#include "core/qorcoreArtboardRectPref.h"

#include "aip/qoraipPersistentArtboardRect.h"

namespace qor {
namespace core {

ArtboardRect ArtboardRectPref::artboardRectValue() const
{
  return storedValue<aip::PersistentArtboardRect>(&wrapArtboardRect, ArtboardRect());
}

bool ArtboardRectPref::setArtboardRect(const ArtboardRect& value)
{
  return setStoredValue<aip::PersistentArtboardRect>(*rectImpl(value));
}

} // namespace core
} // namespace qor

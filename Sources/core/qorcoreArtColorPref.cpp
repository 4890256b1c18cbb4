#include "core/qorcoreArtColorPref.h"

#include "aip/qoraipPersistentArtColor.h"

namespace qor {
namespace core {

ArtColor ArtColorPref::artColorValue() const
{
  auto* stored = this->stored<aip::PersistentArtColor>();
  return stored ? wrapArtColor(stored->value()) : ArtColor(0.0);
}

bool ArtColorPref::setArtColor(const ArtColor& value)
{
  auto* stored = this->stored<aip::PersistentArtColor>();
  return stored && stored->setValue(*implPointer(value));
}

} // namespace core
} // namespace qor

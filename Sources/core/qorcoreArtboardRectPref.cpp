#include "core/qorcoreArtboardRectPref.h"

#include "aip/qoraipPersistentArtboardRect.h"

namespace qor {
namespace core {

ArtboardRect ArtboardRectPref::artboardRectValue() const
{
  auto* stored = this->stored<aip::PersistentArtboardRect>();
  return stored ? wrapArtboardRect(stored->value()) : ArtboardRect();
}

bool ArtboardRectPref::setArtboardRect(const ArtboardRect& value)
{
  auto* stored = this->stored<aip::PersistentArtboardRect>();
  return stored && stored->setValue(*rectImpl(value));
}

} // namespace core
} // namespace qor

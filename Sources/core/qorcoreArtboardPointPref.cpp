#include "core/qorcoreArtboardPointPref.h"

#include "aip/qoraipPersistentArtboardPoint.h"

namespace qor {
namespace core {

ArtboardPoint ArtboardPointPref::artboardPointValue() const
{
  auto* stored = this->stored<aip::PersistentArtboardPoint>();
  return stored ? wrapArtboardPoint(stored->value()) : ArtboardPoint();
}

bool ArtboardPointPref::setArtboardPoint(const ArtboardPoint& value)
{
  auto* stored = this->stored<aip::PersistentArtboardPoint>();
  return stored && stored->setValue(*pointImpl(value));
}

} // namespace core
} // namespace qor

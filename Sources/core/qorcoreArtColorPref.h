// The preference handle of one stored art colour.
#pragma once

#include "core/qorcoreArtColor.h"
#include "core/qorcorePrefHandle.h"

namespace qor {
namespace core {

class ArtColorPref : public PrefHandle<ArtColorPref>
{
public:
  ArtColorPref() = default;
  ArtColorPref(const ArtColorPref& other) = default;
  ArtColorPref& operator=(const ArtColorPref& other) = default;
  using PrefData::operator=;

  // A gray colour of level 0 (white), not the absence of a colour, when the handle is empty or holds
  // another kind of value.
  virtual ArtColor artColorValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setArtColor(const ArtColor& value);
};

} // namespace core
} // namespace qor

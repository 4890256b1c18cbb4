// The preference handle of one stored artboard rectangle.
#pragma once

#include "core/qorcoreArtboardRect.h"
#include "core/qorcorePrefHandle.h"

namespace qor {
namespace core {

class ArtboardRectPref : public PrefHandle<ArtboardRectPref>
{
public:
  ArtboardRectPref() = default;
  ArtboardRectPref(const ArtboardRectPref& other) = default;
  ArtboardRectPref& operator=(const ArtboardRectPref& other) = default;
  using PrefData::operator=;

  // (0, 0, 0, 0) when the handle is empty or holds another kind of value.
  virtual ArtboardRect artboardRectValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setArtboardRect(const ArtboardRect& value);
};

} // namespace core
} // namespace qor

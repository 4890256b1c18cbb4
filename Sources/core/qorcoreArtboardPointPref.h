// The preference handle of one stored artboard point.
#pragma once

#include "core/qorcoreArtboardPoint.h"
#include "core/qorcorePrefHandle.h"

namespace qor {
namespace core {

class ArtboardPointPref : public PrefHandle<ArtboardPointPref>
{
public:
  ArtboardPointPref() = default;
  ArtboardPointPref(const ArtboardPointPref& other) = default;
  ArtboardPointPref& operator=(const ArtboardPointPref& other) = default;
  using PrefData::operator=;

  // (0, 0) when the handle is empty or holds another kind of value.
  virtual ArtboardPoint artboardPointValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setArtboardPoint(const ArtboardPoint& value);
};

} // namespace core
} // namespace qor

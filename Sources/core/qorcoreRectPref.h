// The preference handle of one stored rectangle.
#pragma once

#include "core/qorcorePrefHandle.h"
#include "core/qorcoreRect.h"

namespace qor {
namespace core {

class RectPref : public PrefHandle<RectPref>
{
public:
  RectPref() = default;
  RectPref(const RectPref& other) = default;
  RectPref& operator=(const RectPref& other) = default;
  using PrefData::operator=;

  // (0, 0, 0, 0) when the handle is empty or holds another kind of value.
  virtual Rect rectValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setRect(const Rect& value);
};

} // namespace core
} // namespace qor

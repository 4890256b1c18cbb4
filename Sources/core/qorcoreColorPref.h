// The preference handle of one stored colour (red, green, blue and opacity).
#pragma once

#include "core/qorcoreColor.h"
#include "core/qorcorePrefHandle.h"

namespace qor {
namespace core {

class ColorPref : public PrefHandle<ColorPref>
{
public:
  ColorPref() = default;
  ColorPref(const ColorPref& other) = default;
  ColorPref& operator=(const ColorPref& other) = default;
  using PrefData::operator=;

  // A default colour when the handle is empty or holds another kind of value.
  virtual Color colorValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setColor(const Color& value);
};

} // namespace core
} // namespace qor

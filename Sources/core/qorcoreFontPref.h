// The preference handle of one stored font and size.
#pragma once

#include <memory>

#include "core/qorcoreFont.h"
#include "core/qorcorePrefHandle.h"

namespace qor {
namespace core {

class FontPref : public PrefHandle<FontPref>
{
public:
  FontPref() = default;
  FontPref(const FontPref& other) = default;
  FontPref& operator=(const FontPref& other) = default;
  using PrefData::operator=;

  // A new client font of the stored font (a stored name that is not installed gives the host's default
  // font); null when the handle is empty, holds another kind of value or the host gave no font.
  virtual std::unique_ptr<Font> fontValue() const;
  // Stores the font's full name; false, and nothing changes, for an empty font, an empty handle or
  // another kind of value.
  virtual bool setFont(const Font& font);
  // The size in points; 0 when the handle is empty or holds another kind of value.
  virtual double fontSize() const;
  virtual bool setFontSize(double size);
};

} // namespace core
} // namespace qor

// A typeface of the host (a family of font styles), known by the host's typeface key: its name, its
// styles and the font of each style. Every handle owns its own record; nothing is shared.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace core {

class Font;

class __IntTypefaceData
{
public:
  __IntTypefaceData() = default;
  virtual ~__IntTypefaceData() = default;

  TypefaceKey key = nullptr;
};

class Typeface
{
public:
  explicit Typeface(TypefaceKey key = nullptr);
  Typeface(const Typeface& other);
  virtual ~Typeface();
  virtual Typeface& operator=(const Typeface& other);
  // No record or a null key.
  virtual bool isEmpty() const;
  virtual TypefaceKey key() const;
  virtual bool operator==(const Typeface& other) const;
  virtual bool operator!=(const Typeface& other) const;
  // -1 for an empty typeface or a host error.
  virtual int32_t styleCount() const;
  // A new handle of the style's font, the caller's; empty when the host has no font for the style.
  virtual std::unique_ptr<Font> font(int32_t style) const;
  virtual std::string name() const;

private:
  __IntTypefaceData* data = nullptr;
};

} // namespace core
} // namespace qor

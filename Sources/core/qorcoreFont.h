// The client handle of one host font: its names, properties and typeface, and a Windows font made
// from it for the framework's own drawing. Handles of one font key share one counted font object.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipFont.h"
#include "win/Windows.h"

namespace qor {
namespace core {

class Typeface;

class Font
{
public:
  // The font's properties as the host describes them; every field 0 or false when unknown.
  class Info
  {
  public:
    Info() = default;
    Info(const Info&) = default;
    Info& operator=(const Info&) = default;
    virtual ~Info() = default;

    int32_t kind1 = 0;
    int32_t kind2 = 0;
    int32_t kind3 = 0;
    bool flag4 = false;
    bool flag5 = false;
    bool flag7 = false;
    bool flag8 = false;
    int32_t kind9 = 0;
    bool flag10 = false;
    bool flag11 = false;
    bool flag12 = false;
    bool flag13 = false;
    bool flag14 = false;
  };

  Font() = default;
  // Takes the registered object of the given object's key, with a count of its own; impl is not null.
  explicit Font(aip::Font* impl);
  Font(const Font& other);
  virtual ~Font();
  virtual Font& operator=(const Font& other);
  virtual bool operator==(const Font& other) const;
  virtual bool operator!=(const Font& other) const;
  virtual FontKey key() const;
  virtual Info info() const;
  virtual bool typeface(Typeface& typeface, int32_t& style) const;
  virtual bool position28() const;
  virtual std::string fullName() const;
  virtual std::string faceName() const;
  virtual std::string position50() const;
  // A font of this face with the size as its character height, owned by the caller (DeleteObject);
  // null without the scheduler's window or the plug-in's globals, or when no font can be made.
  virtual HFONT createPlatformFont(double size) const;

  bool isEmpty() const { return !impl_; }
  aip::Font* impl() const { return impl_; }

private:
  aip::Font* impl_ = nullptr;
};

// A handle sharing the object registered for the font's key.
Font wrapFont(aip::Font* impl);
// The object behind the handle, no count added; null for an empty handle.
aip::Font* implPointer(const Font& font);

} // namespace core
} // namespace qor

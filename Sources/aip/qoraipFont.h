// One host font, known by the host's font key: a counted holder kept once per key in the plug-in's
// font map, and the "AI Font Suite" calls that name and describe the font and its typeface.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Font
{
public:
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // The registered object of the key with one more count, else a new registered one with count 1;
  // null for a null key or without the plug-in's globals.
  static Font* getOrCreate(FontKey key);
  // The font of a text-engine font reference (which stays the caller's); null for a null reference or
  // when the host knows no font for it.
  static Font* fromATEFont(AteFontRef ateFont);
  // The host's fallback font, with one count for the caller; null when the host names none.
  static Font* defaultFont();
  // Releases what the holder points to, when anything, and nulls it.
  static void resetRef(Font*& holder);

  FontKey key() const { return key_; }
  int32_t count() const { return count_; }
  void retain() { ++count_; }
  // One count less; at 0 the object leaves the font map and is freed.
  void release();

  // A new counted text-engine reference of the font, the caller's to release; null when the host has
  // none.
  AteFontRef toATEFont() const;
  // Fills the caller's zero-filled property record and returns its address.
  FontInfoRecord* info(FontInfoRecord* record) const;
  std::string fullName() const;
  // "" when the host reports an error.
  std::string faceName() const;
  std::string position50() const;
  // False on a host error; the value is otherwise compared with 0.
  bool position28() const;
  // The font's typeface and its style there; false on a host error or a null typeface.
  bool typeface(TypefaceKey& typeface, int16_t& style) const;

  // Typeface queries: styleCount is -1 on a host error; styleFont null on an error; typefaceName ""
  // on an error.
  static int32_t styleCount(TypefaceKey typeface);
  static FontKey styleFont(TypefaceKey typeface, int32_t style);
  static std::string typefaceName(TypefaceKey typeface);
  // Acquires "AI Font Suite" when not yet held; whether it is held afterwards.
  static bool acquireFontSuite();

private:
  // Count 0; registers itself under the key while the plug-in's globals exist.
  explicit Font(FontKey key);
  ~Font() = default;

  using NameFunction = HostErr (*)(FontKey, char16_t*, int32_t);
  // Position 48, 49 or 50 into a zeroed buffer of 4096 units, the host told 4095; when checked, a
  // host error gives "".
  std::string name(NameFunction FontSuite::*position, bool checked) const;

  int32_t count_ = 0;
  FontKey key_ = nullptr;
};

} // namespace aip
} // namespace qor

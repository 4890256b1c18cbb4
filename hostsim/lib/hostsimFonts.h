// The host's installed fonts, grouped into typefaces (families) with their styles; the font-list and
// name positions of the "AI Font Suite".
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class Fonts : public Area
{
public:
  explicit Fonts(HostApp& app);

  struct Font
  {
    FontKey key = nullptr;
    TypefaceKey typeface = nullptr;
    std::string family;
    std::string style;    // "Regular", "Bold", "Italic", "Bold Italic" ...
    std::string fullName; // the family, plus the style unless it is "Regular"
    std::string postScriptName;
  };

  // Installs a font (creating its typeface when new) and returns its key.
  FontKey add(const std::string& family, const std::string& style);
  const std::vector<Font>& fonts() const { return fonts_; }
  const Font* find(FontKey key) const;
  // The fonts of a typeface in style order; empty for an unknown typeface.
  std::vector<const Font*> styles(TypefaceKey typeface) const;
  const std::string* typefaceName(TypefaceKey typeface) const;
  FontKey defaultFont() const { return defaultFont_; }

private:
  struct Typeface
  {
    TypefaceKey key = nullptr;
    std::string family;
  };

  HostApp& app_;
  std::vector<Font> fonts_;
  std::vector<Typeface> typefaces_;
  FontKey defaultFont_ = nullptr;
};

} // namespace hostsim

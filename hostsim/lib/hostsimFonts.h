// The host's installed fonts: this machine's font faces (listed on first use) as the Windows layer lists them, grouped into
// typefaces (families) with their styles, plus the Windows faces the framework names when the machine
// lacks them; and the "AI Font Suite" over them.
#pragma once

#include "hostapi/HostRecords.h"
#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <map>
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
    std::string fullName; // the face's own full name
    std::string postScriptName;
    int16_t styleIndex = 0; // what the suite reports as the font's style in its typeface
    FontInfoRecord info{};  // what position 13 writes
    int32_t query28 = 0;    // what position 28 writes
    bool installed = true;  // false for a Windows face the machine lacks
  };

  // Installs a font (creating its typeface when new) and returns its key; the full name defaults to
  // the family, plus the style unless it is "Regular".
  FontKey add(const std::string& family, const std::string& style, const std::string& fullName = "");
  const std::vector<Font>& fonts() const
  {
    load();
    return fonts_;
  }
  const Font* find(FontKey key) const;
  // Test hook: the font's record, to script what the suite reports; null for an unknown key.
  Font* edit(FontKey key);
  const Font* findByFullName(const std::string& fullName) const;
  // The fonts of a typeface in style order; empty for an unknown typeface.
  std::vector<const Font*> styles(TypefaceKey typeface) const;
  const std::string* typefaceName(TypefaceKey typeface) const;
  FontKey defaultFont() const
  {
    load();
    return defaultFont_;
  }

  // Text-engine font references: one per font, counted; the suite hands out a new count each time.
  AteFontRef retainAteFont(FontKey key);
  FontKey fontOfAteFont(AteFontRef ateFont) const;
  // One count less; false for an unknown or uncounted reference.
  bool releaseAteFont(AteFontRef ateFont);
  // Counts not yet given back, over every reference.
  int outstandingAteFonts() const;

  int reportOrder() const override { return 560; }
  void report(std::ostream& out) const override;

private:
  struct Typeface
  {
    TypefaceKey key = nullptr;
    std::string family;
  };
  struct AteFont
  {
    FontKey font = nullptr;
    int count = 0;
  };

  // The machine's fonts are listed on first use, not when the application starts: listing them opens
  // every font file, and a run that never asks for a font should not pay for the fonts a machine has.
  void load() const;

  bool loaded_ = false;

  HostApp& app_;
  std::vector<Font> fonts_;
  std::vector<Typeface> typefaces_;
  std::map<AteFontRef, AteFont> ateFonts_;
  FontKey defaultFont_ = nullptr;
};

} // namespace hostsim

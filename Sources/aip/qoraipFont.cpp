#include "aip/qoraipFont.h"

#include <vector>

#include "aip/qoraipHostRefs.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

Font::Font(FontKey key) : key_(key) { registerWrapper(&PluginGlobals::fontWrappers, key_, this); }

bool Font::acquireFontSuite() { return acquireSuite(fontSuite, kFontSuiteName, kFontSuiteVersion); }

Font* Font::getOrCreate(FontKey key)
{
  PluginGlobals* globals = wrapperGlobals();
  if (!key || !globals)
    return nullptr;
  acquireFontSuite();
  Font* found = nullptr;
  if (globals->fontWrappers.get(key, found) && found) {
    found->retain();
    return found;
  }
  Font* created = new Font(key);
  created->retain();
  return created;
}

Font* Font::fromATEFont(AteFontRef ateFont)
{
  if (!ateFont || !acquireFontSuite())
    return nullptr;
  FontKey key = nullptr;
  fontSuite->fontFromAteFont(ateFont, &key);
  return getOrCreate(key);
}

Font* Font::defaultFont()
{
  if (!acquireFontSuite())
    return nullptr;
  FontKey key = nullptr;
  fontSuite->getDefaultFont(-2, &key);
  return getOrCreate(key);
}

void Font::resetRef(Font*& holder) { releaseHeld(holder); }

void Font::release()
{
  if (--count_ > 0)
    return;
  unregisterWrapper(&PluginGlobals::fontWrappers, key_, this);
  delete this;
}

AteFontRef Font::toATEFont() const
{
  AteFontRef ateFont = nullptr;
  if (fontSuite)
    fontSuite->fontToAteFont(key_, &ateFont);
  return ateFont;
}

FontInfoRecord* Font::info(FontInfoRecord* record) const
{
  if (fontSuite && record)
    fontSuite->getFontInfo(key_, record);
  return record;
}

std::string Font::name(NameFunction FontSuite::*position, bool checked) const
{
  if (!fontSuite)
    return std::string();
  std::vector<char16_t> buffer(4096, u'\0');
  HostErr error = (fontSuite->*position)(key_, buffer.data(), 4095);
  if (checked && error != 0)
    return std::string();
  buffer.back() = u'\0';
  return hostStringToUtf8(ai::HostUnicodeString(buffer.data()));
}

std::string Font::fullName() const { return name(&FontSuite::getFontFullName, false); }
std::string Font::faceName() const { return name(&FontSuite::getFontFaceName, true); }
std::string Font::position50() const { return name(&FontSuite::getFontName50, true); }

bool Font::position28() const
{
  int32_t value = 0;
  return fontSuite && fontSuite->fontQuery28(key_, &value) == 0 && value != 0;
}

bool Font::typeface(TypefaceKey& typeface, int16_t& style) const
{
  TypefaceKey foundTypeface = nullptr;
  int16_t foundStyle = 0;
  if (!fontSuite || fontSuite->getFontTypeface(key_, &foundTypeface, &foundStyle) != 0 || !foundTypeface)
    return false;
  typeface = foundTypeface;
  style = foundStyle;
  return true;
}

int32_t Font::styleCount(TypefaceKey typeface)
{
  int32_t count = 0;
  if (!typeface || !fontSuite || fontSuite->countTypefaceStyles(typeface, &count) != 0)
    return -1;
  return count;
}

FontKey Font::styleFont(TypefaceKey typeface, int32_t style)
{
  FontKey key = nullptr;
  if (!typeface || !fontSuite || fontSuite->getTypefaceStyleFont(typeface, style, &key) != 0)
    return nullptr;
  return key;
}

std::string Font::typefaceName(TypefaceKey typeface)
{
  if (!typeface || !fontSuite)
    return std::string();
  ai::HostUnicodeString name;
  if (fontSuite->getTypefaceName(typeface, name.resetAndGetAddress()) != 0)
    return std::string();
  return hostStringToUtf8(name);
}

} // namespace aip
} // namespace qor

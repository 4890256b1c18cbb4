#include "hostsimFonts.h"

#include "hostapi/FontSuite.h"
#include "hostsimEncoding.h"
#include "hostsimUnicodeStrings.h"

#include <algorithm>

namespace hostsim {

Fonts::Fonts(HostApp& app) : app_(app)
{
  defaultFont_ = add("Tahoma", "Regular");
  add("Tahoma", "Bold");
  add("Verdana", "Regular");
  add("Verdana", "Bold");
  add("Verdana", "Italic");
  add("Verdana", "Bold Italic");
  add("Arial", "Regular");
  add("Arial", "Bold");
  add("DejaVu Sans", "Regular");
  add("DejaVu Sans", "Bold");
}

FontKey Fonts::add(const std::string& family, const std::string& style)
{
  auto typeface = std::find_if(typefaces_.begin(), typefaces_.end(),
                               [&](const Typeface& t) { return t.family == family; });
  if (typeface == typefaces_.end())
    typeface = typefaces_.insert(typefaces_.end(), {app_.mintHandle<TypefaceKey>(), family});
  Font font;
  font.key = app_.mintHandle<FontKey>();
  font.typeface = typeface->key;
  font.family = family;
  font.style = style;
  font.fullName = style == "Regular" ? family : family + " " + style;
  font.postScriptName = family + (style == "Regular" ? "" : "-" + style);
  font.postScriptName.erase(std::remove(font.postScriptName.begin(), font.postScriptName.end(), ' '),
                            font.postScriptName.end());
  fonts_.push_back(font);
  return font.key;
}

const Fonts::Font* Fonts::find(FontKey key) const
{
  for (const Font& font : fonts_)
    if (key && font.key == key)
      return &font;
  return nullptr;
}

std::vector<const Fonts::Font*> Fonts::styles(TypefaceKey typeface) const
{
  std::vector<const Font*> result;
  for (const Font& font : fonts_)
    if (typeface && font.typeface == typeface)
      result.push_back(&font);
  return result;
}

const std::string* Fonts::typefaceName(TypefaceKey typeface) const
{
  for (const Typeface& t : typefaces_)
    if (typeface && t.key == typeface)
      return &t.family;
  return nullptr;
}

namespace hostsimFonts_detail {

Fonts& fonts()
{
  return HostApp::instance().area<Fonts>();
}

HostErr countFonts(int32_t* outCount)
{
  if (!outCount)
    return kHostErrBadParameter;
  *outCount = int32_t(fonts().fonts().size());
  return kHostNoErr;
}

HostErr getNthFont(int32_t index, FontKey* outFont)
{
  if (!outFont)
    return kHostErrBadParameter;
  if (index < 0 || size_t(index) >= fonts().fonts().size())
    return kHostErrNotFound;
  *outFont = fonts().fonts()[size_t(index)].key;
  return kHostNoErr;
}

HostErr countTypefaceStyles(TypefaceKey typeface, int32_t* outCount)
{
  if (!outCount || !fonts().typefaceName(typeface))
    return kHostErrBadParameter;
  *outCount = int32_t(fonts().styles(typeface).size());
  return kHostNoErr;
}

HostErr getTypefaceStyleFont(TypefaceKey typeface, int32_t style, FontKey* outFont)
{
  if (!outFont || !fonts().typefaceName(typeface))
    return kHostErrBadParameter;
  auto styles = fonts().styles(typeface);
  if (style < 0 || size_t(style) >= styles.size())
    return kHostErrNotFound;
  *outFont = styles[size_t(style)]->key;
  return kHostNoErr;
}

HostErr getFontTypeface(FontKey font, TypefaceKey* outTypeface, int16_t* outStyle)
{
  const Fonts::Font* found = fonts().find(font);
  if (!found || !outTypeface || !outStyle)
    return kHostErrBadParameter;
  auto styles = fonts().styles(found->typeface);
  *outTypeface = found->typeface;
  *outStyle = int16_t(std::find(styles.begin(), styles.end(), found) - styles.begin());
  return kHostNoErr;
}

HostErr getDefaultFont(int32_t, FontKey* outFont)
{
  if (!outFont)
    return kHostErrBadParameter;
  *outFont = fonts().defaultFont();
  return kHostNoErr;
}

// Writes at most maxUnits units and a terminator.
HostErr copyName(const std::string& name, char16_t* buffer, int32_t maxUnits)
{
  if (!buffer || maxUnits < 0)
    return kHostErrBadParameter;
  std::u16string units = utf8ToUtf16(name);
  size_t count = std::min(units.size(), size_t(maxUnits));
  std::copy(units.begin(), units.begin() + std::ptrdiff_t(count), buffer);
  buffer[count] = 0;
  return kHostNoErr;
}

HostErr getFontFullName(FontKey font, char16_t* buffer, int32_t maxUnits)
{
  const Fonts::Font* found = fonts().find(font);
  return found ? copyName(found->fullName, buffer, maxUnits) : kHostErrBadParameter;
}

HostErr getFontFaceName(FontKey font, char16_t* buffer, int32_t maxUnits)
{
  const Fonts::Font* found = fonts().find(font);
  return found ? copyName(found->family, buffer, maxUnits) : kHostErrBadParameter;
}

HostErr getFontName50(FontKey font, char16_t* buffer, int32_t maxUnits)
{
  const Fonts::Font* found = fonts().find(font);
  return found ? copyName(found->postScriptName, buffer, maxUnits) : kHostErrBadParameter;
}

HostErr getTypefaceName(TypefaceKey typeface, HostString* outName)
{
  const std::string* name = fonts().typefaceName(typeface);
  if (!name)
    return kHostErrBadParameter;
  return HostApp::instance().area<UnicodeStrings>().writeUtf8(outName, *name);
}

void install(HostApp& app)
{
  app.area<Fonts>();
  auto& suite = app.publishSuite<FontSuite>(kFontSuiteName, kFontSuiteVersion);
  suite.countFonts = &countFonts;
  suite.getNthFont = &getNthFont;
  suite.countTypefaceStyles = &countTypefaceStyles;
  suite.getTypefaceStyleFont = &getTypefaceStyleFont;
  suite.getFontTypeface = &getFontTypeface;
  suite.getDefaultFont = &getDefaultFont;
  suite.getFontFullName = &getFontFullName;
  suite.getFontFaceName = &getFontFaceName;
  suite.getFontName50 = &getFontName50;
  suite.getTypefaceName = &getTypefaceName;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimFonts_detail

} // namespace hostsim

#include "hostsimFonts.h"

#include "hostapi/FontSuite.h"
#include "hostsimEncoding.h"
#include "hostsimUnicodeStrings.h"
#include "win/Windows.h"

#include <algorithm>
#include <ostream>

namespace hostsim {

namespace hostsimFonts_detail {

std::string utf8Of(const WCHAR* text, size_t size)
{
  return utf16ToUtf8(std::u16string(text, std::find(text, text + size, 0)));
}

struct Face
{
  std::string family, style, fullName;
};

// Every face of the machine, family by family, through the Windows layer's font enumeration.
std::vector<Face> machineFaces()
{
  std::vector<Face> faces;
  HDC dc = GetDC(nullptr);
  if (!dc)
    return faces;
  std::vector<std::u16string> families;
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(
      dc, &all,
      [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) -> int {
        auto& list = *reinterpret_cast<std::vector<std::u16string>*>(param);
        std::u16string name(font->lfFaceName, std::find(font->lfFaceName, font->lfFaceName + LF_FACESIZE, 0));
        if (std::find(list.begin(), list.end(), name) == list.end())
          list.push_back(name);
        return 1;
      },
      reinterpret_cast<LPARAM>(&families), 0);
  for (const std::u16string& family : families) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::copy(family.begin(), family.begin() + std::ptrdiff_t(std::min<size_t>(family.size(), LF_FACESIZE - 1)),
              wanted.lfFaceName);
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) -> int {
          auto& list = *reinterpret_cast<std::vector<Face>*>(param);
          // The enumeration passes the extended record where it declares the logical font.
          const auto* full = reinterpret_cast<const ENUMLOGFONTEXW*>(font);
          Face face{utf8Of(font->lfFaceName, LF_FACESIZE), utf8Of(full->elfStyle, LF_FACESIZE),
                    utf8Of(full->elfFullName, LF_FULLFACESIZE)};
          if (face.fullName.empty())
            return 1;
          // One entry per character set: keep each face once.
          for (const Face& seen : list)
            if (seen.fullName == face.fullName)
              return 1;
          list.push_back(face);
          return 1;
        },
        reinterpret_cast<LPARAM>(&faces), 0);
  }
  ReleaseDC(nullptr, dc);
  return faces;
}

bool contains(const std::string& text, const char* word) { return text.find(word) != std::string::npos; }

} // namespace hostsimFonts_detail

Fonts::Fonts(HostApp& app) : app_(app) {}

void Fonts::load() const
{
  if (loaded_)
    return;
  // Areas are never const objects; the list is only completed here.
  auto& self = const_cast<Fonts&>(*this);
  self.loaded_ = true;
  for (const auto& face : hostsimFonts_detail::machineFaces())
    self.add(face.family, face.style, face.fullName);
  // The Windows faces the framework names (annotation styles, the fallback font); the Windows layer
  // draws them with its substitute face.
  const char* windowsFaces[][2] = {{"Tahoma", "Regular"},  {"Tahoma", "Bold"},
                                   {"Verdana", "Regular"}, {"Verdana", "Bold"},
                                   {"Verdana", "Italic"},  {"Verdana", "Bold Italic"}};
  for (auto& face : windowsFaces) {
    std::string fullName = std::string(face[1]) == "Regular" ? face[0] : std::string(face[0]) + " " + face[1];
    if (!findByFullName(fullName))
      self.edit(self.add(face[0], face[1], fullName))->installed = false;
  }
  self.defaultFont_ = findByFullName("Tahoma")->key;
}

FontKey Fonts::add(const std::string& family, const std::string& style, const std::string& fullName)
{
  load();
  using hostsimFonts_detail::contains;
  auto typeface = std::find_if(typefaces_.begin(), typefaces_.end(),
                               [&](const Typeface& t) { return t.family == family; });
  if (typeface == typefaces_.end())
    typeface = typefaces_.insert(typefaces_.end(), {app_.mintHandle<TypefaceKey>(), family});
  Font font;
  font.key = app_.mintHandle<FontKey>();
  font.typeface = typeface->key;
  font.family = family;
  font.style = style;
  font.fullName = !fullName.empty() ? fullName : style == "Regular" ? family : family + " " + style;
  font.postScriptName = family + (style == "Regular" ? "" : "-" + style);
  font.postScriptName.erase(std::remove(font.postScriptName.begin(), font.postScriptName.end(), ' '),
                            font.postScriptName.end());
  font.styleIndex = int16_t(styles(font.typeface).size());
  // The host's own words: 1 outline format (0), 3 script (0, Roman), 4 bold, 5 italic.
  font.info.words[4] = contains(style, "Bold") ? 1 : 0;
  font.info.words[5] = contains(style, "Italic") || contains(style, "Oblique") ? 1 : 0;
  fonts_.push_back(font);
  return font.key;
}

const Fonts::Font* Fonts::find(FontKey key) const
{
  load();
  for (const Font& font : fonts_)
    if (key && font.key == key)
      return &font;
  return nullptr;
}

Fonts::Font* Fonts::edit(FontKey key) { return const_cast<Font*>(find(key)); }

const Fonts::Font* Fonts::findByFullName(const std::string& fullName) const
{
  load();
  for (const Font& font : fonts_)
    if (font.fullName == fullName)
      return &font;
  return nullptr;
}

std::vector<const Fonts::Font*> Fonts::styles(TypefaceKey typeface) const
{
  load();
  std::vector<const Font*> result;
  for (const Font& font : fonts_)
    if (typeface && font.typeface == typeface)
      result.push_back(&font);
  return result;
}

const std::string* Fonts::typefaceName(TypefaceKey typeface) const
{
  load();
  for (const Typeface& t : typefaces_)
    if (typeface && t.key == typeface)
      return &t.family;
  return nullptr;
}

AteFontRef Fonts::retainAteFont(FontKey key)
{
  if (!find(key))
    return nullptr;
  for (auto& entry : ateFonts_)
    if (entry.second.font == key) {
      ++entry.second.count;
      return entry.first;
    }
  AteFontRef ref = app_.mintHandle<AteFontRef>();
  ateFonts_[ref] = {key, 1};
  return ref;
}

FontKey Fonts::fontOfAteFont(AteFontRef ateFont) const
{
  auto found = ateFonts_.find(ateFont);
  return found == ateFonts_.end() ? nullptr : found->second.font;
}

bool Fonts::releaseAteFont(AteFontRef ateFont)
{
  auto found = ateFonts_.find(ateFont);
  if (found == ateFonts_.end() || found->second.count <= 0)
    return false;
  --found->second.count;
  return true;
}

int Fonts::outstandingAteFonts() const
{
  int total = 0;
  for (const auto& entry : ateFonts_)
    total += entry.second.count;
  return total;
}

void Fonts::report(std::ostream& out) const
{
  if (int outstanding = outstandingAteFonts())
    out << "text-engine font references not released: " << outstanding << "\n";
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
  *outTypeface = found->typeface;
  *outStyle = found->styleIndex;
  return kHostNoErr;
}

HostErr getDefaultFont(int32_t, FontKey* outFont)
{
  if (!outFont)
    return kHostErrBadParameter;
  *outFont = fonts().defaultFont();
  return kHostNoErr;
}

HostErr getFontInfo(FontKey font, FontInfoRecord* outInfo)
{
  const Fonts::Font* found = fonts().find(font);
  if (!found || !outInfo)
    return kHostErrBadParameter;
  *outInfo = found->info;
  return kHostNoErr;
}

HostErr fontQuery28(FontKey font, int32_t* outValue)
{
  const Fonts::Font* found = fonts().find(font);
  if (!found || !outValue)
    return kHostErrBadParameter;
  *outValue = found->query28;
  return kHostNoErr;
}

HostErr fontToAteFont(FontKey font, AteFontRef* outAteFont)
{
  if (!outAteFont)
    return kHostErrBadParameter;
  AteFontRef ref = fonts().retainAteFont(font);
  if (!ref)
    return kHostErrBadParameter;
  *outAteFont = ref;
  return kHostNoErr;
}

HostErr fontFromAteFont(AteFontRef ateFont, FontKey* outFont)
{
  FontKey key = fonts().fontOfAteFont(ateFont);
  if (!outFont || !key)
    return kHostErrBadParameter;
  *outFont = key;
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
  suite.getFontInfo = &getFontInfo;
  suite.getDefaultFont = &getDefaultFont;
  suite.fontToAteFont = &fontToAteFont;
  suite.fontFromAteFont = &fontFromAteFont;
  suite.fontQuery28 = &fontQuery28;
  suite.getFontFullName = &getFontFullName;
  suite.getFontFaceName = &getFontFaceName;
  suite.getFontName50 = &getFontName50;
  suite.getTypefaceName = &getTypefaceName;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimFonts_detail

} // namespace hostsim

// GDI objects, device contexts and fonts. The font catalogue is this machine's sfnt fonts as
// fontconfig lists them; each face is named from its own "name" table (family id 1, style id 2,
// full name id 4) the way the system names it, and GetFontData reads the face's tables with FreeType.
#include "qorwinState.h"
#include "win/WinBase.h"
#include "win/WinGdi.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_SFNT_NAMES_H

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace qorwin_detail {

struct FontFace
{
  std::string file;
  int index = 0;
  std::u16string family, style, fullName;
  LONG weight = FW_NORMAL;
  bool italic = false;
  bool fixedPitch = false;
  std::vector<BYTE> charsets;
  LONG ascent = 13, descent = 3, averageWidth = 7, maxWidth = 16;
};

struct GdiObject
{
  enum Kind
  {
    Font,
    Dc
  } kind = Font;
  LOGFONTW font{};
  bool stock = false;
  HWND window = nullptr;
  HGDIOBJ selectedFont = nullptr;
  int face = -1; // resolved face of a font, -1 until first needed
};

struct Gdi
{
  std::mutex lock;
  std::map<uintptr_t, GdiObject> objects;
  uintptr_t nextHandle = 0x400000;
  std::map<int, uintptr_t> stock;
  bool catalogued = false;
  std::vector<FontFace> faces;
  FT_Library freetype = nullptr;
};

Gdi& gdi()
{
  static Gdi* theGdi = new Gdi;
  return *theGdi;
}

struct CharsetProbe
{
  BYTE charset;
  char32_t probe;
  const char16_t* script;
};

const CharsetProbe charsetProbes[] = {
    {ANSI_CHARSET, 0x00E9, u"Western"},
    {EASTEUROPE_CHARSET, 0x0141, u"Central European"},
    {RUSSIAN_CHARSET, 0x0416, u"Cyrillic"},
    {GREEK_CHARSET, 0x03A9, u"Greek"},
    {TURKISH_CHARSET, 0x011E, u"Turkish"},
    {HEBREW_CHARSET, 0x05D0, u"Hebrew"},
    {ARABIC_CHARSET, 0x0627, u"Arabic"},
    {BALTIC_CHARSET, 0x0156, u"Baltic"},
    {THAI_CHARSET, 0x0E01, u"Thai"},
    {SHIFTJIS_CHARSET, 0x3042, u"Japanese"},
    {HANGUL_CHARSET, 0xAC00, u"Hangul"},
    {GB2312_CHARSET, 0x4E2D, u"CHINESE_GB2312"},
    {CHINESEBIG5_CHARSET, 0x8AAA, u"CHINESE_BIG5"},
};

const char16_t* scriptName(BYTE charset)
{
  if (charset == SYMBOL_CHARSET)
    return u"Symbol";
  for (auto& p : charsetProbes)
    if (p.charset == charset)
      return p.script;
  return u"";
}

std::u16string sfntText(const FT_SfntName& name)
{
  std::u16string out;
  if (name.platform_id == 0 || name.platform_id == 3) {
    for (FT_UInt i = 0; i + 1 < name.string_len; i += 2)
      out.push_back(static_cast<char16_t>((name.string[i] << 8) | name.string[i + 1]));
  } else if (name.platform_id == 1 && name.encoding_id == 0 && name.string_len > 0) {
    std::u16string buffer(name.string_len, u'\0');
    int n = MultiByteToWideChar(10000, 0, reinterpret_cast<const char*>(name.string),
                                static_cast<int>(name.string_len), buffer.data(),
                                static_cast<int>(buffer.size()));
    out.assign(buffer.data(), static_cast<size_t>(std::max(n, 0)));
  }
  return out;
}

// The face's name of this id as the system reads it: Windows English first, then any Windows
// record, then Unicode, then Macintosh.
std::u16string sfntName(FT_Face face, FT_UShort id)
{
  int bestRank = 0;
  std::u16string best;
  FT_UInt count = FT_Get_Sfnt_Name_Count(face);
  for (FT_UInt i = 0; i < count; ++i) {
    FT_SfntName name;
    if (FT_Get_Sfnt_Name(face, i, &name) || name.name_id != id)
      continue;
    int rank = 0;
    if (name.platform_id == 3 && (name.encoding_id == 1 || name.encoding_id == 0))
      rank = name.language_id == 0x409 ? 4 : 3;
    else if (name.platform_id == 0)
      rank = 2;
    else if (name.platform_id == 1 && name.encoding_id == 0)
      rank = 1;
    if (rank > bestRank) {
      std::u16string text = sfntText(name);
      if (!text.empty()) {
        bestRank = rank;
        best = text;
      }
    }
  }
  return best;
}

bool lessFolded(const std::u16string& a, const std::u16string& b)
{
  return foldCase(a) < foldCase(b);
}

void catalogueLocked(Gdi& g)
{
  if (g.catalogued)
    return;
  g.catalogued = true;
  if (!g.freetype && FT_Init_FreeType(&g.freetype))
    return;
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (!config)
    return;
  FcPattern* all = FcPatternCreate();
  FcObjectSet* fields = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
  FcFontSet* set = FcFontList(config, all, fields);
  std::vector<std::pair<std::string, int>> files;
  for (int i = 0; set && i < set->nfont; ++i) {
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch)
      continue;
    FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
    files.emplace_back(reinterpret_cast<const char*>(file), index);
  }
  if (set)
    FcFontSetDestroy(set);
  FcObjectSetDestroy(fields);
  FcPatternDestroy(all);
  FcConfigDestroy(config);
  std::sort(files.begin(), files.end());
  for (auto& entry : files) {
    FT_Face face = nullptr;
    if (entry.second > 0xFFFF || FT_New_Face(g.freetype, entry.first.c_str(), entry.second, &face))
      continue;
    if (!FT_IS_SFNT(face)) {
      FT_Done_Face(face);
      continue;
    }
    FontFace f;
    f.file = entry.first;
    f.index = entry.second;
    f.family = sfntName(face, 1);
    f.style = sfntName(face, 2);
    f.fullName = sfntName(face, 4);
    if (f.family.empty()) {
      FT_Done_Face(face);
      continue;
    }
    f.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    f.fixedPitch = FT_IS_FIXED_WIDTH(face);
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)))
      f.weight = os2->usWeightClass ? os2->usWeightClass : FW_NORMAL;
    else
      f.weight = (face->style_flags & FT_STYLE_FLAG_BOLD) ? FW_BOLD : FW_NORMAL;
    // Metrics at a 16-pixel em, as the enumeration reports them.
    if (face->units_per_EM) {
      f.ascent = face->ascender * 16 / face->units_per_EM;
      f.descent = -face->descender * 16 / face->units_per_EM;
      f.maxWidth = face->max_advance_width * 16 / face->units_per_EM;
      f.averageWidth = std::max<LONG>(1, f.maxWidth / 2);
    }
    bool symbol = false;
    for (int i = 0; i < face->num_charmaps; ++i)
      if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL)
        symbol = true;
    if (symbol) {
      f.charsets.push_back(SYMBOL_CHARSET);
    } else if (!FT_Select_Charmap(face, FT_ENCODING_UNICODE)) {
      for (auto& p : charsetProbes)
        if (FT_Get_Char_Index(face, p.probe))
          f.charsets.push_back(p.charset);
    }
    FT_Done_Face(face);
    if (f.charsets.empty())
      f.charsets.push_back(ANSI_CHARSET);
    g.faces.push_back(std::move(f));
  }
  std::stable_sort(g.faces.begin(), g.faces.end(),
                   [](const FontFace& a, const FontFace& b) { return lessFolded(a.family, b.family); });
}

int faceScore(const FontFace& f, LONG weight, bool italic)
{
  if (weight == 0)
    weight = FW_NORMAL;
  return static_cast<int>(std::abs(f.weight - weight)) + (f.italic != italic ? 1000 : 0);
}

// The face a logical font selects: its family's closest face, else DejaVu Sans, else any face.
int resolveFaceLocked(Gdi& g, const LOGFONTW& font)
{
  catalogueLocked(g);
  std::u16string wanted =
      foldCase(std::u16string(font.lfFaceName, std::find(font.lfFaceName, font.lfFaceName + LF_FACESIZE, 0)));
  for (const std::u16string& family : {wanted, std::u16string(u"dejavu sans")}) {
    int best = -1;
    for (size_t i = 0; i < g.faces.size(); ++i) {
      if (foldCase(g.faces[i].family) != family)
        continue;
      if (best < 0 || faceScore(g.faces[i], font.lfWeight, font.lfItalic) <
                          faceScore(g.faces[static_cast<size_t>(best)], font.lfWeight, font.lfItalic))
        best = static_cast<int>(i);
    }
    if (best >= 0)
      return best;
  }
  return g.faces.empty() ? -1 : 0;
}

GdiObject* findGdiLocked(Gdi& g, HGDIOBJ object, GdiObject::Kind kind)
{
  auto it = g.objects.find(reinterpret_cast<uintptr_t>(object));
  return it == g.objects.end() || it->second.kind != kind ? nullptr : &it->second;
}

HGDIOBJ addGdiLocked(Gdi& g, GdiObject object)
{
  uintptr_t handle = g.nextHandle;
  g.nextHandle += 4;
  g.objects.emplace(handle, std::move(object));
  return reinterpret_cast<HGDIOBJ>(handle);
}

void setFaceName(LOGFONTW& font, const std::u16string& name)
{
  size_t n = std::min<size_t>(name.size(), LF_FACESIZE - 1);
  std::copy(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(n), font.lfFaceName);
  std::fill(font.lfFaceName + n, font.lfFaceName + LF_FACESIZE, 0);
}

HGDIOBJ stockLocked(Gdi& g, int index)
{
  auto it = g.stock.find(index);
  if (it != g.stock.end())
    return reinterpret_cast<HGDIOBJ>(it->second);
  GdiObject object;
  object.stock = true;
  switch (index) {
  case SYSTEM_FONT:
    object.font.lfHeight = 16;
    object.font.lfWeight = FW_BOLD;
    setFaceName(object.font, u"System");
    break;
  case DEFAULT_GUI_FONT:
    object.font.lfHeight = -11;
    object.font.lfWeight = FW_NORMAL;
    setFaceName(object.font, u"MS Shell Dlg");
    break;
  case ANSI_VAR_FONT:
    object.font.lfHeight = 13;
    object.font.lfWeight = FW_NORMAL;
    setFaceName(object.font, u"MS Sans Serif");
    break;
  default:
    return nullptr;
  }
  HGDIOBJ handle = addGdiLocked(g, object);
  g.stock[index] = reinterpret_cast<uintptr_t>(handle);
  return handle;
}

HDC newDc(HWND window)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject dc;
  dc.kind = GdiObject::Dc;
  dc.window = window;
  dc.selectedFont = stockLocked(g, SYSTEM_FONT);
  return static_cast<HDC>(addGdiLocked(g, dc));
}

// The face selected into a DC, resolved on first use; -1 when the machine has no fonts.
int dcFaceLocked(Gdi& g, HDC dc)
{
  GdiObject* d = findGdiLocked(g, dc, GdiObject::Dc);
  if (!d)
    return -1;
  GdiObject* font = findGdiLocked(g, d->selectedFont, GdiObject::Font);
  if (!font)
    return -1;
  if (font->face < 0)
    font->face = resolveFaceLocked(g, font->font);
  return font->face;
}

} // namespace qorwin_detail

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint)
{
  using namespace qorwin_detail;
  if (!paint || !IsWindow(window))
    return nullptr;
  *paint = PAINTSTRUCT{};
  GetClientRect(window, &paint->rcPaint);
  paint->hdc = newDc(window);
  return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint)
{
  if (!paint)
    return FALSE;
  return DeleteDC(paint->hdc);
}

HDC GetDC(HWND window)
{
  using namespace qorwin_detail;
  if (window && !IsWindow(window))
    return nullptr;
  return newDc(window);
}

int ReleaseDC(HWND, HDC dc)
{
  return DeleteDC(dc);
}

HDC CreateCompatibleDC(HDC)
{
  return qorwin_detail::newDc(nullptr);
}

BOOL DeleteDC(HDC dc)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  if (!findGdiLocked(g, dc, GdiObject::Dc))
    return FALSE;
  g.objects.erase(reinterpret_cast<uintptr_t>(dc));
  return TRUE;
}

HWND WindowFromDC(HDC dc)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = findGdiLocked(g, dc, GdiObject::Dc);
  return d ? d->window : nullptr;
}

HGDIOBJ GetStockObject(int index)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  return stockLocked(g, index);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = findGdiLocked(g, dc, GdiObject::Dc);
  if (!d || !findGdiLocked(g, object, GdiObject::Font)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  HGDIOBJ previous = d->selectedFont;
  d->selectedFont = object;
  return previous;
}

BOOL DeleteObject(HGDIOBJ object)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* o = findGdiLocked(g, object, GdiObject::Font);
  if (!o)
    return FALSE;
  if (o->stock)
    return TRUE;
  for (auto& entry : g.objects)
    if (entry.second.kind == GdiObject::Dc && entry.second.selectedFont == object)
      return FALSE;
  g.objects.erase(reinterpret_cast<uintptr_t>(object));
  return TRUE;
}

int GetObjectW(HGDIOBJ object, int size, LPVOID out)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* o = findGdiLocked(g, object, GdiObject::Font);
  if (!o)
    return 0;
  if (!out)
    return sizeof(LOGFONTW);
  int n = std::min<int>(size, sizeof(LOGFONTW));
  if (n <= 0)
    return 0;
  std::memcpy(out, &o->font, static_cast<size_t>(n));
  return n;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = findGdiLocked(g, dc, GdiObject::Dc);
  return d && type == OBJ_FONT ? d->selectedFont : nullptr;
}

HFONT CreateFontIndirectW(const LOGFONTW* font)
{
  using namespace qorwin_detail;
  if (!font) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject object;
  object.font = *font;
  object.font.lfFaceName[LF_FACESIZE - 1] = 0;
  return static_cast<HFONT>(addGdiLocked(g, object));
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName)
{
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWidth = width;
  font.lfEscapement = escapement;
  font.lfOrientation = orientation;
  font.lfWeight = weight;
  font.lfItalic = static_cast<BYTE>(italic);
  font.lfUnderline = static_cast<BYTE>(underline);
  font.lfStrikeOut = static_cast<BYTE>(strikeOut);
  font.lfCharSet = static_cast<BYTE>(charSet);
  font.lfOutPrecision = static_cast<BYTE>(outPrecision);
  font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  font.lfQuality = static_cast<BYTE>(quality);
  font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (faceName)
    qorwin_detail::setFaceName(font, faceName);
  return CreateFontIndirectW(&font);
}

int EnumFontFamiliesExW(HDC dc, LPLOGFONTW font, FONTENUMPROCW proc, LPARAM param, DWORD)
{
  using namespace qorwin_detail;
  if (!font || !proc)
    return 0;
  struct Entry
  {
    ENUMLOGFONTEXW logFont;
    TEXTMETRICW metrics;
  };
  std::vector<Entry> entries;
  {
    auto& g = gdi();
    std::lock_guard<std::mutex> guard(g.lock);
    if (!findGdiLocked(g, dc, GdiObject::Dc))
      return 0;
    catalogueLocked(g);
    std::u16string wanted = foldCase(
        std::u16string(font->lfFaceName, std::find(font->lfFaceName, font->lfFaceName + LF_FACESIZE, 0)));
    std::vector<const FontFace*> chosen;
    if (wanted.empty()) {
      // Every family once, by its regular face.
      for (size_t i = 0; i < g.faces.size();) {
        size_t j = i;
        const FontFace* best = &g.faces[i];
        while (j < g.faces.size() && foldCase(g.faces[j].family) == foldCase(g.faces[i].family)) {
          if (faceScore(g.faces[j], FW_NORMAL, false) < faceScore(*best, FW_NORMAL, false))
            best = &g.faces[j];
          ++j;
        }
        chosen.push_back(best);
        i = j;
      }
    } else {
      // Every face of the family named.
      for (auto& f : g.faces)
        if (foldCase(f.family) == wanted)
          chosen.push_back(&f);
    }
    for (const FontFace* f : chosen) {
      for (BYTE charset : f->charsets) {
        if (font->lfCharSet != DEFAULT_CHARSET && font->lfCharSet != charset)
          continue;
        Entry e{};
        LOGFONTW& lf = e.logFont.elfLogFont;
        lf.lfHeight = f->ascent + f->descent;
        lf.lfWidth = f->averageWidth;
        lf.lfWeight = f->weight;
        lf.lfItalic = f->italic ? 1 : 0;
        lf.lfCharSet = charset;
        lf.lfOutPrecision = OUT_STROKE_PRECIS;
        lf.lfClipPrecision = CLIP_STROKE_PRECIS;
        lf.lfQuality = DRAFT_QUALITY;
        lf.lfPitchAndFamily =
            static_cast<BYTE>((f->fixedPitch ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_SWISS));
        setFaceName(lf, f->family);
        auto copy = [](WCHAR* out, size_t size, const std::u16string& text) {
          size_t n = std::min(text.size(), size - 1);
          std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), out);
          out[n] = 0;
        };
        copy(e.logFont.elfFullName, LF_FULLFACESIZE, f->fullName);
        copy(e.logFont.elfStyle, LF_FACESIZE, f->style);
        copy(e.logFont.elfScript, LF_FACESIZE, scriptName(charset));
        TEXTMETRICW& tm = e.metrics;
        tm.tmHeight = f->ascent + f->descent;
        tm.tmAscent = f->ascent;
        tm.tmDescent = f->descent;
        tm.tmAveCharWidth = f->averageWidth;
        tm.tmMaxCharWidth = f->maxWidth;
        tm.tmWeight = f->weight;
        tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
        tm.tmFirstChar = 0x20;
        tm.tmLastChar = 0xFFFC;
        tm.tmDefaultChar = 0x1F;
        tm.tmBreakChar = 0x20;
        tm.tmItalic = lf.lfItalic;
        tm.tmPitchAndFamily = static_cast<BYTE>((f->fixedPitch ? 0 : 1) | 0x04 /* TMPF_TRUETYPE */ | 0x02);
        tm.tmCharSet = charset;
        entries.push_back(e);
      }
    }
  }
  int last = 1;
  for (auto& e : entries) {
    last = proc(&e.logFont.elfLogFont, &e.metrics, TRUETYPE_FONTTYPE, param);
    if (!last)
      break;
  }
  return last;
}

DWORD GetFontData(HDC dc, DWORD table, DWORD offset, LPVOID buffer, DWORD size)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  int faceIndex = dcFaceLocked(g, dc);
  if (faceIndex < 0 || !g.freetype)
    return GDI_ERROR;
  const FontFace& f = g.faces[static_cast<size_t>(faceIndex)];
  std::vector<unsigned char> data;
  if (table == 0) {
    std::ifstream in(f.file, std::ios::binary);
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (data.empty())
      return GDI_ERROR;
  } else {
    FT_Face face = nullptr;
    if (FT_New_Face(g.freetype, f.file.c_str(), f.index, &face))
      return GDI_ERROR;
    // The caller's tag has its first character in the lowest byte; FreeType's in the highest.
    FT_ULong tag = ((table & 0xFF) << 24) | ((table & 0xFF00) << 8) | ((table >> 8) & 0xFF00) | (table >> 24);
    FT_ULong length = 0;
    bool found = !FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length);
    if (found) {
      data.resize(length);
      found = length == 0 || !FT_Load_Sfnt_Table(face, tag, 0, data.data(), &length);
    }
    FT_Done_Face(face);
    if (!found)
      return GDI_ERROR;
  }
  if (offset > data.size())
    return GDI_ERROR;
  DWORD available = static_cast<DWORD>(data.size() - offset);
  if (!buffer || size == 0)
    return available;
  DWORD n = std::min(size, available);
  std::memcpy(buffer, data.data() + offset, n);
  return n;
}

int GetTextFaceW(HDC dc, int size, LPWSTR out)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  int faceIndex = dcFaceLocked(g, dc);
  if (faceIndex < 0)
    return 0;
  const std::u16string& name = g.faces[static_cast<size_t>(faceIndex)].family;
  if (!out)
    return static_cast<int>(name.size()) + 1;
  if (size <= 0)
    return 0;
  int n = std::min(static_cast<int>(name.size()), size - 1);
  std::copy(name.begin(), name.begin() + n, out);
  out[n] = 0;
  return n + 1;
}

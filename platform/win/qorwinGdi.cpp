// GDI objects, device contexts and fonts. The font catalogue is this machine's sfnt fonts as
// fontconfig lists them; each face is named from its own "name" table (family id 1, style id 2,
// full name id 4) the way the system names it, and GetFontData reads the face's tables with FreeType.
#include "qorwinState.h"
#include "win/WinBase.h"
#include "win/WinGdi.h"
#include "win/WinTest.h"

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
    Dc,
    Brush,
    Pen
  } kind = Font;
  LOGFONTW font{};
  bool stock = false;
  HWND window = nullptr;
  HGDIOBJ selectedFont = nullptr;
  int face = -1; // resolved face of a font, -1 until first needed
  // A brush or pen: its colour; a null one draws nothing.
  COLORREF color = 0;
  bool null = false;
  // A DC's drawing state.
  HGDIOBJ selectedBrush = nullptr;
  HGDIOBJ selectedPen = nullptr;
  COLORREF textColor = 0;
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  POINT position{0, 0};
  RECT clip{};
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
  std::map<HWND, std::vector<qorwin::DrawRecord>> records;
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
  case WHITE_BRUSH:
  case LTGRAY_BRUSH:
  case GRAY_BRUSH:
  case DKGRAY_BRUSH:
  case BLACK_BRUSH:
  case NULL_BRUSH: {
    static const COLORREF greys[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                                     RGB(64, 64, 64), RGB(0, 0, 0), 0};
    object.kind = GdiObject::Brush;
    object.color = greys[index];
    object.null = index == NULL_BRUSH;
    break;
  }
  case WHITE_PEN:
  case BLACK_PEN:
  case NULL_PEN:
    object.kind = GdiObject::Pen;
    object.color = index == WHITE_PEN ? RGB(255, 255, 255) : 0;
    object.null = index == NULL_PEN;
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
  RECT client{};
  if (window)
    GetClientRect(window, &client);
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject dc;
  dc.kind = GdiObject::Dc;
  dc.window = window;
  dc.selectedFont = stockLocked(g, SYSTEM_FONT);
  dc.selectedBrush = stockLocked(g, WHITE_BRUSH);
  dc.selectedPen = stockLocked(g, BLACK_PEN);
  dc.clip = client;
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
  bool erase = false;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    if (Window* w = findLocked(window)) {
      erase = w->erase;
      w->invalid = w->erase = false;
    }
  }
  // The background is erased before painting when the invalidation asked for it.
  if (erase)
    paint->fErase = SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) ? FALSE : TRUE;
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
  auto it = g.objects.find(reinterpret_cast<uintptr_t>(object));
  if (!d || it == g.objects.end() || it->second.kind == GdiObject::Dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  HGDIOBJ* slot = it->second.kind == GdiObject::Font    ? &d->selectedFont
                  : it->second.kind == GdiObject::Brush ? &d->selectedBrush
                                                        : &d->selectedPen;
  HGDIOBJ previous = *slot;
  *slot = object;
  return previous;
}

BOOL DeleteObject(HGDIOBJ object)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  auto it = g.objects.find(reinterpret_cast<uintptr_t>(object));
  if (it == g.objects.end() || it->second.kind == GdiObject::Dc)
    return FALSE;
  if (it->second.stock)
    return TRUE;
  for (auto& entry : g.objects)
    if (entry.second.kind == GdiObject::Dc &&
        (entry.second.selectedFont == object || entry.second.selectedBrush == object ||
         entry.second.selectedPen == object))
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
  if (!d)
    return nullptr;
  return type == OBJ_FONT ? d->selectedFont : type == OBJ_BRUSH ? d->selectedBrush : type == OBJ_PEN ? d->selectedPen : nullptr;
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

// Drawing: records instead of pixels, and the deterministic text metric.

namespace qorwin_detail {

struct TextMetric
{
  LONG em;
  LONG advance;
  LONG line;
};

TextMetric metricOf(const LOGFONTW& font)
{
  LONG em = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  if (em == 0)
    em = 12;
  return TextMetric{em, (em + 1) / 2, (em * 6 + 2) / 5};
}

// The DC and, for drawing, the font it has selected; lock held.
GdiObject* dcLocked(Gdi& g, HDC dc)
{
  return findGdiLocked(g, dc, GdiObject::Dc);
}

TextMetric dcMetricLocked(Gdi& g, GdiObject* d)
{
  GdiObject* font = findGdiLocked(g, d->selectedFont, GdiObject::Font);
  return metricOf(font ? font->font : LOGFONTW{});
}

COLORREF objectColorLocked(Gdi& g, HGDIOBJ object, bool* null)
{
  auto it = g.objects.find(reinterpret_cast<uintptr_t>(object));
  if (it == g.objects.end() || (it->second.kind != GdiObject::Brush && it->second.kind != GdiObject::Pen)) {
    if (null)
      *null = true;
    return 0;
  }
  if (null)
    *null = it->second.null;
  return it->second.color;
}

void recordLocked(Gdi& g, GdiObject* d, qorwin::DrawRecord record)
{
  g.records[d->window].push_back(std::move(record));
}

HGDIOBJ addColorObject(GdiObject::Kind kind, COLORREF color, bool null)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject object;
  object.kind = kind;
  object.color = color & 0x00FFFFFF;
  object.null = null;
  return addGdiLocked(g, object);
}

// The text as shown: without DT_NOPREFIX, "&x" shows x and "&&" one ampersand.
std::u16string shownText(LPCWSTR text, int length, UINT format)
{
  std::u16string raw;
  if (text)
    raw = length < 0 ? std::u16string(text) : std::u16string(text, static_cast<size_t>(length));
  if (format & DT_NOPREFIX)
    return raw;
  std::u16string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == u'&') {
      if (i + 1 < raw.size())
        out += raw[++i];
      continue;
    }
    out += raw[i];
  }
  return out;
}

// The lines of a text for a format and a rectangle width in pixels.
std::vector<std::u16string> textLines(const std::u16string& text, UINT format, LONG width, const TextMetric& m)
{
  std::vector<std::u16string> lines;
  if (text.empty())
    return lines;
  if (format & DT_SINGLELINE) {
    std::u16string line;
    for (char16_t c : text)
      if (c != u'\r' && c != u'\n')
        line += c;
    lines.push_back(line);
    return lines;
  }
  std::vector<std::u16string> paragraphs(1);
  for (char16_t c : text) {
    if (c == u'\n')
      paragraphs.emplace_back();
    else if (c != u'\r')
      paragraphs.back() += c;
  }
  for (const std::u16string& paragraph : paragraphs) {
    if (!(format & DT_WORDBREAK)) {
      lines.push_back(paragraph);
      continue;
    }
    // Greedy breaking at spaces; a word wider than the rectangle keeps a line of its own.
    std::u16string line;
    bool any = false;
    size_t at = 0;
    while (at <= paragraph.size()) {
      size_t end = paragraph.find(u' ', at);
      if (end == std::u16string::npos)
        end = paragraph.size();
      std::u16string word = paragraph.substr(at, end - at);
      at = end + 1;
      if (word.empty())
        continue;
      std::u16string candidate = any ? line + u' ' + word : word;
      if (!any || static_cast<LONG>(candidate.size()) * m.advance <= width) {
        line = candidate;
        any = true;
      } else {
        lines.push_back(line);
        line = word;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

int drawText(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format)
{
  if (!rect)
    return 0;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return 0;
  TextMetric m = dcMetricLocked(g, d);
  std::u16string shown = shownText(text, length, format);
  std::vector<std::u16string> lines = textLines(shown, format, rect->right - rect->left, m);
  LONG widest = 0;
  for (const auto& line : lines)
    widest = std::max(widest, static_cast<LONG>(line.size()) * m.advance);
  LONG height = static_cast<LONG>(lines.size()) * m.line;
  if (format & DT_CALCRECT) {
    rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  if ((format & DT_END_ELLIPSIS) && lines.size() == 1 && widest > rect->right - rect->left) {
    LONG fit = std::max<LONG>((rect->right - rect->left) / m.advance - 3, 0);
    lines[0] = lines[0].substr(0, static_cast<size_t>(fit)) + u"...";
    widest = static_cast<LONG>(lines[0].size()) * m.advance;
  }
  qorwin::DrawRecord r;
  r.op = qorwin::DrawRecord::Text;
  LONG top = rect->top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER)
      top = rect->top + (rect->bottom - rect->top - height) / 2;
    else if (format & DT_BOTTOM)
      top = rect->bottom - height;
  }
  LONG left = rect->left;
  if (format & DT_CENTER)
    left = rect->left + (rect->right - rect->left - widest) / 2;
  else if (format & DT_RIGHT)
    left = rect->right - widest;
  r.rect = RECT{left, top, left + widest, top + height};
  for (size_t i = 0; i < lines.size(); ++i)
    r.text += (i ? u"\n" : u"") + lines[i];
  r.color = d->textColor;
  r.format = format;
  r.backgroundMode = d->bkMode;
  r.background = d->bkColor;
  if (GdiObject* font = findGdiLocked(g, d->selectedFont, GdiObject::Font)) {
    r.face = font->font.lfFaceName;
    r.fontHeight = font->font.lfHeight;
  }
  recordLocked(g, d, std::move(r));
  return height;
}

// Records a shape drawn with a colour taken from the DC; false for an unknown DC.
bool recordShape(HDC dc, qorwin::DrawRecord::Op op, const RECT& rect, HGDIOBJ colorObject, bool useBrush,
                 bool usePen)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return false;
  qorwin::DrawRecord r;
  r.op = op;
  r.rect = rect;
  bool null = false;
  if (colorObject) {
    r.color = objectColorLocked(g, colorObject, &null);
    if (null)
      return true;
  }
  if (usePen) {
    r.color = objectColorLocked(g, d->selectedPen, &null);
    if (null && op == qorwin::DrawRecord::Line)
      return true;
  }
  if (useBrush) {
    bool noFill = false;
    COLORREF fill = objectColorLocked(g, d->selectedBrush, &noFill);
    if (op == qorwin::DrawRecord::PatBlt) {
      if (noFill)
        return true;
      r.color = fill;
    } else {
      r.fill = fill;
      r.noFill = noFill;
    }
  }
  recordLocked(g, d, std::move(r));
  return true;
}

} // namespace qorwin_detail

int GetDeviceCaps(HDC dc, int index)
{
  using namespace qorwin_detail;
  {
    auto& g = gdi();
    std::lock_guard<std::mutex> guard(g.lock);
    if (!dcLocked(g, dc))
      return 0;
  }
  std::lock_guard<std::mutex> guard(state().lock);
  switch (index) {
  case LOGPIXELSX:
  case LOGPIXELSY:
    return state().dpi;
  case HORZRES:
    return state().screenWidth;
  case VERTRES:
    return state().screenHeight;
  case BITSPIXEL:
    return 32;
  default:
    return 0;
  }
}

HBRUSH CreateSolidBrush(COLORREF color)
{
  return static_cast<HBRUSH>(qorwin_detail::addColorObject(qorwin_detail::GdiObject::Brush, color, false));
}

HPEN CreatePen(int style, int, COLORREF color)
{
  return static_cast<HPEN>(qorwin_detail::addColorObject(qorwin_detail::GdiObject::Pen, color, style == PS_NULL));
}

COLORREF GetBrushColor(HBRUSH brush)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* b = findGdiLocked(g, brush, GdiObject::Brush);
  return b ? b->color : CLR_INVALID;
}

namespace qorwin_detail {

// Reads or swaps one field of a DC's state; `fallback` for an unknown DC.
template <class T> T swapDcField(HDC dc, T GdiObject::*field, const T* value, T fallback)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return fallback;
  T previous = d->*field;
  if (value)
    d->*field = *value;
  return previous;
}

} // namespace qorwin_detail

COLORREF SetTextColor(HDC dc, COLORREF color)
{
  color &= 0x00FFFFFF;
  return qorwin_detail::swapDcField(dc, &qorwin_detail::GdiObject::textColor, &color, CLR_INVALID);
}

COLORREF GetTextColor(HDC dc)
{
  return qorwin_detail::swapDcField<COLORREF>(dc, &qorwin_detail::GdiObject::textColor, nullptr, CLR_INVALID);
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
  color &= 0x00FFFFFF;
  return qorwin_detail::swapDcField(dc, &qorwin_detail::GdiObject::bkColor, &color, CLR_INVALID);
}

COLORREF GetBkColor(HDC dc)
{
  return qorwin_detail::swapDcField<COLORREF>(dc, &qorwin_detail::GdiObject::bkColor, nullptr, CLR_INVALID);
}

int SetBkMode(HDC dc, int mode)
{
  if (mode != TRANSPARENT && mode != OPAQUE)
    return 0;
  return qorwin_detail::swapDcField(dc, &qorwin_detail::GdiObject::bkMode, &mode, 0);
}

int GetBkMode(HDC dc)
{
  return qorwin_detail::swapDcField<int>(dc, &qorwin_detail::GdiObject::bkMode, nullptr, 0);
}

int GetClipBox(HDC dc, LPRECT rect)
{
  if (!rect)
    return 0;
  RECT clip = qorwin_detail::swapDcField<RECT>(dc, &qorwin_detail::GdiObject::clip, nullptr, RECT{});
  *rect = clip;
  return IsRectEmpty(&clip) ? NULLREGION : SIMPLEREGION;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
  return rect && qorwin_detail::recordShape(dc, qorwin::DrawRecord::FillRect, *rect, brush, false, false);
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush)
{
  return rect && qorwin_detail::recordShape(dc, qorwin::DrawRecord::FrameRect, *rect, brush, false, false);
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD)
{
  return qorwin_detail::recordShape(dc, qorwin::DrawRecord::PatBlt, RECT{x, y, x + width, y + height}, nullptr,
                                    true, false);
}

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous)
{
  POINT to{x, y};
  POINT old = qorwin_detail::swapDcField(dc, &qorwin_detail::GdiObject::position, &to, POINT{-1, -1});
  if (previous)
    *previous = old;
  return old.x != -1 || old.y != -1 || x == -1 || y == -1;
}

BOOL LineTo(HDC dc, int x, int y)
{
  POINT to{x, y};
  POINT from = qorwin_detail::swapDcField(dc, &qorwin_detail::GdiObject::position, &to, POINT{x, y});
  return qorwin_detail::recordShape(dc, qorwin::DrawRecord::Line, RECT{from.x, from.y, x, y}, nullptr, false,
                                    true);
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return CLR_INVALID;
  qorwin::DrawRecord r;
  r.op = qorwin::DrawRecord::Pixel;
  r.rect = RECT{x, y, x + 1, y + 1};
  r.color = color & 0x00FFFFFF;
  recordLocked(g, d, r);
  return r.color;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom)
{
  return qorwin_detail::recordShape(dc, qorwin::DrawRecord::Rectangle, RECT{left, top, right, bottom}, nullptr,
                                    true, true);
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom)
{
  return qorwin_detail::recordShape(dc, qorwin::DrawRecord::Ellipse, RECT{left, top, right, bottom}, nullptr,
                                    true, true);
}

BOOL DrawFocusRect(HDC dc, const RECT* rect)
{
  return rect && qorwin_detail::recordShape(dc, qorwin::DrawRecord::FocusRect, *rect, nullptr, false, false);
}

int DrawTextW(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format)
{
  return qorwin_detail::drawText(dc, text, length, rect, format);
}

int DrawTextExW(HDC dc, LPWSTR text, int length, LPRECT rect, UINT format, LPDRAWTEXTPARAMS)
{
  return qorwin_detail::drawText(dc, text, length, rect, format);
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int length, LPSIZE size)
{
  using namespace qorwin_detail;
  if (!size || length < 0)
    return FALSE;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return FALSE;
  (void)text;
  TextMetric m = dcMetricLocked(g, d);
  size->cx = length * m.advance;
  size->cy = m.line;
  return TRUE;
}

BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics)
{
  using namespace qorwin_detail;
  if (!metrics)
    return FALSE;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return FALSE;
  TextMetric m = dcMetricLocked(g, d);
  *metrics = TEXTMETRICW{};
  metrics->tmHeight = m.line;
  metrics->tmAscent = m.em;
  metrics->tmDescent = m.line - m.em;
  metrics->tmInternalLeading = m.line - m.em;
  metrics->tmAveCharWidth = m.advance;
  metrics->tmMaxCharWidth = m.advance;
  metrics->tmWeight = FW_NORMAL;
  metrics->tmCharSet = DEFAULT_CHARSET;
  return TRUE;
}

BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT length, const INT*)
{
  if (rect && (options & ETO_OPAQUE)) {
    COLORREF back = GetBkColor(dc);
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, rect, brush);
    DeleteObject(brush);
  }
  RECT at{x, y, x + 0x3FFFFFFF, y + 0x3FFFFFFF};
  return text ? qorwin_detail::drawText(dc, text, static_cast<int>(length), &at, DT_SINGLELINE | DT_NOPREFIX) >= 0
              : TRUE;
}

BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int length)
{
  return ExtTextOutW(dc, x, y, 0, nullptr, text, static_cast<UINT>(std::max(length, 0)), nullptr);
}

namespace qorwin {

std::vector<DrawRecord> drawRecords(HWND window)
{
  auto& g = qorwin_detail::gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  auto it = g.records.find(window);
  return it == g.records.end() ? std::vector<DrawRecord>() : it->second;
}

void clearDrawRecords()
{
  auto& g = qorwin_detail::gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  g.records.clear();
}

} // namespace qorwin

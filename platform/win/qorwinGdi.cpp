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
#include <cmath>
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
    Pen,
    Bitmap,
    Region
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
  // Where a DC draws: a surface (a reference it holds, none for a memory DC without a bitmap), the
  // surface pixel of its (0, 0), the pixels it may cover there and a clip region in its coordinates.
  cairo_surface_t* surface = nullptr;
  POINT origin{0, 0};
  PixelRegion visible;
  PixelRegion userClip;
  bool hasUserClip = false;
  HGDIOBJ selectedBitmap = nullptr;
  // A bitmap's pixels (a reference the bitmap holds) and a region's pixels.
  cairo_surface_t* pixels = nullptr;
  PixelRegion region;
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

bool textFaceFile(bool bold, bool italic, std::string* file, int* index)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  LOGFONTW font{};
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = italic;
  const char16_t* family = u"DejaVu Sans";
  std::copy(family, family + 11, font.lfFaceName);
  int face = resolveFaceLocked(g, font);
  if (face < 0)
    return false;
  *file = g.faces[static_cast<size_t>(face)].file;
  *index = g.faces[static_cast<size_t>(face)].index;
  return true;
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

// The bitmap a memory DC starts with: no pixels.
const int noBitmapStock = 0x7F;

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
  case noBitmapStock:
    object.kind = GdiObject::Bitmap;
    break;
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

// A DC of a window (its client area, or the whole window), of nothing when window is null, and
// limited to the pixels of paintArea (client coordinates) when given.
HDC newDc(HWND window, bool wholeWindow = false, const PixelRegion* paintArea = nullptr)
{
  RECT client{};
  DcTarget target;
  if (window) {
    if (wholeWindow) {
      GetWindowRect(window, &client);
      OffsetRect(&client, -client.left, -client.top);
    } else {
      GetClientRect(window, &client);
    }
    target = windowTarget(window, wholeWindow);
  }
  loadTextFaces();
  if (paintArea) {
    PixelRegion area = *paintArea;
    area.offset(target.origin.x, target.origin.y);
    target.visible.intersect(area);
    client = paintArea->bounds();
  }
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject dc;
  dc.kind = GdiObject::Dc;
  dc.window = window;
  dc.selectedFont = stockLocked(g, SYSTEM_FONT);
  dc.selectedBrush = stockLocked(g, WHITE_BRUSH);
  dc.selectedPen = stockLocked(g, BLACK_PEN);
  dc.clip = client;
  dc.surface = target.surface;
  dc.origin = target.origin;
  dc.visible = target.visible;
  return static_cast<HDC>(addGdiLocked(g, dc));
}

// The window whose WM_PAINT the layer is running on this thread: BeginPaint validates only there,
// so a DC taken outside painting (to read the display's resolution) leaves pending painting alone.
thread_local HWND paintingWindow = nullptr;

HWND exchangePaintingWindow(HWND window)
{
  HWND previous = paintingWindow;
  paintingWindow = window;
  return previous;
}

// A memory DC draws on the bitmap selected into it; its first bitmap is a stock one of no pixels.
HGDIOBJ selectBitmapLocked(Gdi& g, GdiObject* d, HGDIOBJ bitmap)
{
  if (d->window)
    return nullptr;
  GdiObject* b = findGdiLocked(g, bitmap, GdiObject::Bitmap);
  if (!b)
    return nullptr;
  if (!d->selectedBitmap)
    d->selectedBitmap = stockLocked(g, noBitmapStock);
  HGDIOBJ previous = d->selectedBitmap;
  if (d->surface)
    cairo_surface_destroy(d->surface);
  d->surface = b->pixels ? cairo_surface_reference(b->pixels) : nullptr;
  d->origin = POINT{0, 0};
  d->visible = PixelRegion();
  if (b->pixels) {
    RECT all{0, 0, cairo_image_surface_get_width(b->pixels), cairo_image_surface_get_height(b->pixels)};
    d->visible = PixelRegion(all);
    d->clip = all;
  }
  d->selectedBitmap = bitmap;
  return previous;
}

bool regionPixels(HRGN region, PixelRegion* out)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* r = findGdiLocked(g, region, GdiObject::Region);
  if (!r)
    return false;
  if (out)
    *out = r->region;
  return true;
}

bool setRegionPixels(HRGN region, const PixelRegion& pixels)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* r = findGdiLocked(g, region, GdiObject::Region);
  if (!r)
    return false;
  r->region = pixels;
  return true;
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
  PixelRegion update;
  bool erase = false;
  if (window == paintingWindow)
    erase = takeUpdate(window, &update);
  else
    update = updateRegion(window);
  paint->rcPaint = update.bounds();
  paint->hdc = newDc(window, false, &update);
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

HDC GetWindowDC(HWND window)
{
  using namespace qorwin_detail;
  if (window && !IsWindow(window))
    return nullptr;
  return newDc(window, true);
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
  GdiObject* d = findGdiLocked(g, dc, GdiObject::Dc);
  if (!d)
    return FALSE;
  if (d->surface)
    cairo_surface_destroy(d->surface);
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
  if (it->second.kind == GdiObject::Region) {
    // Selecting a region sets the clip region to a copy of it.
    d->userClip = it->second.region;
    d->hasUserClip = true;
    return reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(d->userClip.rects().size() > 1 ? COMPLEXREGION
                                                            : d->userClip.empty()            ? NULLREGION
                                                                                             : SIMPLEREGION));
  }
  if (it->second.kind == GdiObject::Bitmap)
    return selectBitmapLocked(g, d, object);
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
         entry.second.selectedPen == object || entry.second.selectedBitmap == object))
      return FALSE;
  if (it->second.pixels)
    cairo_surface_destroy(it->second.pixels);
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

// Drawing: a record of each call (qorwin::drawRecords), pixels on the DC's surface, and the
// deterministic text metric.

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
  // A system colour index plus one stands for that colour's brush, as in a window class.
  auto value = reinterpret_cast<uintptr_t>(object);
  if (value >= 1 && value <= COLOR_MENUBAR + 1) {
    if (null)
      *null = false;
    return systemColor(static_cast<int>(value) - 1);
  }
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

// A Cairo context on a DC's surface, clipped to what the DC may cover, with user space in the DC's
// coordinates and anti-aliasing off; null when the DC draws nowhere.
cairo_t* dcCairoLocked(GdiObject* d)
{
  if (!d->surface || d->visible.empty())
    return nullptr;
  cairo_t* cr = cairo_create(d->surface);
  d->visible.clip(cr);
  cairo_translate(cr, d->origin.x, d->origin.y);
  if (d->hasUserClip)
    d->userClip.clip(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  return cr;
}

int regionKind(const PixelRegion& pixels)
{
  return pixels.empty() ? NULLREGION : pixels.rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void setColor(cairo_t* cr, COLORREF color)
{
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

void fillPixels(cairo_t* cr, LONG left, LONG top, LONG right, LONG bottom, COLORREF color)
{
  if (right <= left || bottom <= top)
    return;
  setColor(cr, color);
  cairo_rectangle(cr, left, top, right - left, bottom - top);
  cairo_fill(cr);
}

// A one-pixel frame just inside the rectangle.
void framePixels(cairo_t* cr, const RECT& r, COLORREF color, LONG width = 1)
{
  if (r.right - r.left <= 2 * width || r.bottom - r.top <= 2 * width) {
    fillPixels(cr, r.left, r.top, r.right, r.bottom, color);
    return;
  }
  fillPixels(cr, r.left, r.top, r.right, r.top + width, color);
  fillPixels(cr, r.left, r.bottom - width, r.right, r.bottom, color);
  fillPixels(cr, r.left, r.top + width, r.left + width, r.bottom - width, color);
  fillPixels(cr, r.right - width, r.top + width, r.right, r.bottom - width, color);
}

// A line of one-pixel steps from (x0, y0) towards (x1, y1), the end point left out.
void linePixels(cairo_t* cr, LONG x0, LONG y0, LONG x1, LONG y1, COLORREF color)
{
  if (y0 == y1) {
    fillPixels(cr, std::min(x0, x1 + 1), y0, std::max(x0 + 1, x1), y0 + 1, color);
    return;
  }
  if (x0 == x1) {
    fillPixels(cr, x0, std::min(y0, y1 + 1), x0 + 1, std::max(y0 + 1, y1), color);
    return;
  }
  setColor(cr, color);
  LONG dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  LONG sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  LONG error = dx + dy;
  while (x0 != x1 || y0 != y1) {
    cairo_rectangle(cr, x0, y0, 1, 1);
    LONG twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
  cairo_fill(cr);
}

// Draws what a shape record describes.
void rasterLocked(GdiObject* d, const qorwin::DrawRecord& r)
{
  cairo_t* cr = dcCairoLocked(d);
  if (!cr)
    return;
  const RECT& box = r.rect;
  switch (r.op) {
  case qorwin::DrawRecord::FillRect:
  case qorwin::DrawRecord::PatBlt:
  case qorwin::DrawRecord::Pixel:
    fillPixels(cr, box.left, box.top, box.right, box.bottom, r.color);
    break;
  case qorwin::DrawRecord::FrameRect:
    framePixels(cr, box, r.color);
    break;
  case qorwin::DrawRecord::Line:
    linePixels(cr, box.left, box.top, box.right, box.bottom, r.color);
    break;
  case qorwin::DrawRecord::Rectangle:
    if (!r.noFill)
      fillPixels(cr, box.left, box.top, box.right, box.bottom, r.fill);
    if (!r.noPen)
      framePixels(cr, box, r.color);
    break;
  case qorwin::DrawRecord::Ellipse:
    cairo_save(cr);
    cairo_translate(cr, (box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
    cairo_scale(cr, std::max<LONG>(box.right - box.left - 1, 1) / 2.0, std::max<LONG>(box.bottom - box.top - 1, 1) / 2.0);
    cairo_arc(cr, 0, 0, 1, 0, 2 * 3.14159265358979323846);
    cairo_restore(cr);
    if (!r.noFill) {
      setColor(cr, r.fill);
      cairo_fill_preserve(cr);
    }
    if (!r.noPen) {
      setColor(cr, r.color);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
    cairo_new_path(cr);
    break;
  case qorwin::DrawRecord::FocusRect: {
    // Every other pixel of the frame inverted, so drawing it twice takes it away.
    cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
    cairo_set_source_rgb(cr, 1, 1, 1);
    for (LONG x = box.left; x < box.right; x += 2) {
      cairo_rectangle(cr, x, box.top, 1, 1);
      if (box.bottom - 1 > box.top)
        cairo_rectangle(cr, x, box.bottom - 1, 1, 1);
    }
    for (LONG y = box.top + 2; y < box.bottom - 1; y += 2) {
      cairo_rectangle(cr, box.left, y, 1, 1);
      if (box.right - 1 > box.left)
        cairo_rectangle(cr, box.right - 1, y, 1, 1);
    }
    cairo_fill(cr);
    break;
  }
  default:
    break;
  }
  cairo_destroy(cr);
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
  TextStyle style;
  style.em = m.em;
  style.color = d->textColor;
  style.align = (format & DT_CENTER) ? 1 : (format & DT_RIGHT) ? 2 : 0;
  if (GdiObject* font = findGdiLocked(g, d->selectedFont, GdiObject::Font)) {
    r.face = font->font.lfFaceName;
    r.fontHeight = font->font.lfHeight;
    style.bold = font->font.lfWeight >= FW_SEMIBOLD || foldCase(r.face).find(u"bold") != std::u16string::npos;
    style.italic = font->font.lfItalic != 0;
    style.underline = font->font.lfUnderline != 0;
  }
  if (cairo_t* cr = dcCairoLocked(d)) {
    if (!(format & DT_NOCLIP)) {
      cairo_rectangle(cr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
      cairo_clip(cr);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
      LONG width = static_cast<LONG>(lines[i].size()) * m.advance;
      LONG x = style.align == 1 ? rect->left + (rect->right - rect->left - width) / 2
               : style.align == 2 ? rect->right - width
                                  : rect->left;
      LONG y = top + static_cast<LONG>(i) * m.line;
      if (d->bkMode == OPAQUE)
        fillPixels(cr, x, y, x + width, y + m.line, d->bkColor);
      drawTextLine(cr, lines[i], x, y, width, style);
    }
    cairo_destroy(cr);
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
    r.noPen = null;
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
  rasterLocked(d, r);
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
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return ERROR;
  PixelRegion area(d->clip);
  if (d->hasUserClip)
    area.intersect(d->userClip);
  *rect = area.bounds();
  return regionKind(area);
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
  rasterLocked(d, r);
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
  // The text is not clipped (a rectangle that large would not fit the drawing's fixed-point range).
  RECT at{x, y, x + 0x3FFFFFFF, y + 0x3FFFFFFF};
  return text ? qorwin_detail::drawText(dc, text, static_cast<int>(length), &at,
                                        DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP) >= 0
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

// Bitmaps, block transfers, regions and clipping, polygons and the system colours.

namespace qorwin_detail {

HBITMAP addBitmap(int width, int height)
{
  if (width <= 0 || height <= 0)
    return nullptr;
  cairo_surface_t* pixels = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  // A new bitmap is black and opaque, as a device bitmap is.
  cairo_t* cr = cairo_create(pixels);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject object;
  object.kind = GdiObject::Bitmap;
  object.pixels = pixels;
  return static_cast<HBITMAP>(addGdiLocked(g, object));
}

HRGN addRegion(const PixelRegion& pixels)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject object;
  object.kind = GdiObject::Region;
  object.region = pixels;
  return static_cast<HRGN>(addGdiLocked(g, object));
}

// Changes a DC's clip region; answers its kind afterwards, or ERROR for an unknown DC.
int changeClip(HDC dc, const std::function<void(GdiObject*)>& change)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return ERROR;
  if (!d->hasUserClip) {
    d->userClip = PixelRegion(d->clip);
    d->hasUserClip = true;
  }
  change(d);
  return regionKind(d->userClip);
}

// Copies (and scales) pixels of one DC to another. A source that is the target is copied first.
BOOL blit(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh, DWORD rop)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, target);
  if (!d)
    return FALSE;
  if (rop == PATCOPY || rop == BLACKNESS || rop == WHITENESS) {
    bool null = false;
    COLORREF color = rop == BLACKNESS ? RGB(0, 0, 0)
                     : rop == WHITENESS ? RGB(255, 255, 255)
                                        : objectColorLocked(g, d->selectedBrush, &null);
    if (null)
      return TRUE;
    qorwin::DrawRecord r;
    r.op = qorwin::DrawRecord::PatBlt;
    r.rect = RECT{x, y, x + width, y + height};
    r.color = color;
    rasterLocked(d, r);
    recordLocked(g, d, r);
    return TRUE;
  }
  GdiObject* s = dcLocked(g, source);
  if (!s || rop != SRCCOPY)
    return FALSE;
  if (!s->surface || sw == 0 || sh == 0)
    return TRUE;
  cairo_t* cr = dcCairoLocked(d);
  if (!cr)
    return TRUE;
  // The source's pixels that the source DC can reach, as a pattern in target coordinates.
  cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::abs(sw), std::abs(sh));
  cairo_t* grab = cairo_create(copy);
  cairo_set_source_surface(grab, s->surface, -(s->origin.x + std::min(sx, sx + sw)), -(s->origin.y + std::min(sy, sy + sh)));
  cairo_set_operator(grab, CAIRO_OPERATOR_SOURCE);
  cairo_paint(grab);
  cairo_destroy(grab);
  cairo_rectangle(cr, std::min(x, x + width), std::min(y, y + height), std::abs(width), std::abs(height));
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, static_cast<double>(width) / sw, static_cast<double>(height) / sh);
  cairo_set_source_surface(cr, copy, std::min(0, sw), std::min(0, sh));
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(copy);
  return TRUE;
}

cairo_t* dcCairo(HDC dc)
{
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  return d ? dcCairoLocked(d) : nullptr;
}

} // namespace qorwin_detail

COLORREF GetPixel(HDC dc, int x, int y)
{
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d || !d->surface || !d->visible.contains(x + d->origin.x, y + d->origin.y) ||
      (d->hasUserClip && !d->userClip.contains(x, y)))
    return CLR_INVALID;
  cairo_surface_flush(d->surface);
  const unsigned char* data = cairo_image_surface_get_data(d->surface);
  uint32_t p = reinterpret_cast<const uint32_t*>(data + (y + d->origin.y) * cairo_image_surface_get_stride(d->surface))
      [x + d->origin.x];
  uint32_t plain = unpremultiplied(p);
  return RGB(plain >> 16 & 0xFF, plain >> 8 & 0xFF, plain & 0xFF);
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height)
{
  return qorwin_detail::addBitmap(width, height);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
  HBITMAP bitmap = qorwin_detail::addBitmap(width, height);
  if (!bitmap || !bits || planes != 1 || bitsPerPixel != 32)
    return bitmap;
  using namespace qorwin_detail;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* b = findGdiLocked(g, bitmap, GdiObject::Bitmap);
  cairo_surface_flush(b->pixels);
  unsigned char* data = cairo_image_surface_get_data(b->pixels);
  int stride = cairo_image_surface_get_stride(b->pixels);
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col)
      reinterpret_cast<uint32_t*>(data + row * stride)[col] =
          0xFF000000u | (static_cast<const uint32_t*>(bits)[row * width + col] & 0x00FFFFFFu);
  cairo_surface_mark_dirty(b->pixels);
  return bitmap;
}

BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop)
{
  return qorwin_detail::blit(target, x, y, width, height, source, sx, sy, width, height, rop);
}

BOOL StretchBlt(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop)
{
  return qorwin_detail::blit(target, x, y, width, height, source, sx, sy, sw, sh, rop);
}

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
  return qorwin_detail::addRegion(qorwin_detail::PixelRegion(RECT{left, top, right, bottom}));
}

HRGN CreateRectRgnIndirect(const RECT* rect)
{
  return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

int CombineRgn(HRGN target, HRGN a, HRGN b, int mode)
{
  using namespace qorwin_detail;
  PixelRegion first, second;
  if (!regionPixels(a, &first) || (mode != RGN_COPY && !regionPixels(b, &second)))
    return ERROR;
  switch (mode) {
  case RGN_AND:
    first.intersect(second);
    break;
  case RGN_OR:
    first.add(second);
    break;
  case RGN_DIFF:
    first.subtract(second);
    break;
  case RGN_XOR: {
    PixelRegion both = first;
    both.intersect(second);
    first.add(second);
    first.subtract(both);
    break;
  }
  case RGN_COPY:
    break;
  default:
    return ERROR;
  }
  return setRegionPixels(target, first) ? regionKind(first) : ERROR;
}

int OffsetRgn(HRGN region, int dx, int dy)
{
  using namespace qorwin_detail;
  PixelRegion pixels;
  if (!regionPixels(region, &pixels))
    return ERROR;
  pixels.offset(dx, dy);
  setRegionPixels(region, pixels);
  return regionKind(pixels);
}

int GetRgnBox(HRGN region, LPRECT rect)
{
  using namespace qorwin_detail;
  PixelRegion pixels;
  if (!rect || !regionPixels(region, &pixels))
    return ERROR;
  *rect = pixels.bounds();
  return regionKind(pixels);
}

BOOL PtInRegion(HRGN region, int x, int y)
{
  qorwin_detail::PixelRegion pixels;
  return qorwin_detail::regionPixels(region, &pixels) && pixels.contains(x, y);
}

int SelectClipRgn(HDC dc, HRGN region)
{
  using namespace qorwin_detail;
  PixelRegion pixels;
  bool none = !region;
  if (!none && !regionPixels(region, &pixels))
    return ERROR;
  return changeClip(dc, [&](GdiObject* d) {
    d->userClip = none ? PixelRegion(d->clip) : pixels;
    d->hasUserClip = !none;
  });
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom)
{
  return qorwin_detail::changeClip(dc, [&](qorwin_detail::GdiObject* d) {
    d->userClip.intersect(RECT{left, top, right, bottom});
  });
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom)
{
  return qorwin_detail::changeClip(dc, [&](qorwin_detail::GdiObject* d) {
    d->userClip.subtract(RECT{left, top, right, bottom});
  });
}

namespace qorwin_detail {

// Records and draws a polygon (filled when closed) through the points.
BOOL polygon(HDC dc, const POINT* points, int count, bool closed)
{
  if (!points || count < 2)
    return FALSE;
  auto& g = gdi();
  std::lock_guard<std::mutex> guard(g.lock);
  GdiObject* d = dcLocked(g, dc);
  if (!d)
    return FALSE;
  qorwin::DrawRecord r;
  r.op = closed ? qorwin::DrawRecord::Polygon : qorwin::DrawRecord::Line;
  RECT bounds{points[0].x, points[0].y, points[0].x, points[0].y};
  for (int i = 1; i < count; ++i) {
    bounds.left = std::min(bounds.left, points[i].x);
    bounds.top = std::min(bounds.top, points[i].y);
    bounds.right = std::max(bounds.right, points[i].x);
    bounds.bottom = std::max(bounds.bottom, points[i].y);
  }
  bool noPen = false, noFill = !closed;
  r.color = objectColorLocked(g, d->selectedPen, &noPen);
  if (closed)
    r.fill = objectColorLocked(g, d->selectedBrush, &noFill);
  r.noPen = noPen;
  r.noFill = noFill;
  if (cairo_t* cr = dcCairoLocked(d)) {
    if (!noFill) {
      cairo_move_to(cr, points[0].x + 0.5, points[0].y + 0.5);
      for (int i = 1; i < count; ++i)
        cairo_line_to(cr, points[i].x + 0.5, points[i].y + 0.5);
      cairo_close_path(cr);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      setColor(cr, r.fill);
      cairo_fill(cr);
    }
    if (!noPen) {
      for (int i = 0; i + 1 < count; ++i)
        linePixels(cr, points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, r.color);
      if (closed)
        linePixels(cr, points[count - 1].x, points[count - 1].y, points[0].x, points[0].y, r.color);
    }
    cairo_destroy(cr);
  }
  if (closed) {
    r.rect = bounds;
    recordLocked(g, d, r);
  } else {
    for (int i = 0; i + 1 < count; ++i) {
      r.rect = RECT{points[i].x, points[i].y, points[i + 1].x, points[i + 1].y};
      if (!noPen)
        recordLocked(g, d, r);
    }
  }
  return TRUE;
}

} // namespace qorwin_detail

BOOL Polygon(HDC dc, const POINT* points, int count)
{
  return qorwin_detail::polygon(dc, points, count, true);
}

BOOL Polyline(HDC dc, const POINT* points, int count)
{
  return qorwin_detail::polygon(dc, points, count, false);
}

DWORD GetSysColor(int index)
{
  return qorwin_detail::systemColor(index);
}

HBRUSH GetSysColorBrush(int index)
{
  // Brushes of the system colours are stock objects: one per colour, never deleted.
  static std::mutex lock;
  static std::map<int, HBRUSH>* brushes = new std::map<int, HBRUSH>;
  std::lock_guard<std::mutex> guard(lock);
  HBRUSH& brush = (*brushes)[index];
  if (!brush) {
    using namespace qorwin_detail;
    auto& g = gdi();
    std::lock_guard<std::mutex> hold(g.lock);
    GdiObject object;
    object.kind = GdiObject::Brush;
    object.stock = true;
    object.color = systemColor(index);
    brush = static_cast<HBRUSH>(addGdiLocked(g, object));
  }
  return brush;
}

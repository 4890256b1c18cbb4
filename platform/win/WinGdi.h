// GDI of the Windows layer: device contexts, painting, and fonts over this machine's real fonts
// (fontconfig finds them, FreeType reads their tables).
#pragma once

#include "win/WinTypes.h"

#define LF_FACESIZE 32
#define LF_FULLFACESIZE 64

#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define SHIFTJIS_CHARSET 128
#define HANGUL_CHARSET 129
#define GB2312_CHARSET 134
#define CHINESEBIG5_CHARSET 136
#define GREEK_CHARSET 161
#define TURKISH_CHARSET 162
#define HEBREW_CHARSET 177
#define ARABIC_CHARSET 178
#define BALTIC_CHARSET 186
#define RUSSIAN_CHARSET 204
#define THAI_CHARSET 222
#define EASTEUROPE_CHARSET 238
#define OEM_CHARSET 255

#define RASTER_FONTTYPE 0x0001
#define DEVICE_FONTTYPE 0x0002
#define TRUETYPE_FONTTYPE 0x0004

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_BLACK 900

#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE (0 << 4)
#define FF_ROMAN (1 << 4)
#define FF_SWISS (2 << 4)
#define FF_MODERN (3 << 4)

#define OUT_DEFAULT_PRECIS 0
#define OUT_STROKE_PRECIS 3
#define OUT_TT_PRECIS 4
#define CLIP_DEFAULT_PRECIS 0
#define CLIP_STROKE_PRECIS 2
#define DEFAULT_QUALITY 0
#define DRAFT_QUALITY 1
#define ANTIALIASED_QUALITY 4
#define CLEARTYPE_QUALITY 5

// Stock objects.
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

#define GDI_ERROR (0xFFFFFFFFL)

struct LOGFONTW
{
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  WCHAR lfFaceName[LF_FACESIZE];
};
typedef LOGFONTW* LPLOGFONTW;

// The enumeration hands this record where the callback's first argument is declared a LOGFONTW.
struct ENUMLOGFONTEXW
{
  LOGFONTW elfLogFont;
  WCHAR elfFullName[LF_FULLFACESIZE];
  WCHAR elfStyle[LF_FACESIZE];
  WCHAR elfScript[LF_FACESIZE];
};

struct TEXTMETRICW
{
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  WCHAR tmFirstChar;
  WCHAR tmLastChar;
  WCHAR tmDefaultChar;
  WCHAR tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
};

typedef int(CALLBACK* FONTENUMPROCW)(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM);

struct PAINTSTRUCT
{
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

// Device contexts. A window's DC lives from BeginPaint (or GetDC) to EndPaint (or ReleaseDC) and draws
// on the pixels of the window's top-level window, limited to the window's visible part (its parent's
// client area, without its visible children when it has WS_CLIPCHILDREN). BeginPaint's DC covers the
// update region only; while the layer paints the window (WM_PAINT) it also empties the update region
// and sends WM_ERASEBKGND when an invalidation asked to erase. Outside painting it changes nothing, so
// a DC taken only to read the resolution does not lose painting that is due.
HDC BeginPaint(HWND window, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HDC GetDC(HWND window);
// The whole window, its (0, 0) at the window's top-left corner.
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HWND WindowFromDC(HDC dc);

// Objects. Stock objects are never deleted; an object selected into a DC cannot be deleted.
HGDIOBJ GetStockObject(int index);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
int GetObjectW(HGDIOBJ object, int size, LPVOID out);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
#define OBJ_FONT 6

// Bitmaps: 32-bit pixels a memory DC (CreateCompatibleDC) draws on once one is selected into it. A new
// bitmap is black. CreateBitmap takes 32-bit 0x00RRGGBB pixels, rows from the top.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
#define SRCCOPY 0x00CC0020
#define PATCOPY 0x00F00021
#define BLACKNESS 0x00000042
#define WHITENESS 0x00FF0062
// SRCCOPY copies (and StretchBlt scales, nearest pixel) the source DC's pixels; PATCOPY fills with the
// target's brush.
BOOL BitBlt(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop);
// The colour of a pixel of the DC; CLR_INVALID where the DC cannot reach.
COLORREF GetPixel(HDC dc, int x, int y);

// Regions of pixels, and a DC's clip region (in the DC's coordinates; SelectObject of a region sets a
// copy of it too).
#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
int CombineRgn(HRGN target, HRGN a, HRGN b, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, LPRECT rect);
BOOL PtInRegion(HRGN region, int x, int y);
// A null region removes the clip region.
int SelectClipRgn(HDC dc, HRGN region);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);

// System colours; a window class's background may be a colour index plus one, as may any brush.
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_MENUBAR 30
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);

// Fonts. A face name the machine lacks selects DejaVu Sans (bold from FW_SEMIBOLD up).
HFONT CreateFontIndirectW(const LOGFONTW* font);
HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName);
// One call per font family and character set, each family's regular face; an empty face name lists
// every family, DEFAULT_CHARSET every character set. Answers the last value the callback returned.
int EnumFontFamiliesExW(HDC dc, LPLOGFONTW font, FONTENUMPROCW proc, LPARAM param, DWORD flags);
// A table of the selected font's file, the tag's first character in the lowest byte ('name' is
// 0x656D616E); table 0 is the whole file. With no buffer, answers the size from the offset on.
DWORD GetFontData(HDC dc, DWORD table, DWORD offset, LPVOID buffer, DWORD size);
int GetTextFaceW(HDC dc, int size, LPWSTR out);

// Device capabilities. LOGPIXELSX/Y answer the display's dots per inch: 96 unless a test sets another
// (qorwin::setDisplayDpi, win/WinTest.h).
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define LOGPIXELSX 88
#define LOGPIXELSY 90
int GetDeviceCaps(HDC dc, int index);

// Brushes and pens. Every drawing call below draws on the DC's pixels without anti-aliasing (shapes
// hit whole pixels) and also adds a record to the log of the DC's window (qorwin::drawRecords,
// win/WinTest.h), with the colours it drew in.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_NULL 5
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define CLR_INVALID 0xFFFFFFFF

HBRUSH CreateSolidBrush(COLORREF color);
HPEN CreatePen(int style, int width, COLORREF color);
COLORREF GetBrushColor(HBRUSH brush);

#define TRANSPARENT 1
#define OPAQUE 2
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);

// The clip box is the DC's window's client rectangle (the update rectangle for BeginPaint), within the
// clip region when there is one.
int GetClipBox(HDC dc, LPRECT rect);

int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
// Fills with the selected brush.
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL LineTo(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// Lines through the points with the pen (a polygon closed and filled with the brush, alternate rule).
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL Polyline(HDC dc, const POINT* points, int count);
// Figures of lines and cubic Beziers (flattened into lines) drawn with the pen from the current position:
// PT_MOVETO starts a figure, PT_LINETO and three PT_BEZIERTO points continue it, PT_CLOSEFIGURE on a line
// or Bezier point closes it back to its start. False, drawing nothing, for an unknown type.
#define PT_CLOSEFIGURE 0x01
#define PT_LINETO 0x02
#define PT_BEZIERTO 0x04
#define PT_MOVETO 0x06
BOOL PolyDraw(HDC dc, const POINT* points, const BYTE* types, int count);
BOOL DrawFocusRect(HDC dc, const RECT* rect);

// Text. Measuring uses one deterministic metric instead of the font's own glyphs, so sizes are the
// same on every machine: with em = |lfHeight| of the selected font, every character (spaces too)
// advances round(em / 2) pixels and a line is round(em × 1.2) pixels high. So Tahoma 9 pt at 96 dpi
// (lfHeight −12) gives 6-pixel characters on 14-pixel lines. Text draws in DejaVu Sans (bold from
// FW_SEMIBOLD up or for a face name with "Bold" in it), each line within the width the metric gives
// it: a wider line is condensed to fit, a narrower one keeps its own width and is aligned in it.
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP 0x00000100
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_EDITCONTROL 0x00002000
#define DT_END_ELLIPSIS 0x00008000
#define DT_HIDEPREFIX 0x00100000

struct DRAWTEXTPARAMS
{
  UINT cbSize;
  int iTabLength;
  int iLeftMargin;
  int iRightMargin;
  UINT uiLengthDrawn;
};
typedef DRAWTEXTPARAMS* LPDRAWTEXTPARAMS;

// A length of -1 means a zero-terminated text. Answers the text's height; with DT_CALCRECT the rectangle
// is fitted to the text (its right and bottom edges move) and nothing is drawn. Without DT_NOPREFIX an
// ampersand marks the next character as a mnemonic and is not shown ("&&" shows one). DT_WORDBREAK breaks
// lines at spaces to fit the rectangle's width (a longer word keeps its own line); DT_SINGLELINE keeps
// one line, line breaks included.
int DrawTextW(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format);
int DrawTextExW(HDC dc, LPWSTR text, int length, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params);
BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int length, LPSIZE size);
BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
#define ETO_OPAQUE 0x0002
#define ETO_CLIPPED 0x0004
BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT length,
                 const INT* dx);
BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int length);

// Internal painting services of the Windows layer shared by its source files: the pixels of
// top-level windows, the visible area of a window on them, update regions and a rectangle region.
// Not part of the layer's API.
#pragma once

#include "win/WinUser.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qorwin_detail {

// A set of pixels made of rectangles (Cairo's integer region), with value semantics.
class PixelRegion
{
public:
  PixelRegion();
  explicit PixelRegion(const RECT& rect);
  PixelRegion(const PixelRegion& other);
  PixelRegion& operator=(const PixelRegion& other);
  ~PixelRegion();

  bool empty() const;
  RECT bounds() const;
  std::vector<RECT> rects() const;
  void add(const RECT& rect);
  void add(const PixelRegion& other);
  void subtract(const RECT& rect);
  void subtract(const PixelRegion& other);
  void intersect(const RECT& rect);
  void intersect(const PixelRegion& other);
  void offset(int dx, int dy);
  bool contains(int x, int y) const;
  // Narrows a Cairo context's clip to this region (in the context's current user space).
  void clip(cairo_t* cr) const;

private:
  cairo_region_t* region_;
};

// Where a window's DC draws: the top-level window's surface (null for windows that have none, such
// as message-only ones), the surface position of the DC's (0, 0), and the pixels the window may
// cover there (its visible part, ancestors' clipping and WS_CLIPCHILDREN applied), in surface pixels.
struct DcTarget
{
  cairo_surface_t* surface = nullptr; // a reference the holder releases
  POINT origin{0, 0};
  PixelRegion visible;
};
// wholeWindow: origin at the window's top-left corner (GetWindowDC) rather than its client area.
DcTarget windowTarget(HWND window, bool wholeWindow);

// The surface of a top-level window, made (cleared to the dialog face colour) on first use or when the
// window's size changed; a new reference, or null for a window that is not top-level.
cairo_surface_t* topLevelSurface(HWND topLevel);

// The update region of a window in its client coordinates (empty when valid).
PixelRegion updateRegion(HWND window);
// Empties the update region and the erase flag; answers whether the background was to be erased.
bool takeUpdate(HWND window, PixelRegion* region);
// Adds client pixels of a window to its update region (and to its children's where the window does
// not clip them); counted says whether InvalidateRect-style callers asked for it.
void invalidateArea(HWND window, const PixelRegion& area, bool erase, bool counted);

// Window table changes that expose or hide pixels: a window shown, hidden, moved or resized, or about
// to be destroyed (its old rectangle in its parent's client coordinates).
void windowShown(HWND window);
void windowUncovered(HWND parent, const RECT& oldRect);
void windowGone(HWND window);

// Paints every invalid visible window of the calling thread, parents first; answers how many
// WM_PAINT messages ran. Called by the message queue when it has nothing posted.
int paintPendingWindows();

// The pixels of a region object (HRGN), and setting them; false for a handle that is no region.
bool regionPixels(HRGN region, PixelRegion* out);
bool setRegionPixels(HRGN region, const PixelRegion& pixels);

// Draws one line of text in DejaVu Sans with its top-left at (x, top) in the context's user space,
// fitted into budget pixels (the fixed metric's width of the line): a narrower line keeps its own
// width, a wider one is condensed to the budget. em is the font's em height in pixels.
struct TextStyle
{
  LONG em = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  COLORREF color = 0;
  int align = 0; // a narrower line sits at the budget's left (0), centre (1) or right (2)
};
// The width the line takes (at most budget).
double drawTextLine(cairo_t* cr, const std::u16string& text, double x, double top, double budget,
                    const TextStyle& style);
// Opens the faces text draws with; called where the GDI lock is not held, since finding the faces
// needs it.
void loadTextFaces();
// The font file and face index of DejaVu Sans (or the machine's nearest face) in this style.
bool textFaceFile(bool bold, bool italic, std::string* file, int* index);

// The window whose WM_PAINT runs on this thread now (BeginPaint validates only that one); answers the
// previous one.
HWND exchangePaintingWindow(HWND window);

// A Cairo context drawing on a DC (GDI+ on a DC), user space in the DC's coordinates; null when the
// DC draws nowhere. The caller destroys it.
cairo_t* dcCairo(HDC dc);

// A premultiplied Cairo ARGB32 pixel as plain 0xAARRGGBB.
inline uint32_t unpremultiplied(uint32_t p)
{
  const uint32_t a = p >> 24;
  auto channel = [a](uint32_t c) { return a ? std::min<uint32_t>(255, (c * 255 + a / 2) / a) : 0; };
  return a << 24 | channel(p >> 16 & 0xFF) << 16 | channel(p >> 8 & 0xFF) << 8 | channel(p & 0xFF);
}

// The surface in ARGB32 (a PNG may read as RGB24): the same surface, or a converted copy that replaces
// it (the given one is released).
cairo_surface_t* inArgb32(cairo_surface_t* surface);

// Forgets every surface (reset of the layer).
void resetPaintState();

// The system colours the layer answers (GetSysColor).
COLORREF systemColor(int index);

} // namespace qorwin_detail

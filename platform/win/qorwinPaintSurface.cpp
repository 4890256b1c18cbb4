// The pixels of top-level windows: one Cairo ARGB32 surface each, the visible part of every window
// on it, the system colours, and pictures of windows for tests and the simulated host.
#include "qorwinState.h"
#include "win/WinGdi.h"
#include "win/WinTest.h"

#include <algorithm>
#include <cstring>

namespace qorwin_detail {

namespace {

struct Surfaces
{
  std::mutex lock;
  std::map<HWND, cairo_surface_t*> byWindow;
};

Surfaces& surfaces()
{
  static Surfaces* all = new Surfaces; // never destroyed: windows may paint during static destruction
  return *all;
}

void fillWithColor(cairo_surface_t* surface, COLORREF color)
{
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
}

RECT screenRect(HWND window)
{
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

} // namespace

COLORREF systemColor(int index)
{
  switch (index) {
  case COLOR_WINDOW:
    return RGB(255, 255, 255);
  case COLOR_WINDOWTEXT:
  case COLOR_BTNTEXT:
  case COLOR_CAPTIONTEXT:
    return RGB(0, 0, 0);
  case COLOR_HIGHLIGHT:
    return RGB(0, 120, 215);
  case COLOR_HIGHLIGHTTEXT:
    return RGB(255, 255, 255);
  case COLOR_GRAYTEXT:
    return RGB(109, 109, 109);
  case COLOR_BTNSHADOW:
    return RGB(160, 160, 160);
  case COLOR_BTNHIGHLIGHT:
    return RGB(255, 255, 255);
  case COLOR_ACTIVECAPTION:
    return RGB(153, 180, 209);
  case COLOR_WINDOWFRAME:
    return RGB(100, 100, 100);
  case COLOR_BTNFACE:
  default:
    return RGB(240, 240, 240);
  }
}

cairo_surface_t* topLevelSurface(HWND topLevel)
{
  RECT r = screenRect(topLevel);
  int width = std::max<int>(1, r.right - r.left), height = std::max<int>(1, r.bottom - r.top);
  auto& s = surfaces();
  std::lock_guard<std::mutex> guard(s.lock);
  cairo_surface_t*& surface = s.byWindow[topLevel];
  if (surface && cairo_image_surface_get_width(surface) == width && cairo_image_surface_get_height(surface) == height)
    return cairo_surface_reference(surface);
  cairo_surface_t* fresh = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  fillWithColor(fresh, systemColor(COLOR_BTNFACE));
  if (surface) {
    // A resized window keeps what it showed until it repaints.
    cairo_t* cr = cairo_create(fresh);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  surface = fresh;
  return cairo_surface_reference(surface);
}

DcTarget windowTarget(HWND window, bool wholeWindow)
{
  DcTarget target;
  std::vector<HWND> chain; // the window, then its ancestors up to the top-level one
  std::vector<HWND> clipped; // visible children a WS_CLIPCHILDREN window keeps out of its drawing
  bool visible;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w)
      return target;
    visible = isVisibleLocked(w);
    // A transparent child (WS_EX_TRANSPARENT) draws over what its parent paints, so it is not kept out.
    if ((w->style & WS_CLIPCHILDREN) && !wholeWindow)
      for (HWND child : w->children)
        if (Window* c = findLocked(child))
          if ((c->style & WS_VISIBLE) && !(c->exStyle & WS_EX_TRANSPARENT))
            clipped.push_back(child);
    for (Window* v = w; v; v = findLocked(v->parent)) {
      chain.push_back(v->handle);
      if (v->parent == HWND_MESSAGE)
        return target; // message-only windows have no pixels
      if (!v->parent)
        break;
    }
  }
  HWND root = chain.back();
  target.surface = topLevelSurface(root);
  RECT rootRect = screenRect(root);
  POINT origin{0, 0};
  RECT own{};
  if (wholeWindow) {
    RECT r = screenRect(window);
    origin = POINT{r.left, r.top};
    own = RECT{0, 0, r.right - r.left, r.bottom - r.top};
  } else {
    ClientToScreen(window, &origin);
    GetClientRect(window, &own);
  }
  target.origin = POINT{origin.x - rootRect.left, origin.y - rootRect.top};
  if (!visible)
    return target;
  OffsetRect(&own, target.origin.x, target.origin.y);
  target.visible = PixelRegion(own);
  for (size_t i = 1; i < chain.size(); ++i) {
    RECT client{};
    GetClientRect(chain[i], &client);
    POINT at{0, 0};
    ClientToScreen(chain[i], &at);
    OffsetRect(&client, at.x - rootRect.left, at.y - rootRect.top);
    target.visible.intersect(client);
  }
  for (HWND child : clipped) {
    RECT r = screenRect(child);
    OffsetRect(&r, -rootRect.left, -rootRect.top);
    target.visible.subtract(r);
  }
  return target;
}

void windowGone(HWND window)
{
  HWND parent = nullptr;
  bool visible = false, topLevel = false;
  RECT rect{};
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w)
      return;
    visible = isVisibleLocked(w);
    parent = w->parent;
    topLevel = !parent;
    rect = w->rect;
  }
  if (topLevel) {
    auto& s = surfaces();
    std::lock_guard<std::mutex> guard(s.lock);
    auto found = s.byWindow.find(window);
    if (found != s.byWindow.end()) {
      cairo_surface_destroy(found->second);
      s.byWindow.erase(found);
    }
  } else if (visible) {
    windowUncovered(parent, rect);
  }
}

cairo_surface_t* inArgb32(cairo_surface_t* surface)
{
  if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32)
    return surface;
  cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface),
                                                     cairo_image_surface_get_height(surface));
  cairo_t* cr = cairo_create(argb);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return argb;
}

void resetPaintState()
{
  auto& s = surfaces();
  std::lock_guard<std::mutex> guard(s.lock);
  for (auto& entry : s.byWindow)
    cairo_surface_destroy(entry.second);
  s.byWindow.clear();
}

namespace {

qorwin::Picture pictureOf(cairo_surface_t* surface, int x, int y, int width, int height)
{
  qorwin::Picture picture;
  cairo_surface_flush(surface);
  int sw = cairo_image_surface_get_width(surface), sh = cairo_image_surface_get_height(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  if (width <= 0 || height <= 0)
    return picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(static_cast<size_t>(width) * height, 0);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      int sx = x + col, sy = y + row;
      if (sx < 0 || sy < 0 || sx >= sw || sy >= sh)
        continue;
      picture.pixels[static_cast<size_t>(row) * width + col] =
          unpremultiplied(reinterpret_cast<const uint32_t*>(data + sy * stride)[sx]);
    }
  }
  return picture;
}

cairo_surface_t* surfaceOfPicture(const qorwin::Picture& picture)
{
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(picture.width, 1),
                                                        std::max(picture.height, 1));
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int row = 0; row < picture.height; ++row)
    for (int col = 0; col < picture.width; ++col) {
      uint32_t p = picture.pixels[static_cast<size_t>(row) * picture.width + col];
      uint32_t a = p >> 24;
      reinterpret_cast<uint32_t*>(data + row * stride)[col] = a << 24 | ((p >> 16 & 0xFF) * a / 255) << 16 |
                                                              ((p >> 8 & 0xFF) * a / 255) << 8 | (p & 0xFF) * a / 255;
    }
  cairo_surface_mark_dirty(surface);
  return surface;
}

// A top-level window's client picture inside a plain frame and a caption bar with its title.
qorwin::Picture framed(HWND window, const qorwin::Picture& client)
{
  const int border = GetSystemMetrics(SM_CXDLGFRAME), caption = GetSystemMetrics(SM_CYCAPTION);
  const int width = client.width + 2 * border, height = client.height + 2 * border + caption;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0x70 / 255.0, 0x70 / 255.0, 0x70 / 255.0);
  cairo_rectangle(cr, 0.5, 0.5, width - 1, height - 1);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  std::u16string title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  title.resize(static_cast<size_t>(GetWindowTextW(window, &title[0], static_cast<int>(title.size()))));
  TextStyle style;
  style.em = 12;
  const int textTop = border + (caption - (12 * 6 + 2) / 5) / 2;
  drawTextLine(cr, title, border + 8, textTop, width - 2 * border - 48, style);
  // The close box: a cross at the right end of the caption.
  const double cx = width - border - caption / 2.0 - 6, cy = border + caption / 2.0;
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
  cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
  cairo_move_to(cr, cx - 5, cy - 5);
  cairo_line_to(cr, cx + 5, cy + 5);
  cairo_move_to(cr, cx + 5, cy - 5);
  cairo_line_to(cr, cx - 5, cy + 5);
  cairo_stroke(cr);
  cairo_surface_t* inner = surfaceOfPicture(client);
  cairo_set_source_surface(cr, inner, border, border + caption);
  cairo_paint(cr);
  cairo_surface_destroy(inner);
  cairo_destroy(cr);
  qorwin::Picture out = pictureOf(surface, 0, 0, width, height);
  cairo_surface_destroy(surface);
  return out;
}

} // namespace

} // namespace qorwin_detail

namespace qorwin {

uint32_t Picture::at(int x, int y) const
{
  if (x < 0 || y < 0 || x >= width || y >= height)
    return 0;
  return pixels[static_cast<size_t>(y) * width + x];
}

bool Picture::savePng(const std::string& file) const
{
  if (empty())
    return false;
  cairo_surface_t* surface = qorwin_detail::surfaceOfPicture(*this);
  bool ok = cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

Picture Picture::loadPng(const std::string& file)
{
  cairo_surface_t* surface = cairo_image_surface_create_from_png(file.c_str());
  Picture picture;
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    surface = qorwin_detail::inArgb32(surface);
    picture = qorwin_detail::pictureOf(surface, 0, 0, cairo_image_surface_get_width(surface),
                                       cairo_image_surface_get_height(surface));
  }
  cairo_surface_destroy(surface);
  return picture;
}

Picture snapshot(HWND window)
{
  using namespace qorwin_detail;
  if (!IsWindow(window))
    return Picture();
  paintPendingWindows();
  DcTarget target = windowTarget(window, true);
  if (!target.surface)
    return Picture();
  RECT r{};
  GetWindowRect(window, &r);
  Picture picture = pictureOf(target.surface, target.origin.x, target.origin.y, r.right - r.left, r.bottom - r.top);
  cairo_surface_destroy(target.surface);
  DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  if (!GetParent(window) || !(style & WS_CHILD))
    if ((style & WS_CAPTION) == WS_CAPTION)
      return framed(window, picture);
  return picture;
}

COLORREF pixel(HWND window, int x, int y)
{
  using namespace qorwin_detail;
  if (!IsWindow(window))
    return CLR_INVALID;
  paintPendingWindows();
  RECT client{};
  GetClientRect(window, &client);
  if (x < client.left || y < client.top || x >= client.right || y >= client.bottom)
    return CLR_INVALID;
  DcTarget target = windowTarget(window, false);
  if (!target.surface)
    return CLR_INVALID;
  Picture one = pictureOf(target.surface, target.origin.x + x, target.origin.y + y, 1, 1);
  cairo_surface_destroy(target.surface);
  uint32_t p = one.pixels[0];
  return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

bool saveSnapshot(HWND window, const std::string& file)
{
  return snapshot(window).savePng(file);
}

std::vector<std::u16string> topLevelTitles()
{
  std::vector<HWND> windows;
  {
    std::lock_guard<std::mutex> guard(qorwin_detail::state().lock);
    windows = qorwin_detail::state().topLevel;
  }
  std::vector<std::u16string> titles;
  for (HWND window : windows) {
    std::u16string title(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(window, &title[0], static_cast<int>(title.size()))));
    if (!title.empty())
      titles.push_back(title);
  }
  return titles;
}

HWND findTopLevel(const std::u16string& title)
{
  std::vector<HWND> windows;
  {
    std::lock_guard<std::mutex> guard(qorwin_detail::state().lock);
    windows = qorwin_detail::state().topLevel;
  }
  HWND hidden = nullptr;
  for (HWND window : windows) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    if (text != title)
      continue;
    if (IsWindowVisible(window))
      return window;
    if (!hidden)
      hidden = window;
  }
  return hidden;
}

} // namespace qorwin


// Update regions and the order of painting: what invalidation, showing, hiding and moving windows
// leave to repaint, and painting the invalid windows of a thread when its queue has nothing posted.
#include "qorwinState.h"
#include "win/WinGdi.h"
#include "win/WinTest.h"

#include <algorithm>

namespace qorwin_detail {

PixelRegion::PixelRegion() : region_(cairo_region_create()) {}

PixelRegion::PixelRegion(const RECT& rect) : region_(cairo_region_create())
{
  add(rect);
}

PixelRegion::PixelRegion(const PixelRegion& other) : region_(cairo_region_copy(other.region_)) {}

PixelRegion& PixelRegion::operator=(const PixelRegion& other)
{
  if (this != &other) {
    cairo_region_t* copy = cairo_region_copy(other.region_);
    cairo_region_destroy(region_);
    region_ = copy;
  }
  return *this;
}

PixelRegion::~PixelRegion()
{
  cairo_region_destroy(region_);
}

bool PixelRegion::empty() const
{
  return cairo_region_is_empty(region_);
}

RECT PixelRegion::bounds() const
{
  if (empty())
    return RECT{};
  cairo_rectangle_int_t r;
  cairo_region_get_extents(region_, &r);
  return RECT{r.x, r.y, r.x + r.width, r.y + r.height};
}

std::vector<RECT> PixelRegion::rects() const
{
  std::vector<RECT> out;
  int n = cairo_region_num_rectangles(region_);
  for (int i = 0; i < n; ++i) {
    cairo_rectangle_int_t r;
    cairo_region_get_rectangle(region_, i, &r);
    out.push_back(RECT{r.x, r.y, r.x + r.width, r.y + r.height});
  }
  return out;
}

namespace {

cairo_rectangle_int_t cairoRect(const RECT& rect)
{
  return cairo_rectangle_int_t{rect.left, rect.top, std::max(0, static_cast<int>(rect.right - rect.left)),
                               std::max(0, static_cast<int>(rect.bottom - rect.top))};
}

} // namespace

void PixelRegion::add(const RECT& rect)
{
  cairo_rectangle_int_t r = cairoRect(rect);
  if (r.width > 0 && r.height > 0)
    cairo_region_union_rectangle(region_, &r);
}

void PixelRegion::add(const PixelRegion& other)
{
  cairo_region_union(region_, other.region_);
}

void PixelRegion::subtract(const RECT& rect)
{
  cairo_rectangle_int_t r = cairoRect(rect);
  if (r.width > 0 && r.height > 0)
    cairo_region_subtract_rectangle(region_, &r);
}

void PixelRegion::subtract(const PixelRegion& other)
{
  cairo_region_subtract(region_, other.region_);
}

void PixelRegion::intersect(const RECT& rect)
{
  cairo_rectangle_int_t r = cairoRect(rect);
  cairo_region_intersect_rectangle(region_, &r);
}

void PixelRegion::intersect(const PixelRegion& other)
{
  cairo_region_intersect(region_, other.region_);
}

void PixelRegion::offset(int dx, int dy)
{
  cairo_region_translate(region_, dx, dy);
}

bool PixelRegion::contains(int x, int y) const
{
  return cairo_region_contains_point(region_, x, y);
}

void PixelRegion::clip(cairo_t* cr) const
{
  cairo_new_path(cr);
  for (const RECT& r : rects())
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
  cairo_clip(cr);
}

namespace {

// The client origin of a child in its parent's client coordinates.
POINT childOrigin(HWND child, HWND parent)
{
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  return origin;
}

RECT clientOf(HWND window)
{
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

// Adds pixels to a window's update region; they pass on to the visible children they cover when the
// window does not clip its children, or always (allChildren) when they were uncovered.
void addUpdate(HWND window, const PixelRegion& area, bool erase, bool counted, bool allChildren)
{
  PixelRegion part = area;
  part.intersect(clientOf(window));
  std::vector<HWND> children;
  bool clipChildren = false;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w)
      return;
    if (counted)
      w->invalidations++;
    if (part.empty())
      return;
    w->update.add(part);
    w->erase = w->erase || erase;
    clipChildren = (w->style & WS_CLIPCHILDREN) != 0;
    // A transparent child shows what its parent paints under it, so it is painted again after it.
    for (HWND child : w->children)
      if (Window* c = findLocked(child))
        if ((c->style & WS_VISIBLE) && (!clipChildren || allChildren || (c->exStyle & WS_EX_TRANSPARENT)))
          children.push_back(child);
  }
  for (HWND child : children) {
    POINT origin = childOrigin(child, window);
    PixelRegion inChild = part;
    inChild.offset(-origin.x, -origin.y);
    addUpdate(child, inChild, erase, false, allChildren);
  }
}

// The whole client area of a window and of all its descendants.
void invalidateTree(HWND window)
{
  addUpdate(window, PixelRegion(clientOf(window)), true, false, false);
  std::vector<HWND> children;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    if (Window* w = findLocked(window))
      children = w->children;
  }
  for (HWND child : children)
    invalidateTree(child);
}

// The first invalid visible window of this thread below root (root included), parents first.
HWND nextInvalidLocked(Window* w, DWORD thread)
{
  if (!w || !(w->style & WS_VISIBLE))
    return nullptr;
  if (w->thread == thread && !w->update.empty())
    return w->handle;
  for (HWND child : w->children)
    if (HWND found = nextInvalidLocked(findLocked(child), thread))
      return found;
  return nullptr;
}

// Paints invalid windows below the roots until none is left. A window procedure that leaves its
// window invalid is validated after its WM_PAINT, so painting always ends.
int paintBelow(const std::function<std::vector<HWND>()>& roots)
{
  DWORD thread = GetCurrentThreadId();
  int count = 0;
  for (int round = 0; round < 10000; ++round) {
    HWND next = nullptr;
    {
      std::lock_guard<std::mutex> guard(state().lock);
      for (HWND root : roots()) {
        Window* w = findLocked(root);
        if (!w || !isVisibleLocked(w))
          continue;
        if ((next = nextInvalidLocked(w, thread)))
          break;
      }
    }
    if (!next)
      break;
    HWND previous = exchangePaintingWindow(next);
    SendMessageW(next, WM_PAINT, 0, 0);
    exchangePaintingWindow(previous);
    ++count;
    std::lock_guard<std::mutex> guard(state().lock);
    if (Window* w = findLocked(next)) {
      w->update = PixelRegion();
      w->erase = false;
    }
  }
  return count;
}

int paintTree(HWND root)
{
  return paintBelow([root]() { return std::vector<HWND>{root}; });
}

} // namespace

PixelRegion updateRegion(HWND window)
{
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w ? w->update : PixelRegion();
}

bool takeUpdate(HWND window, PixelRegion* region)
{
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w)
    return false;
  if (region)
    *region = w->update;
  bool erase = w->erase && !w->update.empty();
  w->update = PixelRegion();
  w->erase = false;
  return erase;
}

void invalidateArea(HWND window, const PixelRegion& area, bool erase, bool counted)
{
  addUpdate(window, area, erase, counted, false);
}

void windowShown(HWND window)
{
  invalidateTree(window);
}

void windowUncovered(HWND parent, const RECT& oldRect)
{
  if (parent && parent != HWND_MESSAGE && IsWindow(parent))
    addUpdate(parent, PixelRegion(oldRect), true, false, true);
}

int paintPendingWindows()
{
  return paintBelow([]() {
    auto& s = state();
    std::vector<HWND> roots = s.topLevel;
    return roots;
  });
}

} // namespace qorwin_detail

namespace {

// The region of a window call: the rectangle, else the region, else the whole client area.
qorwin_detail::PixelRegion areaOf(HWND window, const RECT* rect, HRGN region)
{
  using namespace qorwin_detail;
  if (rect)
    return PixelRegion(*rect);
  PixelRegion area;
  if (region && regionPixels(region, &area))
    return area;
  return PixelRegion(clientOf(window));
}

} // namespace

BOOL RedrawWindow(HWND window, const RECT* rect, HRGN region, UINT flags)
{
  using namespace qorwin_detail;
  if (!IsWindow(window))
    return FALSE;
  PixelRegion area = areaOf(window, rect, region);
  bool children = (flags & RDW_ALLCHILDREN) != 0;
  if (flags & RDW_INVALIDATE) {
    if (children)
      addUpdate(window, area, (flags & RDW_ERASE) != 0, true, true);
    else if (flags & RDW_NOCHILDREN) {
      std::lock_guard<std::mutex> guard(state().lock);
      if (Window* w = findLocked(window)) {
        w->invalidations++;
        area.intersect(RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top});
        w->update.add(area);
        w->erase = w->erase || (flags & RDW_ERASE);
      }
    } else {
      addUpdate(window, area, (flags & RDW_ERASE) != 0, true, false);
    }
  }
  if (flags & RDW_VALIDATE) {
    std::lock_guard<std::mutex> guard(state().lock);
    if (Window* w = findLocked(window)) {
      w->update.subtract(area);
      if (w->update.empty() || (flags & RDW_NOERASE))
        w->erase = false;
    }
  }
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW))
    paintTree(window);
  return TRUE;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase)
{
  return RedrawWindow(window, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase)
{
  return RedrawWindow(window, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND window, const RECT* rect)
{
  return RedrawWindow(window, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND window, HRGN region)
{
  return RedrawWindow(window, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL)
{
  using namespace qorwin_detail;
  if (!IsWindow(window))
    return FALSE;
  RECT bounds = updateRegion(window).bounds();
  if (rect)
    *rect = bounds;
  return IsRectEmpty(&bounds) ? FALSE : TRUE;
}

int GetUpdateRgn(HWND window, HRGN region, BOOL)
{
  using namespace qorwin_detail;
  if (!IsWindow(window) || !region)
    return ERROR;
  PixelRegion update = updateRegion(window);
  return setRegionPixels(region, update) ? (update.empty() ? NULLREGION : update.rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION)
                                         : ERROR;
}

BOOL UpdateWindow(HWND window)
{
  if (!IsWindow(window))
    return FALSE;
  qorwin_detail::paintTree(window);
  return TRUE;
}

namespace qorwin {

void paint(HWND window)
{
  using namespace qorwin_detail;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    if (!isVisibleLocked(findLocked(window)))
      return;
  }
  invalidateTree(window);
  paintTree(window);
}

int paintPending()
{
  return qorwin_detail::paintPendingWindows();
}

bool isInvalid(HWND window)
{
  return !qorwin_detail::updateRegion(window).empty();
}

int invalidationCount(HWND window)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  return w ? w->invalidations : 0;
}

} // namespace qorwin

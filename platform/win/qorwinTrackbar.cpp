// The trackbar control ("msctls_trackbar32"): a range, a position and a thumb laid out along the client
// area, moved by the mouse and the keys with scroll notifications to the parent, painted through the
// custom-draw stages; and MFC's CSliderCtrl over it.
#include "win/AfxSlider.h"
#include "win/CommCtrl.h"
#include "win/WinTest.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace qorwinTrackbar_detail {

struct TrackbarData
{
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  int page = 20;
  int line = 1;
  int thumbLength = 20;
  bool dragging = false;
  int dragOffset = 0; // from the pointer to the thumb's centre, along the track
};

struct Trackbars
{
  std::mutex lock;
  std::map<HWND, TrackbarData> byWindow;
};

Trackbars& trackbars()
{
  static Trackbars* all = new Trackbars;
  return *all;
}

TrackbarData readTrackbar(HWND window)
{
  auto& all = trackbars();
  std::lock_guard<std::mutex> guard(all.lock);
  return all.byWindow[window];
}

template <class F> void changeTrackbar(HWND window, F change)
{
  auto& all = trackbars();
  std::lock_guard<std::mutex> guard(all.lock);
  change(all.byWindow[window]);
}

bool vertical(HWND window)
{
  return (static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & TBS_VERT) != 0;
}

// The layout along the track: where the thumb's centre lies for the minimum, and the length the
// positions spread over.
struct Layout
{
  int length = 0;    // client extent along the track
  int across = 0;    // client extent across it
  int thumbWidth = 0;
  int margin = 0;
  int span = 0;
};

Layout layoutOf(HWND window, const TrackbarData& d)
{
  RECT client;
  GetClientRect(window, &client);
  Layout l;
  const bool vert = vertical(window);
  l.length = vert ? client.bottom : client.right;
  l.across = vert ? client.right : client.bottom;
  l.thumbWidth = std::max(d.thumbLength / 2, 1);
  l.margin = l.thumbWidth / 2 + 3;
  l.span = std::max(l.length - 2 * l.margin, 0);
  return l;
}

int thumbCentre(const Layout& l, const TrackbarData& d)
{
  const int range = d.maximum - d.minimum;
  if (range <= 0)
    return l.margin;
  return l.margin + static_cast<int>((static_cast<long long>(l.span) * (d.position - d.minimum) + range / 2) / range);
}

RECT thumbRect(HWND window, const TrackbarData& d)
{
  const Layout l = layoutOf(window, d);
  const int centre = thumbCentre(l, d);
  const int start = centre - l.thumbWidth / 2;
  const int top = std::max((l.across - d.thumbLength) / 2, 0);
  const int bottom = std::min(top + d.thumbLength, l.across);
  if (vertical(window))
    return RECT{top, start, bottom, start + l.thumbWidth};
  return RECT{start, top, start + l.thumbWidth, bottom};
}

RECT channelRect(HWND window, const TrackbarData& d)
{
  const Layout l = layoutOf(window, d);
  const int middle = l.across / 2;
  if (vertical(window))
    return RECT{middle - 2, l.margin, middle + 2, l.length - l.margin};
  return RECT{l.margin, middle - 2, l.length - l.margin, middle + 2};
}

// The position nearest a point along the track.
int positionAt(const Layout& l, const TrackbarData& d, int along)
{
  const int range = d.maximum - d.minimum;
  if (range <= 0 || l.span <= 0)
    return d.minimum;
  const long long offset = std::clamp(along - l.margin, 0, l.span);
  return d.minimum + static_cast<int>((offset * range + l.span / 2) / l.span);
}

int clampPosition(const TrackbarData& d, LPARAM position)
{
  return static_cast<int>(std::clamp<LPARAM>(position, d.minimum, std::max(d.minimum, d.maximum)));
}

void notify(HWND window, WORD code, int position)
{
  HWND parent = GetParent(window);
  if (!parent)
    return;
  const WORD shown = (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) ? static_cast<WORD>(position) : 0;
  SendMessageW(parent, vertical(window) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, shown),
               reinterpret_cast<LPARAM>(window));
}

// Moves to a position (clamped) and repaints when it changed; answers the new position.
int moveTo(HWND window, int position)
{
  int now = 0;
  bool changed = false;
  changeTrackbar(window, [&](TrackbarData& d) {
    now = std::clamp(position, d.minimum, std::max(d.minimum, d.maximum));
    changed = now != d.position;
    d.position = now;
  });
  if (changed)
    InvalidateRect(window, nullptr, FALSE);
  return now;
}

LRESULT customDraw(HWND parent, NMCUSTOMDRAW& draw, DWORD stage, DWORD_PTR item, const RECT& rect)
{
  if (!parent)
    return CDRF_DODEFAULT;
  draw.dwDrawStage = stage;
  draw.dwItemSpec = item;
  draw.rc = rect;
  return SendMessageW(parent, WM_NOTIFY, draw.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
}

void paintDefaultItem(HWND window, HDC dc, DWORD_PTR item, const TrackbarData& d)
{
  const bool enabled = IsWindowEnabled(window) != FALSE;
  if (item == TBCD_CHANNEL) {
    RECT r = channelRect(window, d);
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
  } else if (item == TBCD_THUMB) {
    RECT r = thumbRect(window, d);
    FillRect(dc, &r, GetSysColorBrush(enabled ? COLOR_BTNFACE : COLOR_WINDOW));
    FrameRect(dc, &r, GetSysColorBrush(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  }
}

void paint(HWND window)
{
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  const TrackbarData d = readTrackbar(window);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  HWND parent = GetParent(window);
  NMCUSTOMDRAW draw{};
  draw.hdr.hwndFrom = window;
  draw.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
  draw.hdr.code = NM_CUSTOMDRAW;
  draw.hdc = dc;
  draw.uItemState = (IsWindowEnabled(window) ? 0 : CDIS_DISABLED) | (GetFocus() == window ? CDIS_FOCUS : 0);
  const LRESULT asked = customDraw(parent, draw, CDDS_PREPAINT, 0, client);
  if (!(asked & CDRF_SKIPDEFAULT)) {
    if (!(style & TBS_TRANSPARENTBKGND))
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // Tics (none are drawn here), then the channel, then the thumb.
    for (DWORD_PTR item : {DWORD_PTR(TBCD_TICS), DWORD_PTR(TBCD_CHANNEL), DWORD_PTR(TBCD_THUMB)}) {
      if (item == TBCD_TICS && (style & TBS_NOTICKS))
        continue;
      const RECT at = item == TBCD_THUMB ? thumbRect(window, d) : item == TBCD_CHANNEL ? channelRect(window, d) : client;
      LRESULT itemAsked = CDRF_DODEFAULT;
      if (asked & CDRF_NOTIFYITEMDRAW)
        itemAsked = customDraw(parent, draw, CDDS_ITEMPREPAINT, item, at);
      if (!(itemAsked & CDRF_SKIPDEFAULT))
        paintDefaultItem(window, dc, item, d);
      if (itemAsked & CDRF_NOTIFYPOSTPAINT)
        customDraw(parent, draw, CDDS_ITEMPOSTPAINT, item, at);
    }
  }
  if (asked & CDRF_NOTIFYPOSTPAINT)
    customDraw(parent, draw, CDDS_POSTPAINT, 0, client);
  EndPaint(window, &ps);
}

// A key's move: the notification code and the new position; false for other keys.
bool keyMove(WPARAM key, const TrackbarData& d, WORD* code, int* position)
{
  switch (key) {
  case VK_LEFT:
  case VK_UP:
    *code = TB_LINEUP;
    *position = d.position - d.line;
    return true;
  case VK_RIGHT:
  case VK_DOWN:
    *code = TB_LINEDOWN;
    *position = d.position + d.line;
    return true;
  case VK_PRIOR:
    *code = TB_PAGEUP;
    *position = d.position - d.page;
    return true;
  case VK_NEXT:
    *code = TB_PAGEDOWN;
    *position = d.position + d.page;
    return true;
  case VK_HOME:
    *code = TB_TOP;
    *position = d.minimum;
    return true;
  case VK_END:
    *code = TB_BOTTOM;
    *position = d.maximum;
    return true;
  default:
    return false;
  }
}

LRESULT CALLBACK trackbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
  case WM_CREATE:
    changeTrackbar(window, [](TrackbarData&) {});
    return 0;
  case WM_GETDLGCODE:
    return DLGC_WANTARROWS;
  case TBM_GETPOS:
    return readTrackbar(window).position;
  case TBM_GETRANGEMIN:
    return readTrackbar(window).minimum;
  case TBM_GETRANGEMAX:
    return readTrackbar(window).maximum;
  case TBM_SETPOS:
    changeTrackbar(window, [lParam](TrackbarData& d) { d.position = clampPosition(d, lParam); });
    if (wParam)
      InvalidateRect(window, nullptr, FALSE);
    return 0;
  case TBM_SETRANGE:
  case TBM_SETRANGEMIN:
  case TBM_SETRANGEMAX:
    changeTrackbar(window, [message, lParam](TrackbarData& d) {
      if (message == TBM_SETRANGE) {
        d.minimum = static_cast<short>(LOWORD(lParam));
        d.maximum = static_cast<short>(HIWORD(lParam));
      } else if (message == TBM_SETRANGEMIN) {
        d.minimum = static_cast<int>(lParam);
      } else {
        d.maximum = static_cast<int>(lParam);
      }
      d.page = std::max((d.maximum - d.minimum) / 5, 1);
      d.position = clampPosition(d, d.position);
    });
    if (wParam)
      InvalidateRect(window, nullptr, FALSE);
    return 0;
  case TBM_SETPAGESIZE:
  case TBM_SETLINESIZE: {
    int previous = 0;
    changeTrackbar(window, [&](TrackbarData& d) {
      int& size = message == TBM_SETPAGESIZE ? d.page : d.line;
      previous = size;
      size = static_cast<int>(lParam);
    });
    return previous;
  }
  case TBM_GETPAGESIZE:
    return readTrackbar(window).page;
  case TBM_GETLINESIZE:
    return readTrackbar(window).line;
  case TBM_SETTHUMBLENGTH:
    changeTrackbar(window, [wParam](TrackbarData& d) { d.thumbLength = std::max(static_cast<int>(wParam), 1); });
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case TBM_GETTHUMBLENGTH:
    return readTrackbar(window).thumbLength;
  case TBM_GETTHUMBRECT:
  case TBM_GETCHANNELRECT:
    if (auto* out = reinterpret_cast<RECT*>(lParam)) {
      const TrackbarData d = readTrackbar(window);
      *out = message == TBM_GETTHUMBRECT ? thumbRect(window, d) : channelRect(window, d);
    }
    return 0;
  case WM_LBUTTONDOWN: {
    SetFocus(window);
    SetCapture(window);
    const TrackbarData d = readTrackbar(window);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT thumb = thumbRect(window, d);
    const Layout l = layoutOf(window, d);
    const int along = vertical(window) ? p.y : p.x;
    const int centre = thumbCentre(l, d);
    if (PtInRect(&thumb, p)) {
      changeTrackbar(window, [&](TrackbarData& t) {
        t.dragging = true;
        t.dragOffset = along - centre;
      });
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    }
    // Beside the thumb: a page towards the pointer.
    const bool before = along < centre;
    const int position = moveTo(window, before ? d.position - d.page : d.position + d.page);
    notify(window, before ? TB_PAGEUP : TB_PAGEDOWN, position);
    return 0;
  }
  case WM_MOUSEMOVE: {
    const TrackbarData d = readTrackbar(window);
    if (!d.dragging)
      return 0;
    const Layout l = layoutOf(window, d);
    const int along = (vertical(window) ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam)) - d.dragOffset;
    const int position = moveTo(window, positionAt(l, d, along));
    notify(window, TB_THUMBTRACK, position);
    return 0;
  }
  case WM_LBUTTONUP: {
    const bool captured = GetCapture() == window;
    bool dragged = false;
    changeTrackbar(window, [&](TrackbarData& d) {
      dragged = d.dragging;
      d.dragging = false;
    });
    if (captured)
      ReleaseCapture();
    if (dragged)
      notify(window, TB_THUMBPOSITION, readTrackbar(window).position);
    if (captured || dragged)
      notify(window, TB_ENDTRACK, 0);
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  }
  case WM_CAPTURECHANGED:
    changeTrackbar(window, [](TrackbarData& d) { d.dragging = false; });
    return 0;
  case WM_KEYDOWN: {
    WORD code = 0;
    int position = 0;
    if (!keyMove(wParam, readTrackbar(window), &code, &position))
      return DefWindowProcW(window, message, wParam, lParam);
    notify(window, code, moveTo(window, position));
    return 0;
  }
  case WM_KEYUP: {
    WORD code = 0;
    int position = 0;
    if (keyMove(wParam, readTrackbar(window), &code, &position))
      notify(window, TB_ENDTRACK, 0);
    return 0;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case WM_ENABLE:
  case WM_SIZE:
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case WM_PAINT:
    paint(window);
    return 0;
  case WM_NCDESTROY: {
    auto& all = trackbars();
    {
      std::lock_guard<std::mutex> guard(all.lock);
      all.byWindow.erase(window);
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

void registerTrackbarClass()
{
  WNDCLASSEXW cls{};
  if (GetClassInfoExW(nullptr, TRACKBAR_CLASSW, &cls))
    return;
  cls = WNDCLASSEXW{};
  cls.cbSize = sizeof cls;
  cls.style = CS_DBLCLKS | CS_GLOBALCLASS;
  cls.lpfnWndProc = &trackbarProc;
  cls.lpszClassName = TRACKBAR_CLASSW;
  RegisterClassExW(&cls);
}

} // namespace qorwinTrackbar_detail

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls)
{
  if (!controls || controls->dwSize != sizeof(INITCOMMONCONTROLSEX))
    return FALSE;
  if (controls->dwICC & ICC_BAR_CLASSES)
    qorwinTrackbar_detail::registerTrackbarClass();
  return TRUE;
}

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
  qorwinTrackbar_detail::registerTrackbarClass();
  return CWnd::Create(TRACKBAR_CLASSW, nullptr, style, rect, parent, id);
}

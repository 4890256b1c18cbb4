// The header control ("SysHeader32"): titled items side by side whose dividers the user drags
// (HDN_BEGINTRACK may refuse; with HDS_FULLDRAG each move changes the width at once) or double-clicks.
#include "qorwinControls.h"

#include <algorithm>
#include <vector>

namespace qorwin_header {

using namespace qorwin_controls;

struct HeaderItem
{
  std::u16string text;
  int width = 0;
  int fmt = HDF_STRING;
  LPARAM param = 0;
};

struct HeaderData
{
  std::vector<HeaderItem> items;
  int tracking = -1; // the item whose right divider is dragged
  int startX = 0;
  int startWidth = 0;
};

ControlTable<HeaderData>& table()
{
  static auto* t = new ControlTable<HeaderData>;
  return *t;
}

// The item whose right divider lies within 3 pixels of x, or -1.
int dividerAt(HeaderData& d, int x)
{
  int right = 0;
  for (size_t i = 0; i < d.items.size(); ++i) {
    right += d.items[i].width;
    if (x >= right - 3 && x <= right + 3)
      return static_cast<int>(i);
  }
  return -1;
}

LRESULT notifyItem(HWND window, HeaderData& d, UINT code, int index, UINT mask)
{
  NMHEADERW header{};
  HDITEMW item{};
  header.iItem = index;
  header.iButton = 0;
  if (index >= 0 && index < static_cast<int>(d.items.size())) {
    item.mask = mask;
    item.cxy = d.items[static_cast<size_t>(index)].width;
    item.fmt = d.items[static_cast<size_t>(index)].fmt;
    item.lParam = d.items[static_cast<size_t>(index)].param;
    header.pitem = &item;
  }
  return notifyParent(window, code, &header.hdr);
}

void paint(HWND window, HeaderData& d)
{
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client{};
  GetClientRect(window, &client);
  SelectedFont font(window, dc);
  HBRUSH face = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(dc, &client, face);
  DeleteObject(face);
  HPEN line = CreatePen(PS_SOLID, 1, RGB(229, 229, 229));
  HGDIOBJ old = SelectObject(dc, line);
  int left = 0;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  for (const HeaderItem& item : d.items) {
    RECT text{left + 6, client.top, left + item.width - 4, client.bottom};
    DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    left += item.width;
    MoveToEx(dc, left - 1, client.top, nullptr);
    LineTo(dc, left - 1, client.bottom);
  }
  MoveToEx(dc, client.left, client.bottom - 1, nullptr);
  LineTo(dc, client.right, client.bottom - 1);
  SelectObject(dc, old);
  DeleteObject(line);
  EndPaint(window, &ps);
}

LRESULT CALLBACK headerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_NCCREATE) {
    table().make(window);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  HeaderData* d = table().find(window);
  if (!d)
    return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
  case WM_NCDESTROY:
    table().drop(window);
    return DefWindowProcW(window, message, wParam, lParam);
  case WM_ERASEBKGND:
    return 1;
  case WM_PAINT:
    paint(window, *d);
    return 0;
  case HDM_GETITEMCOUNT:
    return static_cast<LRESULT>(d->items.size());
  case HDM_INSERTITEMW: {
    auto* in = reinterpret_cast<const HDITEMW*>(lParam);
    if (!in)
      return -1;
    HeaderItem item;
    if (in->mask & HDI_WIDTH)
      item.width = in->cxy;
    if ((in->mask & HDI_TEXT) && in->pszText)
      item.text = in->pszText;
    if (in->mask & HDI_FORMAT)
      item.fmt = in->fmt;
    const size_t at = std::min(static_cast<size_t>(wParam), d->items.size());
    d->items.insert(d->items.begin() + static_cast<std::ptrdiff_t>(at), item);
    InvalidateRect(window, nullptr, FALSE);
    return static_cast<LRESULT>(at);
  }
  case HDM_DELETEITEM:
    if (wParam >= d->items.size())
      return FALSE;
    d->items.erase(d->items.begin() + static_cast<std::ptrdiff_t>(wParam));
    InvalidateRect(window, nullptr, FALSE);
    return TRUE;
  case HDM_GETITEMW:
  case HDM_SETITEMW: {
    auto* io = reinterpret_cast<HDITEMW*>(lParam);
    if (!io || wParam >= d->items.size())
      return FALSE;
    HeaderItem& item = d->items[wParam];
    if (message == HDM_GETITEMW) {
      if (io->mask & HDI_WIDTH)
        io->cxy = item.width;
      if (io->mask & HDI_FORMAT)
        io->fmt = item.fmt;
      if ((io->mask & HDI_TEXT) && io->pszText && io->cchTextMax > 0) {
        const size_t n = std::min(item.text.size(), static_cast<size_t>(io->cchTextMax - 1));
        std::copy(item.text.begin(), item.text.begin() + static_cast<std::ptrdiff_t>(n), io->pszText);
        io->pszText[n] = 0;
      }
      return TRUE;
    }
    if (io->mask & HDI_WIDTH)
      item.width = io->cxy;
    if ((io->mask & HDI_TEXT) && io->pszText)
      item.text = io->pszText;
    if (io->mask & HDI_FORMAT)
      item.fmt = io->fmt;
    InvalidateRect(window, nullptr, FALSE);
    notifyItem(window, *d, HDN_ITEMCHANGEDW, static_cast<int>(wParam), io->mask);
    return TRUE;
  }
  case HDM_GETITEMRECT: {
    auto* out = reinterpret_cast<RECT*>(lParam);
    if (!out || wParam >= d->items.size())
      return FALSE;
    RECT client{};
    GetClientRect(window, &client);
    int left = 0;
    for (size_t i = 0; i < wParam; ++i)
      left += d->items[i].width;
    *out = RECT{left, 0, left + d->items[wParam].width, client.bottom};
    return TRUE;
  }
  case WM_LBUTTONDOWN: {
    const int x = GET_X_LPARAM(lParam);
    const int index = dividerAt(*d, x);
    if (index < 0)
      return 0;
    if (notifyItem(window, *d, HDN_BEGINTRACKW, index, HDI_WIDTH))
      return 0; // refused
    d->tracking = index;
    d->startX = x;
    d->startWidth = d->items[static_cast<size_t>(index)].width;
    SetCapture(window);
    return 0;
  }
  case WM_MOUSEMOVE:
    if (d->tracking >= 0 && d->tracking < static_cast<int>(d->items.size())) {
      const int width = std::max(0, d->startWidth + GET_X_LPARAM(lParam) - d->startX);
      if (width != d->items[static_cast<size_t>(d->tracking)].width) {
        d->items[static_cast<size_t>(d->tracking)].width = width;
        InvalidateRect(window, nullptr, FALSE);
        notifyItem(window, *d, HDN_TRACKW, d->tracking, HDI_WIDTH);
        if (GetWindowLongPtrW(window, GWL_STYLE) & HDS_FULLDRAG)
          notifyItem(window, *d, HDN_ITEMCHANGEDW, d->tracking, HDI_WIDTH);
      }
    }
    return 0;
  case WM_LBUTTONUP:
    if (d->tracking >= 0) {
      const int index = d->tracking;
      d->tracking = -1;
      ReleaseCapture();
      notifyItem(window, *d, HDN_ENDTRACKW, index, HDI_WIDTH);
      notifyItem(window, *d, HDN_ITEMCHANGEDW, index, HDI_WIDTH);
    }
    return 0;
  case WM_CAPTURECHANGED:
    d->tracking = -1;
    return 0;
  case WM_LBUTTONDBLCLK: {
    const int index = dividerAt(*d, GET_X_LPARAM(lParam));
    if (index >= 0)
      notifyItem(window, *d, HDN_DIVIDERDBLCLICKW, index, HDI_WIDTH);
    return 0;
  }
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace qorwin_header

namespace qorwin_controls {

void registerHeader()
{
  WNDCLASSEXW cls{};
  if (GetClassInfoExW(nullptr, WC_HEADERW, &cls))
    return;
  cls = WNDCLASSEXW{};
  cls.cbSize = sizeof cls;
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = &qorwin_header::headerProc;
  cls.lpszClassName = WC_HEADERW;
  RegisterClassExW(&cls);
}

} // namespace qorwin_controls

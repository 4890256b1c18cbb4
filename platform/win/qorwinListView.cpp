// The list-view control ("SysListView32") in report mode: rows of texts in columns under an optional
// header, one selection (or several), a focused row, custom draw, owner-drawn rows, scrolling by rows
// with a vertical bar, the mouse, the arrow, Home, End and page keys, and type-ahead.
#include "qorwinControls.h"
#include "win/WinBase.h"

#include <algorithm>
#include <set>
#include <vector>

namespace qorwin_listview {

using namespace qorwin_controls;

struct Item
{
  std::vector<std::u16string> texts; // by sub-item
  UINT state = 0;
  LPARAM param = 0;
};

struct Column
{
  int fmt = LVCFMT_LEFT;
  int width = 50;
  std::u16string text;
};

struct ListData
{
  std::vector<Item> items;
  std::vector<Column> columns;
  std::set<int> selected;
  int focused = -1;
  COLORREF background = GetSysColor(COLOR_WINDOW);
  COLORREF textBackground = CLR_DEFAULT;
  DWORD extended = 0;
  ScrollBar scroll;
  HWND header = nullptr;
  int rowHeight = 0;
  bool redraw = true;
  bool hasFocus = false;
  TypeAhead typeAhead;
};

ControlTable<ListData>& table()
{
  static auto* t = new ControlTable<ListData>;
  return *t;
}

DWORD styleOf(HWND window)
{
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

bool bordered(HWND window)
{
  return (styleOf(window) & WS_BORDER) != 0;
}

int headerHeight(ListData& d)
{
  if (!d.header || !IsWindowVisible(d.header))
    return 0;
  RECT r{};
  GetWindowRect(d.header, &r);
  return r.bottom - r.top;
}

// The rows' area: inside the border, below the header, left of the bar.
RECT rowArea(HWND window, ListData& d)
{
  RECT client{};
  GetClientRect(window, &client);
  const int b = bordered(window) ? 1 : 0;
  RECT area{client.left + b, client.top + b + headerHeight(d), client.right - b, client.bottom - b};
  if (d.scroll.needed())
    area.right -= scrollBarWidth();
  return area;
}

int rowHeight(HWND window, ListData& d)
{
  if (d.rowHeight > 0)
    return d.rowHeight;
  if (styleOf(window) & LVS_OWNERDRAWFIXED) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = 102; // ODT_LISTVIEW
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
    measure.itemHeight = static_cast<UINT>(fontLineHeight(window) + 3);
    if (HWND parent = GetParent(window))
      SendMessageW(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    d.rowHeight = std::max<int>(1, static_cast<int>(measure.itemHeight));
  } else {
    d.rowHeight = fontLineHeight(window) + 3;
  }
  return d.rowHeight;
}

void invalidate(HWND window, ListData& d)
{
  if (d.redraw)
    InvalidateRect(window, nullptr, FALSE);
}

// Recounts the rows that fit and keeps the top row in range.
void updateScroll(HWND window, ListData& d)
{
  RECT client{};
  GetClientRect(window, &client);
  const int b = bordered(window) ? 1 : 0;
  const int height = static_cast<int>(client.bottom - client.top) - 2 * b - headerHeight(d);
  d.scroll.count = static_cast<int>(d.items.size());
  d.scroll.page = std::max(1, height / rowHeight(window, d));
  d.scroll.clamp();
  publishScroll(window, d.scroll);
}

void scrollTo(HWND window, ListData& d, int pos)
{
  const int old = d.scroll.pos;
  d.scroll.pos = pos;
  d.scroll.clamp();
  publishScroll(window, d.scroll);
  if (d.scroll.pos != old)
    invalidate(window, d);
}

void ensureVisible(HWND window, ListData& d, int index)
{
  updateScroll(window, d);
  if (index < d.scroll.pos)
    scrollTo(window, d, index);
  else if (index >= d.scroll.pos + d.scroll.page)
    scrollTo(window, d, index - d.scroll.page + 1);
}

RECT rowRect(HWND window, ListData& d, int index)
{
  const RECT area = rowArea(window, d);
  const int h = rowHeight(window, d);
  int width = 0;
  for (const Column& c : d.columns)
    width += c.width;
  const int top = area.top + (index - d.scroll.pos) * h;
  return RECT{area.left, top, area.left + width, top + h};
}

// Changes one row's state with LVN_ITEMCHANGING and LVN_ITEMCHANGED; false when refused or unchanged.
bool changeState(HWND window, ListData& d, int index, UINT state, UINT mask)
{
  if (index < 0 || index >= static_cast<int>(d.items.size()))
    return false;
  Item& item = d.items[static_cast<size_t>(index)];
  const UINT old = item.state;
  const UINT now = (old & ~mask) | (state & mask);
  if (now == old)
    return false;
  NMLISTVIEW change{};
  change.iItem = index;
  change.uNewState = now;
  change.uOldState = old;
  change.uChanged = LVIF_STATE;
  change.lParam = item.param;
  if (notifyParent(window, LVN_ITEMCHANGING, &change.hdr))
    return false;
  // One focused row; one selected row in a single-selection list.
  if ((now & LVIS_FOCUSED) && !(old & LVIS_FOCUSED) && d.focused >= 0 && d.focused != index)
    changeState(window, d, d.focused, 0, LVIS_FOCUSED);
  if ((now & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (styleOf(window) & LVS_SINGLESEL)) {
    std::vector<int> others(d.selected.begin(), d.selected.end());
    for (int other : others)
      if (other != index)
        changeState(window, d, other, 0, LVIS_SELECTED);
  }
  if (index >= static_cast<int>(d.items.size()))
    return false;
  d.items[static_cast<size_t>(index)].state = now;
  if (now & LVIS_SELECTED)
    d.selected.insert(index);
  else
    d.selected.erase(index);
  if (now & LVIS_FOCUSED)
    d.focused = index;
  else if (d.focused == index)
    d.focused = -1;
  invalidate(window, d);
  NMLISTVIEW changed = change;
  notifyParent(window, LVN_ITEMCHANGED, &changed.hdr);
  return true;
}

// The user's choice of a row: the only selected row, focused and in view.
void choose(HWND window, ListData& d, int index)
{
  if (index < 0 || index >= static_cast<int>(d.items.size()))
    return;
  std::vector<int> others(d.selected.begin(), d.selected.end());
  for (int other : others)
    if (other != index)
      changeState(window, d, other, 0, LVIS_SELECTED);
  changeState(window, d, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ensureVisible(window, d, index);
}

int hitRow(HWND window, ListData& d, POINT p)
{
  const RECT area = rowArea(window, d);
  if (p.x < area.left || p.x >= area.right || p.y < area.top || p.y >= area.bottom)
    return -1;
  const int index = d.scroll.pos + (p.y - area.top) / rowHeight(window, d);
  if (index >= static_cast<int>(d.items.size()))
    return -1;
  // Without full-row selection only the first column's cell counts.
  if (!(d.extended & LVS_EX_FULLROWSELECT) && !d.columns.empty() && p.x >= area.left + d.columns[0].width)
    return -1;
  return index;
}

int hitColumn(ListData& d, const RECT& area, int x)
{
  int left = area.left;
  for (size_t i = 0; i < d.columns.size(); ++i) {
    if (x >= left && x < left + d.columns[i].width)
      return static_cast<int>(i);
    left += d.columns[i].width;
  }
  return -1;
}

LRESULT customDraw(HWND window, NMLVCUSTOMDRAW& cd, DWORD stage)
{
  cd.nmcd.dwDrawStage = stage;
  return notifyParent(window, NM_CUSTOMDRAW, &cd.nmcd.hdr);
}

void fill(HDC dc, const RECT& r, COLORREF c)
{
  HBRUSH brush = CreateSolidBrush(c);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void paint(HWND window, ListData& d)
{
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  updateScroll(window, d);
  RECT client{};
  GetClientRect(window, &client);
  SelectedFont font(window, dc);
  const DWORD style = styleOf(window);
  const RECT area = rowArea(window, d);
  NMLVCUSTOMDRAW cd{};
  cd.nmcd.hdc = dc;
  cd.nmcd.rc = client;
  const LRESULT whole = customDraw(window, cd, CDDS_PREPAINT);
  fill(dc, area, d.background);
  if (!(whole & CDRF_SKIPDEFAULT)) {
    const int last = std::min(static_cast<int>(d.items.size()), d.scroll.pos + d.scroll.page + 1);
    HRGN clip = CreateRectRgnIndirect(&area);
    SelectClipRgn(dc, clip);
    for (int i = d.scroll.pos; i < last; ++i) {
      const RECT row = rowRect(window, d, i);
      const Item& item = d.items[static_cast<size_t>(i)];
      const bool selected = (item.state & LVIS_SELECTED) && (d.hasFocus || (style & LVS_SHOWSELALWAYS));
      cd = NMLVCUSTOMDRAW{};
      cd.nmcd.hdc = dc;
      cd.nmcd.rc = row;
      cd.nmcd.dwItemSpec = static_cast<DWORD_PTR>(i);
      cd.nmcd.uItemState = (selected ? CDIS_SELECTED : 0) | (i == d.focused && d.hasFocus ? CDIS_FOCUS : 0);
      cd.nmcd.lItemlParam = item.param;
      cd.clrText = GetSysColor(COLOR_WINDOWTEXT);
      cd.clrTextBk = d.textBackground == CLR_DEFAULT ? d.background : d.textBackground;
      LRESULT itemResult = (whole & CDRF_NOTIFYITEMDRAW) ? customDraw(window, cd, CDDS_ITEMPREPAINT) : 0;
      if (!(itemResult & CDRF_SKIPDEFAULT)) {
        if (style & LVS_OWNERDRAWFIXED) {
          DRAWITEMSTRUCT draw{};
          draw.CtlType = 102; // ODT_LISTVIEW
          draw.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
          draw.itemID = static_cast<UINT>(i);
          draw.itemAction = ODA_DRAWENTIRE;
          draw.itemState = (selected ? ODS_SELECTED : 0) | (i == d.focused && d.hasFocus ? ODS_FOCUS : 0);
          draw.hwndItem = window;
          draw.hDC = dc;
          draw.rcItem = row;
          draw.itemData = static_cast<ULONG_PTR>(item.param);
          if (HWND parent = GetParent(window))
            SendMessageW(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        } else {
          int left = row.left;
          const bool focusedSelection = selected && d.hasFocus;
          for (size_t c = 0; c < d.columns.size(); ++c) {
            RECT cell{left, row.top, left + d.columns[c].width, row.bottom};
            left = cell.right;
            NMLVCUSTOMDRAW sub = cd;
            sub.iSubItem = static_cast<int>(c);
            sub.nmcd.rc = cell;
            const LRESULT subResult = (itemResult & CDRF_NOTIFYSUBITEMDRAW)
                                          ? customDraw(window, sub, CDDS_SUBITEM | CDDS_ITEMPREPAINT)
                                          : 0;
            if (subResult & CDRF_SKIPDEFAULT)
              continue;
            COLORREF back = sub.clrTextBk == CLR_DEFAULT || sub.clrTextBk == CLR_NONE ? d.background : sub.clrTextBk;
            COLORREF text = sub.clrText == CLR_DEFAULT ? GetSysColor(COLOR_WINDOWTEXT) : sub.clrText;
            if (selected && (c == 0 || (d.extended & LVS_EX_FULLROWSELECT))) {
              back = focusedSelection ? GetSysColor(COLOR_HIGHLIGHT) : RGB(217, 217, 217);
              text = focusedSelection ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT);
            }
            fill(dc, cell, back);
            const std::u16string& label = c < item.texts.size() ? item.texts[c] : std::u16string();
            RECT textArea{cell.left + 6, cell.top, cell.right - 2, cell.bottom};
            SetTextColor(dc, text);
            SetBkMode(dc, TRANSPARENT);
            DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &textArea,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
            if (subResult & CDRF_NOTIFYPOSTPAINT)
              customDraw(window, sub, CDDS_SUBITEM | CDDS_ITEMPOSTPAINT);
          }
          if (i == d.focused && d.hasFocus)
            DrawFocusRect(dc, &row);
        }
      }
      if (itemResult & CDRF_NOTIFYPOSTPAINT)
        customDraw(window, cd, CDDS_ITEMPOSTPAINT);
    }
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);
  }
  if (whole & CDRF_NOTIFYPOSTPAINT) {
    cd = NMLVCUSTOMDRAW{};
    cd.nmcd.hdc = dc;
    cd.nmcd.rc = client;
    customDraw(window, cd, CDDS_POSTPAINT);
  }
  if (d.scroll.needed())
    drawScrollBar(dc, scrollBarRect(client, bordered(window)), d.scroll);
  if (bordered(window)) {
    HBRUSH frame = CreateSolidBrush(RGB(130, 135, 144));
    FrameRect(dc, &client, frame);
    DeleteObject(frame);
  }
  EndPaint(window, &ps);
}

// The header's items follow the columns.
void syncHeader(ListData& d)
{
  if (!d.header)
    return;
  while (SendMessageW(d.header, HDM_GETITEMCOUNT, 0, 0) > 0)
    SendMessageW(d.header, HDM_DELETEITEM, 0, 0);
  for (size_t i = 0; i < d.columns.size(); ++i) {
    HDITEMW item{};
    item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
    item.cxy = d.columns[i].width;
    item.pszText = &d.columns[i].text[0];
    item.fmt = HDF_STRING;
    SendMessageW(d.header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void placeHeader(HWND window, ListData& d)
{
  if (!d.header)
    return;
  RECT client{};
  GetClientRect(window, &client);
  const int b = bordered(window) ? 1 : 0;
  MoveWindow(d.header, b, b, client.right - 2 * b, fontLineHeight(window) + 8, TRUE);
}

int nextItem(ListData& d, int start, UINT flags)
{
  const int n = static_cast<int>(d.items.size());
  if (flags & LVNI_SELECTED) {
    auto it = d.selected.upper_bound(start);
    while (it != d.selected.end() && (flags & LVNI_FOCUSED) && *it != d.focused)
      ++it;
    return it == d.selected.end() ? -1 : *it;
  }
  if (flags & LVNI_FOCUSED)
    return d.focused > start ? d.focused : -1;
  return start + 1 < n ? start + 1 : -1;
}

LRESULT getText(const Item& item, LVITEMW* out)
{
  const int sub = out->iSubItem;
  const std::u16string text = sub >= 0 && static_cast<size_t>(sub) < item.texts.size() ? item.texts[static_cast<size_t>(sub)] : std::u16string();
  if (!out->pszText || out->cchTextMax <= 0)
    return 0;
  const size_t n = std::min(text.size(), static_cast<size_t>(out->cchTextMax - 1));
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), out->pszText);
  out->pszText[n] = 0;
  return static_cast<LRESULT>(n);
}

void setText(Item& item, int sub, LPCWSTR text)
{
  if (sub < 0)
    return;
  if (item.texts.size() <= static_cast<size_t>(sub))
    item.texts.resize(static_cast<size_t>(sub) + 1);
  item.texts[static_cast<size_t>(sub)] = text ? std::u16string(text) : std::u16string();
}

void mouseDown(HWND window, ListData& d, POINT p, bool right, bool twice)
{
  if (GetFocus() != window)
    SetFocus(window);
  RECT client{};
  GetClientRect(window, &client);
  const RECT bar = scrollBarRect(client, bordered(window));
  if (!right && d.scroll.needed()) {
    switch (hitScrollBar(bar, d.scroll, p)) {
    case ScrollHitLineUp:
      SendMessageW(window, WM_VSCROLL, SB_LINEUP, 0);
      return;
    case ScrollHitLineDown:
      SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
      return;
    case ScrollHitPageUp:
      SendMessageW(window, WM_VSCROLL, SB_PAGEUP, 0);
      return;
    case ScrollHitPageDown:
      SendMessageW(window, WM_VSCROLL, SB_PAGEDOWN, 0);
      return;
    case ScrollHitThumb:
      d.scroll.dragging = true;
      d.scroll.grabOffset = p.y - scrollThumbRect(bar, d.scroll).top;
      SetCapture(window);
      invalidate(window, d);
      return;
    default:
      break;
    }
  }
  const int index = hitRow(window, d, p);
  if (index >= 0)
    choose(window, d, index);
  else if (!right) {
    // A click beside the rows drops the selection.
    std::vector<int> all(d.selected.begin(), d.selected.end());
    for (int i : all)
      changeState(window, d, i, 0, LVIS_SELECTED);
  }
  NMHDR click{};
  notifyParent(window, twice ? NM_DBLCLK : right ? NM_RCLICK : NM_CLICK, &click);
}

void keyDown(HWND window, ListData& d, WPARAM key)
{
  const int n = static_cast<int>(d.items.size());
  if (n == 0)
    return;
  updateScroll(window, d);
  const int at = d.focused >= 0 ? d.focused : (d.selected.empty() ? -1 : *d.selected.begin());
  int to = at;
  switch (key) {
  case VK_UP:
    to = at < 0 ? 0 : std::max(0, at - 1);
    break;
  case VK_DOWN:
    to = at < 0 ? 0 : std::min(n - 1, at + 1);
    break;
  case VK_HOME:
    to = 0;
    break;
  case VK_END:
    to = n - 1;
    break;
  case VK_PRIOR:
    to = std::max(0, (at < 0 ? 0 : at) - std::max(1, d.scroll.page - 1));
    break;
  case VK_NEXT:
    to = std::min(n - 1, (at < 0 ? 0 : at) + std::max(1, d.scroll.page - 1));
    break;
  case VK_SPACE:
    to = at < 0 ? 0 : at;
    break;
  default:
    return;
  }
  choose(window, d, to);
}

void typeAhead(HWND window, ListData& d, char16_t c)
{
  if (c < 0x20 || d.items.empty())
    return;
  const std::u16string& prefix = d.typeAhead.add(c);
  const int n = static_cast<int>(d.items.size());
  const int at = d.focused;
  // A one-key prefix moves on from the focused row; a longer one may stay there.
  const int first = prefix.size() == 1 ? at + 1 : std::max(at, 0);
  for (int k = 0; k < n; ++k) {
    const int i = (first + k) % n;
    const Item& item = d.items[static_cast<size_t>(i)];
    if (!item.texts.empty() && startsWithFolded(item.texts[0], prefix)) {
      choose(window, d, i);
      return;
    }
  }
}

LRESULT CALLBACK listViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_NCCREATE) {
    ListData* made = table().make(window);
    followScroll(window, [window](int pos) {
      if (ListData* d = table().find(window))
        scrollTo(window, *d, pos);
    });
    (void)made;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  ListData* d = table().find(window);
  if (!d)
    return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
  case WM_CREATE: {
    const DWORD style = styleOf(window);
    if ((style & 3) == LVS_REPORT && !(style & LVS_NOCOLUMNHEADER)) {
      d->header = CreateWindowExW(0, WC_HEADERW, u"", WS_CHILD | WS_VISIBLE | HDS_FULLDRAG, 0, 0, 0, 0, window,
                                  nullptr, nullptr, nullptr);
      placeHeader(window, *d);
    }
    return 0;
  }
  case WM_NCDESTROY:
    forgetScroll(window);
    table().drop(window);
    return DefWindowProcW(window, message, wParam, lParam);
  case WM_SETFONT: {
    DefWindowProcW(window, message, wParam, lParam);
    d->rowHeight = 0;
    if (d->header) {
      SendMessageW(d->header, WM_SETFONT, wParam, lParam);
      placeHeader(window, *d);
    }
    invalidate(window, *d);
    return 0;
  }
  case WM_SIZE:
    placeHeader(window, *d);
    updateScroll(window, *d);
    invalidate(window, *d);
    return 0;
  case WM_SETREDRAW:
    d->redraw = wParam != 0;
    return 0;
  case WM_ERASEBKGND:
    return 1;
  case WM_PAINT:
    paint(window, *d);
    return 0;
  case WM_GETDLGCODE:
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
  case WM_SETFOCUS:
  case WM_KILLFOCUS: {
    d->hasFocus = message == WM_SETFOCUS;
    invalidate(window, *d);
    NMHDR header{};
    notifyParent(window, d->hasFocus ? NM_SETFOCUS : NM_KILLFOCUS, &header);
    return 0;
  }
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    mouseDown(window, *d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, message == WM_RBUTTONDOWN,
              message == WM_LBUTTONDBLCLK);
    return 0;
  case WM_MOUSEMOVE:
    if (d->scroll.dragging) {
      RECT client{};
      GetClientRect(window, &client);
      const RECT bar = scrollBarRect(client, bordered(window));
      scrollTo(window, *d, scrollPosForThumb(bar, d->scroll, GET_Y_LPARAM(lParam) - d->scroll.grabOffset));
    }
    return 0;
  case WM_LBUTTONUP:
    if (d->scroll.dragging) {
      d->scroll.dragging = false;
      ReleaseCapture();
      invalidate(window, *d);
    }
    return 0;
  case WM_CAPTURECHANGED:
    d->scroll.dragging = false;
    return 0;
  case WM_MOUSEWHEEL: {
    const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
    updateScroll(window, *d);
    scrollTo(window, *d, d->scroll.pos - 3 * notches);
    return 0;
  }
  case WM_VSCROLL:
    updateScroll(window, *d);
    scrollTo(window, *d, scrollPosFor(d->scroll, LOWORD(wParam), static_cast<short>(HIWORD(wParam))));
    return 0;
  case WM_KEYDOWN:
    keyDown(window, *d, wParam);
    return 0;
  case WM_CHAR:
    typeAhead(window, *d, static_cast<char16_t>(wParam));
    return 0;
  case LVM_GETBKCOLOR:
    return static_cast<LRESULT>(d->background);
  case LVM_SETBKCOLOR:
    d->background = static_cast<COLORREF>(lParam);
    invalidate(window, *d);
    return TRUE;
  case LVM_GETTEXTBKCOLOR:
    return static_cast<LRESULT>(d->textBackground);
  case LVM_SETTEXTBKCOLOR:
    d->textBackground = static_cast<COLORREF>(lParam);
    invalidate(window, *d);
    return TRUE;
  case LVM_GETITEMCOUNT:
    return static_cast<LRESULT>(d->items.size());
  case LVM_SETEXTENDEDLISTVIEWSTYLE: {
    const DWORD old = d->extended;
    const DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
    d->extended = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
    invalidate(window, *d);
    return static_cast<LRESULT>(old);
  }
  case LVM_GETEXTENDEDLISTVIEWSTYLE:
    return static_cast<LRESULT>(d->extended);
  case LVM_INSERTCOLUMNW: {
    auto* column = reinterpret_cast<const LVCOLUMNW*>(lParam);
    if (!column)
      return -1;
    Column c;
    if (column->mask & LVCF_FMT)
      c.fmt = column->fmt;
    if (column->mask & LVCF_WIDTH)
      c.width = column->cx;
    if ((column->mask & LVCF_TEXT) && column->pszText)
      c.text = column->pszText;
    const size_t at = std::min(static_cast<size_t>(wParam), d->columns.size());
    d->columns.insert(d->columns.begin() + static_cast<std::ptrdiff_t>(at), c);
    syncHeader(*d);
    invalidate(window, *d);
    return static_cast<LRESULT>(at);
  }
  case LVM_SETCOLUMNW:
  case LVM_GETCOLUMNW: {
    auto* column = reinterpret_cast<LVCOLUMNW*>(lParam);
    if (!column || wParam >= d->columns.size())
      return FALSE;
    Column& c = d->columns[wParam];
    if (message == LVM_GETCOLUMNW) {
      if (column->mask & LVCF_WIDTH)
        column->cx = c.width;
      if (column->mask & LVCF_FMT)
        column->fmt = c.fmt;
      if ((column->mask & LVCF_TEXT) && column->pszText && column->cchTextMax > 0) {
        const size_t n = std::min(c.text.size(), static_cast<size_t>(column->cchTextMax - 1));
        std::copy(c.text.begin(), c.text.begin() + static_cast<std::ptrdiff_t>(n), column->pszText);
        column->pszText[n] = 0;
      }
      return TRUE;
    }
    if (column->mask & LVCF_WIDTH)
      c.width = column->cx;
    if (column->mask & LVCF_FMT)
      c.fmt = column->fmt;
    if ((column->mask & LVCF_TEXT) && column->pszText)
      c.text = column->pszText;
    syncHeader(*d);
    invalidate(window, *d);
    return TRUE;
  }
  case LVM_DELETECOLUMN:
    if (wParam >= d->columns.size())
      return FALSE;
    d->columns.erase(d->columns.begin() + static_cast<std::ptrdiff_t>(wParam));
    syncHeader(*d);
    invalidate(window, *d);
    return TRUE;
  case LVM_GETCOLUMNWIDTH:
    return wParam < d->columns.size() ? d->columns[wParam].width : 0;
  case LVM_SETCOLUMNWIDTH:
    if (wParam >= d->columns.size())
      return FALSE;
    d->columns[wParam].width = static_cast<int>(static_cast<short>(LOWORD(lParam)));
    syncHeader(*d);
    invalidate(window, *d);
    return TRUE;
  case LVM_GETHEADER:
    return reinterpret_cast<LRESULT>(d->header);
  case LVM_INSERTITEMW: {
    auto* in = reinterpret_cast<const LVITEMW*>(lParam);
    if (!in || in->iSubItem != 0)
      return -1;
    const int n = static_cast<int>(d->items.size());
    const int at = in->iItem < 0 || in->iItem > n ? n : in->iItem;
    Item item;
    if ((in->mask & LVIF_TEXT) && in->pszText)
      item.texts.emplace_back(in->pszText);
    if (in->mask & LVIF_PARAM)
      item.param = in->lParam;
    if (in->mask & LVIF_STATE)
      item.state = in->state & in->stateMask & (LVIS_SELECTED | LVIS_FOCUSED);
    if (at < n) {
      // Rows behind the new one move down one.
      std::set<int> moved;
      for (int s : d->selected)
        moved.insert(s >= at ? s + 1 : s);
      d->selected.swap(moved);
      if (d->focused >= at)
        ++d->focused;
    }
    d->items.insert(d->items.begin() + at, std::move(item));
    if (d->items[static_cast<size_t>(at)].state & LVIS_SELECTED)
      d->selected.insert(at);
    if (d->items[static_cast<size_t>(at)].state & LVIS_FOCUSED)
      d->focused = at;
    invalidate(window, *d);
    return at;
  }
  case LVM_DELETEITEM: {
    const int n = static_cast<int>(d->items.size());
    const int at = static_cast<int>(wParam);
    if (at < 0 || at >= n)
      return FALSE;
    d->items.erase(d->items.begin() + at);
    std::set<int> moved;
    for (int s : d->selected)
      if (s != at)
        moved.insert(s > at ? s - 1 : s);
    d->selected.swap(moved);
    if (d->focused == at)
      d->focused = -1;
    else if (d->focused > at)
      --d->focused;
    updateScroll(window, *d);
    invalidate(window, *d);
    return TRUE;
  }
  case LVM_DELETEALLITEMS:
    d->items.clear();
    d->selected.clear();
    d->focused = -1;
    d->scroll.pos = 0;
    updateScroll(window, *d);
    invalidate(window, *d);
    return TRUE;
  case LVM_GETNEXTITEM:
    return nextItem(*d, static_cast<int>(wParam), LOWORD(lParam));
  case LVM_SETITEMSTATE: {
    auto* in = reinterpret_cast<const LVITEMW*>(lParam);
    if (!in)
      return FALSE;
    const int index = static_cast<int>(wParam);
    if (index == -1) {
      for (int i = 0; i < static_cast<int>(d->items.size()); ++i)
        changeState(window, *d, i, in->state, in->stateMask);
      return TRUE;
    }
    if (index < 0 || index >= static_cast<int>(d->items.size()))
      return FALSE;
    changeState(window, *d, index, in->state, in->stateMask);
    return TRUE;
  }
  case LVM_GETITEMSTATE:
    return wParam < d->items.size() ? static_cast<LRESULT>(d->items[wParam].state & static_cast<UINT>(lParam)) : 0;
  case LVM_GETITEMW:
  case LVM_SETITEMW: {
    auto* io = reinterpret_cast<LVITEMW*>(lParam);
    if (!io || io->iItem < 0 || io->iItem >= static_cast<int>(d->items.size()))
      return FALSE;
    Item& item = d->items[static_cast<size_t>(io->iItem)];
    if (message == LVM_GETITEMW) {
      if (io->mask & LVIF_TEXT)
        getText(item, io);
      if (io->mask & LVIF_PARAM)
        io->lParam = item.param;
      if (io->mask & LVIF_STATE)
        io->state = item.state & io->stateMask;
      return TRUE;
    }
    if (io->mask & LVIF_TEXT)
      setText(item, io->iSubItem, io->pszText);
    if (io->mask & LVIF_PARAM)
      item.param = io->lParam;
    invalidate(window, *d);
    if (io->mask & LVIF_STATE)
      changeState(window, *d, io->iItem, io->state, io->stateMask);
    return TRUE;
  }
  case LVM_GETITEMTEXTW: {
    auto* io = reinterpret_cast<LVITEMW*>(lParam);
    if (!io || wParam >= d->items.size())
      return 0;
    return getText(d->items[wParam], io);
  }
  case LVM_SETITEMTEXTW: {
    auto* io = reinterpret_cast<const LVITEMW*>(lParam);
    if (!io || wParam >= d->items.size())
      return FALSE;
    setText(d->items[wParam], io->iSubItem, io->pszText);
    invalidate(window, *d);
    return TRUE;
  }
  case LVM_GETITEMPOSITION: {
    auto* out = reinterpret_cast<POINT*>(lParam);
    if (!out || wParam >= d->items.size())
      return FALSE;
    updateScroll(window, *d);
    const RECT row = rowRect(window, *d, static_cast<int>(wParam));
    *out = POINT{row.left, row.top};
    return TRUE;
  }
  case LVM_GETITEMRECT:
  case LVM_GETSUBITEMRECT: {
    auto* io = reinterpret_cast<RECT*>(lParam);
    if (!io || wParam >= d->items.size())
      return FALSE;
    updateScroll(window, *d);
    RECT row = rowRect(window, *d, static_cast<int>(wParam));
    const int code = message == LVM_GETITEMRECT ? io->left : io->left;
    const int sub = message == LVM_GETSUBITEMRECT ? io->top : 0;
    if (message == LVM_GETSUBITEMRECT && sub > 0) {
      int left = row.left;
      for (int c = 0; c < sub && c < static_cast<int>(d->columns.size()); ++c)
        left += d->columns[static_cast<size_t>(c)].width;
      const int width = sub < static_cast<int>(d->columns.size()) ? d->columns[static_cast<size_t>(sub)].width : 0;
      row.left = left;
      row.right = left + width;
    } else if (code == LVIR_ICON) {
      row.right = row.left; // no image list: the icon takes no room
    } else if (code == LVIR_LABEL && !d->columns.empty()) {
      row.right = row.left + d->columns[0].width;
    }
    *io = row;
    return TRUE;
  }
  case LVM_HITTEST:
  case LVM_SUBITEMHITTEST: {
    auto* io = reinterpret_cast<LVHITTESTINFO*>(lParam);
    if (!io)
      return -1;
    updateScroll(window, *d);
    const int index = hitRow(window, *d, io->pt);
    io->iItem = index;
    io->flags = index >= 0 ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
    io->iSubItem = index >= 0 ? hitColumn(*d, rowArea(window, *d), io->pt.x) : -1;
    return index;
  }
  case LVM_ENSUREVISIBLE:
    if (static_cast<size_t>(wParam) < d->items.size())
      ensureVisible(window, *d, static_cast<int>(wParam));
    return TRUE;
  case LVM_GETTOPINDEX:
    updateScroll(window, *d);
    return d->scroll.pos;
  case LVM_GETCOUNTPERPAGE:
    updateScroll(window, *d);
    return d->scroll.page;
  case LVM_SCROLL:
    updateScroll(window, *d);
    scrollTo(window, *d, d->scroll.pos + static_cast<int>(lParam) / rowHeight(window, *d));
    return TRUE;
  case WM_NOTIFY: {
    // The header's tracking and changes go to the list's parent, as the list's own.
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->hwndFrom == d->header) {
      if (header->code == HDN_ITEMCHANGEDW) {
        auto* change = reinterpret_cast<NMHEADERW*>(lParam);
        if (change->pitem && (change->pitem->mask & HDI_WIDTH) && change->iItem >= 0 &&
            change->iItem < static_cast<int>(d->columns.size()))
          d->columns[static_cast<size_t>(change->iItem)].width = change->pitem->cxy;
        invalidate(window, *d);
      }
      HWND parent = GetParent(window);
      return parent ? SendMessageW(parent, WM_NOTIFY, wParam, lParam) : 0;
    }
    return 0;
  }
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace qorwin_listview

namespace qorwin_controls {

void registerListView()
{
  WNDCLASSEXW cls{};
  if (GetClassInfoExW(nullptr, WC_LISTVIEWW, &cls))
    return;
  cls = WNDCLASSEXW{};
  cls.cbSize = sizeof cls;
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = &qorwin_listview::listViewProc;
  cls.lpszClassName = WC_LISTVIEWW;
  RegisterClassExW(&cls);
}

} // namespace qorwin_controls

// The combo box ("ComboBox") and its drop list ("ComboLBox"): a list of strings with one current item,
// shown in the control's field (drawn by the owner with CBS_OWNERDRAWFIXED) and offered in a pop-up list
// the user opens with a click, F4 or Alt+Down. A drop-down combo (CBS_DROPDOWN) has an edit field for
// its text. The arrow keys, Home, End and the page keys move the current item; typed keys choose by
// their first letters (asked of the owner with WM_CHARTOITEM, where -2 refuses).
#include "qorwinControls.h"
#include "win/WinBase.h"

#include <algorithm>
#include <vector>

namespace qorwin_combobox {

using namespace qorwin_controls;

constexpr UINT ODS_COMBOBOXEDIT_FLAG = 0x1000;
constexpr int maxVisibleItems = 30;

struct ComboItem
{
  std::u16string text;
  ULONG_PTR data = 0;
};

struct ComboData
{
  std::vector<ComboItem> items;
  int current = -1;
  HWND list = nullptr;
  HWND edit = nullptr;
  bool dropped = false;
  int highlight = -1; // the item marked in the open list
  int fieldHeight = 0;
  int itemHeight = 0;
  ScrollBar scroll; // of the open list
  bool redraw = true;
  bool hasFocus = false;
  TypeAhead typeAhead;
};

struct ListBoxData
{
  HWND combo = nullptr;
};

ControlTable<ComboData>& combos()
{
  static auto* t = new ControlTable<ComboData>;
  return *t;
}

ControlTable<ListBoxData>& lists()
{
  static auto* t = new ControlTable<ListBoxData>;
  return *t;
}

DWORD styleOf(HWND window)
{
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

bool ownerDrawn(HWND combo)
{
  return (styleOf(combo) & CBS_OWNERDRAWFIXED) != 0;
}

bool isDropDownList(HWND combo)
{
  return (styleOf(combo) & 3) == CBS_DROPDOWNLIST;
}

void invalidate(HWND window, ComboData& d)
{
  if (d.redraw)
    InvalidateRect(window, nullptr, FALSE);
  if (d.list && d.dropped)
    InvalidateRect(d.list, nullptr, FALSE);
}

// The owner's item heights: the field's (item -1) and the list's (item 0).
void measure(HWND combo, ComboData& d)
{
  const int line = fontLineHeight(combo) + 2;
  d.fieldHeight = d.itemHeight = line;
  if (!ownerDrawn(combo))
    return;
  HWND parent = GetParent(combo);
  for (int item : {-1, 0}) {
    MEASUREITEMSTRUCT m{};
    m.CtlType = ODT_COMBOBOX;
    m.CtlID = static_cast<UINT>(GetDlgCtrlID(combo));
    m.itemID = static_cast<UINT>(item);
    m.itemHeight = static_cast<UINT>(line);
    if (parent)
      SendMessageW(parent, WM_MEASUREITEM, m.CtlID, reinterpret_cast<LPARAM>(&m));
    (item < 0 ? d.fieldHeight : d.itemHeight) = std::max<int>(1, static_cast<int>(m.itemHeight));
  }
}

int itemHeight(HWND combo, ComboData& d)
{
  if (d.itemHeight <= 0)
    measure(combo, d);
  return d.itemHeight;
}

// The control's text follows the current item (the edit field's too).
void showCurrentText(HWND combo, ComboData& d)
{
  const std::u16string text =
      d.current >= 0 && d.current < static_cast<int>(d.items.size()) ? d.items[static_cast<size_t>(d.current)].text
                                                                    : std::u16string();
  DefWindowProcW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (d.edit) {
    SetWindowTextW(d.edit, text.c_str());
    SendMessageW(d.edit, 0x00B1 /* EM_SETSEL */, 0, -1);
  }
}

void setCurrent(HWND combo, ComboData& d, int index)
{
  d.current = index >= 0 && index < static_cast<int>(d.items.size()) ? index : -1;
  showCurrentText(combo, d);
  invalidate(combo, d);
}

int findExact(ComboData& d, int start, const std::u16string& text)
{
  const int n = static_cast<int>(d.items.size());
  for (int k = 0; k < n; ++k) {
    const int i = (start + 1 + k + n) % n;
    if (equalFolded(d.items[static_cast<size_t>(i)].text, text))
      return i;
  }
  return CB_ERR;
}

int findPrefix(ComboData& d, int start, const std::u16string& text)
{
  const int n = static_cast<int>(d.items.size());
  for (int k = 0; k < n; ++k) {
    const int i = (start + 1 + k + n) % n;
    if (startsWithFolded(d.items[static_cast<size_t>(i)].text, text))
      return i;
  }
  return CB_ERR;
}

void updateListScroll(HWND combo, ComboData& d)
{
  d.scroll.count = static_cast<int>(d.items.size());
  d.scroll.page = std::min(maxVisibleItems, std::max(1, d.scroll.count));
  d.scroll.clamp();
  (void)combo;
}

RECT listItemArea(ComboData& d, HWND list)
{
  RECT client{};
  GetClientRect(list, &client);
  RECT area{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
  if (d.scroll.needed())
    area.right -= scrollBarWidth();
  return area;
}

void closeList(HWND combo, ComboData& d, bool chosen)
{
  if (!d.dropped)
    return;
  d.dropped = false;
  if (!chosen)
    commandParent(combo, CBN_SELENDCANCEL);
  if (GetCapture() == d.list)
    ReleaseCapture();
  ShowWindow(d.list, SW_HIDE);
  commandParent(combo, CBN_CLOSEUP);
  invalidate(combo, d);
}

void openList(HWND combo, ComboData& d)
{
  if (d.dropped || !d.list)
    return;
  commandParent(combo, CBN_DROPDOWN);
  updateListScroll(combo, d);
  RECT box{};
  GetWindowRect(combo, &box);
  const int rows = d.scroll.page;
  const int height = std::max(1, static_cast<int>(d.items.size()) ? rows : 1) * itemHeight(combo, d) + 2;
  SetWindowPos(d.list, HWND_TOP, box.left, box.bottom, box.right - box.left, height, SWP_NOACTIVATE);
  d.highlight = d.current;
  if (d.current >= 0) {
    if (d.current < d.scroll.pos)
      d.scroll.pos = d.current;
    else if (d.current >= d.scroll.pos + d.scroll.page)
      d.scroll.pos = d.current - d.scroll.page + 1;
    d.scroll.clamp();
  }
  d.dropped = true;
  ShowWindow(d.list, SW_SHOWNOACTIVATE);
  // The list shows drawn before the user can point at it.
  InvalidateRect(d.list, nullptr, FALSE);
  UpdateWindow(d.list);
  SetCapture(d.list);
  invalidate(combo, d);
}

// The user's choice of an item: ended with CBN_SELENDOK while the old text still shows, then the new
// item, the list closed, and CBN_SELCHANGE.
void choose(HWND combo, ComboData& d, int index)
{
  if (index < 0 || index >= static_cast<int>(d.items.size()))
    return;
  commandParent(combo, CBN_SELENDOK);
  ComboData* live = combos().find(combo);
  if (!live)
    return;
  setCurrent(combo, *live, index);
  closeList(combo, *live, true);
  commandParent(combo, CBN_SELCHANGE);
}

void drawChevron(HDC dc, const RECT& button, COLORREF color)
{
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = SelectObject(dc, pen);
  const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2;
  for (int k = 0; k < 2; ++k) {
    MoveToEx(dc, cx - 4, cy - 2 + k, nullptr);
    LineTo(dc, cx, cy + 2 + k);
    LineTo(dc, cx + 5, cy - 3 + k);
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

void fill(HDC dc, const RECT& r, COLORREF c)
{
  HBRUSH brush = CreateSolidBrush(c);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void drawItem(HWND combo, HDC dc, const RECT& r, int index, UINT state, ComboData& d)
{
  if (ownerDrawn(combo)) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_COMBOBOX;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(combo));
    draw.itemID = static_cast<UINT>(index);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state | (IsWindowEnabled(combo) ? 0 : ODS_DISABLED);
    draw.hwndItem = combo;
    draw.hDC = dc;
    draw.rcItem = r;
    draw.itemData = index >= 0 && index < static_cast<int>(d.items.size()) ? d.items[static_cast<size_t>(index)].data : 0;
    SelectedFont font(combo, dc);
    if (HWND parent = GetParent(combo))
      SendMessageW(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
    return;
  }
  const bool selected = (state & ODS_SELECTED) != 0;
  fill(dc, r, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (index < 0 || index >= static_cast<int>(d.items.size()))
    return;
  SelectedFont font(combo, dc);
  SetTextColor(dc, GetSysColor(!IsWindowEnabled(combo) ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  RECT text{r.left + 2, r.top, r.right - 2, r.bottom};
  const std::u16string& label = d.items[static_cast<size_t>(index)].text;
  DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

RECT buttonRect(HWND combo)
{
  RECT client{};
  GetClientRect(combo, &client);
  return RECT{client.right - 1 - scrollBarWidth(), client.top + 1, client.right - 1, client.bottom - 1};
}

void paintCombo(HWND combo, ComboData& d)
{
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(combo, &ps);
  RECT client{};
  GetClientRect(combo, &client);
  const bool enabled = IsWindowEnabled(combo) != FALSE;
  fill(dc, client, GetSysColor(COLOR_WINDOW));
  HBRUSH frame = CreateSolidBrush(enabled ? (d.hasFocus || d.dropped ? RGB(0, 120, 215) : RGB(122, 122, 122))
                                          : RGB(204, 204, 204));
  FrameRect(dc, &client, frame);
  DeleteObject(frame);
  const RECT button = buttonRect(combo);
  drawChevron(dc, button, enabled ? RGB(96, 96, 96) : RGB(191, 191, 191));
  if (!d.edit) {
    RECT field{client.left + 3, client.top + 3, button.left - 1, client.bottom - 3};
    const bool marked = d.hasFocus && !d.dropped;
    drawItem(combo, dc, field, d.current,
             ODS_COMBOBOXEDIT_FLAG | (marked ? ODS_SELECTED | ODS_FOCUS : 0), d);
  }
  EndPaint(combo, &ps);
}

void paintList(HWND list, HWND combo, ComboData& d)
{
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(list, &ps);
  RECT client{};
  GetClientRect(list, &client);
  // The owner may colour the list; the combo passes this on to its parent.
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(combo, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
  const RECT area = listItemArea(d, list);
  if (brush)
    FillRect(dc, &area, brush);
  else
    fill(dc, area, GetSysColor(COLOR_WINDOW));
  const int h = itemHeight(combo, d);
  const int last = std::min(static_cast<int>(d.items.size()), d.scroll.pos + d.scroll.page);
  for (int i = d.scroll.pos; i < last; ++i) {
    const RECT r{area.left, area.top + (i - d.scroll.pos) * h, area.right, area.top + (i - d.scroll.pos + 1) * h};
    drawItem(combo, dc, r, i, i == d.highlight ? ODS_SELECTED : 0, d);
  }
  if (d.scroll.needed())
    drawScrollBar(dc, scrollBarRect(client, true), d.scroll);
  HBRUSH frame = CreateSolidBrush(RGB(100, 100, 100));
  FrameRect(dc, &client, frame);
  DeleteObject(frame);
  EndPaint(list, &ps);
}

int listItemAt(HWND list, ComboData& d, POINT p, bool* outside)
{
  const RECT area = listItemArea(d, list);
  *outside = p.x < area.left || p.x >= area.right || p.y < area.top || p.y >= area.bottom;
  if (d.items.empty())
    return 0;
  const int h = itemHeight(lists().find(list)->combo, d);
  int index = d.scroll.pos + (p.y - area.top) / std::max(1, h);
  index = std::max(0, std::min(index, static_cast<int>(d.items.size()) - 1));
  return index;
}

void moveHighlight(HWND list, ComboData& d, int index)
{
  if (index < 0 || index >= static_cast<int>(d.items.size()))
    return;
  d.highlight = index;
  if (index < d.scroll.pos)
    d.scroll.pos = index;
  else if (index >= d.scroll.pos + d.scroll.page)
    d.scroll.pos = index - d.scroll.page + 1;
  d.scroll.clamp();
  InvalidateRect(list, nullptr, FALSE);
}

LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_NCCREATE) {
    ListBoxData* made = lists().make(list);
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    made->combo = cs ? static_cast<HWND>(cs->lpCreateParams) : nullptr;
    return DefWindowProcW(list, message, wParam, lParam);
  }
  ListBoxData* l = lists().find(list);
  ComboData* d = l ? combos().find(l->combo) : nullptr;
  if (message == WM_NCDESTROY) {
    lists().drop(list);
    return DefWindowProcW(list, message, wParam, lParam);
  }
  if (!d)
    return DefWindowProcW(list, message, wParam, lParam);
  HWND combo = l->combo;
  const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
  case WM_ERASEBKGND:
    return 1;
  case WM_PAINT:
    paintList(list, combo, *d);
    return 0;
  case LB_GETCOUNT:
    return static_cast<LRESULT>(d->items.size());
  case LB_GETCURSEL:
    return d->highlight;
  case LB_SETCURSEL:
    moveHighlight(list, *d, static_cast<int>(wParam));
    return d->highlight;
  case LB_GETTOPINDEX:
    return d->scroll.pos;
  case LB_ITEMFROMPOINT: {
    bool outside = false;
    const int index = listItemAt(list, *d, p, &outside);
    return MAKELONG(index, outside ? 1 : 0);
  }
  case WM_MOUSEMOVE: {
    bool outside = false;
    const int index = listItemAt(list, *d, p, &outside);
    if (!outside && index != d->highlight)
      moveHighlight(list, *d, index);
    return 0;
  }
  case WM_LBUTTONDOWN: {
    RECT client{};
    GetClientRect(list, &client);
    if (p.x < client.left || p.x >= client.right || p.y < client.top || p.y >= client.bottom) {
      // A press anywhere else closes the list without a choice.
      closeList(combo, *d, false);
      return 0;
    }
    switch (hitScrollBar(scrollBarRect(client, true), d->scroll, p)) {
    case ScrollHitLineUp:
    case ScrollHitLineDown:
    case ScrollHitPageUp:
    case ScrollHitPageDown: {
      const ScrollHit hit = hitScrollBar(scrollBarRect(client, true), d->scroll, p);
      const int request = hit == ScrollHitLineUp     ? SB_LINEUP
                          : hit == ScrollHitLineDown ? SB_LINEDOWN
                          : hit == ScrollHitPageUp   ? SB_PAGEUP
                                                     : SB_PAGEDOWN;
      d->scroll.pos = scrollPosFor(d->scroll, request, 0);
      InvalidateRect(list, nullptr, FALSE);
      return 0;
    }
    case ScrollHitThumb:
      d->scroll.dragging = true;
      d->scroll.grabOffset = p.y - scrollThumbRect(scrollBarRect(client, true), d->scroll).top;
      return 0;
    default:
      break;
    }
    bool outside = false;
    const int index = listItemAt(list, *d, p, &outside);
    if (!outside)
      moveHighlight(list, *d, index);
    return 0;
  }
  case WM_LBUTTONUP: {
    if (d->scroll.dragging) {
      d->scroll.dragging = false;
      return 0;
    }
    bool outside = false;
    const int index = listItemAt(list, *d, p, &outside);
    // A release outside the items (the one that follows the press that opened the list) keeps it open.
    if (!outside)
      choose(combo, *d, index);
    return 0;
  }
  case WM_MOUSEWHEEL: {
    const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
    d->scroll.pos -= 3 * notches;
    d->scroll.clamp();
    InvalidateRect(list, nullptr, FALSE);
    return 0;
  }
  case WM_CAPTURECHANGED:
    if (d->dropped && reinterpret_cast<HWND>(lParam) != list)
      closeList(combo, *d, false);
    return 0;
  default:
    return DefWindowProcW(list, message, wParam, lParam);
  }
}

void keyDown(HWND combo, ComboData& d, WPARAM key)
{
  const int n = static_cast<int>(d.items.size());
  if (key == VK_F4 || ((key == VK_DOWN || key == VK_UP) && GetKeyState(VK_MENU) < 0)) {
    if (d.dropped)
      closeList(combo, d, false);
    else
      openList(combo, d);
    return;
  }
  if (d.dropped && (key == VK_RETURN || key == VK_ESCAPE)) {
    if (key == VK_RETURN && d.highlight >= 0)
      choose(combo, d, d.highlight);
    else
      closeList(combo, d, false);
    return;
  }
  if (n == 0)
    return;
  const int at = d.dropped ? d.highlight : d.current;
  const int page = std::max(1, std::min(maxVisibleItems, n) - 1);
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
    to = std::max(0, at - page);
    break;
  case VK_NEXT:
    to = std::min(n - 1, std::max(at, 0) + page);
    break;
  default:
    return;
  }
  if (to == at)
    return;
  if (d.dropped)
    moveHighlight(d.list, d, to);
  else
    choose(combo, d, to);
}

void typed(HWND combo, ComboData& d, char16_t c)
{
  if (c < 0x20 || d.items.empty())
    return;
  d.typeAhead.add(c);
  const int at = d.dropped ? d.highlight : d.current;
  // The owner may refuse the item (-2) or leave the choice to the list (-1 for no match).
  const LRESULT index = SendMessageW(combo, WM_CHARTOITEM, MAKEWPARAM(c, static_cast<WORD>(at)),
                                     reinterpret_cast<LPARAM>(d.list));
  ComboData* live = combos().find(combo);
  if (!live || index < 0 || index >= static_cast<LRESULT>(live->items.size()) || index == at)
    return;
  if (live->dropped)
    moveHighlight(live->list, *live, static_cast<int>(index));
  else
    choose(combo, *live, static_cast<int>(index));
}

LRESULT CALLBACK comboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_NCCREATE) {
    combos().make(combo);
    return DefWindowProcW(combo, message, wParam, lParam);
  }
  ComboData* d = combos().find(combo);
  if (!d)
    return DefWindowProcW(combo, message, wParam, lParam);
  switch (message) {
  case WM_CREATE: {
    d->list = CreateWindowExW(WS_EX_TOOLWINDOW, WC_COMBOLBOXW, u"", WS_POPUP | WS_BORDER, 0, 0, 0, 0, combo,
                              nullptr, nullptr, combo);
    if ((styleOf(combo) & 3) == CBS_DROPDOWN) {
      RECT client{};
      GetClientRect(combo, &client);
      d->edit = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE | 0x0080L, 3, 3,
                                std::max(0, static_cast<int>(buttonRect(combo).left) - 4),
                                std::max(0, static_cast<int>(client.bottom) - 6), combo, reinterpret_cast<HMENU>(1001),
                                nullptr, nullptr);
    }
    return 0;
  }
  case WM_DESTROY:
    if (d->list) {
      HWND list = d->list;
      d->list = nullptr;
      DestroyWindow(list);
    }
    return 0;
  case WM_NCDESTROY:
    combos().drop(combo);
    return DefWindowProcW(combo, message, wParam, lParam);
  case WM_SETFONT:
    DefWindowProcW(combo, message, wParam, lParam);
    if (d->edit)
      SendMessageW(d->edit, WM_SETFONT, wParam, lParam);
    d->itemHeight = 0;
    measure(combo, *d);
    invalidate(combo, *d);
    return 0;
  case WM_SIZE:
    if (d->edit) {
      RECT client{};
      GetClientRect(combo, &client);
      MoveWindow(d->edit, 3, 3, std::max(0, static_cast<int>(buttonRect(combo).left) - 4),
                 std::max(0, static_cast<int>(client.bottom) - 6), TRUE);
    }
    return 0;
  case WM_SETREDRAW:
    d->redraw = wParam != 0;
    return 0;
  case WM_ERASEBKGND:
    return 1;
  case WM_PAINT:
    paintCombo(combo, *d);
    return 0;
  case WM_GETDLGCODE:
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (d->dropped ? DLGC_WANTALLKEYS : 0);
  case WM_SETFOCUS:
    d->hasFocus = true;
    if (d->edit) {
      SetFocus(d->edit);
      SendMessageW(d->edit, 0x00B1 /* EM_SETSEL */, 0, -1);
    }
    invalidate(combo, *d);
    commandParent(combo, CBN_SETFOCUS);
    return 0;
  case WM_KILLFOCUS: {
    HWND next = reinterpret_cast<HWND>(wParam);
    if (d->edit && next == d->edit)
      return 0;
    d->hasFocus = false;
    closeList(combo, *d, false);
    invalidate(combo, *d);
    commandParent(combo, CBN_KILLFOCUS);
    return 0;
  }
  case WM_ENABLE:
    invalidate(combo, *d);
    return 0;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    if (GetFocus() != combo && !(d->edit && GetFocus() == d->edit))
      SetFocus(combo);
    if (d->dropped)
      closeList(combo, *d, false);
    else if (!d->edit || GET_X_LPARAM(lParam) >= buttonRect(combo).left)
      openList(combo, *d);
    return 0;
  case WM_MOUSEWHEEL:
    if (!d->dropped) {
      const int notches = static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA;
      keyDown(combo, *d, notches > 0 ? VK_UP : VK_DOWN);
    }
    return 0;
  case WM_KEYDOWN:
    keyDown(combo, *d, wParam);
    return 0;
  case WM_SYSKEYDOWN:
    if (wParam == VK_DOWN || wParam == VK_UP) {
      d->dropped ? closeList(combo, *d, false) : openList(combo, *d);
      return 0;
    }
    return DefWindowProcW(combo, message, wParam, lParam);
  case WM_CHAR:
    if (isDropDownList(combo))
      typed(combo, *d, static_cast<char16_t>(wParam));
    return 0;
  case WM_CHARTOITEM: {
    // The item the typed letters lead to, from the one after the current item.
    const std::u16string prefix = [&] {
      std::u16string p;
      p.push_back(static_cast<char16_t>(LOWORD(wParam)));
      return p;
    }();
    const int at = static_cast<short>(HIWORD(wParam));
    const int found = findPrefix(*d, at, prefix);
    return found;
  }
  case WM_CTLCOLORLISTBOX: {
    HWND parent = GetParent(combo);
    return parent ? SendMessageW(parent, message, wParam, lParam) : 0;
  }
  case WM_SETTEXT: {
    if (d->edit) {
      DefWindowProcW(combo, message, wParam, lParam);
      SetWindowTextW(d->edit, reinterpret_cast<LPCWSTR>(lParam));
      return TRUE;
    }
    // A list without a field shows only its items: the text chooses the item that has it.
    const auto* text = reinterpret_cast<LPCWSTR>(lParam);
    const std::u16string wanted = text ? std::u16string(text) : std::u16string();
    if (wanted.empty()) {
      setCurrent(combo, *d, -1);
      return TRUE;
    }
    const int found = findExact(*d, -1, wanted);
    if (found == CB_ERR)
      return CB_ERR;
    setCurrent(combo, *d, found);
    return TRUE;
  }
  case WM_GETTEXT:
  case WM_GETTEXTLENGTH:
    if (d->edit)
      return SendMessageW(d->edit, message, wParam, lParam);
    return DefWindowProcW(combo, message, wParam, lParam);
  case WM_COMMAND:
    // The edit field's changes, as the combo's own.
    if (d->edit && reinterpret_cast<HWND>(lParam) == d->edit) {
      const UINT code = HIWORD(wParam);
      if (code == 0x0300 /* EN_CHANGE */) {
        std::u16string text(static_cast<size_t>(GetWindowTextLengthW(d->edit)) + 1, u'\0');
        const int n = GetWindowTextW(d->edit, &text[0], static_cast<int>(text.size()));
        text.resize(static_cast<size_t>(std::max(n, 0)));
        DefWindowProcW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        commandParent(combo, CBN_EDITUPDATE);
        commandParent(combo, CBN_EDITCHANGE);
      } else if (code == 0x0200 /* EN_KILLFOCUS */) {
        d->hasFocus = false;
        closeList(combo, *d, false);
        invalidate(combo, *d);
        commandParent(combo, CBN_KILLFOCUS);
      } else if (code == 0x0100 /* EN_SETFOCUS */) {
        d->hasFocus = true;
        invalidate(combo, *d);
      }
    }
    return 0;
  case CB_ADDSTRING:
  case CB_INSERTSTRING: {
    ComboItem item;
    if (styleOf(combo) & CBS_HASSTRINGS || !ownerDrawn(combo)) {
      if (const auto* text = reinterpret_cast<LPCWSTR>(lParam))
        item.text = text;
    } else {
      item.data = static_cast<ULONG_PTR>(lParam);
    }
    const int n = static_cast<int>(d->items.size());
    const int at = message == CB_ADDSTRING || static_cast<int>(wParam) < 0 || static_cast<int>(wParam) > n
                       ? n
                       : static_cast<int>(wParam);
    d->items.insert(d->items.begin() + at, std::move(item));
    if (d->current >= at && message == CB_INSERTSTRING)
      ++d->current;
    invalidate(combo, *d);
    return at;
  }
  case CB_DELETESTRING: {
    const int at = static_cast<int>(wParam);
    if (at < 0 || at >= static_cast<int>(d->items.size()))
      return CB_ERR;
    d->items.erase(d->items.begin() + at);
    if (d->current == at)
      setCurrent(combo, *d, -1);
    else if (d->current > at)
      --d->current;
    invalidate(combo, *d);
    return static_cast<LRESULT>(d->items.size());
  }
  case CB_RESETCONTENT:
    d->items.clear();
    d->current = d->highlight = -1;
    d->scroll.pos = 0;
    if (!d->edit)
      DefWindowProcW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u""));
    invalidate(combo, *d);
    return 0;
  case CB_GETCOUNT:
    return static_cast<LRESULT>(d->items.size());
  case CB_GETCURSEL:
    return d->current;
  case CB_SETCURSEL: {
    const int index = static_cast<int>(wParam);
    setCurrent(combo, *d, index);
    if (d->dropped)
      moveHighlight(d->list, *d, index);
    return index >= 0 && index < static_cast<int>(d->items.size()) ? index : CB_ERR;
  }
  case CB_GETLBTEXT:
  case CB_GETLBTEXTLEN: {
    const int index = static_cast<int>(wParam);
    if (index < 0 || index >= static_cast<int>(d->items.size()))
      return CB_ERR;
    const std::u16string& text = d->items[static_cast<size_t>(index)].text;
    if (message == CB_GETLBTEXT) {
      if (auto* out = reinterpret_cast<LPWSTR>(lParam)) {
        std::copy(text.begin(), text.end(), out);
        out[text.size()] = 0;
      }
    }
    return static_cast<LRESULT>(text.size());
  }
  case CB_GETITEMDATA: {
    const int index = static_cast<int>(wParam);
    return index >= 0 && index < static_cast<int>(d->items.size()) ? static_cast<LRESULT>(d->items[static_cast<size_t>(index)].data) : CB_ERR;
  }
  case CB_SETITEMDATA: {
    const int index = static_cast<int>(wParam);
    if (index < 0 || index >= static_cast<int>(d->items.size()))
      return CB_ERR;
    d->items[static_cast<size_t>(index)].data = static_cast<ULONG_PTR>(lParam);
    return TRUE;
  }
  case CB_FINDSTRING:
  case CB_FINDSTRINGEXACT:
  case CB_SELECTSTRING: {
    const auto* text = reinterpret_cast<LPCWSTR>(lParam);
    const std::u16string wanted = text ? std::u16string(text) : std::u16string();
    const int start = static_cast<int>(wParam);
    const int found = message == CB_FINDSTRINGEXACT ? findExact(*d, start, wanted) : findPrefix(*d, start, wanted);
    if (message == CB_SELECTSTRING && found != CB_ERR)
      setCurrent(combo, *d, found);
    return found;
  }
  case CB_SHOWDROPDOWN:
    wParam ? openList(combo, *d) : closeList(combo, *d, false);
    return TRUE;
  case CB_GETDROPPEDSTATE:
    return d->dropped ? TRUE : FALSE;
  case CB_GETDROPPEDCONTROLRECT: {
    if (auto* out = reinterpret_cast<RECT*>(lParam)) {
      if (d->dropped)
        GetWindowRect(d->list, out);
      else
        GetWindowRect(combo, out);
    }
    return TRUE;
  }
  case CB_GETITEMHEIGHT:
    return static_cast<int>(wParam) == -1 ? (measure(combo, *d), d->fieldHeight) : itemHeight(combo, *d);
  case CB_SETITEMHEIGHT:
    if (static_cast<int>(wParam) == -1)
      d->fieldHeight = static_cast<int>(lParam);
    else
      d->itemHeight = static_cast<int>(lParam);
    invalidate(combo, *d);
    return 0;
  default:
    return DefWindowProcW(combo, message, wParam, lParam);
  }
}

} // namespace qorwin_combobox

namespace qorwin_controls {

void registerComboBox()
{
  WNDCLASSEXW cls{};
  if (!GetClassInfoExW(nullptr, WC_COMBOBOXW, &cls)) {
    cls = WNDCLASSEXW{};
    cls.cbSize = sizeof cls;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = &qorwin_combobox::comboProc;
    cls.lpszClassName = WC_COMBOBOXW;
    RegisterClassExW(&cls);
  }
  if (!GetClassInfoExW(nullptr, WC_COMBOLBOXW, &cls)) {
    cls = WNDCLASSEXW{};
    cls.cbSize = sizeof cls;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = &qorwin_combobox::listProc;
    cls.lpszClassName = WC_COMBOLBOXW;
    RegisterClassExW(&cls);
  }
}

} // namespace qorwin_controls

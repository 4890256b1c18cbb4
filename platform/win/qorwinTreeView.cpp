// The tree-view control ("SysTreeView32"): items under items, branches the user opens and closes with
// the buttons, a double click, the arrow keys, + and -, one selected item, custom draw, lines and
// buttons, scrolling by rows with a vertical bar, and type-ahead over the rows that show.
#include "qorwinControls.h"
#include "win/WinBase.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

struct _TREEITEM
{
  std::u16string text;
  LPARAM param = 0;
  int children = 0; // the cChildren the program gave
  bool expanded = false;
  _TREEITEM* parent = nullptr;
  _TREEITEM* first = nullptr;
  _TREEITEM* last = nullptr;
  _TREEITEM* next = nullptr;
  _TREEITEM* previous = nullptr;
  int level = 0;
  int row = -1; // its place among the rows that show, when they were last counted
};

namespace qorwin_treeview {

using namespace qorwin_controls;
using Item = _TREEITEM;

struct TreeData
{
  Item root; // holds the top-level items; never shown
  std::unordered_set<Item*> live;
  Item* selected = nullptr;
  std::vector<Item*> rows; // the items that show, top to bottom
  bool rowsStale = true;
  COLORREF background = CLR_NONE;
  COLORREF textColor = CLR_NONE;
  int itemHeight = 0;
  int indent = 19;
  ScrollBar scroll;
  bool redraw = true;
  bool hasFocus = false;
  TypeAhead typeAhead;

  ~TreeData()
  {
    for (Item* item : live)
      delete item;
  }
};

ControlTable<TreeData>& table()
{
  static auto* t = new ControlTable<TreeData>;
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

bool hasChildren(const Item* item)
{
  return item->first != nullptr || item->children > 0;
}

Item* valid(TreeData& d, HTREEITEM handle)
{
  Item* item = reinterpret_cast<Item*>(handle);
  return item && d.live.count(item) ? item : nullptr;
}

void invalidate(HWND window, TreeData& d)
{
  if (d.redraw)
    InvalidateRect(window, nullptr, FALSE);
}

int itemHeight(HWND window, TreeData& d)
{
  if (d.itemHeight > 0)
    return d.itemHeight;
  MEASUREITEMSTRUCT measure{};
  measure.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
  measure.itemHeight = static_cast<UINT>(fontLineHeight(window) + 3);
  if (HWND parent = GetParent(window))
    SendMessageW(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
  d.itemHeight = std::max<int>(1, static_cast<int>(measure.itemHeight));
  return d.itemHeight;
}

void collectRows(Item* parent, std::vector<Item*>& rows)
{
  for (Item* child = parent->first; child; child = child->next) {
    rows.push_back(child);
    if (child->expanded)
      collectRows(child, rows);
  }
}

std::vector<Item*>& rows(TreeData& d)
{
  if (d.rowsStale) {
    d.rows.clear();
    collectRows(&d.root, d.rows);
    for (size_t i = 0; i < d.rows.size(); ++i)
      d.rows[i]->row = static_cast<int>(i);
    d.rowsStale = false;
  }
  return d.rows;
}

int rowOf(TreeData& d, Item* item)
{
  std::vector<Item*>& shown = rows(d);
  const int row = item->row;
  return row >= 0 && row < static_cast<int>(shown.size()) && shown[static_cast<size_t>(row)] == item ? row : -1;
}

RECT rowArea(HWND window, TreeData& d)
{
  RECT client{};
  GetClientRect(window, &client);
  const int b = bordered(window) ? 1 : 0;
  RECT area{client.left + b, client.top + b, client.right - b, client.bottom - b};
  if (d.scroll.needed())
    area.right -= scrollBarWidth();
  return area;
}

void updateScroll(HWND window, TreeData& d)
{
  RECT client{};
  GetClientRect(window, &client);
  const int b = bordered(window) ? 1 : 0;
  d.scroll.count = static_cast<int>(rows(d).size());
  d.scroll.page = std::max(1, (static_cast<int>(client.bottom - client.top) - 2 * b) / itemHeight(window, d));
  d.scroll.clamp();
  publishScroll(window, d.scroll);
}

void scrollTo(HWND window, TreeData& d, int pos)
{
  updateScroll(window, d);
  const int old = d.scroll.pos;
  d.scroll.pos = pos;
  d.scroll.clamp();
  publishScroll(window, d.scroll);
  if (old != d.scroll.pos)
    invalidate(window, d);
}

// The x where an item's level starts: one indent per level, and one more for the root's buttons.
int levelLeft(HWND window, TreeData& d, const Item* item)
{
  const bool rootButtons = (styleOf(window) & (TVS_LINESATROOT)) != 0;
  return rowArea(window, d).left + d.indent * (item->level + (rootButtons ? 1 : 0));
}

int textWidth(HWND window, const std::u16string& text)
{
  HDC dc = GetDC(window);
  SIZE size{};
  {
    SelectedFont font(window, dc);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  }
  ReleaseDC(window, dc);
  return size.cx;
}

RECT rowRect(HWND window, TreeData& d, int row)
{
  const RECT area = rowArea(window, d);
  const int h = itemHeight(window, d);
  const int top = area.top + (row - d.scroll.pos) * h;
  return RECT{area.left, top, area.right, top + h};
}

RECT textRect(HWND window, TreeData& d, Item* item, int row)
{
  RECT r = rowRect(window, d, row);
  r.left = levelLeft(window, d, item) + 2;
  r.right = r.left + textWidth(window, item->text) + 6;
  return r;
}

RECT buttonRect(HWND window, TreeData& d, Item* item, int row)
{
  RECT r = rowRect(window, d, row);
  const int left = levelLeft(window, d, item) - d.indent;
  const int cx = left + d.indent / 2, cy = (r.top + r.bottom) / 2;
  return RECT{cx - 4, cy - 4, cx + 5, cy + 5};
}

void ensureVisible(HWND window, TreeData& d, Item* item);

// TVN_ITEMEXPANDING, the change and TVN_ITEMEXPANDED; false when refused or unchanged.
bool expand(HWND window, TreeData& d, Item* item, UINT code)
{
  (void)d; // the record is looked up again after the parent's answer, which may change the tree
  const bool open = code == TVE_EXPAND || (code == TVE_TOGGLE && !item->expanded);
  if ((code & 3) == 0 || open == item->expanded || (open && !hasChildren(item)))
    return false;
  NMTREEVIEWW change{};
  change.action = open ? TVE_EXPAND : TVE_COLLAPSE;
  change.itemNew.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
  change.itemNew.hItem = reinterpret_cast<HTREEITEM>(item);
  change.itemNew.lParam = item->param;
  change.itemNew.state = item->expanded ? TVIS_EXPANDED : 0;
  if (notifyParent(window, TVN_ITEMEXPANDINGW, &change.hdr))
    return false;
  TreeData* live = table().find(window);
  if (!live || !live->live.count(item))
    return false;
  item->expanded = open;
  live->rowsStale = true;
  // A closed branch takes the selection of an item inside it up to itself.
  if (!open && live->selected) {
    for (Item* up = live->selected->parent; up; up = up->parent)
      if (up == item) {
        NMTREEVIEWW select{};
        select.action = TVC_UNKNOWN;
        select.itemOld.hItem = reinterpret_cast<HTREEITEM>(live->selected);
        select.itemOld.lParam = live->selected->param;
        select.itemNew.hItem = reinterpret_cast<HTREEITEM>(item);
        select.itemNew.lParam = item->param;
        live->selected = item;
        notifyParent(window, TVN_SELCHANGEDW, &select.hdr);
        break;
      }
  }
  invalidate(window, *live);
  change.itemNew.state = open ? TVIS_EXPANDED : 0;
  notifyParent(window, TVN_ITEMEXPANDEDW, &change.hdr);
  return true;
}

// TVN_SELCHANGING, the change and TVN_SELCHANGED; the new item is shown, its branches opened.
bool select(HWND window, TreeData& d, Item* item, UINT action)
{
  if (item == d.selected)
    return true;
  NMTREEVIEWW change{};
  change.action = action;
  change.itemOld.mask = change.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
  change.itemOld.hItem = reinterpret_cast<HTREEITEM>(d.selected);
  change.itemOld.lParam = d.selected ? d.selected->param : 0;
  change.itemNew.hItem = reinterpret_cast<HTREEITEM>(item);
  change.itemNew.lParam = item ? item->param : 0;
  if (notifyParent(window, TVN_SELCHANGINGW, &change.hdr))
    return false;
  TreeData* live = table().find(window);
  if (!live || (item && !live->live.count(item)))
    return false;
  live->selected = item;
  if (item)
    ensureVisible(window, *live, item);
  invalidate(window, *live);
  notifyParent(window, TVN_SELCHANGEDW, &change.hdr);
  return true;
}

void ensureVisible(HWND window, TreeData& d, Item* item)
{
  std::vector<Item*> closed;
  for (Item* up = item->parent; up && up != &d.root; up = up->parent)
    if (!up->expanded)
      closed.push_back(up);
  for (auto it = closed.rbegin(); it != closed.rend(); ++it)
    expand(window, d, *it, TVE_EXPAND);
  TreeData* live = table().find(window);
  if (!live)
    return;
  updateScroll(window, *live);
  const int row = rowOf(*live, item);
  if (row < 0)
    return;
  if (row < live->scroll.pos)
    scrollTo(window, *live, row);
  else if (row >= live->scroll.pos + live->scroll.page)
    scrollTo(window, *live, row - live->scroll.page + 1);
}

void unlink(Item* item)
{
  Item* parent = item->parent;
  if (item->previous)
    item->previous->next = item->next;
  else
    parent->first = item->next;
  if (item->next)
    item->next->previous = item->previous;
  else
    parent->last = item->previous;
  item->next = item->previous = nullptr;
}

void forget(TreeData& d, Item* item, bool* selectedGone)
{
  for (Item* child = item->first; child;) {
    Item* next = child->next;
    forget(d, child, selectedGone);
    child = next;
  }
  if (item == d.selected) {
    d.selected = nullptr;
    *selectedGone = true;
  }
  d.live.erase(item);
  delete item;
}

void deleteItem(HWND window, TreeData& d, Item* item)
{
  bool selectedGone = false;
  LPARAM oldParam = d.selected ? d.selected->param : 0;
  HTREEITEM oldHandle = reinterpret_cast<HTREEITEM>(d.selected);
  if (item == &d.root) {
    for (Item* child = d.root.first; child;) {
      Item* next = child->next;
      forget(d, child, &selectedGone);
      child = next;
    }
    d.root.first = d.root.last = nullptr;
    d.scroll.pos = 0;
  } else {
    unlink(item);
    forget(d, item, &selectedGone);
  }
  d.rowsStale = true;
  invalidate(window, d);
  if (selectedGone) {
    // The selection went with its item.
    NMTREEVIEWW change{};
    change.action = TVC_UNKNOWN;
    change.itemOld.hItem = oldHandle;
    change.itemOld.lParam = oldParam;
    notifyParent(window, TVN_SELCHANGEDW, &change.hdr);
  }
}

HTREEITEM insertItem(HWND window, TreeData& d, const TVINSERTSTRUCTW* in)
{
  if (!in)
    return nullptr;
  Item* parent = in->hParent == TVI_ROOT || !in->hParent ? &d.root : valid(d, in->hParent);
  if (!parent)
    return nullptr;
  auto* item = new Item;
  if ((in->item.mask & TVIF_TEXT) && in->item.pszText)
    item->text = in->item.pszText;
  if (in->item.mask & TVIF_PARAM)
    item->param = in->item.lParam;
  if (in->item.mask & TVIF_CHILDREN)
    item->children = in->item.cChildren;
  item->parent = parent;
  item->level = parent == &d.root ? 0 : parent->level + 1;
  Item* after = nullptr;
  if (in->hInsertAfter == TVI_FIRST)
    after = nullptr;
  else if (in->hInsertAfter == TVI_LAST || !in->hInsertAfter || in->hInsertAfter == TVI_ROOT)
    after = parent->last;
  else {
    after = valid(d, in->hInsertAfter);
    if (!after || after->parent != parent)
      after = parent->last;
  }
  item->previous = after;
  item->next = after ? after->next : parent->first;
  if (item->next)
    item->next->previous = item;
  else
    parent->last = item;
  if (after)
    after->next = item;
  else
    parent->first = item;
  d.live.insert(item);
  if (parent == &d.root || parent->expanded)
    d.rowsStale = true;
  invalidate(window, d);
  return reinterpret_cast<HTREEITEM>(item);
}

Item* nextItem(TreeData& d, UINT code, Item* item)
{
  switch (code) {
  case TVGN_ROOT:
    return d.root.first;
  case TVGN_NEXT:
    return item ? item->next : nullptr;
  case TVGN_PREVIOUS:
    return item ? item->previous : nullptr;
  case TVGN_PARENT:
    return item && item->parent != &d.root ? item->parent : nullptr;
  case TVGN_CHILD:
    return item ? item->first : d.root.first;
  case TVGN_CARET:
    return d.selected;
  case TVGN_FIRSTVISIBLE: {
    std::vector<Item*>& shown = rows(d);
    return d.scroll.pos < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(d.scroll.pos)] : nullptr;
  }
  case TVGN_NEXTVISIBLE:
  case TVGN_PREVIOUSVISIBLE: {
    const int row = item ? rowOf(d, item) : -1;
    std::vector<Item*>& shown = rows(d);
    const int to = row + (code == TVGN_NEXTVISIBLE ? 1 : -1);
    return row >= 0 && to >= 0 && to < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(to)] : nullptr;
  }
  default:
    return nullptr;
  }
}

LRESULT customDraw(HWND window, NMTVCUSTOMDRAW& cd, DWORD stage)
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

void dottedLine(HDC dc, int x1, int y1, int x2, int y2)
{
  const COLORREF grey = RGB(160, 160, 160);
  if (x1 == x2) {
    for (int y = std::min(y1, y2); y < std::max(y1, y2); y += 2)
      SetPixel(dc, x1, y, grey);
  } else {
    for (int x = std::min(x1, x2); x < std::max(x1, x2); x += 2)
      SetPixel(dc, x, y1, grey);
  }
}

void paint(HWND window, TreeData& d)
{
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  updateScroll(window, d);
  RECT client{};
  GetClientRect(window, &client);
  SelectedFont font(window, dc);
  const DWORD style = styleOf(window);
  const RECT area = rowArea(window, d);
  const COLORREF background = d.background == CLR_NONE ? GetSysColor(COLOR_WINDOW) : d.background;
  NMTVCUSTOMDRAW cd{};
  cd.nmcd.hdc = dc;
  cd.nmcd.rc = client;
  const LRESULT whole = customDraw(window, cd, CDDS_PREPAINT);
  fill(dc, area, background);
  HRGN clip = CreateRectRgnIndirect(&area);
  SelectClipRgn(dc, clip);
  std::vector<Item*>& shown = rows(d);
  const int last = std::min(static_cast<int>(shown.size()), d.scroll.pos + d.scroll.page + 1);
  for (int row = d.scroll.pos; row < last; ++row) {
    Item* item = shown[static_cast<size_t>(row)];
    const RECT full = rowRect(window, d, row);
    const bool selected = item == d.selected && (d.hasFocus || (style & TVS_SHOWSELALWAYS));
    cd = NMTVCUSTOMDRAW{};
    cd.nmcd.hdc = dc;
    cd.nmcd.rc = full;
    cd.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(item);
    cd.nmcd.uItemState = (selected ? CDIS_SELECTED : 0) | (item == d.selected && d.hasFocus ? CDIS_FOCUS : 0);
    cd.nmcd.lItemlParam = item->param;
    cd.clrText = item == d.selected && d.hasFocus ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                 : d.textColor == CLR_NONE        ? GetSysColor(COLOR_WINDOWTEXT)
                                                  : d.textColor;
    cd.clrTextBk = background;
    cd.iLevel = item->level;
    const LRESULT itemResult = (whole & CDRF_NOTIFYITEMDRAW) ? customDraw(window, cd, CDDS_ITEMPREPAINT) : 0;
    if (!(itemResult & CDRF_SKIPDEFAULT)) {
      const int cy = (full.top + full.bottom) / 2;
      const int left = levelLeft(window, d, item);
      const bool buttons = (style & TVS_HASBUTTONS) && (item->level > 0 || (style & TVS_LINESATROOT));
      if ((style & TVS_HASLINES) && (item->level > 0 || (style & TVS_LINESATROOT))) {
        const int x = left - d.indent + d.indent / 2;
        dottedLine(dc, x, cy, left, cy);
        dottedLine(dc, x, item->previous || item->level > 0 ? full.top : cy, x, item->next ? full.bottom : cy + 1);
        // The lines of the ancestors that go on below.
        const Item* up = item->parent;
        for (int level = item->level - 1; up && up != &d.root; --level, up = up->parent)
          if (up->next)
            dottedLine(dc, left - d.indent * (item->level - level) - d.indent + d.indent / 2, full.top,
                       left - d.indent * (item->level - level) - d.indent + d.indent / 2, full.bottom);
      }
      if (buttons && hasChildren(item)) {
        const RECT box = buttonRect(window, d, item, row);
        fill(dc, box, background);
        HBRUSH frame = CreateSolidBrush(RGB(145, 145, 145));
        FrameRect(dc, &box, frame);
        DeleteObject(frame);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, box.left + 2, (box.top + box.bottom) / 2, nullptr);
        LineTo(dc, box.right - 2, (box.top + box.bottom) / 2);
        if (!item->expanded) {
          MoveToEx(dc, (box.left + box.right) / 2, box.top + 2, nullptr);
          LineTo(dc, (box.left + box.right) / 2, box.bottom - 2);
        }
        SelectObject(dc, old);
        DeleteObject(pen);
      }
      const RECT text = textRect(window, d, item, row);
      const bool focusedSelection = selected && d.hasFocus;
      if (selected)
        fill(dc, text, focusedSelection ? GetSysColor(COLOR_HIGHLIGHT) : RGB(217, 217, 217));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, focusedSelection ? GetSysColor(COLOR_HIGHLIGHTTEXT) : cd.clrText);
      RECT inner{text.left + 3, text.top, text.right, text.bottom};
      DrawTextW(dc, item->text.c_str(), static_cast<int>(item->text.size()), &inner,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (itemResult & CDRF_NOTIFYPOSTPAINT)
      customDraw(window, cd, CDDS_ITEMPOSTPAINT);
  }
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  if (whole & CDRF_NOTIFYPOSTPAINT) {
    cd = NMTVCUSTOMDRAW{};
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

Item* hitTest(HWND window, TreeData& d, POINT p, UINT* flags)
{
  *flags = TVHT_NOWHERE;
  const RECT area = rowArea(window, d);
  if (p.x < area.left || p.x >= area.right || p.y < area.top || p.y >= area.bottom)
    return nullptr;
  const int row = d.scroll.pos + (p.y - area.top) / itemHeight(window, d);
  std::vector<Item*>& shown = rows(d);
  if (row < 0 || row >= static_cast<int>(shown.size()))
    return nullptr;
  Item* item = shown[static_cast<size_t>(row)];
  const RECT text = textRect(window, d, item, row);
  const RECT button = buttonRect(window, d, item, row);
  const DWORD style = styleOf(window);
  if (p.x >= text.left && p.x < text.right)
    *flags = TVHT_ONITEMLABEL;
  else if (p.x >= text.right)
    *flags = TVHT_ONITEMRIGHT;
  else if ((style & TVS_HASBUTTONS) && hasChildren(item) && p.x >= button.left - 2 && p.x < button.right + 2)
    *flags = TVHT_ONITEMBUTTON;
  else
    *flags = TVHT_ONITEMINDENT;
  return item;
}

void mouseDown(HWND window, TreeData& d, POINT p, bool right, bool twice)
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
  UINT flags = 0;
  Item* item = hitTest(window, d, p, &flags);
  const bool fullRow = (styleOf(window) & TVS_FULLROWSELECT) != 0;
  if (item && flags == TVHT_ONITEMBUTTON && !right) {
    expand(window, d, item, TVE_TOGGLE);
  } else if (item && (flags == TVHT_ONITEMLABEL || fullRow)) {
    select(window, d, item, TVC_BYMOUSE);
    TreeData* live = table().find(window);
    if (twice && live && live->live.count(item))
      expand(window, *live, item, TVE_TOGGLE);
  }
  NMHDR click{};
  notifyParent(window, twice ? NM_DBLCLK : right ? NM_RCLICK : NM_CLICK, &click);
}

void keyDown(HWND window, TreeData& d, WPARAM key)
{
  std::vector<Item*>& shown = rows(d);
  if (shown.empty())
    return;
  updateScroll(window, d);
  Item* at = d.selected;
  const int row = at ? rowOf(d, at) : -1;
  const int n = static_cast<int>(shown.size());
  auto to = [&](int r) { select(window, d, shown[static_cast<size_t>(std::max(0, std::min(n - 1, r)))], TVC_BYKEYBOARD); };
  switch (key) {
  case VK_UP:
    to(row < 0 ? 0 : row - 1);
    break;
  case VK_DOWN:
    to(row < 0 ? 0 : row + 1);
    break;
  case VK_HOME:
    to(0);
    break;
  case VK_END:
    to(n - 1);
    break;
  case VK_PRIOR:
    to(std::max(row, 0) - std::max(1, d.scroll.page - 1));
    break;
  case VK_NEXT:
    to(std::max(row, 0) + std::max(1, d.scroll.page - 1));
    break;
  case VK_RIGHT:
    if (!at)
      to(0);
    else if (hasChildren(at) && !at->expanded)
      expand(window, d, at, TVE_EXPAND);
    else if (at->expanded && at->first)
      select(window, d, at->first, TVC_BYKEYBOARD);
    break;
  case VK_LEFT:
    if (!at)
      to(0);
    else if (at->expanded)
      expand(window, d, at, TVE_COLLAPSE);
    else if (at->parent && at->parent != &d.root)
      select(window, d, at->parent, TVC_BYKEYBOARD);
    break;
  case VK_ADD:
    if (at)
      expand(window, d, at, TVE_EXPAND);
    break;
  case VK_SUBTRACT:
    if (at)
      expand(window, d, at, TVE_COLLAPSE);
    break;
  default:
    break;
  }
}

void typeAhead(HWND window, TreeData& d, char16_t c)
{
  if (c < 0x20)
    return;
  if (c == u'+' || c == u'-')
    return; // handled as keys
  const std::u16string& prefix = d.typeAhead.add(c);
  std::vector<Item*>& shown = rows(d);
  const int n = static_cast<int>(shown.size());
  if (!n)
    return;
  const int at = d.selected ? rowOf(d, d.selected) : -1;
  const int first = prefix.size() == 1 ? at + 1 : std::max(at, 0);
  for (int k = 0; k < n; ++k) {
    Item* item = shown[static_cast<size_t>((first + k) % n)];
    if (startsWithFolded(item->text, prefix)) {
      select(window, d, item, TVC_BYKEYBOARD);
      return;
    }
  }
}

LRESULT CALLBACK treeViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (message == WM_NCCREATE) {
    table().make(window);
    followScroll(window, [window](int pos) {
      if (TreeData* d = table().find(window))
        scrollTo(window, *d, pos);
    });
    return DefWindowProcW(window, message, wParam, lParam);
  }
  TreeData* d = table().find(window);
  if (!d)
    return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
  case WM_NCDESTROY:
    forgetScroll(window);
    table().drop(window);
    return DefWindowProcW(window, message, wParam, lParam);
  case WM_SETFONT:
    DefWindowProcW(window, message, wParam, lParam);
    d->itemHeight = 0;
    invalidate(window, *d);
    return 0;
  case WM_SIZE:
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
      scrollTo(window, *d,
               scrollPosForThumb(scrollBarRect(client, bordered(window)), d->scroll,
                                 GET_Y_LPARAM(lParam) - d->scroll.grabOffset));
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
  case WM_MOUSEWHEEL:
    scrollTo(window, *d, d->scroll.pos - 3 * (static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA));
    return 0;
  case WM_VSCROLL:
    updateScroll(window, *d);
    scrollTo(window, *d, scrollPosFor(d->scroll, LOWORD(wParam), static_cast<short>(HIWORD(wParam))));
    return 0;
  case WM_KEYDOWN:
    keyDown(window, *d, wParam);
    return 0;
  case WM_CHAR:
    if (wParam == u'+' || wParam == u'-') {
      if (d->selected)
        expand(window, *d, d->selected, wParam == u'+' ? TVE_EXPAND : TVE_COLLAPSE);
      return 0;
    }
    typeAhead(window, *d, static_cast<char16_t>(wParam));
    return 0;
  case TVM_INSERTITEMW:
    return reinterpret_cast<LRESULT>(insertItem(window, *d, reinterpret_cast<const TVINSERTSTRUCTW*>(lParam)));
  case TVM_DELETEITEM: {
    auto handle = reinterpret_cast<HTREEITEM>(lParam);
    Item* item = handle == TVI_ROOT || !handle ? &d->root : valid(*d, handle);
    if (!item)
      return FALSE;
    deleteItem(window, *d, item);
    return TRUE;
  }
  case TVM_EXPAND: {
    Item* item = valid(*d, reinterpret_cast<HTREEITEM>(lParam));
    return item && expand(window, *d, item, static_cast<UINT>(wParam)) ? TRUE : FALSE;
  }
  case TVM_GETNEXTITEM: {
    auto handle = reinterpret_cast<HTREEITEM>(lParam);
    Item* item = handle ? valid(*d, handle) : nullptr;
    if (handle && !item && wParam != TVGN_ROOT && wParam != TVGN_CARET && wParam != TVGN_FIRSTVISIBLE)
      return 0;
    return reinterpret_cast<LRESULT>(nextItem(*d, static_cast<UINT>(wParam), item));
  }
  case TVM_SELECTITEM: {
    if (wParam != TVGN_CARET)
      return FALSE;
    auto handle = reinterpret_cast<HTREEITEM>(lParam);
    Item* item = handle ? valid(*d, handle) : nullptr;
    if (handle && !item)
      return FALSE;
    return select(window, *d, item, TVC_UNKNOWN) ? TRUE : FALSE;
  }
  case TVM_GETITEMW:
  case TVM_SETITEMW: {
    auto* io = reinterpret_cast<TVITEMW*>(lParam);
    Item* item = io ? valid(*d, io->hItem) : nullptr;
    if (!item)
      return FALSE;
    if (message == TVM_GETITEMW) {
      if (io->mask & TVIF_PARAM)
        io->lParam = item->param;
      if (io->mask & TVIF_CHILDREN)
        io->cChildren = hasChildren(item) ? 1 : 0;
      if (io->mask & TVIF_STATE)
        io->state = (item->expanded ? TVIS_EXPANDED : 0) | (item == d->selected ? TVIS_SELECTED : 0);
      if ((io->mask & TVIF_TEXT) && io->pszText && io->cchTextMax > 0) {
        const size_t n = std::min(item->text.size(), static_cast<size_t>(io->cchTextMax - 1));
        std::copy(item->text.begin(), item->text.begin() + static_cast<std::ptrdiff_t>(n), io->pszText);
        io->pszText[n] = 0;
      }
      return TRUE;
    }
    if ((io->mask & TVIF_TEXT) && io->pszText)
      item->text = io->pszText;
    if (io->mask & TVIF_PARAM)
      item->param = io->lParam;
    if (io->mask & TVIF_CHILDREN)
      item->children = io->cChildren;
    invalidate(window, *d);
    return TRUE;
  }
  case TVM_GETITEMRECT: {
    auto* io = reinterpret_cast<RECT*>(lParam);
    if (!io)
      return FALSE;
    Item* item = valid(*d, *reinterpret_cast<HTREEITEM*>(io));
    if (!item)
      return FALSE;
    updateScroll(window, *d);
    const int row = rowOf(*d, item);
    if (row < d->scroll.pos || row > d->scroll.pos + d->scroll.page)
      return FALSE;
    *io = wParam ? textRect(window, *d, item, row) : rowRect(window, *d, row);
    return TRUE;
  }
  case TVM_HITTEST: {
    auto* io = reinterpret_cast<TVHITTESTINFO*>(lParam);
    if (!io)
      return 0;
    updateScroll(window, *d);
    Item* item = hitTest(window, *d, io->pt, &io->flags);
    io->hItem = reinterpret_cast<HTREEITEM>(item);
    return reinterpret_cast<LRESULT>(item);
  }
  case TVM_ENSUREVISIBLE: {
    Item* item = valid(*d, reinterpret_cast<HTREEITEM>(lParam));
    if (item)
      ensureVisible(window, *d, item);
    return item ? TRUE : FALSE;
  }
  case TVM_GETCOUNT:
    return static_cast<LRESULT>(d->live.size());
  case TVM_GETINDENT:
    return d->indent;
  case TVM_SETITEMHEIGHT: {
    const int old = itemHeight(window, *d);
    d->itemHeight = static_cast<int>(static_cast<short>(wParam)) > 0 ? static_cast<int>(static_cast<short>(wParam)) : 0;
    invalidate(window, *d);
    return old;
  }
  case TVM_GETITEMHEIGHT:
    return itemHeight(window, *d);
  case TVM_SETBKCOLOR: {
    const COLORREF old = d->background;
    d->background = static_cast<COLORREF>(lParam);
    invalidate(window, *d);
    return static_cast<LRESULT>(old);
  }
  case TVM_GETBKCOLOR:
    return static_cast<LRESULT>(d->background);
  case TVM_SETTEXTCOLOR: {
    const COLORREF old = d->textColor;
    d->textColor = static_cast<COLORREF>(lParam);
    invalidate(window, *d);
    return static_cast<LRESULT>(old);
  }
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace qorwin_treeview

namespace qorwin_controls {

void registerTreeView()
{
  WNDCLASSEXW cls{};
  if (GetClassInfoExW(nullptr, WC_TREEVIEWW, &cls))
    return;
  cls = WNDCLASSEXW{};
  cls.cbSize = sizeof cls;
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = &qorwin_treeview::treeViewProc;
  cls.lpszClassName = WC_TREEVIEWW;
  RegisterClassExW(&cls);
}

} // namespace qorwin_controls

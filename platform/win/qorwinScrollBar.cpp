// The scroll bars of windows (the bar a control draws at its right edge, and GetScrollPos/SetScrollPos
// over it), with the services every common control shares: notifications, fonts and type-ahead.
#include "qorwinControls.h"
#include "qorwinState.h"
#include "win/WinBase.h"
#include "win/WinTest.h"

#include <algorithm>
#include <cwctype>

namespace qorwin_controls {

LRESULT notifyParent(HWND control, UINT code, NMHDR* header)
{
  header->hwndFrom = control;
  header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
  header->code = code;
  HWND parent = GetParent(control);
  return parent ? SendMessageW(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header)) : 0;
}

void commandParent(HWND control, UINT code)
{
  if (HWND parent = GetParent(control))
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

SelectedFont::SelectedFont(HWND window, HDC dc) : dc_(dc)
{
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
  old_ = font ? SelectObject(dc, font) : nullptr;
}

SelectedFont::~SelectedFont()
{
  if (old_)
    SelectObject(dc_, old_);
}

int fontLineHeight(HWND window)
{
  HDC dc = GetDC(window);
  TEXTMETRICW metrics{};
  {
    SelectedFont font(window, dc);
    GetTextMetricsW(dc, &metrics);
  }
  ReleaseDC(window, dc);
  return std::max<int>(metrics.tmHeight, 8);
}

bool ScrollBar::clamp()
{
  const int old = pos;
  pos = std::max(0, std::min(pos, maxPos()));
  return pos != old;
}

int scrollBarWidth()
{
  return GetSystemMetrics(SM_CXVSCROLL);
}

RECT scrollBarRect(const RECT& client, bool bordered)
{
  const int b = bordered ? 1 : 0;
  return RECT{client.right - b - scrollBarWidth(), client.top + b, client.right - b, client.bottom - b};
}

namespace {
int arrowHeight(const RECT& bar)
{
  return std::min<int>(scrollBarWidth(), (bar.bottom - bar.top) / 2);
}
} // namespace

RECT scrollThumbRect(const RECT& bar, const ScrollBar& scroll)
{
  const int arrow = arrowHeight(bar);
  const int track = std::max(0, static_cast<int>(bar.bottom - bar.top) - 2 * arrow);
  if (!scroll.needed() || scroll.count <= 0)
    return RECT{bar.left, bar.top + arrow, bar.right, bar.top + arrow};
  const int length = std::min(track, std::max(8, static_cast<int>(static_cast<long long>(track) * scroll.page / scroll.count)));
  const int room = track - length;
  const int top = scroll.maxPos() ? static_cast<int>(static_cast<long long>(room) * scroll.pos / scroll.maxPos()) : 0;
  return RECT{bar.left, bar.top + arrow + top, bar.right, bar.top + arrow + top + length};
}

ScrollHit hitScrollBar(const RECT& bar, const ScrollBar& scroll, POINT p)
{
  if (p.x < bar.left || p.x >= bar.right || p.y < bar.top || p.y >= bar.bottom || !scroll.needed())
    return ScrollHitNone;
  const int arrow = arrowHeight(bar);
  if (p.y < bar.top + arrow)
    return ScrollHitLineUp;
  if (p.y >= bar.bottom - arrow)
    return ScrollHitLineDown;
  const RECT thumb = scrollThumbRect(bar, scroll);
  if (p.y < thumb.top)
    return ScrollHitPageUp;
  if (p.y >= thumb.bottom)
    return ScrollHitPageDown;
  return ScrollHitThumb;
}

void drawScrollBar(HDC dc, const RECT& bar, const ScrollBar& scroll)
{
  auto fill = [dc](const RECT& r, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  };
  fill(bar, RGB(240, 240, 240));
  const int arrow = arrowHeight(bar);
  const bool active = scroll.needed();
  const COLORREF glyph = active ? RGB(96, 96, 96) : RGB(191, 191, 191);
  HBRUSH brush = CreateSolidBrush(glyph);
  HPEN pen = CreatePen(PS_SOLID, 1, glyph);
  HGDIOBJ oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
  const int cx = (bar.left + bar.right) / 2;
  const int h = std::max(2, arrow / 4);
  const int upY = bar.top + arrow / 2, downY = bar.bottom - arrow / 2;
  POINT up[3] = {{cx - h, upY + h / 2}, {cx + h, upY + h / 2}, {cx, upY - h / 2 - 1}};
  POINT down[3] = {{cx - h, downY - h / 2 - 1}, {cx + h, downY - h / 2 - 1}, {cx, downY + h / 2}};
  Polygon(dc, up, 3);
  Polygon(dc, down, 3);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
  if (active) {
    RECT thumb = scrollThumbRect(bar, scroll);
    thumb.left += 2;
    thumb.right -= 2;
    fill(thumb, scroll.dragging ? RGB(96, 96, 96) : RGB(205, 205, 205));
  }
}

int scrollPosForThumb(const RECT& bar, const ScrollBar& scroll, int thumbTop)
{
  const int arrow = arrowHeight(bar);
  const RECT thumb = scrollThumbRect(bar, scroll);
  const int room = static_cast<int>(bar.bottom - bar.top) - 2 * arrow - static_cast<int>(thumb.bottom - thumb.top);
  if (room <= 0)
    return scroll.pos;
  const long long at = std::max(0, std::min(room, thumbTop - static_cast<int>(bar.top) - arrow));
  return static_cast<int>((at * scroll.maxPos() + room / 2) / room);
}

int scrollPosFor(const ScrollBar& scroll, int request, int thumb)
{
  int pos = scroll.pos;
  switch (request) {
  case SB_LINEUP:
    --pos;
    break;
  case SB_LINEDOWN:
    ++pos;
    break;
  case SB_PAGEUP:
    pos -= std::max(1, scroll.page);
    break;
  case SB_PAGEDOWN:
    pos += std::max(1, scroll.page);
    break;
  case SB_THUMBTRACK:
  case SB_THUMBPOSITION:
    pos = thumb;
    break;
  case SB_TOP:
    pos = 0;
    break;
  case SB_BOTTOM:
    pos = scroll.maxPos();
    break;
  default:
    break;
  }
  return std::max(0, std::min(pos, scroll.maxPos()));
}

namespace {
struct BarRecord
{
  SCROLLINFO info{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
  std::function<void(int)> follow;
};
std::mutex barLock;
std::map<HWND, BarRecord>& bars()
{
  static auto* table = new std::map<HWND, BarRecord>;
  return *table;
}
} // namespace

void publishScroll(HWND window, const ScrollBar& scroll)
{
  std::lock_guard<std::mutex> guard(barLock);
  SCROLLINFO& info = bars()[window].info;
  info.nMin = 0;
  info.nMax = std::max(0, scroll.count - 1);
  info.nPage = static_cast<UINT>(std::max(0, scroll.page));
  info.nPos = scroll.pos;
  info.nTrackPos = scroll.pos;
}

void followScroll(HWND window, std::function<void(int)> follow)
{
  std::lock_guard<std::mutex> guard(barLock);
  bars()[window].follow = std::move(follow);
}

void forgetScroll(HWND window)
{
  std::lock_guard<std::mutex> guard(barLock);
  bars().erase(window);
}

const std::u16string& TypeAhead::add(char16_t c)
{
  const unsigned long long now = qorwin::now();
  if (!any_ || now - last_ > 1000)
    prefix_.clear();
  // The same key again steps through the entries that start with it.
  if (!(prefix_.size() == 1 && prefix_[0] == c))
    prefix_.push_back(c);
  last_ = now;
  any_ = true;
  return prefix_;
}

bool startsWithFolded(const std::u16string& text, const std::u16string& prefix)
{
  if (prefix.size() > text.size())
    return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::towlower(text[i]) != std::towlower(prefix[i]))
      return false;
  return true;
}

bool equalFolded(const std::u16string& a, const std::u16string& b)
{
  return a.size() == b.size() && startsWithFolded(a, b);
}

} // namespace qorwin_controls

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL)
{
  using namespace qorwin_controls;
  if (!info || bar != SB_VERT || !IsWindow(window))
    return 0;
  std::function<void(int)> follow;
  int pos = 0;
  {
    std::lock_guard<std::mutex> guard(barLock);
    BarRecord& record = bars()[window];
    if (info->fMask & SIF_RANGE) {
      record.info.nMin = info->nMin;
      record.info.nMax = info->nMax;
    }
    if (info->fMask & SIF_PAGE)
      record.info.nPage = info->nPage;
    if (info->fMask & SIF_POS) {
      // A control's rows follow the bar and keep it in their range (the range published may be older
      // than the control's rows); any other window's bar is kept in its own range here.
      follow = record.follow;
      const int top = std::max(record.info.nMin,
                               record.info.nMax - std::max(static_cast<int>(record.info.nPage) - 1, 0));
      record.info.nPos = follow ? info->nPos : std::max(record.info.nMin, std::min(info->nPos, top));
    }
    pos = record.info.nPos;
  }
  if (follow) {
    follow(pos);
    return GetScrollPos(window, bar);
  }
  return pos;
}

BOOL GetScrollInfo(HWND window, int bar, LPSCROLLINFO info)
{
  using namespace qorwin_controls;
  if (!info || bar != SB_VERT)
    return FALSE;
  std::lock_guard<std::mutex> guard(barLock);
  auto it = bars().find(window);
  if (it == bars().end())
    return FALSE;
  const UINT mask = info->fMask;
  const UINT size = info->cbSize;
  *info = it->second.info;
  info->cbSize = size;
  info->fMask = mask;
  return TRUE;
}

int GetScrollPos(HWND window, int bar)
{
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

int SetScrollPos(HWND window, int bar, int pos, BOOL redraw)
{
  const int old = GetScrollPos(window, bar);
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, pos, 0};
  SetScrollInfo(window, bar, &info, redraw);
  return old;
}

namespace qorwin_detail {

void registerCommonControls()
{
  qorwin_controls::registerListView();
  qorwin_controls::registerHeader();
  qorwin_controls::registerComboBox();
  qorwin_controls::registerTreeView();
}

} // namespace qorwin_detail

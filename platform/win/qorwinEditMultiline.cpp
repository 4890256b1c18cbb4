// The multi-line part of the system class "Edit" (ES_MULTILINE): the text is laid out in lines that
// end at its line breaks (CR LF) and, without ES_AUTOHSCROLL, wrap at the last space that fits; the
// view scrolls by whole lines, with the vertical scroll bar of WS_VSCROLL at the right of the text
// area. Up and Down move between lines keeping the caret's x, Home and End go to the ends of the line
// (with Ctrl, of the text), Page Up and Page Down move by the lines that show, and the mouse places the
// caret by line and column. Typing, deleting, the clipboard and undo are the single-line control's.
#include "qorwinControls.h"
#include "qorwinEdit.h"
#include "win/WinUser.h"

#include <algorithm>
#include <vector>

namespace qorwinEdit_detail {

namespace {

// One laid-out line: the characters [start, end) show; the next line starts at next (after the line
// break, or where a long line wrapped).
struct Line
{
  int start;
  int end;
  int next;
};

bool isBreak(char16_t c)
{
  return c == u'\r' || c == u'\n';
}

bool wraps(HWND window)
{
  return (styleOf(window) & ES_AUTOHSCROLL) == 0;
}

// The lines of one paragraph [from, to) wrapped to a width.
void wrapParagraph(const std::u16string& text, int from, int to, int width, const Measure& measure,
                   std::vector<Line>& lines)
{
  int start = from;
  while (measure.width(text, start, to) > width) {
    // The longest prefix that fits, at least one character.
    int fit = stepRight(text, start);
    for (int next = stepRight(text, fit); next <= to && measure.width(text, start, next) <= width;
         next = stepRight(text, next)) {
      fit = next;
      if (next == to)
        break;
    }
    // Break after the last space in it; spaces that follow stay on this line.
    int cut = fit;
    for (int at = fit; at > start; --at)
      if (text[static_cast<size_t>(at - 1)] == u' ') {
        cut = at;
        break;
      }
    while (cut < to && text[static_cast<size_t>(cut)] == u' ')
      ++cut;
    if (cut >= to)
      break;
    lines.push_back(Line{start, cut, cut});
    start = cut;
  }
  lines.push_back(Line{start, to, to});
}

std::vector<Line> layOutLines(HWND window, const std::u16string& text, const Measure& measure, int width)
{
  std::vector<Line> lines;
  const int n = static_cast<int>(text.size());
  int start = 0;
  for (;;) {
    int end = start;
    while (end < n && !isBreak(text[static_cast<size_t>(end)]))
      ++end;
    if (wraps(window) && width > 0)
      wrapParagraph(text, start, end, width, measure, lines);
    else
      lines.push_back(Line{start, end, end});
    if (end >= n)
      break;
    int next = end + 1;
    if (text[static_cast<size_t>(end)] == u'\r' && next < n && text[static_cast<size_t>(next)] == u'\n')
      ++next;
    lines.back().next = next;
    start = next;
  }
  return lines;
}

// The line a position is on: a position where a wrapped line ends belongs to the line after it.
int lineOf(const std::vector<Line>& lines, int at)
{
  int found = 0;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].start <= at)
      found = static_cast<int>(i);
  return found;
}

// The position on a line nearest to an x offset from the line's left.
int columnAt(const std::u16string& text, const Line& line, const Measure& measure, int x)
{
  int at = line.start;
  while (at < line.end) {
    const int next = std::min(stepRight(text, at), line.end);
    const int middle = (measure.width(text, line.start, at) + measure.width(text, line.start, next)) / 2;
    if (x < middle)
      break;
    at = next;
  }
  return at;
}

// Everything a message needs about the lines as they stand.
struct Layout
{
  std::u16string text;
  std::vector<Line> lines;
  RECT area{};
  int lineHeight = 1;
  int visible = 1; // whole lines that show
};

Layout layoutOf(HWND window, const EditData& data, const Measure& measure)
{
  Layout layout;
  layout.text = textOf(window);
  layout.area = formatRect(window, data);
  layout.lines = layOutLines(window, layout.text, measure, layout.area.right - layout.area.left - 1);
  layout.lineHeight = std::max(1, measure.lineHeight());
  layout.visible = std::max(1, static_cast<int>(layout.area.bottom - layout.area.top) / layout.lineHeight);
  return layout;
}

qorwin_controls::ScrollBar scrollBarOf(const Layout& layout, const EditData& data)
{
  qorwin_controls::ScrollBar bar;
  bar.count = static_cast<int>(layout.lines.size());
  bar.page = layout.visible;
  bar.pos = data.scroll;
  bar.clamp();
  return bar;
}

RECT barRect(HWND window, const EditData& data)
{
  return qorwin_controls::scrollBarRect(innerRect(window, data), false);
}

void scrollTo(HWND window, EditData& data, const Layout& layout, int top)
{
  const int most = std::max(0, static_cast<int>(layout.lines.size()) - layout.visible);
  data.scroll = std::max(0, std::min(top, most));
  storeData(window, data);
  qorwin_controls::publishScroll(window, scrollBarOf(layout, data));
  InvalidateRect(window, nullptr, FALSE);
}

// The position under a client point.
int positionAtPoint(HWND window, const EditData& data, POINT p)
{
  Measure measure(window);
  const Layout layout = layoutOf(window, data, measure);
  int row = data.scroll + (p.y - layout.area.top) / layout.lineHeight;
  if (p.y < layout.area.top)
    row = data.scroll - 1;
  row = std::max(0, std::min(row, static_cast<int>(layout.lines.size()) - 1));
  return columnAt(layout.text, layout.lines[static_cast<size_t>(row)], measure, p.x - layout.area.left);
}

// Up, Down, Home, End, Page Up and Page Down.
bool moveKey(HWND window, WPARAM key)
{
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  EditData data = dataOf(window);
  Measure measure(window);
  const Layout layout = layoutOf(window, data, measure);
  const int count = static_cast<int>(layout.lines.size());
  const int row = lineOf(layout.lines, data.caret);
  const Line& line = layout.lines[static_cast<size_t>(row)];
  auto toRow = [&](int target) {
    target = std::max(0, std::min(target, count - 1));
    const int x = measure.width(layout.text, line.start, std::min(data.caret, line.end));
    return columnAt(layout.text, layout.lines[static_cast<size_t>(target)], measure, x);
  };
  int caret = data.caret;
  switch (key) {
  case VK_UP:
    caret = row == 0 ? data.caret : toRow(row - 1);
    break;
  case VK_DOWN:
    caret = row + 1 >= count ? data.caret : toRow(row + 1);
    break;
  case VK_PRIOR:
    caret = toRow(row - layout.visible);
    break;
  case VK_NEXT:
    caret = toRow(row + layout.visible);
    break;
  case VK_HOME:
    caret = control ? 0 : line.start;
    break;
  case VK_END:
    caret = control ? static_cast<int>(layout.text.size()) : line.end;
    break;
  default:
    return false;
  }
  setSelection(window, shift ? data.anchor : caret, caret, true);
  return true;
}

} // namespace

void keepCaretVisibleLines(HWND window, EditData& data)
{
  Measure measure(window);
  const Layout layout = layoutOf(window, data, measure);
  const int row = lineOf(layout.lines, data.caret);
  if (row < data.scroll)
    data.scroll = row;
  else if (row >= data.scroll + layout.visible)
    data.scroll = row - layout.visible + 1;
  data.scroll = std::max(0, std::min(data.scroll, std::max(0, static_cast<int>(layout.lines.size()) - layout.visible)));
  qorwin_controls::publishScroll(window, scrollBarOf(layout, data));
}

void paintLines(HWND window, HDC dc, const EditData& data, int)
{
  Measure measure(window, dc);
  const Layout layout = layoutOf(window, data, measure);
  const std::u16string& text = layout.text;
  const int n = static_cast<int>(text.size());
  const bool focused = GetFocus() == window;
  const COLORREF textColor = GetTextColor(dc);
  const int start = std::min(std::max(0, std::min(data.anchor, data.caret)), n);
  const int end = std::min(std::max(data.anchor, data.caret), n);
  const bool showSelection = start != end && (focused || (styleOf(window) & ES_NOHIDESEL));
  const DWORD align = styleOf(window) & (ES_CENTER | ES_RIGHT);
  const RECT& area = layout.area;
  const int room = area.right - area.left - 1;

  HRGN clip = CreateRectRgnIndirect(&area);
  SelectClipRgn(dc, clip);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  HBRUSH highlight = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
  const int caretRow = lineOf(layout.lines, data.caret);
  for (int row = data.scroll; row < static_cast<int>(layout.lines.size()); ++row) {
    const int top = area.top + (row - data.scroll) * layout.lineHeight;
    if (top >= area.bottom)
      break;
    const Line& line = layout.lines[static_cast<size_t>(row)];
    const int lineWidth = measure.width(text, line.start, line.end);
    int left = area.left;
    if (lineWidth < room && align == ES_CENTER)
      left += (room - lineWidth) / 2;
    else if (lineWidth < room && align == ES_RIGHT)
      left += room - lineWidth;
    auto x = [&](int at) { return left + measure.width(text, line.start, at); };
    auto drawRun = [&](int from, int to, COLORREF color) {
      if (to <= from)
        return;
      SetTextColor(dc, color);
      RECT run{x(from), top, x(to), top + layout.lineHeight};
      DrawTextW(dc, text.c_str() + from, to - from, &run, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    };
    const int from = std::max(start, line.start), to = std::min(end, line.end);
    if (showSelection && from < to) {
      drawRun(line.start, from, textColor);
      RECT band{x(from), top, x(to), top + layout.lineHeight};
      FillRect(dc, &band, highlight);
      drawRun(from, to, GetSysColor(COLOR_HIGHLIGHTTEXT));
      drawRun(to, line.end, textColor);
    } else {
      drawRun(line.start, line.end, textColor);
    }
    if (focused && row == caretRow) {
      const int cx = x(std::min(std::max(data.caret, line.start), line.end));
      RECT caret{cx, top, cx + 1, top + layout.lineHeight};
      HBRUSH pen = CreateSolidBrush(textColor);
      FillRect(dc, &caret, pen);
      DeleteObject(pen);
    }
  }
  DeleteObject(highlight);
  SetTextColor(dc, textColor);
  SetBkMode(dc, oldMode);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  if (styleOf(window) & WS_VSCROLL)
    qorwin_controls::drawScrollBar(dc, barRect(window, data), scrollBarOf(layout, data));
}

bool multilineMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
  result = 0;
  switch (message) {
  case WM_KEYDOWN:
    return moveKey(window, wParam);
  case WM_LBUTTONDOWN: {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    EditData data = dataOf(window);
    if (GetFocus() != window)
      SetFocus(window);
    if (styleOf(window) & WS_VSCROLL) {
      const RECT bar = barRect(window, data);
      if (p.x >= bar.left && p.x < bar.right && p.y >= bar.top && p.y < bar.bottom) {
        Measure measure(window);
        const Layout layout = layoutOf(window, data, measure);
        const qorwin_controls::ScrollBar scroll = scrollBarOf(layout, data);
        switch (qorwin_controls::hitScrollBar(bar, scroll, p)) {
        case qorwin_controls::ScrollHitLineUp:
          scrollTo(window, data, layout, data.scroll - 1);
          break;
        case qorwin_controls::ScrollHitLineDown:
          scrollTo(window, data, layout, data.scroll + 1);
          break;
        case qorwin_controls::ScrollHitPageUp:
          scrollTo(window, data, layout, data.scroll - layout.visible);
          break;
        case qorwin_controls::ScrollHitPageDown:
          scrollTo(window, data, layout, data.scroll + layout.visible);
          break;
        default:
          break;
        }
        return true;
      }
    }
    const int at = positionAtPoint(window, data, p);
    data = dataOf(window);
    setSelection(window, (wParam & MK_SHIFT) ? data.anchor : at, at, true);
    SetCapture(window);
    return true;
  }
  case WM_MOUSEMOVE:
    if (GetCapture() == window) {
      const EditData data = dataOf(window);
      setSelection(window, data.anchor, positionAtPoint(window, data, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}),
                   true);
    }
    return true;
  case WM_LBUTTONDBLCLK: {
    const std::u16string text = textOf(window);
    const int at = positionAtPoint(window, dataOf(window), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    int from = at, to = at;
    while (from > 0 && isWordChar(text[static_cast<size_t>(from - 1)]))
      --from;
    while (to < static_cast<int>(text.size()) && isWordChar(text[static_cast<size_t>(to)]))
      ++to;
    setSelection(window, from, to, true);
    return true;
  }
  case WM_VSCROLL:
  case WM_MOUSEWHEEL: {
    EditData data = dataOf(window);
    Measure measure(window);
    const Layout layout = layoutOf(window, data, measure);
    int request = LOWORD(wParam);
    if (message == WM_MOUSEWHEEL)
      request = GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN;
    scrollTo(window, data, layout,
             qorwin_controls::scrollPosFor(scrollBarOf(layout, data), request, static_cast<short>(HIWORD(wParam))));
    return true;
  }
  case EM_GETFIRSTVISIBLELINE:
    result = dataOf(window).scroll;
    return true;
  case EM_LINESCROLL: {
    EditData data = dataOf(window);
    Measure measure(window);
    const Layout layout = layoutOf(window, data, measure);
    scrollTo(window, data, layout, data.scroll + static_cast<int>(lParam));
    result = TRUE;
    return true;
  }
  case EM_GETLINECOUNT:
  case EM_LINEINDEX:
  case EM_LINEFROMCHAR:
  case EM_LINELENGTH: {
    const EditData data = dataOf(window);
    Measure measure(window);
    const Layout layout = layoutOf(window, data, measure);
    const int count = static_cast<int>(layout.lines.size());
    const auto index = static_cast<int>(static_cast<INT_PTR>(wParam));
    if (message == EM_GETLINECOUNT) {
      result = count;
    } else if (message == EM_LINEINDEX) {
      const int row = index < 0 ? lineOf(layout.lines, data.caret) : index;
      result = row < count ? layout.lines[static_cast<size_t>(row)].start : -1;
    } else if (message == EM_LINEFROMCHAR) {
      result = lineOf(layout.lines, index < 0 ? data.caret : index);
    } else {
      const Line& line = layout.lines[static_cast<size_t>(lineOf(layout.lines, index < 0 ? data.caret : index))];
      result = line.end - line.start;
    }
    return true;
  }
  default:
    return false;
  }
}

} // namespace qorwinEdit_detail

// The system class "Edit": a text control with a caret and a selection, typing, deletion, the arrow,
// Home and End keys (Shift extends the selection, Control moves by words), the mouse, the clipboard
// (Ctrl+X, C, V and the WM_CUT family), one level of undo and the EM_* messages. It tells its parent of
// changes with WM_COMMAND (EN_CHANGE on every change, WM_SETTEXT included) and asks it for colours with
// WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when read-only or disabled).
//
// The text lives in the window's own text, so GetWindowText reads it. The area the text is laid out
// in is the client rectangle less what a subclass took off in WM_NCCALCSIZE: the layer's windows keep
// their whole rectangle as client area, so the control keeps those margins itself and asks again
// after every size change. The caret does not blink, so pictures are the same each time: while the
// control has the focus it is a one-pixel line in the text colour.
#include "qorwinState.h"
#include "win/Ole.h"
#include "win/WinGdi.h"
#include "win/WinUser.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>

namespace qorwinEdit_detail {

struct EditData
{
  int anchor = 0; // the fixed end of the selection
  int caret = 0;  // the moving end, where the caret is
  int scroll = 0; // pixels of text scrolled out at the left
  RECT margins{}; // taken off the client rectangle by WM_NCCALCSIZE
  size_t limit = 30000;
  bool canUndo = false;
  std::u16string undoText;
  int undoAnchor = 0;
  int undoCaret = 0;
};

struct Edits
{
  std::mutex lock;
  std::map<HWND, EditData> data;
};

Edits& edits()
{
  static Edits* theEdits = new Edits;
  return *theEdits;
}

EditData dataOf(HWND window)
{
  Edits& e = edits();
  std::lock_guard<std::mutex> guard(e.lock);
  return e.data[window];
}

void storeData(HWND window, const EditData& data)
{
  Edits& e = edits();
  std::lock_guard<std::mutex> guard(e.lock);
  e.data[window] = data;
}

void forget(HWND window)
{
  Edits& e = edits();
  std::lock_guard<std::mutex> guard(e.lock);
  e.data.erase(window);
}

DWORD styleOf(HWND window)
{
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

bool multiline(HWND window)
{
  return (styleOf(window) & ES_MULTILINE) != 0;
}

bool readOnly(HWND window)
{
  return (styleOf(window) & ES_READONLY) != 0;
}

// The text, read past any subclass.
std::u16string textOf(HWND window)
{
  auto length = static_cast<size_t>(DefWindowProcW(window, WM_GETTEXTLENGTH, 0, 0));
  std::u16string text(length + 1, u'\0');
  auto n = static_cast<size_t>(
      DefWindowProcW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(&text[0])));
  text.resize(std::min(n, length));
  return text;
}

int lengthOf(HWND window)
{
  return static_cast<int>(DefWindowProcW(window, WM_GETTEXTLENGTH, 0, 0));
}

void notifyParent(HWND window, WORD code)
{
  HWND parent = GetParent(window);
  if (parent)
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code), reinterpret_cast<LPARAM>(window));
}

RECT formatRect(HWND window, const EditData& data)
{
  RECT r;
  GetClientRect(window, &r);
  // A small margin of its own on each side, as the system control keeps, so the caret shows at the ends.
  r.left += data.margins.left + 2;
  r.top += data.margins.top;
  r.right -= data.margins.right + 1;
  r.bottom -= data.margins.bottom;
  if (r.right < r.left)
    r.right = r.left;
  if (r.bottom < r.top)
    r.bottom = r.top;
  return r;
}

// A DC of the control with its font selected; measures prefixes of the text.
class Measure
{
public:
  explicit Measure(HWND window, HDC dc = nullptr) : window_(window), dc_(dc ? dc : GetDC(window)), own_(!dc)
  {
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    old_ = font ? SelectObject(dc_, font) : nullptr;
  }
  ~Measure()
  {
    if (old_)
      SelectObject(dc_, old_);
    if (own_)
      ReleaseDC(window_, dc_);
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  HDC dc() const { return dc_; }
  int width(const std::u16string& text, int from, int to) const
  {
    if (to <= from)
      return 0;
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str() + from, to - from, &size);
    return size.cx;
  }
  int lineHeight() const
  {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmHeight;
  }

private:
  HWND window_;
  HDC dc_;
  bool own_;
  HGDIOBJ old_ = nullptr;
};

// Where the text starts: the format rectangle's left, moved for centred and right-aligned text that
// fits, less the scrolled pixels.
int textLeft(HWND window, const EditData& data, const RECT& area, int textWidth)
{
  const int room = area.right - area.left - 1; // a pixel for the caret after the last character
  const DWORD align = styleOf(window) & (ES_CENTER | ES_RIGHT);
  if (textWidth < room) {
    if (align == ES_CENTER)
      return area.left + (room - textWidth) / 2;
    if (align == ES_RIGHT)
      return area.left + room - textWidth;
    return area.left;
  }
  return area.left - data.scroll;
}

bool isLowSurrogate(char16_t c)
{
  return c >= 0xDC00 && c <= 0xDFFF;
}

// One character left or right of a position, never splitting a surrogate pair.
int stepLeft(const std::u16string& text, int at)
{
  if (at <= 0)
    return 0;
  --at;
  if (at > 0 && isLowSurrogate(text[static_cast<size_t>(at)]))
    --at;
  return at;
}

int stepRight(const std::u16string& text, int at)
{
  const int n = static_cast<int>(text.size());
  if (at >= n)
    return n;
  ++at;
  if (at < n && isLowSurrogate(text[static_cast<size_t>(at)]))
    ++at;
  return at;
}

bool isWordChar(char16_t c)
{
  return c != u' ' && c != u'\t' && c != u'\r' && c != u'\n';
}

// Control+Left: to the start of this word or the previous one; Control+Right: to the start of the next.
int wordLeft(const std::u16string& text, int at)
{
  while (at > 0 && !isWordChar(text[static_cast<size_t>(at - 1)]))
    --at;
  while (at > 0 && isWordChar(text[static_cast<size_t>(at - 1)]))
    --at;
  return at;
}

int wordRight(const std::u16string& text, int at)
{
  const int n = static_cast<int>(text.size());
  while (at < n && isWordChar(text[static_cast<size_t>(at)]))
    ++at;
  while (at < n && !isWordChar(text[static_cast<size_t>(at)]))
    ++at;
  return at;
}

// Scrolls so the caret shows; text that fits is not scrolled.
void keepCaretVisible(HWND window, EditData& data)
{
  const std::u16string text = textOf(window);
  const RECT area = formatRect(window, data);
  const int room = area.right - area.left - 1;
  Measure measure(window);
  const int total = measure.width(text, 0, static_cast<int>(text.size()));
  if (total <= room) {
    data.scroll = 0;
    return;
  }
  const int caretX = measure.width(text, 0, data.caret);
  if (caretX - data.scroll < 0)
    data.scroll = caretX;
  else if (caretX - data.scroll > room)
    data.scroll = caretX - room;
  data.scroll = std::max(0, std::min(data.scroll, total - room));
}

// The position nearest a client x coordinate.
int positionAt(HWND window, const EditData& data, int x)
{
  const std::u16string text = textOf(window);
  const RECT area = formatRect(window, data);
  Measure measure(window);
  const int n = static_cast<int>(text.size());
  const int left = textLeft(window, data, area, measure.width(text, 0, n));
  int at = 0;
  while (at < n) {
    const int next = stepRight(text, at);
    const int middle = (measure.width(text, 0, at) + measure.width(text, 0, next)) / 2;
    if (x < left + middle)
      break;
    at = next;
  }
  return at;
}

void changed(HWND window)
{
  InvalidateRect(window, nullptr, FALSE);
  notifyParent(window, EN_UPDATE);
  notifyParent(window, EN_CHANGE);
}

// Replaces the selection with a text, as typing or pasting does; the caret goes after it.
bool replaceSelection(HWND window, std::u16string insert, bool undoable)
{
  EditData data = dataOf(window);
  const std::u16string text = textOf(window);
  const int n = static_cast<int>(text.size());
  const int start = std::min(std::max(0, std::min(data.anchor, data.caret)), n);
  const int end = std::min(std::max(data.anchor, data.caret), n);
  if (!multiline(window)) {
    // A single line takes what comes before the first line break.
    const size_t lineEnd = insert.find_first_of(u"\r\n");
    if (lineEnd != std::u16string::npos)
      insert.resize(lineEnd);
  }
  const size_t kept = text.size() - static_cast<size_t>(end - start);
  if (kept + insert.size() > data.limit) {
    const size_t room = data.limit > kept ? data.limit - kept : 0;
    insert.resize(std::min(insert.size(), room));
    if (insert.empty() && start == end) {
      notifyParent(window, EN_MAXTEXT);
      return false;
    }
  }
  if (insert.empty() && start == end)
    return false;
  if (undoable) {
    data.canUndo = true;
    data.undoText = text;
    data.undoAnchor = data.anchor;
    data.undoCaret = data.caret;
  }
  std::u16string result = text.substr(0, static_cast<size_t>(start)) + insert + text.substr(static_cast<size_t>(end));
  DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(result.c_str()));
  data.anchor = data.caret = start + static_cast<int>(insert.size());
  storeData(window, data);
  keepCaretVisible(window, data);
  storeData(window, data);
  changed(window);
  return true;
}

std::u16string selectedText(HWND window)
{
  const EditData data = dataOf(window);
  const std::u16string text = textOf(window);
  const int n = static_cast<int>(text.size());
  const int start = std::min(std::max(0, std::min(data.anchor, data.caret)), n);
  const int end = std::min(std::max(data.anchor, data.caret), n);
  return text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

bool copyToClipboard(HWND window)
{
  const std::u16string text = selectedText(window);
  if (text.empty() || !OpenClipboard(window))
    return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
  if (auto* bytes = static_cast<char16_t*>(GlobalLock(block))) {
    std::copy(text.begin(), text.end(), bytes);
    bytes[text.size()] = 0;
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
  }
  CloseClipboard();
  return true;
}

// The clipboard's Unicode text, read up to its zero and never past the block.
std::u16string clipboardText(HWND window)
{
  std::u16string text;
  if (!OpenClipboard(window))
    return text;
  if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
    const size_t units = GlobalSize(block) / sizeof(char16_t);
    if (const auto* bytes = static_cast<const char16_t*>(GlobalLock(block))) {
      const char16_t* end = std::find(bytes, bytes + units, u'\0');
      text.assign(bytes, end);
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

void setSelection(HWND window, int anchor, int caret, bool scroll)
{
  EditData data = dataOf(window);
  const int n = lengthOf(window);
  data.anchor = std::max(0, std::min(anchor, n));
  data.caret = std::max(0, std::min(caret, n));
  if (scroll)
    keepCaretVisible(window, data);
  storeData(window, data);
  InvalidateRect(window, nullptr, FALSE);
}

void undo(HWND window)
{
  EditData data = dataOf(window);
  if (!data.canUndo)
    return;
  // Undoing twice redoes, as the system control does.
  const std::u16string current = textOf(window);
  const int anchor = data.anchor, caret = data.caret;
  DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(data.undoText.c_str()));
  data.anchor = data.undoAnchor;
  data.caret = data.undoCaret;
  data.undoText = current;
  data.undoAnchor = anchor;
  data.undoCaret = caret;
  keepCaretVisible(window, data);
  storeData(window, data);
  changed(window);
}

void keyDown(HWND window, WPARAM key)
{
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  EditData data = dataOf(window);
  const std::u16string text = textOf(window);
  const int n = static_cast<int>(text.size());
  const int start = std::min(data.anchor, data.caret), end = std::max(data.anchor, data.caret);
  int caret = data.caret;
  switch (key) {
  case VK_LEFT:
  case VK_UP:
    if (!shift && start != end && !control)
      caret = start;
    else
      caret = control ? wordLeft(text, data.caret) : stepLeft(text, data.caret);
    break;
  case VK_RIGHT:
  case VK_DOWN:
    if (!shift && start != end && !control)
      caret = end;
    else
      caret = control ? wordRight(text, data.caret) : stepRight(text, data.caret);
    break;
  case VK_HOME:
    caret = 0;
    break;
  case VK_END:
    caret = n;
    break;
  case VK_DELETE:
    if (shift) {
      if (copyToClipboard(window) && !readOnly(window))
        replaceSelection(window, std::u16string(), true);
    } else if (!readOnly(window)) {
      if (start == end && end < n)
        setSelection(window, start, stepRight(text, start), false);
      replaceSelection(window, std::u16string(), true);
    }
    return;
  case VK_INSERT:
    if (control)
      copyToClipboard(window);
    else if (shift && !readOnly(window))
      replaceSelection(window, clipboardText(window), true);
    return;
  default:
    return;
  }
  setSelection(window, shift ? data.anchor : caret, caret, true);
}

void character(HWND window, WPARAM c)
{
  switch (c) {
  case 1: // Ctrl+A
    setSelection(window, 0, lengthOf(window), true);
    return;
  case 3: // Ctrl+C
    copyToClipboard(window);
    return;
  case 22: // Ctrl+V
    if (!readOnly(window))
      replaceSelection(window, clipboardText(window), true);
    return;
  case 24: // Ctrl+X
    if (copyToClipboard(window) && !readOnly(window))
      replaceSelection(window, std::u16string(), true);
    return;
  case 26: // Ctrl+Z
    if (!readOnly(window))
      undo(window);
    return;
  case 8: { // Backspace
    if (readOnly(window))
      return;
    const EditData data = dataOf(window);
    if (data.anchor == data.caret) {
      if (data.caret == 0)
        return;
      setSelection(window, stepLeft(textOf(window), data.caret), data.caret, false);
    }
    replaceSelection(window, std::u16string(), true);
    return;
  }
  case u'\r':
    if (multiline(window) && (styleOf(window) & ES_WANTRETURN) && !readOnly(window))
      replaceSelection(window, u"\r\n", true);
    return;
  default:
    break;
  }
  if (c < 32 || readOnly(window))
    return;
  if ((styleOf(window) & ES_NUMBER) && (c < u'0' || c > u'9'))
    return;
  replaceSelection(window, std::u16string(1, static_cast<char16_t>(c)), true);
}

// Asks a subclass (through the window's own procedure) for the text area and keeps the margins.
void layOut(HWND window)
{
  RECT whole;
  GetWindowRect(window, &whole);
  if (HWND parent = GetParent(window))
    MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&whole), 2);
  RECT proposed = whole;
  SendMessageW(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
}

void paintEdit(HWND window, HDC dc)
{
  EditData data = dataOf(window);
  RECT client;
  GetClientRect(window, &client);
  const bool enabled = IsWindowEnabled(window) != FALSE;
  const bool focused = GetFocus() == window;
  const bool grey = !enabled || readOnly(window);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  SetBkColor(dc, GetSysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW));
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(window))
    brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                  reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
  if (!brush)
    brush = GetSysColorBrush(grey ? COLOR_BTNFACE : COLOR_WINDOW);
  FillRect(dc, &client, brush);

  const std::u16string text = textOf(window);
  const int n = static_cast<int>(text.size());
  const RECT area = formatRect(window, data);
  Measure measure(window, dc);
  const int left = textLeft(window, data, area, measure.width(text, 0, n));
  const int lineHeight = measure.lineHeight();
  const COLORREF textColor = GetTextColor(dc);
  HRGN clip = CreateRectRgnIndirect(&area);
  SelectClipRgn(dc, clip);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int start = std::min(std::max(0, std::min(data.anchor, data.caret)), n);
  const int end = std::min(std::max(data.anchor, data.caret), n);
  const bool showSelection = start != end && (focused || (styleOf(window) & ES_NOHIDESEL));
  auto x = [&](int at) { return left + measure.width(text, 0, at); };
  auto drawRun = [&](int from, int to, COLORREF color) {
    if (to <= from)
      return;
    SetTextColor(dc, color);
    RECT run{x(from), area.top, x(to), area.top + lineHeight};
    DrawTextW(dc, text.c_str() + from, to - from, &run, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  };
  if (showSelection) {
    drawRun(0, start, textColor);
    RECT band{x(start), area.top, x(end), area.top + lineHeight};
    HBRUSH highlight = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    FillRect(dc, &band, highlight);
    DeleteObject(highlight);
    drawRun(start, end, GetSysColor(COLOR_HIGHLIGHTTEXT));
    drawRun(end, n, textColor);
  } else {
    drawRun(0, n, textColor);
  }
  if (focused) {
    RECT caret{x(std::min(data.caret, n)), area.top, x(std::min(data.caret, n)) + 1, area.top + lineHeight};
    HBRUSH pen = CreateSolidBrush(textColor);
    FillRect(dc, &caret, pen);
    DeleteObject(pen);
  }
  SetTextColor(dc, textColor);
  SetBkMode(dc, oldMode);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
}

LRESULT CALLBACK editProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
  case WM_CREATE:
    // The margins of the first WM_NCCALCSIZE are kept.
    if (multiline(window)) {
      EditData data = dataOf(window);
      data.limit = 0x7FFFFFFE;
      storeData(window, data);
    }
    return 0;
  case WM_NCCALCSIZE: {
    // What a subclass took off the proposed rectangle becomes the margins of the text area.
    auto* proposed = reinterpret_cast<RECT*>(lParam);
    if (!proposed || wParam)
      return 0;
    RECT whole;
    GetWindowRect(window, &whole);
    if (HWND parent = GetParent(window))
      MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&whole), 2);
    EditData data = dataOf(window);
    data.margins = RECT{std::max<LONG>(0, proposed->left - whole.left), std::max<LONG>(0, proposed->top - whole.top),
                        std::max<LONG>(0, whole.right - proposed->right), std::max<LONG>(0, whole.bottom - proposed->bottom)};
    storeData(window, data);
    return 0;
  }
  case WM_SIZE: {
    layOut(window);
    EditData data = dataOf(window);
    keepCaretVisible(window, data);
    storeData(window, data);
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  }
  case WM_GETDLGCODE:
    return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (multiline(window) ? DLGC_WANTALLKEYS : 0);
  case WM_SETTEXT: {
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    EditData data = dataOf(window);
    data.anchor = data.caret = data.scroll = 0;
    data.canUndo = false;
    data.undoText.clear();
    storeData(window, data);
    changed(window);
    return result;
  }
  case WM_CHAR:
    character(window, wParam);
    return 0;
  case WM_KEYDOWN:
    keyDown(window, wParam);
    return 0;
  case WM_LBUTTONDOWN: {
    if (GetFocus() != window)
      SetFocus(window);
    const int at = positionAt(window, dataOf(window), GET_X_LPARAM(lParam));
    const EditData data = dataOf(window);
    setSelection(window, (wParam & MK_SHIFT) ? data.anchor : at, at, true);
    SetCapture(window);
    return 0;
  }
  case WM_MOUSEMOVE:
    // The control holds the capture from the press to the release.
    if (GetCapture() == window) {
      const EditData data = dataOf(window);
      setSelection(window, data.anchor, positionAt(window, data, GET_X_LPARAM(lParam)), true);
    }
    return 0;
  case WM_LBUTTONUP:
    if (GetCapture() == window)
      ReleaseCapture();
    return 0;
  case WM_LBUTTONDBLCLK: {
    // The word under the pointer.
    const std::u16string text = textOf(window);
    int at = positionAt(window, dataOf(window), GET_X_LPARAM(lParam));
    int from = at, to = at;
    while (from > 0 && isWordChar(text[static_cast<size_t>(from - 1)]))
      --from;
    while (to < static_cast<int>(text.size()) && isWordChar(text[static_cast<size_t>(to)]))
      ++to;
    setSelection(window, from, to, true);
    return 0;
  }
  case WM_SETFOCUS:
    InvalidateRect(window, nullptr, FALSE);
    notifyParent(window, EN_SETFOCUS);
    return 0;
  case WM_KILLFOCUS:
    InvalidateRect(window, nullptr, FALSE);
    notifyParent(window, EN_KILLFOCUS);
    return 0;
  case WM_ENABLE:
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case EM_GETSEL: {
    const EditData data = dataOf(window);
    const int n = lengthOf(window);
    const auto start = static_cast<DWORD>(std::min(std::max(0, std::min(data.anchor, data.caret)), n));
    const auto end = static_cast<DWORD>(std::min(std::max(data.anchor, data.caret), n));
    if (wParam)
      *reinterpret_cast<DWORD*>(wParam) = start;
    if (lParam)
      *reinterpret_cast<DWORD*>(lParam) = end;
    return start > 0xFFFF || end > 0xFFFF ? -1 : static_cast<LRESULT>(MAKELONG(start, end));
  }
  case EM_SETSEL: {
    // (0, -1) selects everything; a start of -1 drops the selection and keeps the caret.
    const int n = lengthOf(window);
    auto start = static_cast<int>(static_cast<INT_PTR>(wParam));
    auto end = static_cast<int>(static_cast<LONG_PTR>(lParam));
    if (start == -1) {
      const EditData data = dataOf(window);
      setSelection(window, data.caret, data.caret, false);
      return 0;
    }
    if (end < 0)
      end = n;
    setSelection(window, start < 0 ? n : start, end, false);
    return 0;
  }
  case EM_REPLACESEL:
    replaceSelection(window, lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string(),
                     wParam != 0);
    return 0;
  case EM_SCROLLCARET: {
    EditData data = dataOf(window);
    keepCaretVisible(window, data);
    storeData(window, data);
    InvalidateRect(window, nullptr, FALSE);
    return TRUE;
  }
  case EM_GETRECT:
    if (lParam)
      *reinterpret_cast<RECT*>(lParam) = formatRect(window, dataOf(window));
    return 0;
  case EM_LIMITTEXT: {
    EditData data = dataOf(window);
    data.limit = wParam ? static_cast<size_t>(wParam) : (multiline(window) ? 0xFFFFFFFFu : 0x7FFFFFFEu);
    storeData(window, data);
    return 0;
  }
  case EM_GETLIMITTEXT:
    return static_cast<LRESULT>(dataOf(window).limit);
  case EM_SETREADONLY:
    SetWindowLongPtrW(window, GWL_STYLE,
                      static_cast<LONG_PTR>(wParam ? styleOf(window) | ES_READONLY : styleOf(window) & ~ES_READONLY));
    InvalidateRect(window, nullptr, FALSE);
    return TRUE;
  case EM_CANUNDO:
    return dataOf(window).canUndo ? TRUE : FALSE;
  case EM_UNDO:
  case WM_UNDO:
    undo(window);
    return TRUE;
  case WM_CUT:
    if (copyToClipboard(window) && !readOnly(window))
      replaceSelection(window, std::u16string(), true);
    return 0;
  case WM_COPY:
    copyToClipboard(window);
    return 0;
  case WM_PASTE:
    if (!readOnly(window))
      replaceSelection(window, clipboardText(window), true);
    return 0;
  case WM_CLEAR:
    if (!readOnly(window))
      replaceSelection(window, std::u16string(), true);
    return 0;
  case WM_ERASEBKGND:
    // Everything is painted in WM_PAINT, over the colour the parent gives.
    return 1;
  case WM_PAINT: {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (dc)
      paintEdit(window, dc);
    EndPaint(window, &ps);
    return 0;
  }
  case WM_PRINTCLIENT:
    paintEdit(window, reinterpret_cast<HDC>(wParam));
    return 0;
  case WM_PRINT:
    if (lParam & PRF_CLIENT)
      paintEdit(window, reinterpret_cast<HDC>(wParam));
    return 0;
  case WM_NCDESTROY:
    forget(window);
    return DefWindowProcW(window, message, wParam, lParam);
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace qorwinEdit_detail

namespace qorwin_detail {

void registerEditClass()
{
  WNDCLASSEXW cls{};
  if (GetClassInfoExW(nullptr, u"Edit", &cls))
    return;
  cls = WNDCLASSEXW{};
  cls.cbSize = sizeof cls;
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = &qorwinEdit_detail::editProc;
  cls.lpszClassName = u"Edit";
  RegisterClassExW(&cls);
}

} // namespace qorwin_detail

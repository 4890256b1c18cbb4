// Dialogs and the system control classes: the dialog class with its default procedure, EndDialog,
// the keyboard handling of IsDialogMessage, the tab walk, and the "Button" and "Static" classes.
#include "qorwinState.h"
#include "win/WinBase.h"
#include "win/WinGdi.h"
#include "win/WinTest.h"

#include <algorithm>

namespace qorwin_detail {

struct DialogData
{
  UINT defaultId = IDOK;
  INT_PTR result = 0;
  bool ended = false;
};

struct ButtonData
{
  bool pushed = false;
  WPARAM check = BST_UNCHECKED;
};

struct ControlState
{
  std::mutex lock;
  std::map<HWND, DialogData> dialogs;
  std::map<HWND, ButtonData> buttons;
};

ControlState& controlState()
{
  static ControlState* theState = new ControlState;
  return *theState;
}

template <class T> T readData(std::map<HWND, T> ControlState::*table, HWND window)
{
  auto& c = controlState();
  std::lock_guard<std::mutex> guard(c.lock);
  return (c.*table)[window];
}

template <class T, class F> void changeData(std::map<HWND, T> ControlState::*table, HWND window, F change)
{
  auto& c = controlState();
  std::lock_guard<std::mutex> guard(c.lock);
  change((c.*table)[window]);
}

template <class T> void forgetData(std::map<HWND, T> ControlState::*table, HWND window)
{
  auto& c = controlState();
  std::lock_guard<std::mutex> guard(c.lock);
  (c.*table).erase(window);
}

DWORD styleOf(HWND window)
{
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

void notifyParent(HWND control, WORD code)
{
  HWND parent = GetParent(control);
  if (parent)
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

bool pointInClient(HWND window, LPARAM point)
{
  RECT client;
  GetClientRect(window, &client);
  return PtInRect(&client, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}) != FALSE;
}

// The control's own font selected into a DC for as long as the object lives.
struct ControlFont
{
  ControlFont(HWND window, HDC dc) : dc(dc)
  {
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    old = font ? SelectObject(dc, font) : nullptr;
  }
  ~ControlFont()
  {
    if (old)
      SelectObject(dc, old);
  }
  ControlFont(const ControlFont&) = delete;
  ControlFont& operator=(const ControlFont&) = delete;
  HDC dc;
  HGDIOBJ old;
};

// A control's own text drawn transparently in its font.
void drawOwnText(HWND window, HDC dc, RECT rect, UINT format)
{
  ControlFont font(window, dc);
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  int n = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), n, &rect, format);
}

// A new text repaints the control, background included.
LRESULT setTextAndRepaint(HWND window, WPARAM wParam, LPARAM lParam)
{
  LRESULT result = DefWindowProcW(window, WM_SETTEXT, wParam, lParam);
  InvalidateRect(window, nullptr, TRUE);
  return result;
}

LRESULT CALLBACK buttonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  DWORD type = styleOf(window) & BS_TYPEMASK;
  switch (message) {
  case WM_GETDLGCODE:
    if (type == BS_OWNERDRAW)
      return DLGC_BUTTON;
    if (type == BS_DEFPUSHBUTTON)
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (type == BS_PUSHBUTTON)
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    return DLGC_BUTTON;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    // A press takes the focus and the capture; the click comes with the release over the button.
    if (GetFocus() != window)
      SetFocus(window);
    SetCapture(window);
    changeData(&ControlState::buttons, window, [](ButtonData& b) { b.pushed = true; });
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case WM_MOUSEMOVE:
    if (GetCapture() == window) {
      bool inside = pointInClient(window, lParam);
      changeData(&ControlState::buttons, window, [inside](ButtonData& b) { b.pushed = inside; });
    }
    return 0;
  case WM_LBUTTONUP: {
    if (GetCapture() != window)
      return 0;
    bool inside = pointInClient(window, lParam);
    changeData(&ControlState::buttons, window, [](ButtonData& b) { b.pushed = false; });
    ReleaseCapture();
    InvalidateRect(window, nullptr, FALSE);
    if (inside)
      notifyParent(window, BN_CLICKED);
    return 0;
  }
  case WM_CAPTURECHANGED:
  case WM_KILLFOCUS:
    changeData(&ControlState::buttons, window, [](ButtonData& b) { b.pushed = false; });
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case WM_SETFOCUS:
  case WM_ENABLE:
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case WM_KEYDOWN:
    if (wParam == VK_SPACE)
      changeData(&ControlState::buttons, window, [](ButtonData& b) { b.pushed = true; });
    return 0;
  case WM_KEYUP:
    if (wParam == VK_SPACE && readData(&ControlState::buttons, window).pushed) {
      changeData(&ControlState::buttons, window, [](ButtonData& b) { b.pushed = false; });
      notifyParent(window, BN_CLICKED);
    }
    return 0;
  case BM_CLICK: {
    // As a real press and release in the middle of the button.
    RECT client;
    GetClientRect(window, &client);
    LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(window, WM_LBUTTONUP, 0, middle);
    return 0;
  }
  case BM_GETSTATE: {
    ButtonData b = readData(&ControlState::buttons, window);
    return static_cast<LRESULT>(b.check | (b.pushed ? BST_PUSHED : 0) | (GetFocus() == window ? BST_FOCUS : 0));
  }
  case BM_SETSTATE:
    changeData(&ControlState::buttons, window, [wParam](ButtonData& b) { b.pushed = wParam != 0; });
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case BM_GETCHECK:
    return static_cast<LRESULT>(readData(&ControlState::buttons, window).check);
  case BM_SETCHECK:
    changeData(&ControlState::buttons, window, [wParam](ButtonData& b) { b.check = wParam; });
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  case BM_SETSTYLE:
    SetWindowLongPtrW(window, GWL_STYLE,
                      static_cast<LONG_PTR>((styleOf(window) & ~static_cast<DWORD>(0xFFFF)) | (wParam & 0xFFFF)));
    if (lParam)
      InvalidateRect(window, nullptr, FALSE);
    return 0;
  case WM_SETTEXT:
    return setTextAndRepaint(window, wParam, lParam);
  case WM_PAINT: {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    if (type == BS_OWNERDRAW) {
      ButtonData b = readData(&ControlState::buttons, window);
      DRAWITEMSTRUCT item{};
      item.CtlType = ODT_BUTTON;
      item.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
      item.itemAction = ODA_DRAWENTIRE;
      item.itemState = (b.pushed ? ODS_SELECTED : 0) | (GetFocus() == window ? ODS_FOCUS : 0) |
                       (IsWindowEnabled(window) ? 0 : ODS_DISABLED);
      item.hwndItem = window;
      item.hDC = dc;
      item.rcItem = client;
      // The owner draws with the button's font selected.
      ControlFont font(window, dc);
      if (HWND parent = GetParent(window))
        SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    } else {
      // A plain button: a frame and its centred caption.
      FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      if (!IsWindowEnabled(window))
        SetTextColor(dc, RGB(128, 128, 128));
      drawOwnText(window, dc, client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(window, &ps);
    return 0;
  }
  case WM_NCDESTROY:
    forgetData(&ControlState::buttons, window);
    return DefWindowProcW(window, message, wParam, lParam);
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK staticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  switch (message) {
  case WM_GETDLGCODE:
    return DLGC_STATIC;
  case WM_NCHITTEST:
    return (styleOf(window) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
  case WM_SETTEXT:
    return setTextAndRepaint(window, wParam, lParam);
  case WM_PAINT: {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    // The parent may give colours and a background brush, as for every static control.
    if (HWND parent = GetParent(window)) {
      auto brush = reinterpret_cast<HBRUSH>(
          SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
      if (brush)
        FillRect(dc, &client, brush);
    }
    DWORD style = styleOf(window);
    drawOwnText(window, dc, client,
                DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0) |
                    ((style & 3) == SS_CENTER ? DT_CENTER : (style & 3) == SS_RIGHT ? DT_RIGHT : DT_LEFT));
    EndPaint(window, &ps);
    return 0;
  }
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

void registerIfMissing(LPCWSTR name, WNDPROC proc, UINT style)
{
  WNDCLASSEXW cls{};
  if (GetClassInfoExW(nullptr, name, &cls))
    return;
  cls = WNDCLASSEXW{};
  cls.cbSize = sizeof cls;
  cls.style = style;
  cls.lpfnWndProc = proc;
  cls.lpszClassName = name;
  RegisterClassExW(&cls);
}

void registerSystemClasses()
{
  registerIfMissing(WC_DIALOG, &DefDlgProcW, CS_DBLCLKS | CS_SAVEBITS);
  registerIfMissing(u"Button", &buttonProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  registerIfMissing(u"Static", &staticProc, 0);
  registerEditClass();
}

// The descendants of a window that Tab visits, in z-order: enabled visible WS_TABSTOP windows; the
// walk goes into every child that has children of its own.
void collectTabStops(HWND parent, std::vector<HWND>& out)
{
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || !IsWindowEnabled(child))
      continue;
    if (styleOf(child) & WS_TABSTOP)
      out.push_back(child);
    else if (GetWindow(child, GW_CHILD))
      collectTabStops(child, out);
  }
}

bool belongsTo(HWND dialog, HWND window)
{
  return window && (window == dialog || IsChild(dialog, window));
}

} // namespace qorwin_detail

LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
  using namespace qorwin_detail;
  switch (message) {
  case WM_CLOSE:
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    return 0;
  case DM_GETDEFID:
    return MAKELRESULT(readData(&ControlState::dialogs, dialog).defaultId, DC_HASDEFID);
  case DM_SETDEFID:
    changeData(&ControlState::dialogs, dialog, [wParam](DialogData& d) { d.defaultId = static_cast<UINT>(wParam); });
    return TRUE;
  case WM_NEXTDLGCTL: {
    HWND next = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
    if (next)
      SetFocus(next);
    return 0;
  }
  case WM_ACTIVATE:
    // An activated dialog keeps the focus inside: on its first tab stop, else on itself.
    if (LOWORD(wParam) != 0 && !belongsTo(dialog, GetFocus())) {
      HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
      SetFocus(first ? first : dialog);
    }
    return 0;
  case WM_NCDESTROY:
    forgetData(&ControlState::dialogs, dialog);
    return DefWindowProcW(dialog, message, wParam, lParam);
  default:
    return DefWindowProcW(dialog, message, wParam, lParam);
  }
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
  using namespace qorwin_detail;
  if (!IsWindow(dialog))
    return FALSE;
  changeData(&ControlState::dialogs, dialog, [result](DialogData& d) {
    d.result = result;
    d.ended = true;
  });
  ShowWindow(dialog, SW_HIDE);
  return TRUE;
}

BOOL IsDialogMessageW(HWND dialog, LPMSG msg)
{
  using namespace qorwin_detail;
  if (!msg || !belongsTo(dialog, msg->hwnd))
    return FALSE;
  if (msg->message == WM_KEYDOWN &&
      (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE || msg->wParam == VK_TAB)) {
    LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    bool keep = (code & DLGC_WANTALLKEYS) || (msg->wParam == VK_TAB && (code & DLGC_WANTTAB));
    if (!keep) {
      if (msg->wParam == VK_TAB) {
        HWND next = GetNextDlgTabItem(dialog, msg->hwnd, GetKeyState(VK_SHIFT) < 0);
        if (next)
          SetFocus(next);
        return TRUE;
      }
      UINT id = IDCANCEL;
      if (msg->wParam == VK_RETURN) {
        // A focused push button is pressed; otherwise the dialog's default button.
        if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
          id = static_cast<UINT>(GetDlgCtrlID(msg->hwnd));
        else {
          LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
          id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
        }
      }
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, static_cast<int>(id))));
      return TRUE;
    }
  }
  if ((msg->message == WM_CHAR) && (msg->wParam == u'\r' || msg->wParam == 27 || msg->wParam == u'\t')) {
    // The characters of keys the dialog took itself go nowhere.
    LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    if (!(code & (DLGC_WANTALLKEYS | DLGC_WANTCHARS)))
      return TRUE;
  }
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
  using namespace qorwin_detail;
  std::vector<HWND> stops;
  collectTabStops(dialog, stops);
  if (stops.empty())
    return nullptr;
  auto it = std::find(stops.begin(), stops.end(), control);
  if (it == stops.end())
    return previous ? stops.back() : stops.front();
  size_t at = static_cast<size_t>(it - stops.begin());
  size_t n = stops.size();
  return stops[previous ? (at + n - 1) % n : (at + 1) % n];
}

LONG GetDialogBaseUnits()
{
  return MAKELONG(8, 16);
}

BOOL MapDialogRect(HWND dialog, LPRECT rect)
{
  if (!rect || !IsWindow(dialog))
    return FALSE;
  // The base units of the dialog's font: its average character width and its line height.
  HDC dc = GetDC(dialog);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  if (old)
    SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  LONG x = metrics.tmAveCharWidth, y = metrics.tmHeight;
  rect->left = MulDiv(rect->left, x, 4);
  rect->right = MulDiv(rect->right, x, 4);
  rect->top = MulDiv(rect->top, y, 8);
  rect->bottom = MulDiv(rect->bottom, y, 8);
  return TRUE;
}

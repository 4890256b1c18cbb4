#include "pui/qorpuiTextField.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "aip/qoraipColor.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiConstants.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiTabOrder.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWinMfcModalDialog.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

namespace qorpuiTextField_detail {

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

aip::Color roleColor(int32_t context, int32_t role)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app)
    return aip::Color::black();
  const aip::ThemeColor theme = app->themeColor(context, role);
  return aip::Color(theme.red, theme.green, theme.blue, theme.alpha);
}

bool darkUI()
{
  aip::Illustrator* app = aip::Illustrator::instance();
  return app && app->isDarkUI();
}

COLORREF colorRef(const aip::Color& color)
{
  return static_cast<COLORREF>(color.toInt());
}

void frame(HDC dc, const RECT& rect, const aip::Color& color)
{
  CBrush brush(colorRef(color));
  ::FrameRect(dc, &rect, brush);
}

void fill(HDC dc, const RECT& rect, const aip::Color& color)
{
  CBrush brush(colorRef(color));
  ::FillRect(dc, &rect, brush);
}

RECT shrunk(const RECT& r, int by)
{
  return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

// The UTF-8 text of one typed UTF-16 unit; a high surrogate waits for its low half.
std::string typedText(char16_t unit, char16_t& pendingHigh)
{
  uint32_t code = unit;
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    pendingHigh = unit;
    return std::string();
  }
  if (unit >= 0xDC00 && unit <= 0xDFFF) {
    if (!pendingHigh)
      return std::string();
    code = 0x10000 + ((uint32_t(pendingHigh) - 0xD800) << 10) + (uint32_t(unit) - 0xDC00);
  }
  pendingHigh = 0;
  std::string out;
  if (code < 0x80) {
    out += char(code);
  } else if (code < 0x800) {
    out += char(0xC0 | (code >> 6));
    out += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += char(0xE0 | (code >> 12));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  } else {
    out += char(0xF0 | (code >> 18));
    out += char(0x80 | ((code >> 12) & 0x3F));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  }
  return out;
}

int32_t keyModifiers()
{
  return (::GetAsyncKeyState(VK_CONTROL) < 0 ? 4 : 0) | (::GetAsyncKeyState(VK_SHIFT) < 0 ? 1 : 0) |
         (::GetAsyncKeyState(VK_MENU) < 0 ? 2 : 0);
}

}  // namespace qorpuiTextField_detail

aip::Color editBackgroundColor(int32_t context, bool enabled)
{
  using namespace qorpuiTextField_detail;
  aip::Color b = roleColor(context, 10);
  const bool dark = darkUI();
  if (dark) {
    const double r = b.r;
    const double t = (r - 0.2) / (32.0 / 255.0);
    themeGray(t, r, 128.0, 71.0, b);
    // A light theme background would push the grey past white and into the next channel.
    b.r = std::min(1.0, std::max(0.0, b.r));
    b.g = std::min(1.0, std::max(0.0, b.g));
    b.b = std::min(1.0, std::max(0.0, b.b));
  } else {
    b = aip::Color(1.0, 1.0, 1.0, 1.0);
  }
  if (!enabled)
    b.darken(dark ? 0.25 : 0.17);
  return b;
}

TextField::TextField(const aip::Point& location, double width, const std::string& text)
    : Widget(TextFieldWidgetKind, aip::Rect(location.x, location.y, width + 2.0, 20.0), std::string())
{
  setInset(aip::Rect(0.0, 0.0, 2.0, 2.0));
  Widget::setText(text);
}

TextField::TextField(const TextField& other)
    : Widget(TextFieldWidgetKind, other.unadjustedFrame(), const_cast<TextField&>(other).Widget::text())
{
  setInset(other.inset());
  if (other.valueChangedCallback())
    setValueChangedCallback(other.valueChangedCallback()->clone());
  if (other.valueChangingCallback())
    setValueChangingCallback(other.valueChangingCallback()->clone());
  if (other.dropCallback())
    setDropCallback(other.dropCallback()->clone());
}

TextField::~TextField()
{
  if (attachedLabel_ && attachedLabel_->attachedTextField() == this)
    attachedLabel_->setAttachedTextFieldPointer(nullptr);
  attachedLabel_ = nullptr;
  // The control goes before the parts it calls back into.
  setControl(nullptr);
}

Widget* TextField::clone() const
{
  return cloneField();
}

TextField* TextField::cloneField() const
{
  return new TextField(*this);
}

std::string TextField::lastTypedText() const
{
  return lastTypedText_;
}

int32_t TextField::lastKeyModifiers() const
{
  return lastKeyModifiers_;
}

void TextField::setLastTyped(const std::string& text, int32_t modifiers)
{
  lastTypedText_ = text;
  lastKeyModifiers_ = modifiers;
}

Label* TextField::attachedLabel() const
{
  return attachedLabel_;
}

void TextField::setAttachedLabel(Label* label)
{
  if (label) {
    label->setAttachedTextField(this);
    return;
  }
  if (attachedLabel_ && attachedLabel_->attachedTextField() == this)
    attachedLabel_->setAttachedTextFieldPointer(nullptr);
  attachedLabel_ = nullptr;
}

bool TextField::selection(int32_t& start, int32_t& length) const
{
  if (!hasControl() || !hasFocus())
    return false;
  DWORD from = 0, to = 0;
  ::SendMessageW(control()->m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  start = static_cast<int32_t>(from);
  length = static_cast<int32_t>(to) - static_cast<int32_t>(from);
  return true;
}

void TextField::setSelection(int32_t start, int32_t length)
{
  if (!hasControl())
    return;
  focus();
  HWND field = control()->m_hWnd;
  ::SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
  ::SendMessageW(field, EM_SCROLLCARET, 0, 0);
}

int32_t TextField::themeContext() const
{
  return inDialog() ? 20 : 10;
}

bool TextField::inDialog() const
{
  Window* placed = window();
  return placed && (placed->kind() == 2 || placed->kind() == 4);
}

void TextField::createControl(Window* window)
{
  UiGlobals* globals = qorpuiTextField_detail::uiGlobals();
  if (!globals || !window)
    return;
  if (window->nativeWindow()) {
    // Fields in dialogs are 3 units taller, for the dialog's larger font; once, as a field is made
    // again when its justification changes.
    if ((window->kind() == 2 || window->kind() == 4) && !grownForDialog_) {
      grownForDialog_ = true;
      setHeight(frame().size.height + 3.0);
    }
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    if (justification() == 2)
      style |= ES_CENTER;
    else if (justification() == 3)
      style |= ES_RIGHT;
    auto* control = new WinMfcTextField(this);
    setControl(control);
    control->Create(style, pixelFrame(window), window->nativeWindow(), controlId());
    control->dropTarget.attach(this);
    applyFont();
  }
  // The stored text goes in without a value-changing event.
  const bool textChange = globals->programmaticTextChange;
  globals->programmaticTextChange = true;
  Widget::createControl(window);
  globals->programmaticTextChange = textChange;
  markControlCreated();
}

void TextField::focus()
{
  if (hasControl())
    ::SetFocus(control()->m_hWnd);
}

void TextField::update() {}

void TextField::fireValueChanged()
{
  // A commit made by a value-changing callback is not reported.
  if (firingChanging_)
    return;
  firingChanged_ = true;
  ValueChangedWidget::fireValueChanged();
  firingChanged_ = false;
  lastTypedText_.clear();
  lastKeyModifiers_ = 0;
}

void TextField::fireValueChanging()
{
  if (firingChanged_)
    return;
  firingChanging_ = true;
  ValueChangingWidget::fireValueChanging();
  firingChanging_ = false;
  lastTypedText_.clear();
  lastKeyModifiers_ = 0;
}

// The control.

WinMfcTextField::~WinMfcTextField()
{
  if (backgroundBrush)
    ::DeleteObject(backgroundBrush);
}

aip::Color WinMfcTextField::background() const
{
  const int32_t context = owner ? owner->themeContext() : 10;
  return editBackgroundColor(context, IsWindowEnabled() != FALSE);
}

void WinMfcTextField::paintFrame(HDC dc, const RECT& r)
{
  using namespace qorpuiTextField_detail;
  if (!owner || !owner->window())
    return;
  const bool dialog = owner->inDialog();
  const aip::Color b = background();
  ThemeColorSet set;
  themeControlColors(dialog ? 0 : 1, 2, set);
  const aip::Color focusColor = roleColor(10, 70);
  const double s = owner->uiScale(owner->window());
  const int t = s > 2.01 ? 4 : 3;
  const int w = static_cast<int>(std::ceil(t * s));
  frame(dc, shrunk(r, 1), set.color2);
  fill(dc, RECT{r.left + 2, r.top + 2, r.right - 2, r.top + 2 + w}, b);
  fill(dc, RECT{r.left + 2, r.bottom - 2 - w, r.right - 2, r.bottom - 2}, b);
  fill(dc, RECT{r.left + 2, r.top + 2, r.left + 2 + w, r.bottom - 2}, b);
  fill(dc, RECT{r.right - 2 - w, r.top + 2, r.right - 2, r.bottom - 2}, b);
  frame(dc, r, set.color1);
  if (::GetFocus() == m_hWnd)
    frame(dc, shrunk(r, 1), focusColor);
}

bool WinMfcTextField::keyDown(WPARAM key, LRESULT* result)
{
  Window* window = owner ? owner->window() : nullptr;
  if (!window)
    return false;
  if (key == VK_RETURN || key == VK_ESCAPE) {
    if (window->kind() != 2 || !window->nativeWindow())
      return false;
    auto* dialog =
        static_cast<ModalDialog*>(::GetPropA(window->nativeWindow()->m_hWnd, windowIdProperty.c_str()));
    if (!dialog || !dialog->dialog())
      return false;
    if (key == VK_RETURN)
      dialog->dialog()->OnOK();
    else
      dialog->dialog()->OnCancel();
    *result = 0;
    return true;
  }
  if (key == VK_TAB) {
    const bool back = ::GetAsyncKeyState(VK_SHIFT) < 0;
    if (TabOrder* order = owner->tabOrder()) {
      if (back)
        order->focusPreviousWidget(owner);
      else
        order->focusNextWidget(owner);
    } else if (CWnd* native = window->nativeWindow()) {
      HWND next = ::GetNextDlgTabItem(native->m_hWnd, m_hWnd, back ? TRUE : FALSE);
      if (next)
        ::SetFocus(next);
      else
        ::SetForegroundWindow(native->m_hWnd);
    }
    *result = 0;
    return true;
  }
  return false;
}

bool WinMfcTextField::character(WPARAM key, LRESULT* result)
{
  using namespace qorpuiTextField_detail;
  if (key == VK_TAB) {
    *result = 0;
    return true;
  }
  if (!owner)
    return false;
  const int32_t modifiers = keyModifiers();
  const bool inModal = owner->window() && owner->window()->kind() == 2;
  if (key == VK_ESCAPE && inModal) {
    *result = 0;
    return true;
  }
  if (key == VK_RETURN) {
    if (!inModal) {
      owner->setLastTyped("\n", modifiers);
      owner->fireValueChanged();
    }
    *result = 0;
    return true;
  }
  owner->setLastTyped(typedText(static_cast<char16_t>(key), pendingHighSurrogate_), modifiers);
  return false;
}

BOOL WinMfcTextField::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  using namespace qorpuiTextField_detail;
  LRESULT local = 0;
  if (!result)
    result = &local;
  UiGlobals* globals = uiGlobals();
  if (!globals)
    return CEdit::OnWndMsg(message, wParam, lParam, result);
  switch (message) {
  case WM_GETDLGCODE:
    *result = DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    return TRUE;
  case WM_KEYDOWN:
    if (keyDown(wParam, result))
      return TRUE;
    break;
  case WM_CHAR:
    if (character(wParam, result))
      return TRUE;
    break;
  case WM_KILLFOCUS:
    *result = DefWindowProc(message, wParam, lParam);
    if (owner && !globals->programmaticChange)
      owner->fireValueChanged();
    return TRUE;
  case WM_NCCALCSIZE: {
    // One text line, vertically centred, with a little room at the sides.
    RECT* proposed = reinterpret_cast<RECT*>(lParam);
    if (!owner || !proposed || wParam)
      break;
    const double s = owner->uiScale(owner->window());
    HDC dc = ::GetDC(m_hWnd);
    CFont font;
    font.CreateFont(-::MulDiv(owner->fontPointSize(), Widget::fontDpi(dc), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                    DEFAULT_CHARSET, 0, 0, 0, 0, u"Tahoma");
    HGDIOBJ old = ::SelectObject(dc, font);
    std::vector<char16_t> text;
    if (owner->controlCreated()) {
      text.resize(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, u'\0');
      text.resize(static_cast<size_t>(std::max(0, ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size())))));
    } else {
      const std::u16string stored = aip::utf8ToWStringViaHost(owner->text());
      text.assign(stored.begin(), stored.end());
    }
    // An empty text measures one line, as it does on the system.
    if (text.empty())
      text.push_back(u' ');
    text.push_back(u'\0');
    RECT measured{0, 0, 0, 0};
    ::DrawTextExW(dc, text.data(), -1, &measured, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE, nullptr);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    const LONG half = ((proposed->bottom - proposed->top) - (measured.bottom - measured.top)) / 2;
    proposed->top += half;
    proposed->bottom -= half;
    aip::Illustrator* app = aip::Illustrator::instance();
    const int32_t language = app ? app->appLanguage() : 0;
    const double g = language == 8 || language == 9 || language == 10 ? 4.0 : 3.0;
    proposed->left += static_cast<LONG>(geo::roundToInt(g * s));
    proposed->right -= static_cast<LONG>(geo::roundToInt(3.0 * s));
    break;
  }
  case WM_PAINT: {
    *result = DefWindowProc(message, wParam, lParam);
    HDC dc = ::GetWindowDC(m_hWnd);
    RECT box{};
    ::GetClipBox(dc, &box);
    paintFrame(dc, box);
    ::ReleaseDC(m_hWnd, dc);
    return TRUE;
  }
  case WM_PRINT: {
    *result = DefWindowProc(message, wParam, lParam);
    RECT bounds;
    ::GetWindowRect(m_hWnd, &bounds);
    ::OffsetRect(&bounds, -bounds.left, -bounds.top);
    paintFrame(reinterpret_cast<HDC>(wParam), bounds);
    return TRUE;
  }
  case WM_MOUSEMOVE:
    if (owner)
      Widget::scheduleTooltip(owner);
    if (!trackingMouse) {
      TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
      ::TrackMouseEvent(&track);
      trackingMouse = true;
    }
    break;
  case WM_MOUSELEAVE:
    trackingMouse = false;
    if (owner)
      Widget::cancelTooltip(owner);
    break;
  case WM_ERASEBKGND:
    *result = 1;
    return TRUE;
  default:
    break;
  }
  return CEdit::OnWndMsg(message, wParam, lParam, result);
}

BOOL WinMfcTextField::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  using namespace qorpuiTextField_detail;
  UiGlobals* globals = uiGlobals();
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    if (owner && globals && !globals->programmaticTextChange)
      owner->fireValueChanging();
    return TRUE;
  }
  if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) && owner) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    const aip::Color b = background();
    if (!IsWindowEnabled())
      ::SetTextColor(dc, colorRef(roleColor(owner->themeContext(), 50)));
    if (backgroundBrush)
      ::DeleteObject(backgroundBrush);
    backgroundBrush = ::CreateSolidBrush(colorRef(b));
    ::SetBkColor(dc, colorRef(b));
    if (result)
      *result = reinterpret_cast<LRESULT>(backgroundBrush);
    return TRUE;
  }
  return CEdit::OnChildNotify(message, wParam, lParam, result);
}

}  // namespace pui
}  // namespace qor

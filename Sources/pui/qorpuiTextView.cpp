#include "pui/qorpuiTextView.h"

#include <cmath>

#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiTextField.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace pui {

namespace qorpuiTextView_detail {

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

COLORREF colorRef(const aip::Color& color)
{
  return static_cast<COLORREF>(color.toInt());
}

aip::Color roleColor(int32_t context, int32_t role)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app)
    return aip::Color::black();
  const aip::ThemeColor theme = app->themeColor(context, role);
  return aip::Color(theme.red, theme.green, theme.blue, theme.alpha);
}

// Every line end as CR LF, whichever mix it came with.
std::string withCrLf(const std::string& text)
{
  std::string lf = utils::replaceAll(utils::replaceAll(text, "\r\n", "\n"), "\r", "\n");
  return utils::replaceAll(lf, "\n", "\r\n");
}

}  // namespace qorpuiTextView_detail

TextView::TextView(const aip::Rect& frame, const std::string& text, bool editable)
    : Widget(TextViewWidgetKind, frame, std::string()), editable_(editable)
{
  setText(text);
}

TextView::TextView(const TextView& other)
    : Widget(TextViewWidgetKind, other.unadjustedFrame(), std::string()), editable_(other.editable_)
{
  setInset(other.inset());
  if (other.valueChangedCallback())
    setValueChangedCallback(other.valueChangedCallback()->clone());
  if (other.valueChangingCallback())
    setValueChangingCallback(other.valueChangingCallback()->clone());
  setText(const_cast<TextView&>(other).text());
}

TextView::~TextView()
{
  if (attachedLabel_ && attachedLabel_->attachedTextView() == this)
    attachedLabel_->setAttachedTextViewPointer(nullptr);
  attachedLabel_ = nullptr;
  // The control goes before the parts it calls back into.
  setControl(nullptr);
}

Widget* TextView::clone() const
{
  return cloneView();
}

TextView* TextView::cloneView() const
{
  return new TextView(*this);
}

std::string TextView::text()
{
  return utils::replaceAll(Widget::text(), "\r\n", "\n");
}

void TextView::setText(const std::string& text)
{
  Widget::setText(qorpuiTextView_detail::withCrLf(text));
}

bool TextView::editable() const
{
  return editable_;
}

std::string TextView::lastTypedText() const
{
  return lastTypedText_;
}

Label* TextView::attachedLabel() const
{
  return attachedLabel_;
}

void TextView::setAttachedLabel(Label* label)
{
  if (label) {
    label->setAttachedTextView(this);
    return;
  }
  if (attachedLabel_ && attachedLabel_->attachedTextView() == this)
    attachedLabel_->setAttachedTextViewPointer(nullptr);
  attachedLabel_ = nullptr;
}

bool TextView::selection(int32_t& start, int32_t& length) const
{
  if (!hasControl() || !hasFocus())
    return false;
  DWORD from = 0, to = 0;
  ::SendMessageW(control()->m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  start = static_cast<int32_t>(from);
  length = static_cast<int32_t>(to) - static_cast<int32_t>(from);
  return true;
}

void TextView::setSelection(int32_t start, int32_t length)
{
  focus();
  if (!hasControl())
    return;
  HWND view = control()->m_hWnd;
  ::SendMessageW(view, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
  ::SendMessageW(view, EM_SCROLLCARET, 0, 0);
}

int32_t TextView::themeContext() const
{
  return inDialog() ? 20 : 10;
}

bool TextView::inDialog() const
{
  Window* placed = window();
  return placed && (placed->kind() == 2 || placed->kind() == 4);
}

void TextView::createControl(Window* window)
{
  UiGlobals* globals = qorpuiTextView_detail::uiGlobals();
  if (!globals || !window)
    return;
  if (window->nativeWindow()) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_WANTRETURN | ES_MULTILINE;
    if (!editable_)
      style |= ES_READONLY;
    if (justification() == 2)
      style |= ES_CENTER;
    else if (justification() == 3)
      style |= ES_RIGHT;
    auto* control = new WinMfcTextView(this);
    setControl(control);
    control->Create(style, pixelFrame(window), window->nativeWindow(), controlId());
    applyFont();
  }
  // The stored text goes in without a value-changing event.
  const bool textChange = globals->programmaticTextChange;
  globals->programmaticTextChange = true;
  Widget::createControl(window);
  globals->programmaticTextChange = textChange;
  markControlCreated();
}

void TextView::focus()
{
  if (hasControl())
    ::SetFocus(control()->m_hWnd);
}

void TextView::update() {}

void TextView::fireValueChanged()
{
  if (firingChanging_)
    return;
  firingChanged_ = true;
  ValueChangedWidget::fireValueChanged();
  firingChanged_ = false;
  lastTypedText_.clear();
}

void TextView::fireValueChanging()
{
  if (firingChanged_)
    return;
  firingChanging_ = true;
  ValueChangingWidget::fireValueChanging();
  firingChanging_ = false;
  lastTypedText_.clear();
}

// The control.

WinMfcTextView::~WinMfcTextView()
{
  if (backgroundBrush)
    ::DeleteObject(backgroundBrush);
}

aip::Color WinMfcTextView::background() const
{
  return editBackgroundColor(owner ? owner->themeContext() : 10, IsWindowEnabled() != FALSE);
}

void WinMfcTextView::paintFrame(HDC dc, const RECT& r)
{
  if (!owner || !owner->window())
    return;
  // Always three units: the text field's thicker frame at large scales is not used here.
  paintEditFrame(dc, r, owner->inDialog(), owner->uiScale(owner->window()), 3, background(), ::GetFocus() == m_hWnd);
}

BOOL WinMfcTextView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  LRESULT local = 0;
  if (!result)
    result = &local;
  UiGlobals* globals = qorpuiTextView_detail::uiGlobals();
  if (!globals)
    return CEdit::OnWndMsg(message, wParam, lParam, result);
  switch (message) {
  case WM_CHAR:
    if (wParam == VK_TAB) {
      *result = 0;
      return TRUE;
    }
    if (wParam == 1 && ::GetAsyncKeyState(VK_CONTROL) != 0) {
      ::SendMessageW(m_hWnd, EM_SETSEL, 0, static_cast<LPARAM>(-1));
      ::SendMessageW(m_hWnd, EM_SCROLLCARET, 0, 0);
      *result = 0;
      return TRUE;
    }
    if (owner)
      owner->setLastTypedText(wParam == VK_RETURN ? std::string("\n")
                                                  : typedUtf8(static_cast<char16_t>(wParam), pendingHighSurrogate_));
    break;
  case WM_KILLFOCUS:
    *result = DefWindowProc(message, wParam, lParam);
    if (owner && !globals->programmaticChange)
      owner->fireValueChanged();
    return TRUE;
  case WM_NCCALCSIZE: {
    RECT* proposed = reinterpret_cast<RECT*>(lParam);
    if (!owner || !proposed || wParam)
      break;
    const double s = owner->uiScale(owner->window());
    const double h = owner->frame().size.height;
    const auto r = [](double x) { return static_cast<LONG>(geo::roundToInt(x)); };
    const auto c = [](double x) { return static_cast<LONG>(geo::roundAwayFromZero(x)); };
    proposed->left += r(3.0 * s);
    proposed->top += c(3.0 * s);
    proposed->right -= r(3.0 * s);
    proposed->bottom = proposed->top + r(h * s) - r(6.0 * s);
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

BOOL WinMfcTextView::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
  using namespace qorpuiTextView_detail;
  UiGlobals* globals = uiGlobals();
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
    if (owner && globals && !globals->programmaticTextChange)
      owner->fireValueChanging();
    if (result)
      *result = 1;
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

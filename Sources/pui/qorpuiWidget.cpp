#include "pui/qorpuiWidget.h"

#include <algorithm>
#include <cmath>

#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipScheduledCallbackHelper.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"
#include "hostapi/ContextSuite.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiConstants.h"
#include "pui/qorpuiTabOrder.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWinMfcTooltip.h"
#include "pui/qorpuiWindow.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace pui {

namespace qorpuiWidget_detail {

// Control ids: entry n in use means id 2n is taken; entry 0 is never handed out.
const int controlIdEntries = 16384;
uint8_t controlIds[controlIdEntries] = {};

// The tooltip window all widgets share, made with the first control.
WinMfcTooltip* sharedTooltip = nullptr;

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

HWND hostMainWindow()
{
  PlatformWindow window = nullptr;
  if (!aip::contextSuite || aip::contextSuite->getMainWindow(&window) != 0)
    return nullptr;
  return reinterpret_cast<HWND>(window);
}

double round(double value)
{
  return static_cast<double>(geo::roundToInt(value));
}

}  // namespace qorpuiWidget_detail

Widget::Widget(int32_t kind, const aip::Rect& frame, const std::string& text)
    : kind_(kind), frame_(frame), text_(text), tooltipRecords_(new utils::List<_TooltipDataWin*>())
{
}

Widget::~Widget()
{
  // Fired records are done; pending ones lose their widget so their show does nothing.
  for (_TooltipDataWin* record : *tooltipRecords_) {
    if (!record)
      continue;
    if (record->fired)
      delete record;
    else
      record->widget = nullptr;
  }
  tooltipRecords_->clear();
  delete tooltipRecords_;
  // The shared tooltip must not paint a widget that is gone.
  if (qorpuiWidget_detail::sharedTooltip && qorpuiWidget_detail::sharedTooltip->widget() == this) {
    qorpuiWidget_detail::sharedTooltip->setWidget(nullptr);
    if (qorpuiWidget_detail::sharedTooltip->GetSafeHwnd())
      qorpuiWidget_detail::sharedTooltip->ShowWindow(SW_HIDE);
  }
  // A window outliving the widget must not list it any more.
  if (window_ && window_->widgets())
    window_->widgets()->remove(this);
  delete control_;
  if (controlId_ / 2 > 0 && controlId_ / 2 < qorpuiWidget_detail::controlIdEntries)
    qorpuiWidget_detail::controlIds[controlId_ / 2] = 0;
  if (tabOrder_)
    tabOrder_->remove(this);
}

int32_t Widget::kind() const
{
  return kind_;
}

CWnd* Widget::control() const
{
  return control_;
}

Window* Widget::window() const
{
  return window_;
}

uint16_t Widget::id()
{
  return controlId();
}

bool Widget::hasControl() const
{
  return control_ && control_->GetSafeHwnd();
}

void Widget::setControl(CWnd* control)
{
  if (control_ == control)
    return;
  delete control_;
  control_ = control;
}

RECT Widget::pixelFrame(Window* window) const
{
  double s = uiScale(window);
  aip::Rect scaled(frame_.origin.x * s, frame_.origin.y * s, frame_.size.width * s, frame_.size.height * s);
  RECT r{};
  r.left = static_cast<LONG>(geo::roundToInt(scaled.origin.x));
  r.top = static_cast<LONG>(geo::roundToInt(scaled.origin.y));
  r.right = r.left + static_cast<LONG>(geo::roundToInt(scaled.size.width));
  r.bottom = r.top + static_cast<LONG>(geo::roundToInt(scaled.size.height));
  return r;
}

aip::Rect Widget::frame() const
{
  if (window_ && hasControl()) {
    aip::Rect r = unadjustedFrame(window_);
    return aip::Rect(qorpuiWidget_detail::round(r.origin.x) - inset_.origin.x, qorpuiWidget_detail::round(r.origin.y) - inset_.origin.y,
                     qorpuiWidget_detail::round(r.size.width) - inset_.size.width, qorpuiWidget_detail::round(r.size.height) - inset_.size.height);
  }
  return aip::Rect(frame_.origin.x - inset_.origin.x, frame_.origin.y - inset_.origin.y,
                   frame_.size.width - inset_.size.width, frame_.size.height - inset_.size.height);
}

aip::Rect Widget::unadjustedFrame(Window* window) const
{
  if (!window)
    window = window_;
  if (!window || !hasControl())
    return frame_;
  RECT r;
  ::GetWindowRect(control_->m_hWnd, &r);
  ::MapWindowPoints(nullptr, ::GetParent(control_->m_hWnd), reinterpret_cast<LPPOINT>(&r), 2);
  double s = uiScale(window);
  return aip::Rect(r.left / s, r.top / s, (r.right - r.left) / s, (r.bottom - r.top) / s);
}

void Widget::setFrame(const aip::Rect& frame)
{
  frame_ = aip::Rect(frame.origin.x + inset_.origin.x, frame.origin.y + inset_.origin.y,
                     frame.size.width + inset_.size.width, frame.size.height + inset_.size.height);
  if (!window_ || !hasControl())
    return;
  RECT r = pixelFrame(window_);
  ::MoveWindow(control_->m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void Widget::setOrigin(const aip::Point& origin)
{
  aip::Rect r = frame();
  r.origin = origin;
  setFrame(r);
}

void Widget::setPosition(const aip::Point& origin)
{
  setOrigin(origin);
}

void Widget::offsetBy(double dx, double dy)
{
  aip::Rect r = frame();
  r.origin.x += dx;
  r.origin.y += dy;
  setFrame(r);
}

void Widget::setSize(const aip::Size& size)
{
  aip::Rect r = frame();
  r.size = size;
  setFrame(r);
}

void Widget::setWidth(double width)
{
  aip::Rect r = frame();
  r.size.width = width;
  setFrame(r);
}

void Widget::setHeight(double height)
{
  aip::Rect r = frame();
  r.size.height = height;
  setFrame(r);
}

void Widget::setStoredText(const std::string& text)
{
  std::lock_guard<std::mutex> guard(textLock_);
  text_ = text;
}

std::string Widget::text()
{
  if (!hasControl() || ::GetCurrentThreadId() != creatingThread_) {
    std::lock_guard<std::mutex> guard(textLock_);
    return text_;
  }
  int length = ::GetWindowTextLengthW(control_->m_hWnd);
  SIZE_T bytes = static_cast<SIZE_T>(length) * 2 + 2;
  auto* buffer = static_cast<char16_t*>(::VirtualAlloc(nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
  if (!buffer) {
    std::lock_guard<std::mutex> guard(textLock_);
    return text_;
  }
  int n = ::GetWindowTextW(control_->m_hWnd, buffer, length + 1);
  std::string text = aip::wstringToUtf8ViaHost(std::u16string(buffer, static_cast<size_t>(std::max(n, 0))));
  ::VirtualFree(buffer, 0, MEM_RELEASE);
  setStoredText(text);
  return text;
}

void Widget::setText(const std::string& text)
{
  setStoredText(text);
  UiGlobals* globals = qorpuiWidget_detail::uiGlobals();
  if (!globals || !hasControl() || !window_)
    return;
  // A text set by the program fires no client callback.
  bool textChange = globals->programmaticTextChange;
  bool change = globals->programmaticChange;
  globals->programmaticTextChange = true;
  globals->programmaticChange = true;
  std::u16string wide = aip::utf8ToWStringViaHost(text);
  ::SetWindowTextW(control_->m_hWnd, wide.c_str());
  globals->programmaticTextChange = textChange;
  globals->programmaticChange = change;
}

bool Widget::enabled() const
{
  return hasControl() ? ::IsWindowEnabled(control_->m_hWnd) != FALSE : enabled_;
}

void Widget::setEnabled(bool enabled)
{
  enabled_ = enabled;
  if (!hasControl())
    return;
  ::EnableWindow(control_->m_hWnd, enabled ? TRUE : FALSE);
  ::InvalidateRect(control_->m_hWnd, nullptr, FALSE);
}

bool Widget::visible() const
{
  return hasControl() ? (::GetWindowLongPtrW(control_->m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0 : visible_;
}

void Widget::setVisible(bool visible)
{
  visible_ = visible;
  if (hasControl())
    ::ShowWindow(control_->m_hWnd, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

bool Widget::hasFocus() const
{
  return hasControl() && ::GetFocus() == control_->m_hWnd;
}

void Widget::focus()
{
  if (hasControl())
    ::SetFocus(control_->m_hWnd);
}

void Widget::focusHostWindow()
{
  if (HWND main = qorpuiWidget_detail::hostMainWindow())
    ::SetFocus(main);
}

void Widget::redraw()
{
  if (hasControl())
    ::InvalidateRect(control_->m_hWnd, nullptr, FALSE);
}

void Widget::update()
{
  redraw();
}

TabOrder* Widget::tabOrder() const
{
  return tabOrder_;
}

std::string Widget::tooltip() const
{
  return tooltip_;
}

void Widget::setTooltip(const std::string& tooltip)
{
  tooltip_ = tooltip;
}

uint16_t Widget::controlId()
{
  if (controlId_)
    return controlId_;
  for (int entry = 1; entry < qorpuiWidget_detail::controlIdEntries - 1; ++entry) {
    if (!qorpuiWidget_detail::controlIds[entry]) {
      qorpuiWidget_detail::controlIds[entry] = 1;
      controlId_ = static_cast<uint16_t>(2 * entry);
      return controlId_;
    }
  }
  return 0;
}

double Widget::windowScale(Window* window)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!window || !app || !app->isUIScaled())
    return 1.0;
  double d = window->dpiStep();
  return d > 1.01 && d < 1.49 ? app->snapUIScaleFactor() : d;
}

double Widget::uiScale(Window* window) const
{
  return windowScale(window);
}

int32_t Widget::fontPointSize() const
{
  aip::Illustrator* app = aip::Illustrator::instance();
  int32_t language = app ? app->appLanguage() : 0;
  bool larger = language == 8 || language == 9 || language == 10;
  bool dialog = window_ && (window_->kind() == 2 || window_->kind() == 4);
  return dialog ? (larger ? 10 : 9) : (larger ? 8 : 7);
}

int Widget::fontDpi(HDC dc)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app || !app->isUIScaled())
    return 96;
  double r = ::GetDeviceCaps(dc, LOGPIXELSY) / 96.0;
  double n = r > 1.01 && r < 1.49 ? app->snapUIScaleFactor() * 96.0 : std::min(r, 2.0) * 96.0;
  return static_cast<int>(geo::roundToInt(n));
}

void Widget::makeControlFont(const char16_t* face, bool italic)
{
  if (!window_ || !hasControl())
    return;
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(control_->m_hWnd, &ps);
  int n = dc ? fontDpi(dc) : 96;
  ::EndPaint(control_->m_hWnd, &ps);
  font_.CreateFont(-::MulDiv(fontPointSize(), n, 72), 0, 0, 0, FW_NORMAL, italic ? 1 : 0, 0, 0, DEFAULT_CHARSET, 0,
                   0, 0, 0, face);
  control_->SetFont(&font_, TRUE);
}

void Widget::updateFont()
{
  makeControlFont(u"Tahoma", false);
}

void Widget::setWindow(Window* window)
{
  if (!window)
    return;
  window_ = window;
  createControl(window);
}

void Widget::detach()
{
  controlCreated_ = false;
}

void Widget::createControl(Window* window)
{
  if (!qorpuiWidget_detail::sharedTooltip) {
    qorpuiWidget_detail::sharedTooltip = new WinMfcTooltip(CWnd::FromHandle(qorpuiWidget_detail::hostMainWindow()));
    if (qorpuiWidget_detail::sharedTooltip->Create(20, CWnd::FromHandle(qorpuiWidget_detail::hostMainWindow()))) {
      ::SetWindowLongPtrW(qorpuiWidget_detail::sharedTooltip->m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(WS_POPUP));
      ::SetWindowTextW(qorpuiWidget_detail::sharedTooltip->m_hWnd, u"");
      qorpuiWidget_detail::sharedTooltip->ShowWindow(SW_HIDE);
    }
  }
  creatingThread_ = ::GetCurrentThreadId();
  if (!window)
    return;
  if (hasControl())
    ::SetPropW(control_->m_hWnd, aip::utf8ToWStringViaHost(widgetIdProperty).c_str(), this);
  aip::Rect stored(frame_.origin.x - inset_.origin.x, frame_.origin.y - inset_.origin.y,
                   frame_.size.width - inset_.size.width, frame_.size.height - inset_.size.height);
  std::string text;
  {
    std::lock_guard<std::mutex> guard(textLock_);
    text = text_;
  }
  setText(text);
  setFrame(stored);
  setEnabled(enabled_);
  setVisible(visible_);
  setTooltip(tooltip_);
}

// Tooltips.

aip::Point Widget::cursorScreenPosition()
{
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!::GetCursorInfo(&info))
    return aip::Point();
  return aip::Point(info.ptScreenPos.x, info.ptScreenPos.y);
}

namespace qorpuiWidget_detail {
// Drops the records that are gone or done, and marks the rest cancelled.
void cancelPending(utils::List<Widget::_TooltipDataWin*>* records)
{
  for (auto it = records->begin(); it != records->end();) {
    if (!*it || (*it)->fired) {
      delete *it;
      auto next = it;
      records->erase(next, it);
      it = next;
      continue;
    }
    (*it)->cancelled = true;
    ++it;
  }
}
}  // namespace qorpuiWidget_detail

void Widget::scheduleTooltip(Widget* widget)
{
  if (!widget)
    return;
  double t = windowScale(widget->window_);
  qorpuiWidget_detail::cancelPending(widget->tooltipRecords_);
  bool tooltipShown = qorpuiWidget_detail::sharedTooltip && qorpuiWidget_detail::sharedTooltip->GetSafeHwnd() && qorpuiWidget_detail::sharedTooltip->IsWindowVisible();
  if (widget->tooltip_.empty() || tooltipShown)
    return;
  auto* record = new _TooltipDataWin();
  aip::Point cursor = cursorScreenPosition();
  record->position = aip::Point(cursor.x, cursor.y + 20.0 * t);
  record->widget = widget;
  widget->tooltipRecords_->pushBack(record);
  aip::scheduleCallback(new utils::__Callback<_TooltipDataWin>(record, &_TooltipDataWin::show), 1.0);
}

void Widget::cancelTooltip(Widget* widget)
{
  if (!widget)
    return;
  qorpuiWidget_detail::cancelPending(widget->tooltipRecords_);
  if (qorpuiWidget_detail::sharedTooltip && qorpuiWidget_detail::sharedTooltip->GetSafeHwnd() && qorpuiWidget_detail::sharedTooltip->IsWindowVisible())
    qorpuiWidget_detail::sharedTooltip->ShowWindow(SW_HIDE);
}

void Widget::_TooltipDataWin::show()
{
  bool wasFired = fired;
  fired = true;
  // A record whose widget is gone is in no list any more: it ends here.
  if (!widget) {
    delete this;
    return;
  }
  if (wasFired || cancelled)
    return;
  if (!qorpuiWidget_detail::sharedTooltip || !qorpuiWidget_detail::sharedTooltip->GetSafeHwnd())
    return;
  qorpuiWidget_detail::sharedTooltip->setWidget(widget);
  HWND tip = qorpuiWidget_detail::sharedTooltip->m_hWnd;
  HDC dc = ::GetDC(tip);
  CFont font;
  font.CreateFont(-::MulDiv(8, fontDpi(dc), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                  u"Tahoma");
  HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
  RECT r{0, 0, 300, 10};
  std::u16string text = aip::utf8ToWStringViaHost(widget->tooltip_);
  ::DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  ::SelectObject(dc, old);
  ::ReleaseDC(tip, dc);
  int width = r.right - r.left + 12;
  int height = r.bottom - r.top + 8;
  int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  if (position.x + width >= screenWidth)
    position.x = screenWidth - width - 6;
  ::MoveWindow(tip, static_cast<int>(geo::roundToInt(position.x)), static_cast<int>(geo::roundToInt(position.y)),
               width, height, TRUE);
  ::ShowWindow(tip, SW_SHOWNOACTIVATE);
}

void destroySharedTooltip()
{
  delete qorpuiWidget_detail::sharedTooltip;
  qorpuiWidget_detail::sharedTooltip = nullptr;
}

}  // namespace pui
}  // namespace qor

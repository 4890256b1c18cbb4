#include "pui/qorpuiButton.h"

#include <cmath>

#include "aip/qoraipColor.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiHoverTracking.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

namespace qorpuiButton_detail {
COLORREF colorRef(const aip::Color& color)
{
  return static_cast<COLORREF>(color.toInt());
}

COLORREF roleColor(int32_t context, int32_t role)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app)
    return 0;
  aip::ThemeColor theme = app->themeColor(context, role);
  return colorRef(aip::Color(theme.red, theme.green, theme.blue, theme.alpha));
}

void frame(HDC dc, const RECT& rect, COLORREF color)
{
  CBrush brush(color);
  ::FrameRect(dc, &rect, brush);
}

void fill(HDC dc, const RECT& rect, COLORREF color)
{
  CBrush brush(color);
  ::FillRect(dc, &rect, brush);
}

RECT shrunk(RECT rect, int by)
{
  ::InflateRect(&rect, -by, -by);
  return rect;
}
}  // namespace qorpuiButton_detail

Button::Button(const aip::Point& origin, double width, const std::string& title, utils::Callback* clickCallback)
    : Widget(ButtonWidgetKind, aip::Rect(origin.x, origin.y, width + 2.0, 21.0), std::string()),
      CustomEventsWidget(ButtonWidgetKind)
{
  setInset(aip::Rect(0.0, 0.0, 2.0, 0.0));
  setText(title);
  setClickCallback(clickCallback);
}

Button::Button(const Button& other)
    : Widget(other.kind(), other.unadjustedFrame(), const_cast<Button&>(other).text()),
      CustomEventsWidget(ButtonWidgetKind)
{
  setInset(other.inset());
  setClickCallback(other.clickCallback() ? other.clickCallback()->clone() : nullptr);
}

Button::~Button() = default;

Widget* Button::clone() const
{
  return new Button(*this);
}

int32_t Button::style() const
{
  return style_;
}

void Button::setStyle(int32_t style)
{
  style_ = style;
  redraw();
}

void Button::update() {}

int32_t Button::themeContext() const
{
  Window* placed = window();
  return placed && (placed->kind() == 2 || placed->kind() == 4) ? 20 : 10;
}

void Button::createControl(Window* window)
{
  if (window && window->nativeWindow()) {
    auto* button = new WinMfcTextButton(this);
    setControl(button);
    RECT r = pixelFrame(window);
    std::u16string caption = aip::utf8ToWStringViaHost(Widget::text());
    button->Create(caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, r, window->nativeWindow(), controlId());
    updateFont();
  }
  Widget::createControl(window);
  setStyle(style_);
  markControlCreated();
}

double buttonWidthForHeight(const std::string& text, double height, double pointSize)
{
  return textWidthForHeight(text, height, pointSize) + 20.0;
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcTextButton, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

WinMfcTextButton::~WinMfcTextButton() = default;

void WinMfcTextButton::DrawItem(LPDRAWITEMSTRUCT item)
{
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  int32_t context = owner->themeContext();
  bool inDialog = context == 20;
  bool enabled = IsWindowEnabled() != FALSE;
  bool focused = ::GetFocus() == m_hWnd;
  COLORREF text = qorpuiButton_detail::roleColor(context, enabled ? 20 : 30);
  int32_t state = !owner->enabled() ? 1 : owner->isHovered() ? 3 : 2;
  ThemeColorSet set;
  themeControlColors(inDialog ? 0 : 1, state, set);
  COLORREF background = qorpuiButton_detail::roleColor(context, 10);
  COLORREF focus = qorpuiButton_detail::roleColor(context, 70);
  RECT r = item->rcItem;
  qorpuiButton_detail::fill(dc, r, background);
  COLORREF outer = owner->style() == 2 ? (focused ? focus : qorpuiButton_detail::colorRef(set.color2)) : qorpuiButton_detail::colorRef(set.color1);
  qorpuiButton_detail::frame(dc, r, outer);
  qorpuiButton_detail::frame(dc, qorpuiButton_detail::shrunk(r, 1), focused ? focus : qorpuiButton_detail::colorRef(set.color2));
  qorpuiButton_detail::frame(dc, qorpuiButton_detail::shrunk(r, 2), qorpuiButton_detail::colorRef(set.color3));
  qorpuiButton_detail::fill(dc, qorpuiButton_detail::shrunk(r, 3), qorpuiButton_detail::colorRef(set.color4));
  COLORREF oldColor = ::SetTextColor(dc, text);
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  std::u16string title = aip::utf8ToWStringViaHost(owner->text());
  ::DrawTextExW(dc, &title[0], -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, nullptr);
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldColor);
}

void WinMfcTextButton::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner) {
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
    owner->redraw();
  }
  Default();
}

void WinMfcTextButton::OnRButtonDown(UINT flags, CPoint point)
{
  OnLButtonDown(flags, point);
}

void WinMfcTextButton::OnLButtonUp(UINT flags, CPoint)
{
  if (owner) {
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    owner->fireClick();
    owner->redraw();
  }
  Default();
}

void WinMfcTextButton::OnRButtonUp(UINT flags, CPoint)
{
  if (owner) {
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    owner->redraw();
  }
  Default();
}

void WinMfcTextButton::OnLButtonDblClk(UINT, CPoint)
{
  if (owner) {
    owner->fireDoubleClick();
    owner->redraw();
  }
  Default();
}

void WinMfcTextButton::OnMouseMove(UINT flags, CPoint point)
{
  trackHoverMove(owner, m_hWnd, flags, point);
  Default();
}

void WinMfcTextButton::OnMouseLeave()
{
  trackHoverLeave(owner);
  Default();
}

BOOL WinMfcTextButton::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

}  // namespace pui
}  // namespace qor

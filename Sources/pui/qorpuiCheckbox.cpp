#include "pui/qorpuiCheckbox.h"

#include <cmath>

#include "aip/qoraipColor.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiImageWidget.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

namespace qorpuiCheckbox_detail {

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

}  // namespace qorpuiCheckbox_detail

Checkbox::Checkbox(const aip::Point& location, double width, const std::string& title, int32_t state)
    : Widget(CheckboxWidgetKind, aip::Rect(location.x, location.y - 3.0, width, 20.0), std::string()),
      CustomEventsWidget(CheckboxWidgetKind)
{
  setInset(aip::Rect(0.0, -3.0, 0.0, 0.0));
  Widget::setText(title);
  setState(state);
}

Checkbox::Checkbox(const Checkbox& other)
    : Widget(CheckboxWidgetKind, other.unadjustedFrame(), const_cast<Checkbox&>(other).Widget::text()),
      CustomEventsWidget(CheckboxWidgetKind),
      state_(other.state_)
{
  setInset(other.inset());
  if (other.clickCallback())
    setClickCallback(other.clickCallback()->clone());
}

Checkbox::~Checkbox()
{
  // The control goes before the parts it calls back into.
  setControl(nullptr);
}

Widget* Checkbox::clone() const
{
  return new Checkbox(*this);
}

int32_t Checkbox::state() const
{
  return state_;
}

void Checkbox::setState(int32_t state)
{
  state_ = state;
  redraw();
}

void Checkbox::setOn(bool on)
{
  setState(on ? 1 : 0);
}

void Checkbox::fireDoubleClick()
{
  ClickWidget::fireClick();
}

utils::Callback* Checkbox::doubleClickCallback() const
{
  return nullptr;
}

void Checkbox::setDoubleClickCallback(utils::Callback* callback)
{
  // The click callback answers double clicks; a callback given here is not kept.
  delete callback;
}

void Checkbox::toggleByUser()
{
  if (!enabled())
    return;
  setState(state_ == 1 ? 0 : 1);
  fireClick();
}

int32_t Checkbox::themeContext() const
{
  Window* placed = window();
  return placed && (placed->kind() == 2 || placed->kind() == 4) ? 20 : 10;
}

uint16_t Checkbox::boxImageId(bool focused) const
{
  const int base = state_ == -1 ? 320 : state_ == 1 ? 340 : 300;
  const double s = uiScale(window());
  const int step = s <= 1.01 ? 0 : s <= 1.51 ? 1 : 2;
  return uint16_t(base + (focused ? 10 : 0) + step + (qorpuiCheckbox_detail::darkUI() ? 60 : 0));
}

void Checkbox::createControl(Window* window)
{
  if (window && window->nativeWindow()) {
    auto* control = new WinMfcCheckbox(this);
    setControl(control);
    const std::u16string caption = aip::utf8ToWStringViaHost(Widget::text());
    control->Create(caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, pixelFrame(window), window->nativeWindow(),
                    controlId());
    updateFont();
  }
  Widget::createControl(window);
  markControlCreated();
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcCheckbox, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_KEYUP()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

WinMfcCheckbox::~WinMfcCheckbox() = default;

void WinMfcCheckbox::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcCheckbox::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcCheckbox::OnLButtonUp(UINT flags, CPoint)
{
  if (owner) {
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    owner->toggleByUser();
  }
  Default();
}

void WinMfcCheckbox::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcCheckbox::OnLButtonDblClk(UINT, CPoint)
{
  if (owner)
    owner->fireDoubleClick();
  Default();
}

void WinMfcCheckbox::OnMouseMove(UINT flags, CPoint point)
{
  // As a label's move, without redrawing: the box does not change when hovered.
  if (owner && owner->window()) {
    const double s = owner->uiScale(owner->window());
    const aip::Point units(point.x / s, point.y / s);
    const int32_t modifiers = CustomEventsWidget::mouseModifiers(flags);
    const aip::Point& current = owner->currentPoint();
    if (std::fabs(units.x - current.x) >= 0.01 || std::fabs(units.y - current.y) >= 0.01 ||
        modifiers != owner->modifiers()) {
      Widget::scheduleTooltip(owner);
      if (owner->isHovered()) {
        owner->mouseMove(aip::Point(point.x, point.y), modifiers);
      } else {
        owner->setCurrentPoint(units);
        owner->setModifiers(modifiers);
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        ::TrackMouseEvent(&track);
      }
      owner->setHovered(true);
    }
  }
  Default();
}

void WinMfcCheckbox::OnMouseLeave()
{
  if (owner) {
    owner->setHovered(false);
    Widget::cancelTooltip(owner);
  }
  Default();
}

void WinMfcCheckbox::OnKeyUp(UINT key, UINT, UINT)
{
  // Space pressed on the focused box toggles it, as a click does.
  if (owner && key == VK_SPACE && (GetState() & BST_PUSHED))
    owner->toggleByUser();
  Default();
}

BOOL WinMfcCheckbox::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcCheckbox::DrawItem(LPDRAWITEMSTRUCT item)
{
  using namespace qorpuiCheckbox_detail;
  if (!owner || !owner->window() || !item)
    return;
  HDC dc = item->hDC;
  const RECT r = item->rcItem;
  const int32_t context = owner->themeContext();
  const aip::Color background = roleColor(context, 10);
  const aip::Color text = roleColor(context, IsWindowEnabled() ? 20 : 30);
  const double s = owner->uiScale(owner->window());
  {
    CBrush brush(static_cast<COLORREF>(background.toInt()));
    ::FillRect(dc, &r, brush);
  }
  CGdiPlusBitmapResource box;
  if (loadPngResource(owner->boxImageId(::GetFocus() == m_hWnd), &box) && box.bitmap) {
    ImagePlacement at;
    at.x = r.left;
    at.y = r.top + static_cast<int>(geo::roundToInt(3.0 * s));
    at.width = static_cast<int>(box.bitmap->GetWidth());
    at.height = static_cast<int>(box.bitmap->GetHeight());
    if (IsWindowEnabled()) {
      Gdiplus::Graphics graphics(dc);
      graphics.DrawImage(box.bitmap, at.x, at.y, at.width, at.height);
    } else {
      drawVeiledImage(dc, at, background, darkUI(), [&](const aip::Color&) { return &box; });
    }
  }
  RECT title{r.left + static_cast<LONG>(geo::roundToInt(18.0 * s)), r.top, r.right,
             r.bottom + static_cast<LONG>(geo::roundToInt(s))};
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = ::SetTextColor(dc, static_cast<COLORREF>(text.toInt()));
  std::u16string caption = aip::utf8ToWStringViaHost(owner->text());
  ::DrawTextExW(dc, &caption[0], -1, &title, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, nullptr);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
}

}  // namespace pui
}  // namespace qor

#include "pui/qorpuiSlider.h"

#include <algorithm>

#include "pui/qorpuiHoverTracking.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiThemePainting.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

namespace qorpuiSlider_detail {
// What the double-click slot holds: it runs whatever the click slot holds, so one callback serves
// both and is deleted once.
class RunClickCallback : public utils::Callback
{
public:
  explicit RunClickCallback(ClickWidget* widget) : widget_(widget) {}
  void execute() override
  {
    if (utils::Callback* click = widget_->ClickWidget::clickCallback())
      click->execute();
  }
  Callback* clone() const override { return new RunClickCallback(widget_); }

private:
  ClickWidget* widget_;
};
}  // namespace qorpuiSlider_detail

Slider::Slider(const aip::Point& origin, double width, double value)
    : Widget(SliderWidgetKind, aip::Rect(origin.x, origin.y, width, 18.0), std::string()),
      CustomEventsWidget(SliderWidgetKind)
{
  setValue(value);
}

Slider::Slider(const Slider& other)
    : Widget(SliderWidgetKind, other.unadjustedFrame(), const_cast<Slider&>(other).text()),
      CustomEventsWidget(SliderWidgetKind)
{
  setInset(other.inset());
  setValue(other.value());
  if (utils::Callback* changing = other.valueChangingCallback())
    setValueChangingCallback(changing->clone());
  if (utils::Callback* click = other.clickCallback())
    setClickCallback(click->clone());
}

Slider::~Slider() = default;

Widget* Slider::clone() const
{
  return new Slider(*this);
}

void Slider::setClickCallback(utils::Callback* callback)
{
  ClickWidget::setClickCallback(callback);
  ClickWidget::setDoubleClickCallback(callback ? new qorpuiSlider_detail::RunClickCallback(this) : nullptr);
}

utils::Callback* Slider::doubleClickCallback() const
{
  return nullptr;
}

void Slider::setDoubleClickCallback(utils::Callback* callback)
{
  // Setters own what they are given: one that is not kept is freed.
  if (callback && callback != clickCallback())
    delete callback;
}

double Slider::value() const
{
  auto* slider = dynamic_cast<CSliderCtrl*>(control());
  if (!hasControl() || !slider)
    return value_;
  const int m = slider->GetRangeMin(), M = slider->GetRangeMax();
  if (M == m)
    return value_;
  return double(slider->GetPos() - m) / double(M - m);
}

void Slider::setValue(double value)
{
  value_ = std::max(std::min(value, 1.0), 0.0);
  auto* slider = dynamic_cast<CSliderCtrl*>(control());
  if (!hasControl() || !slider)
    return;
  const int m = slider->GetRangeMin(), M = slider->GetRangeMax();
  slider->SetPos(roundedPixels(double(M - m) * value_));
}

void Slider::update()
{
  auto* slider = dynamic_cast<CSliderCtrl*>(control());
  if (!hasControl() || !slider)
    return;
  int m = 0, M = 0;
  slider->GetRange(m, M);
  slider->SetRange(m, M, TRUE);
}

void Slider::createControl(Window* window)
{
  if (!window || !window->nativeWindow())
    return;
  auto* slider = new WinMfcSlider(this);
  setControl(slider);
  slider->Create(WS_CHILD | WS_VISIBLE | TBS_TRANSPARENTBKGND | TBS_FIXEDLENGTH | TBS_NOTICKS, pixelFrame(window),
                 window->nativeWindow(), controlId());
  Widget::createControl(window);
  slider->SetRange(0, 64, FALSE);
  slider->SetThumbLength(28);
  setValue(value_);
  markControlCreated();
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcSlider, CSliderCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_WM_ERASEBKGND()
ON_WM_HSCROLL_REFLECT()
ON_WM_VSCROLL_REFLECT()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

void WinMfcSlider::OnCustomDraw(NMHDR* header, LRESULT* result)
{
  *result = CDRF_DODEFAULT;
  auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
  if (!owner || !owner->window() || !draw)
    return;
  switch (draw->dwDrawStage) {
  case CDDS_PREPAINT:
    *result = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    return;
  case CDDS_ITEMPREPAINT:
  case CDDS_ITEMPOSTPAINT:
    if (draw->dwItemSpec >= TBCD_TICS && draw->dwItemSpec <= TBCD_CHANNEL)
      *result = CDRF_SKIPDEFAULT;
    return;
  case CDDS_POSTPAINT:
    break;
  default:
    return;
  }
  HDC dc = draw->hdc;
  const aip::Color background = themeRoleColor(themeContextOf(owner), 10);
  const double s = owner->uiScale(owner->window());
  const int32_t state = owner->hasFocus() ? 3 : !owner->enabled() ? 1 : 0;
  ThemeSliderColorSet set;
  themeSliderColors(themeComponentOf(owner), state, set);
  RECT r{};
  ::GetClipBox(dc, &r);
  fillSolid(dc, r, colorRefOf(background));
  RECT track{r.left + roundedPixels(10.0 * s), r.top + roundedPixels(8.0 * s), r.right - roundedPixels(10.0 * s),
             r.top + roundedPixels(11.0 * s)};
  frameSolid(dc, track, colorRefOf(set.color1));
  fillSolid(dc, insetRect(track, 1), colorRefOf(set.color2));
  RECT thumb{};
  GetThumbRect(&thumb);
  const int cx = thumb.left + (thumb.right - thumb.left) / 2;
  Gdiplus::Graphics graphics(dc);
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  Gdiplus::SolidBrush brush(opaqueArgbOf(set.color4));
  graphics.FillEllipse(&brush, Gdiplus::REAL(cx - 7.0 * s), Gdiplus::REAL(2.0 * s), Gdiplus::REAL(14.0 * s),
                       Gdiplus::REAL(14.0 * s));
  *result = CDRF_SKIPDEFAULT;
}

BOOL WinMfcSlider::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcSlider::HScroll(UINT, UINT)
{
  if (owner)
    owner->fireValueChanging();
}

void WinMfcSlider::VScroll(UINT, UINT)
{
  if (owner)
    owner->fireValueChanging();
}

void WinMfcSlider::OnLButtonDown(UINT flags, CPoint point)
{
  // The trackbar takes the press first.
  Default();
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
}

void WinMfcSlider::OnLButtonUp(UINT flags, CPoint)
{
  Default();
  if (owner) {
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
    owner->fireClick();
  }
}

void WinMfcSlider::OnLButtonDblClk(UINT, CPoint)
{
  if (owner)
    owner->fireDoubleClick();
  Default();
}

void WinMfcSlider::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcSlider::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcSlider::OnMouseMove(UINT flags, CPoint point)
{
  Default();
  trackHoverMove(owner, m_hWnd, flags, point);
}

void WinMfcSlider::OnMouseLeave()
{
  trackHoverLeave(owner);
  Default();
}

}  // namespace pui
}  // namespace qor

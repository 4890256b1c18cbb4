#include "pui/qorpuiStepper.h"

#include "aip/qoraipIllustrator.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiHoverTracking.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiThemePainting.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

namespace qorpuiStepper_detail {
// Records the stepper as the last clicked widget and runs the action inside the host's application
// context (left again when the action throws).
template <class F> void asClick(Stepper* stepper, F action)
{
  BasePlugin* plugin = BasePlugin::instance();
  if (UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr)
    globals->clickWidget = stepper;
  aip::Illustrator* app = aip::Illustrator::instance();
  struct Context
  {
    aip::Illustrator* app;
    ~Context()
    {
      if (app)
        app->popAppContext();
    }
  };
  if (app)
    app->pushAppContext();
  Context leave{app};
  action();
}
}  // namespace qorpuiStepper_detail

Stepper::Stepper(const aip::Point& origin)
    : Widget(StepperWidgetKind, aip::Rect(origin.x, origin.y, 16.0, 20.0), std::string()),
      CustomEventsWidget(StepperWidgetKind)
{
  setTracksMouse(true);
}

Stepper::Stepper(const Stepper& other)
    : Widget(StepperWidgetKind, other.unadjustedFrame(), const_cast<Stepper&>(other).text()),
      CustomEventsWidget(StepperWidgetKind)
{
  setInset(other.inset());
  setTracksMouse(true);
  if (other.upCallback_)
    upCallback_ = other.upCallback_->clone();
  if (other.downCallback_)
    downCallback_ = other.downCallback_->clone();
}

Stepper::~Stepper()
{
  delete upCallback_;
  delete downCallback_;
}

Widget* Stepper::clone() const
{
  return new Stepper(*this);
}

utils::Callback* Stepper::upCallback() const
{
  return upCallback_;
}

void Stepper::setUpCallback(utils::Callback* callback)
{
  if (callback != upCallback_)
    delete upCallback_;
  upCallback_ = callback;
}

utils::Callback* Stepper::downCallback() const
{
  return downCallback_;
}

void Stepper::setDownCallback(utils::Callback* callback)
{
  if (callback != downCallback_)
    delete downCallback_;
  downCallback_ = callback;
}

bool Stepper::handleMouseDown()
{
  qorpuiStepper_detail::asClick(this, [this] {
    const aip::Rect frame = unadjustedFrame(window());
    utils::Callback* step = currentPoint().y <= frame.size.height * 0.5 ? upCallback_ : downCallback_;
    if (step)
      step->execute();
  });
  return true;
}

bool Stepper::handleMouseUp()
{
  qorpuiStepper_detail::asClick(this, [] {});
  return true;
}

void Stepper::createControl(Window* window)
{
  if (!window || !window->nativeWindow())
    return;
  auto* control = new WinMfcStepper(this);
  setControl(control);
  RECT r = pixelFrame(window);
  control->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left, r.bottom - r.top,
                    window->nativeWindow()->m_hWnd, reinterpret_cast<HMENU>(uintptr_t(controlId())));
  updateFont();
  Widget::createControl(window);
  markControlCreated();
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcStepper, CWnd)
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

void WinMfcStepper::OnKillFocus(CWnd*)
{
  Default();
  Invalidate(TRUE);
}

BOOL WinMfcStepper::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcStepper::OnLButtonDblClk(UINT, CPoint)
{
  // The second press of a double click does not step again.
  Default();
}

void WinMfcStepper::OnLButtonDown(UINT flags, CPoint point)
{
  Default();
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  SetFocus();
}

void WinMfcStepper::OnLButtonUp(UINT flags, CPoint)
{
  Default();
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
}

void WinMfcStepper::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcStepper::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcStepper::OnMouseMove(UINT flags, CPoint point)
{
  Default();
  if (trackHoverMove(owner, m_hWnd, flags, point))
    Invalidate(TRUE);
}

void WinMfcStepper::OnMouseLeave()
{
  if (!owner) {
    Default();
    return;
  }
  owner->setHovered(false);
  Widget::cancelTooltip(owner);
  Default();
  Invalidate(TRUE);
}

void WinMfcStepper::OnPaint()
{
  if (!owner) {
    CWnd::OnPaint();
    return;
  }
  PAINTSTRUCT ps;
  HDC paintDc = ::BeginPaint(m_hWnd, &ps);
  const int32_t context = themeContextOf(owner);
  const COLORREF background = colorRefOf(themeRoleColor(context, 10));
  const COLORREF focusColour = colorRefOf(themeRoleColor(context, 70));
  const double s = owner->uiScale(owner->window());
  const int32_t state = !owner->enabled() ? 1 : owner->isHovered() ? 3 : 2;
  ThemeColorSet set;
  const bool dark = themeControlColors(themeComponentOf(owner), state, set);

  RECT r{};
  ::GetClipBox(paintDc, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC dc = ::CreateCompatibleDC(paintDc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(paintDc, width, height);
  HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
  fillSolid(dc, r, background);

  const COLORREF frameColour = owner->hasFocus() ? focusColour : colorRefOf(set.color2);
  const int split = roundedPixels(10.0 * s);
  RECT halves[2] = {{r.left, r.top, r.right, split}, {r.left, split, r.right, r.bottom}};
  for (const RECT& half : halves) {
    frameSolid(dc, half, frameColour);
    frameSolid(dc, insetRect(half, 1), colorRefOf(set.color3));
    fillSolid(dc, insetRect(half, 2), colorRefOf(set.color4));
  }

  aip::Color arrow(set.color2);
  if (dark)
    arrow.lighten(0.3);
  else
    arrow.darken(0.3);
  {
  Gdiplus::Graphics graphics(dc);
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  Gdiplus::SolidBrush brush(opaqueArgbOf(arrow));
  const double a = roundedPixels(4.0 * s), b = roundedPixels(2.0 * s);
  for (int i = 0; i < 2; ++i) {
    const RECT& half = halves[i];
    const double cx = (half.right - half.left) * 0.5, cy = half.top + (half.bottom - half.top) * 0.5;
    const double tip = i == 0 ? -b : b;
    const Gdiplus::PointF points[3] = {{Gdiplus::REAL(cx - a), Gdiplus::REAL(cy - tip)},
                                       {Gdiplus::REAL(cx), Gdiplus::REAL(cy + tip)},
                                       {Gdiplus::REAL(cx + a), Gdiplus::REAL(cy - tip)}};
    graphics.FillPolygon(&brush, points, 3, Gdiplus::FillModeWinding);
  }
  }

  ::BitBlt(paintDc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  ::SelectObject(dc, oldBitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  ::EndPaint(m_hWnd, &ps);
}

}  // namespace pui
}  // namespace qor

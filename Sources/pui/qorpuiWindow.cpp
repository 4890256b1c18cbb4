#include "pui/qorpuiWindow.h"

#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

Window::Window(CWnd* nativeWindow) : widgets_(new utils::List<Widget*>()), nativeWindow_(nativeWindow) {}

Window::~Window()
{
  // The widgets outlive the window: they must not reach it any more.
  for (Widget* widget : *widgets_) {
    if (!widget)
      continue;
    widget->detach();
    widget->forgetWindow();
  }
  widgets_->clear();
  delete widgets_;
  if (nativeWindow_ && nativeWindow_->GetSafeHwnd())
    nativeWindow_->DestroyWindow();
}

CWnd* Window::nativeWindow() const
{
  return nativeWindow_;
}

aip::Rect Window::screenFrame() const
{
  if (!nativeWindow_ || !nativeWindow_->GetSafeHwnd())
    return aip::Rect();
  RECT r;
  nativeWindow_->GetWindowRect(&r);
  return aip::Rect(r);
}

void Window::addWidget(Widget* widget)
{
  if (!widget)
    return;
  widget->setWindow(this);
  if (!widgets_->contains(widget))
    widgets_->pushBack(widget);
  // Group boxes stay behind the controls they frame.
  if (widget->hasControl() && widget->kind() != BoxWidgetKind)
    ::SetWindowPos(widget->control()->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void Window::removeWidget(Widget* widget)
{
  if (!widget)
    return;
  widget->detach();
  widgets_->remove(widget);
  if (widget->hasControl())
    widget->control()->DestroyWindow();
  widget->forgetWindow();
}

utils::List<Widget*>* Window::widgets() const
{
  return widgets_;
}

int32_t Window::kind() const
{
  return kind_;
}

void Window::updateWidgets()
{
  for (Widget* widget : *widgets_)
    widget->update();
}

bool Window::isShown() const
{
  if (!nativeWindow_ || !nativeWindow_->GetSafeHwnd())
    return false;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  return ::GetWindowPlacement(nativeWindow_->m_hWnd, &placement) && placement.showCmd != 0;
}

void Window::redrawWidgets()
{
  for (Widget* widget : *widgets_)
    if (widget)
      widget->redraw();
}

double Window::dpiStep() const
{
  if (!nativeWindow_ || !nativeWindow_->GetSafeHwnd())
    return 1.0;
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(nativeWindow_->m_hWnd, &ps);
  if (!dc)
    return 1.0;
  double r = ::GetDeviceCaps(dc, LOGPIXELSY) / 96.0;
  ::EndPaint(nativeWindow_->m_hWnd, &ps);
  if (r > 1.99)
    return 2.0;
  if (r > 1.49)
    return 1.5;
  if (r > 1.24)
    return 1.25;
  return 1.0;
}

}  // namespace pui
}  // namespace qor

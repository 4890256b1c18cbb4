#include "pui/qorpuiEventWidgets.h"

#include "aip/qoraipIllustrator.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWidget.h"
#include "win/Windows.h"

namespace qor {
namespace pui {

namespace qorpuiEventWidgets_detail {
UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

// The widget a mix-in belongs to.
template <class T> Widget* widgetOf(T* mixin)
{
  return dynamic_cast<Widget*>(mixin);
}
}  // namespace qorpuiEventWidgets_detail

EventSlot::~EventSlot()
{
  delete callback_;
}

void EventSlot::set(utils::Callback* callback)
{
  if (callback != callback_)
    delete callback_;
  callback_ = callback;
}

void EventSlot::fire(Widget* widget, Widget* UiGlobals::*lastWidget, bool skipDisabled)
{
  if (firing_)
    return;
  UiGlobals* globals = qorpuiEventWidgets_detail::uiGlobals();
  if (!globals) {
    if (skipDisabled)
      return;
  } else {
    globals->*lastWidget = widget;
  }
  if (skipDisabled && widget && !widget->enabled())
    return;
  if (!callback_)
    return;
  // The flag and the context are put back even when the client's code throws.
  aip::Illustrator* app = aip::Illustrator::instance();
  struct Firing
  {
    bool& flag;
    aip::Illustrator* app;
    ~Firing()
    {
      flag = false;
      if (app)
        app->popAppContext();
    }
  };
  if (app)
    app->pushAppContext();
  firing_ = true;
  Firing guard{firing_, app};
  callback_->execute();
}

ClickWidget::~ClickWidget() = default;

void ClickWidget::fireClick()
{
  click_.fire(qorpuiEventWidgets_detail::widgetOf(this), &UiGlobals::clickWidget, true);
}

utils::Callback* ClickWidget::clickCallback() const
{
  return click_.callback();
}

void ClickWidget::setClickCallback(utils::Callback* callback)
{
  click_.set(callback);
}

void ClickWidget::fireDoubleClick()
{
  doubleClick_.fire(qorpuiEventWidgets_detail::widgetOf(this), &UiGlobals::doubleClickWidget, true);
}

utils::Callback* ClickWidget::doubleClickCallback() const
{
  return doubleClick_.callback();
}

void ClickWidget::setDoubleClickCallback(utils::Callback* callback)
{
  doubleClick_.set(callback);
}

ValueChangingWidget::~ValueChangingWidget() = default;

void ValueChangingWidget::fireValueChanging()
{
  slot_.fire(qorpuiEventWidgets_detail::widgetOf(this), &UiGlobals::valueChangingWidget, false);
}

utils::Callback* ValueChangingWidget::valueChangingCallback() const
{
  return slot_.callback();
}

void ValueChangingWidget::setValueChangingCallback(utils::Callback* callback)
{
  slot_.set(callback);
}

ValueChangedWidget::~ValueChangedWidget() = default;

void ValueChangedWidget::fireValueChanged()
{
  slot_.fire(qorpuiEventWidgets_detail::widgetOf(this), &UiGlobals::valueChangedWidget, false);
}

utils::Callback* ValueChangedWidget::valueChangedCallback() const
{
  return slot_.callback();
}

void ValueChangedWidget::setValueChangedCallback(utils::Callback* callback)
{
  slot_.set(callback);
}

// Raw mouse events.

CustomEventsWidget::CustomEventsWidget(int32_t widgetKind) : widgetKind_(widgetKind) {}

CustomEventsWidget::~CustomEventsWidget() = default;

bool CustomEventsWidget::tracksMouse() const
{
  return tracksMouse_;
}

bool CustomEventsWidget::isTracking() const
{
  return tracking_;
}

int32_t CustomEventsWidget::gesture() const
{
  return gesture_;
}

int32_t CustomEventsWidget::modifiers() const
{
  return modifiers_;
}

bool CustomEventsWidget::isHovered() const
{
  return hovered_;
}

void CustomEventsWidget::setTracksMouse(bool tracks)
{
  tracksMouse_ = tracks;
}

int32_t CustomEventsWidget::mouseModifiers(unsigned int keyFlags)
{
  return ((keyFlags & MK_SHIFT) ? 1 : 0) | (::GetKeyState(VK_MENU) < 0 ? 2 : 0) | ((keyFlags & MK_CONTROL) ? 4 : 0);
}

aip::Point CustomEventsWidget::toUnits(const aip::Point& pixels) const
{
  Widget* widget = dynamic_cast<Widget*>(const_cast<CustomEventsWidget*>(this));
  double s = Widget::windowScale(widget ? widget->window() : nullptr);
  return aip::Point(pixels.x / s, pixels.y / s);
}

bool CustomEventsWidget::mouseDown(const aip::Point& point, int32_t modifiers)
{
  downPoint_ = currentPoint_ = toUnits(point);
  modifiers_ = modifiers;
  handleMouseDown();
  if (tracksMouse_) {
    tracking_ = true;
    gesture_ = 0;
  }
  return tracksMouse_;
}

bool CustomEventsWidget::mouseMove(const aip::Point& point, int32_t modifiers)
{
  currentPoint_ = toUnits(point);
  modifiers_ = modifiers;
  if (tracking_) {
    if (gesture_ == 0 && (currentPoint_.x != downPoint_.x || currentPoint_.y != downPoint_.y))
      gesture_ = 2;
    return handleMouseDrag();
  }
  gesture_ = 0;
  return handleMouseMove();
}

bool CustomEventsWidget::mouseUp(int32_t modifiers)
{
  modifiers_ = modifiers;
  if (!tracking_)
    gesture_ = 1;
  else if (gesture_ == 0)
    gesture_ = (currentPoint_.x == downPoint_.x && currentPoint_.y == downPoint_.y) ? 1 : 2;
  tracking_ = false;
  return handleMouseUp();
}

void CustomEventsWidget::trackingInfo(aip::Point& downPoint, aip::Point& currentPoint, aip::Rect& frame) const
{
  downPoint = downPoint_;
  currentPoint = currentPoint_;
  Widget* widget = dynamic_cast<Widget*>(const_cast<CustomEventsWidget*>(this));
  frame = widget ? widget->frame() : aip::Rect();
}

bool CustomEventsWidget::handleMouseDown()
{
  return false;
}

bool CustomEventsWidget::handleMouseUp()
{
  return false;
}

bool CustomEventsWidget::handleMouseMove()
{
  return false;
}

bool CustomEventsWidget::handleMouseDrag()
{
  return false;
}

bool CustomEventsWidget::handleDraw()
{
  return false;
}

}  // namespace pui
}  // namespace qor

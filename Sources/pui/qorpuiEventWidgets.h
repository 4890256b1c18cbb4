// The event mix-ins that platform widgets inherit beside Widget: clicks, value changes and raw mouse
// events with a click-or-drag gesture. Each stores and owns its client callbacks and fires them inside
// the host's application context, recording the widget in the UI globals and refusing re-entry.
#pragma once

#include <cstdint>

#include "aip/qoraipPoint.h"
#include "aip/qoraipRect.h"
#include "utils/qorutilsCallback.h"

struct UiGlobals;

namespace qor {
namespace pui {

class Widget;

// One owned client callback and its firing rule; the three mix-ins below are made of these.
class EventSlot
{
public:
  EventSlot() = default;
  EventSlot(const EventSlot&) = delete;
  EventSlot& operator=(const EventSlot&) = delete;
  ~EventSlot();

  utils::Callback* callback() const { return callback_; }
  void set(utils::Callback* callback);
  // Records `widget` in the globals' field, skips a disabled widget when asked, and runs the callback
  // between a push and a pop of the host application context; a re-entrant fire does nothing.
  void fire(Widget* widget, Widget* UiGlobals::*lastWidget, bool skipDisabled);

private:
  bool firing_ = false;
  utils::Callback* callback_ = nullptr;
};

class ClickWidget
{
public:
  ClickWidget() = default;
  ClickWidget(const ClickWidget&) = delete;
  ClickWidget& operator=(const ClickWidget&) = delete;
  virtual ~ClickWidget();

  virtual void fireClick();
  virtual utils::Callback* clickCallback() const;
  virtual void setClickCallback(utils::Callback* callback);
  virtual void fireDoubleClick();
  virtual utils::Callback* doubleClickCallback() const;
  virtual void setDoubleClickCallback(utils::Callback* callback);

private:
  EventSlot click_;
  EventSlot doubleClick_;
};

class ValueChangingWidget
{
public:
  ValueChangingWidget() = default;
  ValueChangingWidget(const ValueChangingWidget&) = delete;
  ValueChangingWidget& operator=(const ValueChangingWidget&) = delete;
  virtual ~ValueChangingWidget();

  virtual void fireValueChanging();
  virtual utils::Callback* valueChangingCallback() const;
  virtual void setValueChangingCallback(utils::Callback* callback);

private:
  EventSlot slot_;
};

class ValueChangedWidget
{
public:
  ValueChangedWidget() = default;
  ValueChangedWidget(const ValueChangedWidget&) = delete;
  ValueChangedWidget& operator=(const ValueChangedWidget&) = delete;
  virtual ~ValueChangedWidget();

  virtual void fireValueChanged();
  virtual utils::Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(utils::Callback* callback);

private:
  EventSlot slot_;
};

// Raw mouse events in widget units. A press on a widget that tracks the mouse is followed until the
// release, which fixes the gesture: 1 a click (no move), 2 a drag.
class CustomEventsWidget
{
public:
  explicit CustomEventsWidget(int32_t widgetKind);
  CustomEventsWidget(const CustomEventsWidget&) = delete;
  CustomEventsWidget& operator=(const CustomEventsWidget&) = delete;
  virtual ~CustomEventsWidget();

  virtual bool tracksMouse() const;
  virtual bool isTracking() const;
  virtual int32_t gesture() const;
  virtual int32_t modifiers() const;
  // Points in the control's client pixels; modifiers 1 Shift, 2 Alt, 4 Control.
  virtual bool mouseDown(const aip::Point& point, int32_t modifiers);
  virtual bool mouseUp(int32_t modifiers);
  virtual bool mouseMove(const aip::Point& point, int32_t modifiers);
  virtual bool isHovered() const;
  virtual void trackingInfo(aip::Point& downPoint, aip::Point& currentPoint, aip::Rect& frame) const;
  virtual void setTracksMouse(bool tracks);
  virtual bool handleMouseDown();
  virtual bool handleMouseUp();
  virtual bool handleMouseMove();
  virtual bool handleMouseDrag();
  virtual bool handleDraw();

  // Kept by the controls while the pointer is over them.
  void setHovered(bool hovered) { hovered_ = hovered; }
  const aip::Point& currentPoint() const { return currentPoint_; }
  void setCurrentPoint(const aip::Point& point) { currentPoint_ = point; }
  void setModifiers(int32_t modifiers) { modifiers_ = modifiers; }
  // Tracking and hover flags, press and current points, modifiers and gesture of another widget, as a
  // pop-up's copy hands them to the widget it copies.
  void copyMouseState(const CustomEventsWidget& other)
  {
    tracking_ = other.tracking_;
    hovered_ = other.hovered_;
    downPoint_ = other.downPoint_;
    currentPoint_ = other.currentPoint_;
    modifiers_ = other.modifiers_;
    gesture_ = other.gesture_;
  }

  // The modifiers of a mouse message: Shift and Control from its key flags, Alt from the keyboard.
  static int32_t mouseModifiers(unsigned int keyFlags);

private:
  aip::Point toUnits(const aip::Point& pixels) const;

  bool tracksMouse_ = false;
  bool tracking_ = false;
  bool hovered_ = false;
  aip::Point downPoint_;
  aip::Point currentPoint_;
  int32_t modifiers_ = 0;
  int32_t widgetKind_;
  int32_t gesture_ = 0;
};

}  // namespace pui
}  // namespace qor

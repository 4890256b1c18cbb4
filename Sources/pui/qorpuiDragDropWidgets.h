// The drag-and-drop mix-ins of platform widgets: a widget that can be dragged as Unicode text, and a
// widget that accepts dropped text, with its drag-over and drop callbacks and the point and text of
// the event being handled.
#pragma once

#include <string>

#include "aip/qoraipPoint.h"
#include "pui/qorpuiEventWidgets.h"
#include "utils/qorutilsCallback.h"

namespace qor {
namespace pui {

class DraggableWidget
{
public:
  DraggableWidget() = default;
  DraggableWidget(const DraggableWidget&) = delete;
  DraggableWidget& operator=(const DraggableWidget&) = delete;
  virtual ~DraggableWidget();

  virtual bool isDraggable() const;
  virtual void setDraggable(bool draggable);
  // When empty, the widget's own text is dragged.
  virtual std::string dragText() const;
  virtual void setDragText(const std::string& text);

private:
  bool draggable_ = false;
  std::string dragText_;
};

class DroppableWidget
{
public:
  DroppableWidget() = default;
  DroppableWidget(const DroppableWidget&) = delete;
  DroppableWidget& operator=(const DroppableWidget&) = delete;
  virtual ~DroppableWidget();

  virtual bool acceptsDrops() const;
  virtual void setAcceptsDrops(bool accepts);
  virtual utils::Callback* dragOverCallback() const;
  virtual void setDragOverCallback(utils::Callback* callback);
  // The point of the drag-over being handled, in the control's client pixels; (0, 0) outside it.
  virtual aip::Point dragOverPoint() const;
  virtual void fireDragOver(const aip::Point& point);
  virtual utils::Callback* dropCallback() const;
  virtual void setDropCallback(utils::Callback* callback);
  // The text and point of the drop being handled; "" and (0, 0) outside it.
  virtual std::string droppedText() const;
  virtual aip::Point dropPoint() const;
  virtual void fireDrop(const std::string& text, const aip::Point& point);

private:
  bool acceptsDrops_ = false;
  aip::Point dragOverPoint_;
  EventSlot dragOver_;
  std::string droppedText_;
  aip::Point dropPoint_;
  EventSlot drop_;
};

}  // namespace pui
}  // namespace qor

#include "pui/qorpuiDragDropWidgets.h"

#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

DraggableWidget::~DraggableWidget() = default;

bool DraggableWidget::isDraggable() const
{
  return draggable_;
}

void DraggableWidget::setDraggable(bool draggable)
{
  draggable_ = draggable;
}

std::string DraggableWidget::dragText() const
{
  return dragText_;
}

void DraggableWidget::setDragText(const std::string& text)
{
  dragText_ = text;
}

DroppableWidget::~DroppableWidget() = default;

bool DroppableWidget::acceptsDrops() const
{
  return acceptsDrops_;
}

void DroppableWidget::setAcceptsDrops(bool accepts)
{
  acceptsDrops_ = accepts;
}

utils::Callback* DroppableWidget::dragOverCallback() const
{
  return dragOver_.callback();
}

void DroppableWidget::setDragOverCallback(utils::Callback* callback)
{
  dragOver_.set(callback);
}

aip::Point DroppableWidget::dragOverPoint() const
{
  return dragOverPoint_;
}

void DroppableWidget::fireDragOver(const aip::Point& point)
{
  // A re-entrant call runs nothing and must leave the running callback's point as it is.
  const aip::Point outer = dragOverPoint_;
  dragOverPoint_ = point;
  dragOver_.fire(dynamic_cast<Widget*>(this), &UiGlobals::dragOverWidget, true);
  dragOverPoint_ = outer;
}

utils::Callback* DroppableWidget::dropCallback() const
{
  return drop_.callback();
}

void DroppableWidget::setDropCallback(utils::Callback* callback)
{
  drop_.set(callback);
}

std::string DroppableWidget::droppedText() const
{
  return droppedText_;
}

aip::Point DroppableWidget::dropPoint() const
{
  return dropPoint_;
}

void DroppableWidget::fireDrop(const std::string& text, const aip::Point& point)
{
  const std::string outerText = droppedText_;
  const aip::Point outerPoint = dropPoint_;
  droppedText_ = text;
  dropPoint_ = point;
  drop_.fire(dynamic_cast<Widget*>(this), &UiGlobals::dropWidget, true);
  droppedText_ = outerText;
  dropPoint_ = outerPoint;
}

}  // namespace pui
}  // namespace qor

#include "core/qorcoreDragDropPart.h"

#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiDragDropWidgets.h"

namespace qor {
namespace core {

bool __IntDragPart::isDraggable(const pui::DraggableWidget* part)
{
  return part && part->isDraggable();
}

void __IntDragPart::setDraggable(pui::DraggableWidget* part, bool draggable)
{
  if (part)
    part->setDraggable(draggable);
}

std::string __IntDragPart::dragText(const pui::DraggableWidget* part)
{
  return part ? part->dragText() : std::string();
}

void __IntDragPart::setDragText(pui::DraggableWidget* part, const std::string& text)
{
  if (part)
    part->setDragText(text);
}

bool __IntDropPart::acceptsDrops(const pui::DroppableWidget* part)
{
  return part && part->acceptsDrops();
}

void __IntDropPart::setAcceptsDrops(pui::DroppableWidget* part, bool accepts)
{
  if (part)
    part->setAcceptsDrops(accepts);
}

Callback* __IntDropPart::dropCallback(const pui::DroppableWidget* part)
{
  return part ? clientCallback(part->dropCallback()) : nullptr;
}

void __IntDropPart::setDropCallback(pui::DroppableWidget* part, const Callback& callback)
{
  if (part)
    part->setDropCallback(platformCallback(&callback));
}

std::string __IntDropPart::dropText(const pui::DroppableWidget* part)
{
  return part ? part->droppedText() : std::string();
}

Point __IntDropPart::dropPoint(const pui::DroppableWidget* part)
{
  if (!part)
    return Point();
  const aip::Point point = part->dropPoint();
  return Point(point.x, point.y);
}

}  // namespace core
}  // namespace qor

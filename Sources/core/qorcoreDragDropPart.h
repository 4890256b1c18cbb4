// The drag and drop operations that the label and text field handles share; each tolerates a null
// part.
#pragma once

#include <string>

#include "core/qorcoreCallback.h"
#include "core/qorcorePoint.h"

namespace qor {
namespace pui {
class DraggableWidget;
class DroppableWidget;
}  // namespace pui
namespace core {

class __IntDragPart
{
public:
  static bool isDraggable(const pui::DraggableWidget* part);
  static void setDraggable(pui::DraggableWidget* part, bool draggable);
  static std::string dragText(const pui::DraggableWidget* part);
  static void setDragText(pui::DraggableWidget* part, const std::string& text);
};

class __IntDropPart
{
public:
  static bool acceptsDrops(const pui::DroppableWidget* part);
  static void setAcceptsDrops(pui::DroppableWidget* part, bool accepts);
  static Callback* dropCallback(const pui::DroppableWidget* part);
  static void setDropCallback(pui::DroppableWidget* part, const Callback& callback);
  // The text and point of the drop whose callback runs now; "" and (0, 0) outside it.
  static std::string dropText(const pui::DroppableWidget* part);
  static Point dropPoint(const pui::DroppableWidget* part);
};

}  // namespace core
}  // namespace qor

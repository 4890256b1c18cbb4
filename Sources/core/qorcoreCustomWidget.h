// The client handle of a custom widget (widget type 70): a widget drawn by client code in its draw
// callback with a few primitives, with mouse callbacks, text drags and drops, and a pop-up panel source.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "core/qorcoreColor.h"
#include "core/qorcoreFont.h"
#include "core/qorcorePanel.h"
#include "core/qorcoreWidget.h"

class CDC;

namespace qor {
namespace pui {
class CustomWidget;
}
namespace core {

class CustomWidget : public Widget
{
public:
  // An empty handle.
  CustomWidget();
  explicit CustomWidget(const Rect& frame);
  CustomWidget(const CustomWidget& other);
  ~CustomWidget() override;

  Widget* duplicate() const override;
  Widget* clone() const override;

  virtual CustomWidget& assignShared(const CustomWidget& other);
  virtual void refresh();
  // 1 Shift, 2 Alt, 4 Control.
  virtual int32_t modifiers() const;
  // False, the points untouched, without a custom widget.
  virtual bool trackingInfo(Point& downPoint, Point& currentPoint) const;
  virtual bool isHovered() const;
  virtual Callback* mouseEnterCallback() const;
  virtual void setMouseEnterCallback(const Callback& callback);
  virtual Callback* mouseMoveCallback() const;
  virtual void setMouseMoveCallback(const Callback& callback);
  virtual Callback* mouseLeaveCallback() const;
  virtual void setMouseLeaveCallback(const Callback& callback);
  virtual bool focusesOnClick() const;
  virtual void setFocusesOnClick(bool focuses);
  virtual Callback* mouseDownCallback() const;
  virtual void setMouseDownCallback(const Callback& callback);
  virtual Callback* mouseDragCallback() const;
  virtual void setMouseDragCallback(const Callback& callback);
  virtual Callback* mouseUpCallback() const;
  virtual void setMouseUpCallback(const Callback& callback);
  virtual bool isDraggable() const;
  virtual void setDraggable(bool draggable);
  virtual std::string dragText() const;
  virtual void setDragText(const std::string& text);
  virtual bool acceptsDrops() const;
  virtual void setAcceptsDrops(bool accepts);
  virtual Callback* dragOverCallback() const;
  virtual void setDragOverCallback(const Callback& callback);
  virtual Point dragOverPoint() const;
  virtual Callback* dropCallback() const;
  virtual void setDropCallback(const Callback& callback);
  virtual std::string dropText() const;
  virtual Point dropPoint() const;
  // A new handle owned by the caller, or null when no source is set.
  virtual Panel* popupPanel() const;
  // Only a host panel is taken.
  virtual void setPopupPanel(const Panel& panel);
  virtual void clearPopupPanel();
  virtual void showPopup(const Point& point);
  virtual CDC* drawingContext() const;
  virtual Callback* drawCallback() const;
  virtual void setDrawCallback(const Callback& callback);
  virtual bool erasesBackground() const;
  virtual void setErasesBackground(bool erases);
  // The primitives draw only while the draw callback runs.
  virtual void setColor(const Color& color);
  virtual void drawLine(const Point& from, const Point& to);
  virtual void drawRect(const Rect& rect, bool filled);
  virtual void drawRoundedRect(const Rect& rect, double radius, bool filled);
  virtual void drawEllipse(const Rect& rect, bool filled);
  virtual void drawPolygon(const std::vector<Point>& points, bool filled);
  virtual void drawImage(const Point& origin, uint16_t id);
  virtual void drawText(const Point& origin, const std::string& text, const Font& font, double size);

private:
  pui::CustomWidget* custom() const;
};

}  // namespace core
}  // namespace qor

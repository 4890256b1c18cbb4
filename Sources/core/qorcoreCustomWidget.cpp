#include "core/qorcoreCustomWidget.h"

#include "aip/qoraipFont.h"
#include "core/qorcoreHandleBridge.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiCustomWidget.h"
#include "pui/qorpuiPanel.h"

namespace qor {
namespace core {

namespace qorcoreCustomWidget_detail {
aip::Point cwPlatform(const Point& p)
{
  return aip::Point(p.x, p.y);
}
aip::Rect cwPlatform(const Rect& r)
{
  return aip::Rect(r.origin.x, r.origin.y, r.size.width, r.size.height);
}
Point cwClientPoint(const aip::Point& p)
{
  return Point(p.x, p.y);
}
}  // namespace qorcoreCustomWidget_detail

using qorcoreCustomWidget_detail::cwClientPoint;
using qorcoreCustomWidget_detail::cwPlatform;

CustomWidget::CustomWidget() = default;

CustomWidget::CustomWidget(const Rect& frame)
{
  adopt(new pui::CustomWidget(cwPlatform(frame)));
}

CustomWidget::CustomWidget(const CustomWidget& other) : Widget(other) {}

CustomWidget::~CustomWidget() = default;

pui::CustomWidget* CustomWidget::custom() const
{
  return platformAs<pui::CustomWidget>();
}

Widget* CustomWidget::duplicate() const
{
  return new CustomWidget(*this);
}

Widget* CustomWidget::clone() const
{
  pui::CustomWidget* source = custom();
  if (!source)
    return nullptr;
  auto* copy = new CustomWidget();
  copy->adopt(source->clone());
  return copy;
}

CustomWidget& CustomWidget::assignShared(const CustomWidget& other)
{
  shareContainer(other);
  return *this;
}

void CustomWidget::refresh()
{
  if (pui::CustomWidget* w = custom())
    w->refresh();
}

int32_t CustomWidget::modifiers() const
{
  pui::CustomWidget* w = custom();
  return w ? w->modifiers() : 0;
}

bool CustomWidget::trackingInfo(Point& downPoint, Point& currentPoint) const
{
  pui::CustomWidget* w = custom();
  if (!w)
    return false;
  aip::Point down, current;
  aip::Rect frame;
  w->trackingInfo(down, current, frame);
  downPoint = cwClientPoint(down);
  currentPoint = cwClientPoint(current);
  return true;
}

bool CustomWidget::isHovered() const
{
  pui::CustomWidget* w = custom();
  return w && w->isHovered();
}

// Getter and setter pairs of the platform widget's callbacks.
#define QOR_CUSTOM_CALLBACK(getter, setter)                                                                  \
  Callback* CustomWidget::getter() const                                                                     \
  {                                                                                                          \
    pui::CustomWidget* w = custom();                                                                         \
    return w ? clientCallback(w->getter()) : nullptr;                                                        \
  }                                                                                                          \
  void CustomWidget::setter(const Callback& callback)                                                        \
  {                                                                                                          \
    if (pui::CustomWidget* w = custom())                                                                     \
      w->setter(platformCallback(&callback));                                                                \
  }
QOR_CUSTOM_CALLBACK(mouseEnterCallback, setMouseEnterCallback)
QOR_CUSTOM_CALLBACK(mouseMoveCallback, setMouseMoveCallback)
QOR_CUSTOM_CALLBACK(mouseLeaveCallback, setMouseLeaveCallback)
QOR_CUSTOM_CALLBACK(mouseDownCallback, setMouseDownCallback)
QOR_CUSTOM_CALLBACK(mouseDragCallback, setMouseDragCallback)
QOR_CUSTOM_CALLBACK(mouseUpCallback, setMouseUpCallback)
QOR_CUSTOM_CALLBACK(dragOverCallback, setDragOverCallback)
QOR_CUSTOM_CALLBACK(dropCallback, setDropCallback)
QOR_CUSTOM_CALLBACK(drawCallback, setDrawCallback)
#undef QOR_CUSTOM_CALLBACK

bool CustomWidget::focusesOnClick() const
{
  pui::CustomWidget* w = custom();
  return w && w->focusesOnClick();
}

void CustomWidget::setFocusesOnClick(bool focuses)
{
  if (pui::CustomWidget* w = custom())
    w->setFocusesOnClick(focuses);
}

bool CustomWidget::isDraggable() const
{
  pui::CustomWidget* w = custom();
  return w && w->isDraggable();
}

void CustomWidget::setDraggable(bool draggable)
{
  if (pui::CustomWidget* w = custom())
    w->setDraggable(draggable);
}

std::string CustomWidget::dragText() const
{
  pui::CustomWidget* w = custom();
  return w ? w->dragText() : std::string();
}

void CustomWidget::setDragText(const std::string& text)
{
  if (pui::CustomWidget* w = custom())
    w->setDragText(text);
}

bool CustomWidget::acceptsDrops() const
{
  pui::CustomWidget* w = custom();
  return w && w->acceptsDrops();
}

void CustomWidget::setAcceptsDrops(bool accepts)
{
  if (pui::CustomWidget* w = custom())
    w->setAcceptsDrops(accepts);
}

Point CustomWidget::dragOverPoint() const
{
  pui::CustomWidget* w = custom();
  return w ? cwClientPoint(w->dragOverPoint()) : Point();
}

std::string CustomWidget::dropText() const
{
  pui::CustomWidget* w = custom();
  return w ? w->droppedText() : std::string();
}

Point CustomWidget::dropPoint() const
{
  pui::CustomWidget* w = custom();
  return w ? cwClientPoint(w->dropPoint()) : Point();
}

Panel* CustomWidget::popupPanel() const
{
  pui::CustomWidget* w = custom();
  pui::Panel* source = w ? w->popupPanel() : nullptr;
  return source ? new Panel(source) : nullptr;
}

void CustomWidget::setPopupPanel(const Panel& panel)
{
  pui::CustomWidget* w = custom();
  pui::Panel* host = panelImpl(panel);
  if (w && host)
    w->setPopupPanel(host);
}

void CustomWidget::clearPopupPanel()
{
  if (pui::CustomWidget* w = custom())
    w->setPopupPanel(nullptr);
}

void CustomWidget::showPopup(const Point& point)
{
  if (pui::CustomWidget* w = custom())
    w->showPopup(cwPlatform(point));
}

CDC* CustomWidget::drawingContext() const
{
  pui::CustomWidget* w = custom();
  return w ? w->drawingContext() : nullptr;
}

bool CustomWidget::erasesBackground() const
{
  pui::CustomWidget* w = custom();
  return w && w->erasesBackground();
}

void CustomWidget::setErasesBackground(bool erases)
{
  if (pui::CustomWidget* w = custom())
    w->setErasesBackground(erases);
}

void CustomWidget::setColor(const Color& color)
{
  pui::CustomWidget* w = custom();
  aip::Color* impl = colorImpl(color);
  if (w && impl)
    w->setColor(*impl);
}

void CustomWidget::drawLine(const Point& from, const Point& to)
{
  if (pui::CustomWidget* w = custom())
    w->drawLine(cwPlatform(from), cwPlatform(to));
}

void CustomWidget::drawRect(const Rect& rect, bool filled)
{
  if (pui::CustomWidget* w = custom())
    w->drawRect(cwPlatform(rect), filled);
}

void CustomWidget::drawRoundedRect(const Rect& rect, double radius, bool filled)
{
  if (pui::CustomWidget* w = custom())
    w->drawRoundedRect(cwPlatform(rect), radius, filled);
}

void CustomWidget::drawEllipse(const Rect& rect, bool filled)
{
  if (pui::CustomWidget* w = custom())
    w->drawEllipse(cwPlatform(rect), filled);
}

void CustomWidget::drawPolygon(const std::vector<Point>& points, bool filled)
{
  pui::CustomWidget* w = custom();
  if (!w || points.empty())
    return;
  std::vector<aip::Point> platform;
  platform.reserve(points.size());
  for (const Point& p : points)
    platform.push_back(cwPlatform(p));
  w->drawPolygon(platform.data(), static_cast<uint32_t>(platform.size()), filled);
}

void CustomWidget::drawImage(const Point& origin, uint16_t id)
{
  if (pui::CustomWidget* w = custom())
    w->drawImage(cwPlatform(origin), id);
}

void CustomWidget::drawText(const Point& origin, const std::string& text, const Font& font, double size)
{
  pui::CustomWidget* w = custom();
  aip::Font* impl = implPointer(font);
  if (w && impl)
    w->drawText(cwPlatform(origin), text, *impl, size);
}

}  // namespace core
}  // namespace qor

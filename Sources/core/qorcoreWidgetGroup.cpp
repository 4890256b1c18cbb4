#include "core/qorcoreWidgetGroup.h"

#include <algorithm>
#include <limits>

#include "core/qorcoreWidget.h"
#include "core/qorcoreWindow.h"

namespace qor {
namespace core {

__IntWidgetGroupData::~__IntWidgetGroupData()
{
  for (Widget* widget : widgets)
    delete widget;
}

WidgetGroup::WidgetGroup() : __IntSharedHandle([] { return new __IntWidgetGroupData(); }) {}

WidgetGroup::WidgetGroup(const WidgetGroup& other) : __IntSharedHandle(other) {}

WidgetGroup::~WidgetGroup() = default;

WidgetGroup& WidgetGroup::operator=(const WidgetGroup& other)
{
  share(other);
  return *this;
}

bool WidgetGroup::operator==(const WidgetGroup& other) const
{
  return sameAs(other);
}

bool WidgetGroup::operator!=(const WidgetGroup& other) const
{
  return !(*this == other);
}

void WidgetGroup::add(const Widget& widget)
{
  if (widget.isEmpty() || !data() || contains(widget))
    return;
  std::vector<Widget*>& listed = data()->widgets;
  listed.push_back(widget.duplicate());
  Window* shared = listed.size() >= 2 ? listed.front()->window() : nullptr;
  if (!shared)
    return;
  Window* own = widget.window();
  if (own && *own != *shared) {
    // All widgets of a group share one window.
    delete listed.back();
    listed.pop_back();
  } else if (!own) {
    shared->addWidget(widget);
  }
}

void WidgetGroup::remove(const Widget& widget)
{
  if (widget.isEmpty() || !data())
    return;
  std::vector<Widget*>& listed = data()->widgets;
  for (auto it = listed.begin(); it != listed.end(); ++it) {
    if (**it == widget) {
      if (Window* window = (*it)->window())
        window->removeWidget(**it);
      delete *it;
      listed.erase(it);
      return;
    }
  }
}

void WidgetGroup::clear()
{
  if (!data())
    return;
  std::vector<Widget*> listed;
  listed.swap(data()->widgets);
  for (Widget* widget : listed) {
    if (Window* window = widget->window())
      window->removeWidget(*widget);
    delete widget;
  }
}

bool WidgetGroup::contains(const Widget& widget) const
{
  if (widget.isEmpty() || !data())
    return false;
  for (Widget* present : data()->widgets)
    if (*present == widget)
      return true;
  return false;
}

std::vector<Widget*> WidgetGroup::widgets() const
{
  return data() ? data()->widgets : std::vector<Widget*>();
}

bool WidgetGroup::bounds(double& left, double& top, double& right, double& bottom) const
{
  const double most = std::numeric_limits<double>::max();
  left = top = most;
  right = bottom = -most;
  bool any = false;
  for (Widget* widget : widgets()) {
    if (!widget || widget->isEmpty())
      continue;
    const Rect frame = widget->frame();
    left = std::min(left, frame.origin.x);
    top = std::min(top, frame.origin.y);
    right = std::max(right, frame.origin.x + frame.size.width);
    bottom = std::max(bottom, frame.origin.y + frame.size.height);
    any = true;
  }
  return any;
}

Point WidgetGroup::origin() const
{
  double left, top, right, bottom;
  return bounds(left, top, right, bottom) ? Point(left, top) : Point();
}

void WidgetGroup::setOrigin(const Point& point)
{
  const Point from = origin();
  for (Widget* widget : widgets()) {
    if (!widget || widget->isEmpty())
      continue;
    const Rect frame = widget->frame();
    widget->setOrigin(Point(frame.origin.x + point.x - from.x, frame.origin.y + point.y - from.y));
  }
}

double WidgetGroup::width() const
{
  double left, top, right, bottom;
  return bounds(left, top, right, bottom) ? right - left : 0.0;
}

double WidgetGroup::height() const
{
  double left, top, right, bottom;
  return bounds(left, top, right, bottom) ? bottom - top : 0.0;
}

void WidgetGroup::setEnabled(bool enabled)
{
  for (Widget* widget : widgets())
    widget->setEnabled(enabled);
}

void WidgetGroup::setVisible(bool visible)
{
  for (Widget* widget : widgets())
    widget->setVisible(visible);
}

void WidgetGroup::update()
{
  for (Widget* widget : widgets())
    widget->update();
}

}  // namespace core
}  // namespace qor

#include "core/qorcoreWidgetGroup.h"

#include <algorithm>
#include <limits>

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreWidget.h"
#include "core/qorcoreWindow.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qorcoreWidgetGroup_detail {

CoreGlobals* coreGlobals()
{
  qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

uint32_t nextId()
{
  static uint32_t counter = 0;
  return ++counter;
}

}  // namespace qorcoreWidgetGroup_detail

namespace qor {
namespace core {

__IntWidgetGroupData::~__IntWidgetGroupData()
{
  for (Widget* widget : widgets)
    delete widget;
}

__IntWidgetGroupContainer::__IntWidgetGroupContainer() : id(qorcoreWidgetGroup_detail::nextId()) {}

WidgetGroup::WidgetGroup() : container_(new __IntWidgetGroupContainer())
{
  if (CoreGlobals* globals = qorcoreWidgetGroup_detail::coreGlobals()) {
    container_->data = new __IntWidgetGroupData();
    globals->widgetGroupRegistry.insert(container_->id, container_);
  }
}

WidgetGroup::WidgetGroup(const WidgetGroup& other) : container_(other.container_)
{
  ++container_->refCount;
}

WidgetGroup::~WidgetGroup()
{
  release();
}

void WidgetGroup::release()
{
  CoreGlobals* globals = qorcoreWidgetGroup_detail::coreGlobals();
  if (container_ && --container_->refCount <= 0) {
    // Without the globals only an empty container is freed; one with data is left to the layer.
    if (globals)
      globals->widgetGroupRegistry.remove(container_->id);
    if (globals || !container_->data)
      delete container_;
  }
  container_ = nullptr;
}

WidgetGroup& WidgetGroup::operator=(const WidgetGroup& other)
{
  if (&other == this || other.container_ == container_ || !qorcoreWidgetGroup_detail::coreGlobals())
    return *this;
  __IntWidgetGroupContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
  return *this;
}

bool WidgetGroup::operator==(const WidgetGroup& other) const
{
  const bool mine = container_ && container_->data, theirs = other.container_ && other.container_->data;
  if (!mine || !theirs)
    return !mine && !theirs;
  return container_->id == other.container_->id;
}

bool WidgetGroup::operator!=(const WidgetGroup& other) const
{
  return !(*this == other);
}

void WidgetGroup::add(const Widget& widget)
{
  if (widget.isEmpty() || !container_ || !container_->data || contains(widget))
    return;
  std::vector<Widget*>& listed = container_->data->widgets;
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
  if (widget.isEmpty() || !container_ || !container_->data)
    return;
  std::vector<Widget*>& listed = container_->data->widgets;
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
  if (!container_ || !container_->data)
    return;
  std::vector<Widget*> listed;
  listed.swap(container_->data->widgets);
  for (Widget* widget : listed) {
    if (Window* window = widget->window())
      window->removeWidget(*widget);
    delete widget;
  }
}

bool WidgetGroup::contains(const Widget& widget) const
{
  if (widget.isEmpty() || !container_ || !container_->data)
    return false;
  for (Widget* present : container_->data->widgets)
    if (*present == widget)
      return true;
  return false;
}

std::vector<Widget*> WidgetGroup::widgets() const
{
  return container_ && container_->data ? container_->data->widgets : std::vector<Widget*>();
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

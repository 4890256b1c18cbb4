#include "core/qorcoreTabOrder.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreWidget.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiTabOrder.h"
#include "pui/qorpuiUiGlobals.h"

namespace qorcoreTabOrder_detail {

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

}  // namespace qorcoreTabOrder_detail

namespace qor {
namespace core {

__IntTabOrderData::__IntTabOrderData() : platform(new pui::TabOrder()) {}

__IntTabOrderData::~__IntTabOrderData()
{
  for (Widget* widget : widgets)
    delete widget;
  delete platform;
}

__IntTabOrderContainer::__IntTabOrderContainer() : id(qorcoreTabOrder_detail::nextId()) {}

TabOrder::TabOrder() : container_(new __IntTabOrderContainer())
{
  if (CoreGlobals* globals = qorcoreTabOrder_detail::coreGlobals()) {
    container_->data = new __IntTabOrderData();
    globals->tabOrderRegistry.insert(container_->id, container_);
  }
}

TabOrder::TabOrder(const TabOrder& other) : container_(other.container_)
{
  ++container_->refCount;
}

TabOrder::~TabOrder()
{
  release();
}

void TabOrder::release()
{
  CoreGlobals* globals = qorcoreTabOrder_detail::coreGlobals();
  if (container_ && --container_->refCount <= 0) {
    // Without the globals only an empty container is freed; one with data is left to the layer.
    if (globals)
      globals->tabOrderRegistry.remove(container_->id);
    if (globals || !container_->data)
      delete container_;
  }
  container_ = nullptr;
}

TabOrder& TabOrder::operator=(const TabOrder& other)
{
  if (&other == this || other.container_ == container_ || !qorcoreTabOrder_detail::coreGlobals())
    return *this;
  __IntTabOrderContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
  return *this;
}

bool TabOrder::operator==(const TabOrder& other) const
{
  if (!data() || !other.data())
    return !data() && !other.data();
  return container_->id == other.container_->id;
}

bool TabOrder::operator!=(const TabOrder& other) const
{
  return !(*this == other);
}

bool TabOrder::contains(const Widget& widget) const
{
  __IntTabOrderData* order = data();
  return order && order->platform && widget.platform() && order->platform->contains(widget.platform());
}

std::vector<Widget*> TabOrder::widgets() const
{
  __IntTabOrderData* order = data();
  return order ? std::vector<Widget*>(order->widgets.begin(), order->widgets.end()) : std::vector<Widget*>();
}

Widget* TabOrder::first() const
{
  __IntTabOrderData* order = data();
  return order && !order->widgets.empty() ? order->widgets.front() : nullptr;
}

Widget* TabOrder::last() const
{
  __IntTabOrderData* order = data();
  return order && !order->widgets.empty() ? order->widgets.back() : nullptr;
}

void TabOrder::add(const Widget& widget, bool atFront)
{
  __IntTabOrderData* order = data();
  if (!order || !order->platform || !widget.platform() || contains(widget))
    return;
  if (atFront) {
    order->widgets.push_front(widget.duplicate());
    order->platform->prepend(widget.platform());
  } else {
    order->widgets.push_back(widget.duplicate());
    order->platform->append(widget.platform());
  }
}

void TabOrder::prepend(const Widget& widget)
{
  add(widget, true);
}

void TabOrder::append(const Widget& widget)
{
  add(widget, false);
}

bool TabOrder::pop(Widget& out, bool atFront)
{
  __IntTabOrderData* order = data();
  if (!order || !order->platform || order->widgets.empty() || order->platform->widgets().isEmpty())
    return false;
  pui::Widget* given = atFront ? order->platform->popFront() : order->platform->popBack();
  Widget* handle = atFront ? order->widgets.front() : order->widgets.back();
  if (given != handle->platform())
    return false;
  out.shareContainer(*handle);
  if (atFront)
    order->widgets.pop_front();
  else
    order->widgets.pop_back();
  delete handle;
  return true;
}

bool TabOrder::popFront(Widget& out)
{
  return pop(out, true);
}

bool TabOrder::popBack(Widget& out)
{
  return pop(out, false);
}

void TabOrder::focusNext(const Widget& widget)
{
  __IntTabOrderData* order = data();
  if (order && order->platform)
    order->platform->focusNextWidget(widget.platform());
}

void TabOrder::focusPrevious(const Widget& widget)
{
  __IntTabOrderData* order = data();
  if (order && order->platform)
    order->platform->focusPreviousWidget(widget.platform());
}

}  // namespace core
}  // namespace qor

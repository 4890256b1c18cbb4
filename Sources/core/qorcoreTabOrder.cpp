#include "core/qorcoreTabOrder.h"

#include "core/qorcoreWidget.h"
#include "pui/qorpuiTabOrder.h"

namespace qor {
namespace core {

__IntTabOrderData::__IntTabOrderData() : platform(new pui::TabOrder()) {}

__IntTabOrderData::~__IntTabOrderData()
{
  for (Widget* widget : widgets)
    delete widget;
  delete platform;
}

TabOrder::TabOrder() : __IntSharedHandle([] { return new __IntTabOrderData(); }) {}

TabOrder::TabOrder(const TabOrder& other) : __IntSharedHandle(other) {}

TabOrder::~TabOrder() = default;

TabOrder& TabOrder::operator=(const TabOrder& other)
{
  share(other);
  return *this;
}

bool TabOrder::operator==(const TabOrder& other) const
{
  return sameAs(other);
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

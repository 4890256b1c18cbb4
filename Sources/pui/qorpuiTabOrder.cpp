#include "pui/qorpuiTabOrder.h"

#include <algorithm>
#include <vector>

#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

TabOrder::TabOrder() : widgets_(new utils::List<Widget*>()) {}

TabOrder::~TabOrder()
{
  for (Widget* widget : *widgets_)
    widget->setTabOrder(nullptr);
  widgets_->clear();
  delete widgets_;
}

void TabOrder::adopt(Widget* widget)
{
  // A widget listed by another tab order would stay there after its destructor took it out of this
  // one only, so it leaves the other first.
  if (TabOrder* other = widget->tabOrder())
    if (other != this)
      other->remove(widget);
  widget->setTabOrder(this);
}

void TabOrder::append(Widget* widget)
{
  if (!widget || contains(widget))
    return;
  adopt(widget);
  widgets_->pushBack(widget);
}

void TabOrder::prepend(Widget* widget)
{
  if (!widget || contains(widget))
    return;
  adopt(widget);
  widgets_->pushFront(widget);
}

bool TabOrder::contains(Widget* widget) const
{
  return widget && widgets_->contains(widget);
}

Widget* TabOrder::popFront()
{
  Widget* widget = widgets_->front();
  widgets_->popFront();
  widget->setTabOrder(nullptr);
  return widget;
}

Widget* TabOrder::popBack()
{
  Widget* widget = widgets_->back();
  widgets_->popBack();
  widget->setTabOrder(nullptr);
  return widget;
}

void TabOrder::remove(Widget* widget)
{
  if (!widget)
    return;
  widgets_->remove(widget);
  if (widget->tabOrder() == this)
    widget->setTabOrder(nullptr);
}

void TabOrder::giveFocus(Widget* widget)
{
  // A text field gets its whole text selected, which focuses it too.
  if (widget->kind() == TextFieldWidgetKind && widget->hasControl()) {
    widget->focus();
    LRESULT length = ::GetWindowTextLengthW(widget->control()->m_hWnd);
    ::SendMessageW(widget->control()->m_hWnd, EM_SETSEL, 0, length);
    return;
  }
  widget->focus();
}

namespace qorpuiTabOrder_detail {
// The first enabled visible widget after `current` in the order given, else the first from the start.
Widget* nextInOrder(const std::vector<Widget*>& order, Widget* current)
{
  auto usable = [](Widget* w) { return w && w->enabled() && w->visible(); };
  auto at = std::find(order.begin(), order.end(), current);
  if (at != order.end()) {
    auto found = std::find_if(at + 1, order.end(), usable);
    if (found != order.end())
      return *found;
  }
  auto first = std::find_if(order.begin(), order.end(), usable);
  return first == order.end() ? nullptr : *first;
}
}  // namespace qorpuiTabOrder_detail

void TabOrder::focusNextWidget(Widget* current)
{
  std::vector<Widget*> order(widgets_->begin(), widgets_->end());
  if (Widget* next = qorpuiTabOrder_detail::nextInOrder(order, current))
    giveFocus(next);
}

void TabOrder::focusPreviousWidget(Widget* current)
{
  std::vector<Widget*> order(widgets_->begin(), widgets_->end());
  std::reverse(order.begin(), order.end());
  if (Widget* previous = qorpuiTabOrder_detail::nextInOrder(order, current))
    giveFocus(previous);
}

}  // namespace pui
}  // namespace qor

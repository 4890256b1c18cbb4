// The keyboard focus order of a window: widget handles in focus order over a platform tab order,
// kept in step with it. Copies of a handle share one reference-counted container.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "core/qorcoreSharedContainer.h"

namespace qor {
namespace pui {
class TabOrder;
}
namespace core {

class Widget;

struct __IntTabOrderData
{
  __IntTabOrderData();
  __IntTabOrderData(const __IntTabOrderData&) = delete;
  __IntTabOrderData& operator=(const __IntTabOrderData&) = delete;
  ~__IntTabOrderData();

  pui::TabOrder* platform;
  // Duplicates of the widgets' handles, owned, in focus order.
  std::list<Widget*> widgets;
};

class __IntTabOrderContainer : public __IntSharedContainer<__IntTabOrderContainer, __IntTabOrderData>
{
};

class TabOrder : private __IntSharedHandle<__IntTabOrderContainer, &CoreGlobals::tabOrderRegistry>
{
public:
  TabOrder();
  TabOrder(const TabOrder& other);
  virtual bool operator==(const TabOrder& other) const;
  virtual bool operator!=(const TabOrder& other) const;
  virtual bool contains(const Widget& widget) const;
  virtual std::vector<Widget*> widgets() const;
  // Null when the order is empty.
  virtual Widget* first() const;
  // Ignored for a widget already in the order.
  virtual void prepend(const Widget& widget);
  // False when empty or when the platform order's first widget is not the first handle's.
  virtual bool popFront(Widget& out);
  virtual Widget* last() const;
  virtual void append(const Widget& widget);
  virtual bool popBack(Widget& out);
  virtual void focusNext(const Widget& widget);
  virtual void focusPrevious(const Widget& widget);
  virtual ~TabOrder();
  virtual TabOrder& operator=(const TabOrder& other);

private:
  void add(const Widget& widget, bool atFront);
  bool pop(Widget& out, bool atFront);
};

}  // namespace core
}  // namespace qor

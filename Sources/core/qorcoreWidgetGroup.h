// A set of widget handles that are moved, enabled, shown and refreshed together and that always live
// in the same window. Copies of a group handle share one reference-counted container.
#pragma once

#include <cstdint>
#include <vector>

#include "core/qorcorePoint.h"
#include "core/qorcoreSharedContainer.h"

namespace qor {
namespace core {

class Widget;

struct __IntWidgetGroupData
{
  __IntWidgetGroupData() = default;
  __IntWidgetGroupData(const __IntWidgetGroupData&) = delete;
  __IntWidgetGroupData& operator=(const __IntWidgetGroupData&) = delete;
  ~__IntWidgetGroupData();

  // Duplicates of the widgets' handles, owned, in insertion order.
  std::vector<Widget*> widgets;
};

class __IntWidgetGroupContainer : public __IntSharedContainer<__IntWidgetGroupContainer, __IntWidgetGroupData>
{
};

class WidgetGroup : private __IntSharedHandle<__IntWidgetGroupContainer, &CoreGlobals::widgetGroupRegistry>
{
public:
  WidgetGroup();
  WidgetGroup(const WidgetGroup& other);
  virtual ~WidgetGroup();
  virtual WidgetGroup& operator=(const WidgetGroup& other);
  virtual bool operator==(const WidgetGroup& other) const;
  virtual bool operator!=(const WidgetGroup& other) const;
  // Ignored for an empty widget or one already in the group. A widget of another window than the
  // group's first widget is refused; a widget in no window joins the first widget's window.
  virtual void add(const Widget& widget);
  // Also takes the widget out of its window.
  virtual void remove(const Widget& widget);
  virtual void clear();
  virtual bool contains(const Widget& widget) const;
  virtual std::vector<Widget*> widgets() const;
  // The smallest x and y over the widgets' frames.
  virtual Point origin() const;
  // Moves every widget by point − origin.
  virtual void setOrigin(const Point& point);
  virtual double width() const;
  virtual double height() const;
  virtual void setEnabled(bool enabled);
  virtual void setVisible(bool visible);
  virtual void update();

private:
  // Smallest left and top, largest right and bottom over the widgets' frames.
  bool bounds(double& left, double& top, double& right, double& bottom) const;
};

}  // namespace core
}  // namespace qor

// Keyboard navigation of platform widgets: an ordered list through which Tab and Shift+Tab move the
// focus, skipping disabled and hidden widgets and wrapping around.
#pragma once

#include "utils/qorutilsList.h"

namespace qor {
namespace pui {

class Widget;

class TabOrder
{
public:
  TabOrder();
  TabOrder(const TabOrder&) = delete;
  TabOrder& operator=(const TabOrder&) = delete;
  virtual ~TabOrder();

  void append(Widget* widget);
  void prepend(Widget* widget);
  bool contains(Widget* widget) const;
  // The list must not be empty.
  Widget* popFront();
  Widget* popBack();
  // Takes a widget out of the list and clears its link (a widget going away).
  void remove(Widget* widget);
  void focusNextWidget(Widget* current);
  void focusPreviousWidget(Widget* current);
  const utils::List<Widget*>& widgets() const { return *widgets_; }

private:
  // Takes the widget out of the tab order it is in now, if any.
  void adopt(Widget* widget);
  static void giveFocus(Widget* widget);

  utils::List<Widget*>* widgets_;
};

}  // namespace pui
}  // namespace qor

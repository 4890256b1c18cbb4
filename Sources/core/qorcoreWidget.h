// The client handle of a widget and the base of every client widget class: a cheap copyable handle
// over a reference-counted container that owns the platform widget. Copies share the container; the
// last one destroys the platform widget. Every operation on an empty handle does nothing.
#pragma once

#include <cstdint>
#include <string>

#include "core/qorcorePoint.h"
#include "core/qorcoreRect.h"
#include "core/qorcoreSize.h"

class CWnd;

namespace qor {
namespace pui {
class Widget;
}
namespace core {

class Window;
class __IntWidgetData;

// Client widget type codes; each class's platform kind is in the table of qorcoreWidget.cpp.
enum WidgetType
{
  UnknownWidgetType = 0,
  BoxWidgetType = 10,
  ButtonWidgetType = 20,
  CheckboxWidgetType = 30,
  ColumnViewWidgetType = 40,
  ComboBoxWidgetType = 50,
  ColorWellWidgetType = 60,
  CustomWidgetType = 70,
  DividerWidgetType = 80,
  HierarchicalColumnViewWidgetType = 85,
  HierarchicalViewWidgetType = 90,
  LabelWidgetType = 100,
  ListViewWidgetType = 110,
  PopupMenuWidgetType = 120,
  RadioButtonWidgetType = 130,
  SliderWidgetType = 140,
  StepperWidgetType = 150,
  TextFieldWidgetType = 160,
  TextViewWidgetType = 170,
  WebViewWidgetType = 180,
};

// The client type of a platform widget kind; 0 for a kind no client class comes from.
WidgetType widgetTypeForKind(int32_t kind);

struct __IntWidgetContainer
{
  __IntWidgetContainer() = default;
  __IntWidgetContainer(const __IntWidgetContainer&) = delete;
  __IntWidgetContainer& operator=(const __IntWidgetContainer&) = delete;
  ~__IntWidgetContainer();

  int32_t refCount = 0;
  __IntWidgetData* data = nullptr;
};

class __IntWidgetData
{
public:
  explicit __IntWidgetData(pui::Widget* widget, bool ownsWidget = true) : ownsWidget(ownsWidget), platformWidget(widget)
  {
  }
  __IntWidgetData(const __IntWidgetData&) = delete;
  __IntWidgetData& operator=(const __IntWidgetData&) = delete;
  virtual ~__IntWidgetData();

  // When set, destroying the data destroys the platform widget.
  const bool ownsWidget;
  pui::Widget* platformWidget;
  // The window the widget has been added to; set and cleared by the window.
  Window* window = nullptr;
  // The client entry collection of an entry-list widget; made and deleted by its class.
  void* entries = nullptr;
};

class Widget
{
public:
  virtual ~Widget();

  // A new handle of the same class sharing this container.
  virtual Widget* duplicate() const = 0;
  // A new handle of the same class over a copy of the platform widget, in no window; null when empty.
  virtual Widget* clone() const = 0;
  // The platform widget's native control, or null.
  virtual CWnd* platformWidget() const;
  virtual bool isEmpty() const;
  // Equal when both are empty, or when their control ids are equal.
  virtual bool operator==(const Widget& other) const;
  virtual bool operator!=(const Widget& other) const;
  virtual WidgetType type() const;
  virtual Window* window() const;
  virtual Rect frame() const;
  virtual void setFrame(const Rect& frame);
  virtual void offset(double dx, double dy);
  virtual std::string text() const;
  virtual void setText(const std::string& text);
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual bool isVisible() const;
  virtual void setVisible(bool visible);
  virtual void setOrigin(const Point& origin);
  virtual void setSize(const Size& size);
  virtual void setWidth(double width);
  virtual void setHeight(double height);
  virtual bool hasFocus() const;
  virtual void focus();
  // Gives the keyboard focus back to the host's main window.
  virtual void unfocus();
  virtual std::string tooltip() const;
  virtual void setTooltip(const std::string& text);
  virtual void update();
  // The base form leaves the handle unchanged; each class shares through assignShared.
  virtual Widget& operator=(const Widget& other);

  // For the framework: the container and the platform widget behind a handle.
  __IntWidgetContainer* container() const { return container_; }
  pui::Widget* platform() const;

protected:
  // An empty handle: a container with no data.
  Widget();
  // A handle sharing the other's container.
  Widget(const Widget& other);
  // Adopts the platform widget when the plug-in's globals exist (the handle then registers under the
  // widget's control id); otherwise deletes it and stays empty.
  void adopt(pui::Widget* widget);
  // Releases this handle's container and shares the other's (assignShared of every class).
  void shareContainer(const Widget& other);
  // Gives up the empty container of a fresh handle for the one makeWidgetWrapper found.
  void takeContainer(__IntWidgetContainer* container);
  template <class Platform> Platform* platformAs() const { return dynamic_cast<Platform*>(platform()); }

private:
  void release();
  friend bool makeWidgetWrapper(pui::Widget*, Widget*&, __IntWidgetContainer*&);
  friend Widget* wrapWidget(pui::Widget*);
  // A popped tab-order entry is handed out through a shared assignment.
  friend class TabOrder;

  __IntWidgetContainer* container_;
};

// A new empty handle of the client class of the platform widget's kind and the container that holds
// that widget (the registered one, else a new unregistered one that does not own the widget). The
// caller hands the container to the handle with wrapWidget. False, outputs untouched, without the
// plug-in's globals, for a null widget or for a kind no client class is built for.
bool makeWidgetWrapper(pui::Widget* widget, Widget*& handle, __IntWidgetContainer*& container);
// makeWidgetWrapper and the hand-over in one: a new handle owned by the caller, or null.
Widget* wrapWidget(pui::Widget* widget);

}  // namespace core
}  // namespace qor

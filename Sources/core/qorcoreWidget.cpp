#include "core/qorcoreWidget.h"

#include "aip/qoraipPoint.h"
#include "aip/qoraipRect.h"
#include "aip/qoraipSize.h"
#include "core/qorcoreButton.h"
#include "core/qorcoreCheckbox.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreTextField.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWidget.h"

namespace qorcoreWidget_detail {

// Client type and platform kind of every widget class, once.
#define QOR_WIDGET_TYPES(X)                                                                                  \
  X(Box, 10, 10)                                                                                             \
  X(Button, 20, 20)                                                                                          \
  X(Checkbox, 30, 30)                                                                                        \
  X(ColumnView, 40, 40)                                                                                      \
  X(ComboBox, 50, 50)                                                                                        \
  X(ColorWell, 60, 60)                                                                                       \
  X(CustomWidget, 70, 70)                                                                                    \
  X(Divider, 80, 10)                                                                                         \
  X(HierarchicalColumnView, 85, 75)                                                                          \
  X(HierarchicalView, 90, 80)                                                                                \
  X(Label, 100, 90)                                                                                          \
  X(ListView, 110, 100)                                                                                      \
  X(PopupMenu, 120, 110)                                                                                     \
  X(RadioButton, 130, 120)                                                                                   \
  X(Slider, 140, 130)                                                                                        \
  X(Stepper, 150, 140)                                                                                       \
  X(TextField, 160, 150)                                                                                     \
  X(TextView, 170, 160)                                                                                      \
  X(WebView, 180, 180)

struct TypeEntry
{
  int32_t type;
  int32_t kind;
};

const TypeEntry typeTable[] = {
#define QOR_WIDGET_TYPE_ENTRY(name, type, kind) {type, kind},
    QOR_WIDGET_TYPES(QOR_WIDGET_TYPE_ENTRY)
#undef QOR_WIDGET_TYPE_ENTRY
};
#undef QOR_WIDGET_TYPES

CoreGlobals* coreGlobals()
{
  qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

// A new empty handle of the client class built for a platform kind; null for the others.
qor::core::Widget* emptyHandleForKind(int32_t kind)
{
  switch (kind) {
  case qor::pui::ButtonWidgetKind:
    return new qor::core::Button();
  case qor::pui::CheckboxWidgetKind:
    return new qor::core::Checkbox();
  case qor::pui::LabelWidgetKind:
    return new qor::core::Label();
  case qor::pui::TextFieldWidgetKind:
    return new qor::core::TextField();
  default:
    return nullptr;
  }
}

}  // namespace qorcoreWidget_detail

namespace qor {
namespace core {

WidgetType widgetTypeForKind(int32_t kind)
{
  // The divider shares kind 10 with the box, which the table lists first.
  for (const qorcoreWidget_detail::TypeEntry& entry : qorcoreWidget_detail::typeTable)
    if (entry.kind == kind)
      return WidgetType(entry.type);
  return UnknownWidgetType;
}

__IntWidgetContainer::~__IntWidgetContainer()
{
  delete data;
}

__IntWidgetData::~__IntWidgetData()
{
  if (ownsWidget)
    delete platformWidget;
  window = nullptr;
}

Widget::Widget() : container_(new __IntWidgetContainer())
{
  container_->refCount = 1;
}

Widget::Widget(const Widget& other) : container_(other.container_)
{
  ++container_->refCount;
}

Widget::~Widget()
{
  release();
}

void Widget::adopt(pui::Widget* widget)
{
  CoreGlobals* globals = qorcoreWidget_detail::coreGlobals();
  if (!widget)
    return;
  if (!globals || container_->data) {
    delete widget;
    return;
  }
  container_->data = new __IntWidgetData(widget);
  globals->widgetRegistry.insert(widget->id(), container_);
}

void Widget::release()
{
  if (!container_)
    return;
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  if (!ui || !ui->coreGlobals) {
    // Without the globals only an empty container is freed; one with data is left to the layer.
    if (--container_->refCount <= 0 && !container_->data)
      delete container_;
    container_ = nullptr;
    return;
  }
  // The platform entry lists destroyed here must not delete their records: client entries own them.
  const bool saved[4] = {ui->columnViewsOwnEntries, ui->entryListsOwnEntries, ui->hierarchicalViewsOwnEntries,
                         ui->hierarchicalColumnViewsOwnEntries};
  ui->columnViewsOwnEntries = ui->entryListsOwnEntries = false;
  ui->hierarchicalViewsOwnEntries = ui->hierarchicalColumnViewsOwnEntries = false;
  if (--container_->refCount <= 0) {
    if (container_->data && container_->data->platformWidget) {
      // Only the registered container leaves the registry, not an unregistered wrapper of its widget.
      __IntWidgetContainer* registered = nullptr;
      const uint16_t id = container_->data->platformWidget->id();
      if (ui->coreGlobals->widgetRegistry.get(id, registered) && registered == container_)
        ui->coreGlobals->widgetRegistry.remove(id);
    }
    delete container_;
  }
  container_ = nullptr;
  ui->columnViewsOwnEntries = saved[0];
  ui->entryListsOwnEntries = saved[1];
  ui->hierarchicalViewsOwnEntries = saved[2];
  ui->hierarchicalColumnViewsOwnEntries = saved[3];
}

void Widget::shareContainer(const Widget& other)
{
  if (&other == this || !qorcoreWidget_detail::coreGlobals() || !container_ || !other.container_ ||
      other.container_ == container_)
    return;
  __IntWidgetContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
}

void Widget::takeContainer(__IntWidgetContainer* container)
{
  if (!container || container == container_)
    return;
  delete container_;
  container_ = container;
  ++container_->refCount;
}

pui::Widget* Widget::platform() const
{
  return container_ && container_->data ? container_->data->platformWidget : nullptr;
}

CWnd* Widget::platformWidget() const
{
  pui::Widget* widget = platform();
  return widget ? widget->control() : nullptr;
}

bool Widget::isEmpty() const
{
  return !platform();
}

bool Widget::operator==(const Widget& other) const
{
  pui::Widget* mine = platform();
  pui::Widget* theirs = other.platform();
  if (!mine || !theirs)
    return !mine && !theirs;
  return uint16_t(mine->id()) == uint16_t(theirs->id());
}

bool Widget::operator!=(const Widget& other) const
{
  return !(*this == other);
}

WidgetType Widget::type() const
{
  pui::Widget* widget = platform();
  return widget ? widgetTypeForKind(widget->kind()) : UnknownWidgetType;
}

Window* Widget::window() const
{
  return container_ && container_->data ? container_->data->window : nullptr;
}

Rect Widget::frame() const
{
  pui::Widget* widget = platform();
  if (!widget)
    return Rect();
  const aip::Rect frame = widget->frame();
  return Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height);
}

void Widget::setFrame(const Rect& frame)
{
  if (pui::Widget* widget = platform())
    widget->setFrame(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height));
}

void Widget::offset(double dx, double dy)
{
  if (pui::Widget* widget = platform())
    widget->offsetBy(dx, dy);
}

std::string Widget::text() const
{
  pui::Widget* widget = platform();
  return widget ? widget->text() : std::string();
}

void Widget::setText(const std::string& text)
{
  if (pui::Widget* widget = platform())
    widget->setText(text);
}

bool Widget::isEnabled() const
{
  pui::Widget* widget = platform();
  return widget && widget->enabled();
}

void Widget::setEnabled(bool enabled)
{
  if (pui::Widget* widget = platform())
    widget->setEnabled(enabled);
}

bool Widget::isVisible() const
{
  pui::Widget* widget = platform();
  return widget && widget->visible();
}

void Widget::setVisible(bool visible)
{
  if (pui::Widget* widget = platform())
    widget->setVisible(visible);
}

void Widget::setOrigin(const Point& origin)
{
  if (pui::Widget* widget = platform())
    widget->setPosition(aip::Point(origin.x, origin.y));
}

void Widget::setSize(const Size& size)
{
  if (pui::Widget* widget = platform())
    widget->setSize(aip::Size(size.width, size.height));
}

void Widget::setWidth(double width)
{
  if (pui::Widget* widget = platform())
    widget->setWidth(width);
}

void Widget::setHeight(double height)
{
  if (pui::Widget* widget = platform())
    widget->setHeight(height);
}

bool Widget::hasFocus() const
{
  pui::Widget* widget = platform();
  return widget && widget->hasFocus();
}

void Widget::focus()
{
  if (pui::Widget* widget = platform())
    widget->focus();
}

void Widget::unfocus()
{
  if (pui::Widget* widget = platform())
    widget->focusHostWindow();
}

std::string Widget::tooltip() const
{
  pui::Widget* widget = platform();
  return widget ? widget->tooltip() : std::string();
}

void Widget::setTooltip(const std::string& text)
{
  if (pui::Widget* widget = platform())
    widget->setTooltip(text);
}

void Widget::update()
{
  if (pui::Widget* widget = platform())
    widget->update();
}

Widget& Widget::operator=(const Widget&)
{
  return *this;
}

bool makeWidgetWrapper(pui::Widget* widget, Widget*& handle, __IntWidgetContainer*& container)
{
  CoreGlobals* globals = qorcoreWidget_detail::coreGlobals();
  if (!globals || !widget)
    return false;
  Widget* empty = qorcoreWidget_detail::emptyHandleForKind(widget->kind());
  if (!empty)
    return false;
  __IntWidgetContainer* found = nullptr;
  if (!globals->widgetRegistry.get(widget->id(), found) || !found) {
    // A widget no handle made: the wrapper must not destroy what belongs to someone else.
    found = new __IntWidgetContainer();
    found->data = new __IntWidgetData(widget, false);
  }
  handle = empty;
  container = found;
  return true;
}

Widget* wrapWidget(pui::Widget* widget)
{
  Widget* handle = nullptr;
  __IntWidgetContainer* container = nullptr;
  if (!makeWidgetWrapper(widget, handle, container))
    return nullptr;
  handle->takeContainer(container);
  return handle;
}

}  // namespace core
}  // namespace qor

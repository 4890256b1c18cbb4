#include "core/qorcoreWindow.h"

#include <stdexcept>

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreFlyout.h"
#include "core/qorcoreTabOrder.h"
#include "core/qorcoreWidget.h"
#include "core/qorcoreWidgetGroup.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"

namespace qorcoreWindow_detail {

CoreGlobals* coreGlobals()
{
  qor::pui::BasePlugin* plugin = qor::pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

uint32_t nextContainerId()
{
  static uint32_t counter = 0;
  return ++counter;
}

// The group's widget at the index, read afresh; the group may have shrunk meanwhile.
qor::core::Widget* groupWidgetAt(const qor::core::WidgetGroup& group, size_t index)
{
  const std::vector<qor::core::Widget*> widgets = group.widgets();
  if (index >= widgets.size())
    throw std::out_of_range("invalid vector<T> subscript");
  return widgets[index];
}

uint32_t internalType(int32_t code)
{
  switch (code) {
  case 10:
    return 3;
  case 20:
    return 2;
  case 30:
    return 1;
  case 40:
    return 4;
  default:
    return 0;
  }
}

}  // namespace qorcoreWindow_detail

namespace qor {
namespace core {

__IntWindowContainer::__IntWindowContainer() : id(qorcoreWindow_detail::nextContainerId()) {}

__IntWindowContainer::~__IntWindowContainer()
{
  delete data;
}

__IntWindowData::~__IntWindowData()
{
  // The platform window goes first, while the widgets it lists still exist to be detached.
  destroyPlatformWindow();
  for (Widget* widget : widgets) {
    if (widget->container() && widget->container()->data)
      widget->container()->data->window = nullptr;
    delete widget;
  }
  widgets.clear();
  delete tabOrder;
  // The flyout copy is the window's; the platform panel that borrowed its menu is gone by now.
  delete flyout;
}

void __IntWindowData::destroyPlatformWindow()
{
  if (type == 1)
    delete static_cast<pui::Panel*>(platformWindow);
  else if (type == 2)
    delete static_cast<pui::ModalDialog*>(platformWindow);
  platformWindow = nullptr;
}

Window::Window() : container_(new __IntWindowContainer())
{
  container_->refCount = 1;
}

Window::Window(int32_t typeCode) : Window()
{
  CoreGlobals* globals = qorcoreWindow_detail::coreGlobals();
  if (!globals)
    return;
  container_->data = new __IntWindowData();
  container_->data->type = qorcoreWindow_detail::internalType(typeCode);
  container_->data->tabOrder = new TabOrder();
  globals->windowRegistry.insert(container_->id, container_);
}

Window::~Window()
{
  release();
}

void Window::release()
{
  CoreGlobals* globals = qorcoreWindow_detail::coreGlobals();
  if (!container_)
    return;
  if (!globals) {
    // Without the globals only an empty container is freed; one with data is left to the layer.
    if (--container_->refCount <= 0 && !container_->data)
      delete container_;
    container_ = nullptr;
    return;
  }
  if (--container_->refCount <= 0) {
    // A panel's map entry lives as long as its platform panel is reachable through a container.
    if (container_->data && container_->data->type == 1 && container_->data->platformWindow)
      globals->panelMap.erase(static_cast<pui::Panel*>(container_->data->platformWindow));
    globals->windowRegistry.remove(container_->id);
    delete container_;
  }
  container_ = nullptr;
}

void Window::shareContainer(const Window& other)
{
  if (&other == this || !qorcoreWindow_detail::coreGlobals() || !container_ || !other.container_ ||
      container_ == other.container_)
    return;
  __IntWindowContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
}

void Window::takeContainer(__IntWindowContainer* other)
{
  if (!container_ || !other || other == container_)
    return;
  // A container of its own that was registered leaves the registry with it.
  __IntWindowContainer* registered = nullptr;
  CoreGlobals* globals = qorcoreWindow_detail::coreGlobals();
  if (globals && globals->windowRegistry.get(container_->id, registered) && registered == container_)
    globals->windowRegistry.remove(container_->id);
  delete container_;
  container_ = other;
  ++container_->refCount;
}

void Window::destroyPlatformWindow()
{
  CoreGlobals* globals = qorcoreWindow_detail::coreGlobals();
  if (!globals || !container_ || !container_->data)
    return;
  container_->data->destroyPlatformWindow();
  globals->windowRegistry.remove(container_->id);
}

__IntWindowData* Window::dataOfType(uint32_t type) const
{
  return container_ && container_->data && container_->data->type == type ? container_->data : nullptr;
}

bool Window::isEmpty() const
{
  return !container_ || !container_->data || !container_->data->platformWindow;
}

int32_t Window::type() const
{
  if (!container_ || !container_->data)
    return NoWindowType;
  switch (container_->data->type) {
  case 1:
    return PanelWindowType;
  case 2:
    return ModalDialogWindowType;
  case 3:
    return ReservedWindowType10;
  case 4:
    return ReservedWindowType40;
  default:
    return NoWindowType;
  }
}

bool Window::operator==(const Window& other) const
{
  if (!container_ || !other.container_)
    return !container_ && !other.container_;
  if (!container_->data || !other.container_->data)
    return !container_->data && !other.container_->data;
  return container_->id == other.container_->id;
}

bool Window::operator!=(const Window& other) const
{
  return !(*this == other);
}

std::vector<Widget*> Window::widgets() const
{
  return container_ && container_->data ? container_->data->widgets : std::vector<Widget*>();
}

bool Window::addWidget(const Widget& widget)
{
  if (!container_ || !container_->data || !widget.container() || !widget.container()->data)
    return false;
  std::vector<Widget*>& listed = container_->data->widgets;
  for (Widget* present : listed)
    if (*present == widget)
      return false;
  widget.container()->data->window = this;
  listed.push_back(widget.duplicate());
  return true;
}

bool Window::removeWidget(const Widget& widget)
{
  if (!container_ || !container_->data || !widget.container() || !widget.container()->data)
    return false;
  std::vector<Widget*>& listed = container_->data->widgets;
  for (auto it = listed.begin(); it != listed.end(); ++it) {
    if (**it == widget) {
      widget.container()->data->window = nullptr;
      delete *it;
      listed.erase(it);
      return true;
    }
  }
  return false;
}

bool Window::addWidgetGroup(const WidgetGroup& group)
{
  if (!container_ || !container_->data)
    return false;
  const size_t count = group.widgets().size();
  for (size_t i = 0; i < count; ++i) {
    Widget* widget = qorcoreWindow_detail::groupWidgetAt(group, i);
    if (widget && !addWidget(*widget))
      return false;
  }
  return true;
}

bool Window::removeWidgetGroup(const WidgetGroup& group)
{
  if (!container_ || !container_->data)
    return false;
  const size_t count = group.widgets().size();
  for (size_t i = 0; i < count; ++i) {
    Widget* widget = qorcoreWindow_detail::groupWidgetAt(group, i);
    if (widget && !removeWidget(*widget))
      return false;
  }
  return true;
}

TabOrder* Window::tabOrder() const
{
  return container_ && container_->data ? container_->data->tabOrder : nullptr;
}

double Window::uiScale() const
{
  __IntWindowData* data = container_ ? container_->data : nullptr;
  if (!data || !data->platformWindow)
    return 1.0;
  pui::Window* platform = nullptr;
  if (data->type == 1)
    platform = static_cast<pui::Panel*>(data->platformWindow)->window();
  else if (data->type == 2)
    platform = static_cast<pui::ModalDialog*>(data->platformWindow)->window();
  return platform ? platform->dpiStep() : 1.0;
}

Window& Window::operator=(const Window&)
{
  return *this;
}

}  // namespace core
}  // namespace qor

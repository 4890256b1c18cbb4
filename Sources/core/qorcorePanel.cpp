#include "core/qorcorePanel.h"

#include <algorithm>

#include "aip/qoraipRect.h"
#include "aip/qoraipSize.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreFlyout.h"
#include "core/qorcoreTabOrder.h"
#include "core/qorcoreWidget.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiPopupMenu.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace core {

namespace qorcorePanel_detail {

CoreGlobals* coreGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

// The panel's icons: scales 1, 1.5 and 2 of each interface, the default icons where an id is 0.
pui::PanelIconIds panelIcons(const ImageIDs& icons)
{
  const uint16_t defaults[3] = {2501, 2502, 2503};
  pui::PanelIconIds record;
  for (int i = 0; i < 3; ++i) {
    record.ids[i] = icons.ids[i] ? icons.ids[i] : defaults[i];
    record.ids[5 + i] = icons.ids[5 + i] ? icons.ids[5 + i] : defaults[i];
  }
  return record;
}

}  // namespace qorcorePanel_detail

Panel::Panel() = default;

Panel::Panel(const std::string& title, const Size& size, bool resizableHorizontally, bool resizableVertically,
             const ImageIDs& icons)
    : Window(PanelWindowType)
{
  __IntWindowData* data = dataOfType(1);
  CoreGlobals* globals = qorcorePanel_detail::coreGlobals();
  if (!data || !globals)
    return;
  auto* platform = new pui::Panel(title, aip::Size(size.width, size.height), resizableHorizontally,
                                  resizableVertically, qorcorePanel_detail::panelIcons(icons));
  data->platformWindow = platform;
  globals->panelMap[platform] = container()->id;
}

Panel::Panel(pui::Panel* platform) : Window(PanelWindowType)
{
  CoreGlobals* globals = qorcorePanel_detail::coreGlobals();
  __IntWindowData* data = dataOfType(1);
  if (!globals || !data)
    return;
  auto mapped = globals->panelMap.find(platform);
  if (mapped == globals->panelMap.end())
    return;
  __IntWindowContainer* found = nullptr;
  if (!globals->windowRegistry.get(mapped->second, found) || !found) {
    data->platformWindow = platform;
    return;
  }
  if (found->data && found->data->type == 1 && found->data->platformWindow != platform)
    delete platform;
  takeContainer(found);
}

Panel::Panel(const Panel& other) : Window()
{
  takeContainer(other.container());
}

Panel::~Panel() = default;

pui::Panel* Panel::platformPanel() const
{
  __IntWindowData* data = dataOfType(1);
  return data ? static_cast<pui::Panel*>(data->platformWindow) : nullptr;
}

Window* Panel::clone() const
{
  return new Panel(*this);
}

bool Panel::isVisible() const
{
  pui::Panel* platform = platformPanel();
  return platform && platform->isShown();
}

void Panel::show()
{
  if (pui::Panel* platform = platformPanel())
    platform->show();
}

void Panel::hide()
{
  if (pui::Panel* platform = platformPanel())
    platform->hide();
}

void Panel::setShown(bool shown)
{
  if (pui::Panel* platform = platformPanel())
    platform->setShown(shown);
}

bool Panel::addWidget(const Widget& widget)
{
  pui::Panel* platform = platformPanel();
  if (!platform || !Window::addWidget(widget))
    return false;
  platform->addWidget(widget.platform());
  return true;
}

bool Panel::removeWidget(const Widget& widget)
{
  if (pui::Panel* platform = platformPanel())
    platform->removeWidget(widget.platform());
  return Window::removeWidget(widget);
}

void Panel::update()
{
  pui::Panel* platform = platformPanel();
  if (!platform)
    return;
  if (platform->window())
    platform->window()->redrawWidgets();
  platform->rebuildFlyoutMenu();
}

Panel& Panel::operator=(const Panel& other)
{
  shareContainer(other);
  return *this;
}

void Panel::destroy()
{
  CoreGlobals* globals = qorcorePanel_detail::coreGlobals();
  __IntWindowData* data = container() ? container()->data : nullptr;
  if (!globals || !data)
    return;
  if (pui::Panel* platform = platformPanel())
    globals->panelMap.erase(platform);
  destroyPlatformWindow();
}

PanelRef Panel::hostPanel() const
{
  pui::Panel* platform = platformPanel();
  return platform ? platform->hostPanel() : nullptr;
}

Rect Panel::frame() const
{
  pui::Panel* platform = platformPanel();
  return platform ? Rect(platform->frame()) : Rect();
}

void Panel::setFrame(const Rect& frame)
{
  if (pui::Panel* platform = platformPanel())
    platform->setFrame(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height));
}

void Panel::setSize(const Size& size)
{
  if (pui::Panel* platform = platformPanel())
    platform->setSize(aip::Size(size.width, size.height));
}

void Panel::setHeight(double height)
{
  if (pui::Panel* platform = platformPanel())
    platform->setHeight(height);
}

Size Panel::minimumSize() const
{
  pui::Panel* platform = platformPanel();
  return platform ? Size(platform->minimumSize()) : frame().size;
}

void Panel::setMinimumSize(const Size& size)
{
  if (pui::Panel* platform = platformPanel())
    platform->setMinimumSize(aip::Size(size.width, size.height));
}

Size Panel::maximumSize() const
{
  pui::Panel* platform = platformPanel();
  return platform ? Size(platform->maximumSize()) : frame().size;
}

void Panel::setMaximumSize(const Size& size)
{
  if (pui::Panel* platform = platformPanel())
    platform->setMaximumSize(aip::Size(size.width, size.height));
}

Flyout* Panel::flyout() const
{
  __IntWindowData* data = dataOfType(1);
  return data ? data->flyout : nullptr;
}

void Panel::setFlyout(const Flyout& flyout)
{
  __IntWindowData* data = dataOfType(1);
  pui::Panel* platform = platformPanel();
  if (!data || !platform)
    return;
  Flyout* earlier = data->flyout;
  data->flyout = new Flyout(flyout);
  pui::PopupMenu* menu = flyout.menu();
  // The platform panel only borrows the pop-up menu: it lets go of the earlier one before that may go.
  platform->setFlyout(menu && flyout.record() ? menu : nullptr);
  delete earlier;
  if (!menu || !flyout.record())
    return;
  if (utils::Callback* callback = menu->valueChangedCallback())
    platform->setFlyoutCallback(callback->clone());
  data->flyout->attach(this, container()->id);
}

Callback* Panel::shownCallback() const
{
  pui::Panel* platform = platformPanel();
  return platform ? clientCallback(platform->shownCallback()) : nullptr;
}

void Panel::setShownCallback(const Callback& callback)
{
  if (pui::Panel* platform = platformPanel())
    platform->setShownCallback(platformCallback(&callback));
}

Callback* Panel::hiddenCallback() const
{
  pui::Panel* platform = platformPanel();
  return platform ? clientCallback(platform->hiddenCallback()) : nullptr;
}

void Panel::setHiddenCallback(const Callback& callback)
{
  if (pui::Panel* platform = platformPanel())
    platform->setHiddenCallback(platformCallback(&callback));
}

Callback* Panel::resizeCallback() const
{
  pui::Panel* platform = platformPanel();
  return platform ? clientCallback(platform->resizeCallback()) : nullptr;
}

void Panel::setResizeCallback(const Callback& callback)
{
  if (pui::Panel* platform = platformPanel())
    platform->setResizeCallback(platformCallback(&callback));
}

}  // namespace core
}  // namespace qor

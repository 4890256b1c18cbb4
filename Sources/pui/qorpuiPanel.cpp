#include "pui/qorpuiPanel.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipScheduledCallbackHelper.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"
#include "plat/qorplatCallbackScheduler.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiConstants.h"
#include "pui/qorpuiPopupMenu.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWinMfcView.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

const PanelSuite* panelSuite = nullptr;
const PanelFlyoutMenuSuite* panelFlyoutMenuSuite = nullptr;

namespace qorpuiPanel_detail {

UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

int round(double value)
{
  return static_cast<int>(geo::roundToInt(value));
}

SizeRecord record(const aip::Size& size)
{
  return SizeRecord{size.width, size.height};
}

bool sameWithin(const aip::Size& a, const aip::Size& b)
{
  return std::fabs(a.width - b.width) <= 0.01 && std::fabs(a.height - b.height) <= 0.01;
}

// The poll interval of the deferred view resize, and how long it waits for the host at most: a size the
// host clamps or never applies would otherwise keep it polling for ever.
const double resizePollDelay = 0.02;
const int resizePollLimit = 50;

// One icon list of the host: the scale-1 id, then scale 2, 1.5 and 3 as far as they are given.
std::vector<uint32_t> iconList(const uint16_t* group)
{
  if (group[2] == 0)
    return {group[0]};
  if (group[1] != 0 && group[3] != 0)
    return {group[0], group[2], group[1], group[3]};
  if (group[1] != 0)
    return {group[0], group[2], group[1]};
  return {group[0], group[2]};
}

}  // namespace qorpuiPanel_detail

Panel::Panel(const std::string& title, const aip::Size& size, bool resizableHorizontally, bool resizableVertically,
             const PanelIconIds& iconIds)
    : resizableHorizontally_(resizableHorizontally), resizableVertically_(resizableVertically), size_(size)
{
  using namespace qorpuiPanel_detail;
  aip::acquireSuite(panelSuite, kPanelSuiteName, kPanelSuiteVersion);
  aip::acquireSuite(panelFlyoutMenuSuite, kPanelFlyoutMenuSuiteName, kPanelFlyoutMenuSuiteVersion);
  aip::acquireSuite(aip::unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);

  if (panelSuite) {
    aip::BasePlugin* plugin = aip::BasePlugin::instance();
    ai::HostUnicodeString name = aip::utf8ToHostString(title);
    ai::HostUnicodeString caption = aip::utf8ToHostString(title);
    const SizeRecord minimum = record(size);
    if (panelSuite->createPanel(plugin ? plugin->pluginRef() : nullptr, name.handle(), caption.handle(), 1,
                                &minimum, resizableHorizontally || resizableVertically, nullptr, this,
                                &hostPanel_) != 0)
      hostPanel_ = nullptr;
  }
  if (hostPanel_) {
    std::vector<uint32_t> light = iconList(iconIds.ids);
    std::vector<uint32_t> dark = iconList(iconIds.ids + 5);
    panelSuite->setPanelIconResourceIds(hostPanel_, light.data(), static_cast<int32_t>(light.size()), dark.data(),
                                        static_cast<int32_t>(dark.size()));
    const SizeRecord minimum = record(size);
    panelSuite->setPanelMinimumSize(hostPanel_, &minimum);
    SizeRecord maximum = minimum;
    if (resizableHorizontally)
      maximum.width = 6000.0;
    if (resizableVertically)
      maximum.height = 3000.0;
    panelSuite->setPanelMaximumSize(hostPanel_, &maximum);
    panelSuite->setPanelFlyoutPreOpenProc(hostPanel_, &Panel::onFlyoutPreOpen);
    panelSuite->setPanelFlyoutItemProc(hostPanel_, &Panel::onFlyoutItem);
    panelSuite->setPanelVisibilityProc(hostPanel_, &Panel::onVisibilityChanged);
    panelSuite->setPanelSizeChangedProc(hostPanel_, &Panel::onSizeChanged);
  }

  // The content view fills the host's panel window.
  lastPlatformSize_ = aip::Size(0.0, 0.0);
  PlatformWindow hostWindow = nullptr;
  SizeRecord hostSize{0.0, 0.0};
  if (hostPanel_) {
    panelSuite->getPanelPlatformWindow(hostPanel_, &hostWindow);
    panelSuite->getPanelSize(hostPanel_, &hostSize);
  }
  auto* view = new WinMfcView();
  if (!view->CreateEx(WS_EX_COMPOSITED, nullptr, u"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                      round(hostSize.width), round(hostSize.height), reinterpret_cast<HWND>(hostWindow), nullptr)) {
    delete view;
    view = nullptr;
  }

  // Each new panel sits 30 pixels right of and below the one before.
  if (hostPanel_) {
    aip::Point position(200.0, 200.0);
    if (UiGlobals* globals = uiGlobals()) {
      globals->nextPanelPosition = aip::Point(globals->nextPanelPosition.x + 30.0, globals->nextPanelPosition.y + 30.0);
      position = globals->nextPanelPosition;
    }
    panelSuite->movePanel(hostPanel_, round(position.x), round(position.y));
  }

  window_ = new Window(view);
  if (view) {
    ::SetPropA(view->m_hWnd, windowIdProperty.c_str(), this);
    view->windowLink = window_;
  }
  window_->setKind(1);
  if (UiGlobals* globals = uiGlobals())
    globals->panels.pushBack(this);
}

Panel::~Panel()
{
  if (UiGlobals* globals = qorpuiPanel_detail::uiGlobals())
    globals->panels.remove(this);
  // No resize may reach the panel once it is gone.
  if (resizeTimer_)
    plat::cancelScheduledCallback(resizeTimer_);
  resizeTimer_ = 0;
  if (hostFlyoutMenu_ && panelFlyoutMenuSuite)
    panelFlyoutMenuSuite->destroyFlyoutMenu(hostFlyoutMenu_);
  hostFlyoutMenu_ = nullptr;
  flyoutEntries_ = nullptr;
  delete flyoutCallback_;
  delete flyoutPreOpenCallback_;
  delete shownCallback_;
  delete hiddenCallback_;
  delete resizeCallback_;
  // The view goes before the host's window that holds it: destroying the host's window first would
  // take the view (which deletes itself) along while the platform window still points at it.
  delete window_;
  window_ = nullptr;
  if (hostPanel_ && panelSuite)
    panelSuite->destroyPanel(hostPanel_);
  hostPanel_ = nullptr;
}

void Panel::show()
{
  if (hostPanel_ && panelSuite)
    panelSuite->showPanel(hostPanel_, 1);
}

void Panel::hide()
{
  if (!hostPanel_ || !panelSuite)
    return;
  panelSuite->showPanel(hostPanel_, 0);
  panelSuite->showPanel(hostPanel_, 0);
}

bool Panel::isShown() const
{
  bool8 shown = 0;
  return hostPanel_ && panelSuite && panelSuite->isPanelShown(hostPanel_, &shown) == 0 && shown;
}

void Panel::setShown(bool shown)
{
  if (shown)
    show();
  else
    hide();
}

void Panel::toggle()
{
  setShown(!isShown());
}

utils::List<Widget*>* Panel::widgets() const
{
  return window_ ? window_->widgets() : nullptr;
}

void Panel::addWidget(Widget* widget)
{
  if (!widget || !window_)
    return;
  if (!window_->widgets()->contains(widget))
    window_->addWidget(widget);
}

void Panel::removeWidget(Widget* widget)
{
  if (widget && window_ && window_->widgets()->contains(widget))
    window_->removeWidget(widget);
}

double Panel::uiScale() const
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app || !app->isUIScaled())
    return 1.0;
  double step = window_ ? window_->dpiStep() : 1.0;
  if (step > 1.01 && step < 1.49)
    step = app->snapUIScaleFactor();
  return step;
}

aip::Rect Panel::platformFrame() const
{
  PlatformWindow hostWindow = nullptr;
  if (!hostPanel_ || !panelSuite || panelSuite->getPanelPlatformWindow(hostPanel_, &hostWindow) != 0 ||
      !hostWindow || !::IsWindow(reinterpret_cast<HWND>(hostWindow)))
    return aip::Rect(0.0, 0.0, size_.width, size_.height);
  HWND parent = ::GetParent(reinterpret_cast<HWND>(hostWindow));
  if (!parent || !::IsWindow(parent))
    return aip::Rect(0.0, 0.0, size_.width, size_.height);
  RECT r;
  ::GetWindowRect(parent, &r);
  aip::Rect frame(r);
  const double scale = uiScale();
  if (isShown()) {
    frame.size.width -= qorpuiPanel_detail::round(2.0 * scale);
    frame.size.height -= qorpuiPanel_detail::round(30.0 * scale);
  } else {
    frame.size = aip::Size(size_.width * scale, size_.height * scale);
  }
  return frame;
}

aip::Rect Panel::frame() const
{
  aip::Rect frame = platformFrame();
  if (isShown()) {
    const double scale = uiScale();
    frame.size = aip::Size(frame.size.width / scale, frame.size.height / scale);
  } else {
    frame.size = size_;
  }
  return frame;
}

void Panel::setSize(const aip::Size& size)
{
  size_ = size;
  lastPlatformSize_ = platformFrame().size;
  if (hostPanel_ && panelSuite) {
    const SizeRecord asked = qorpuiPanel_detail::record(size);
    panelSuite->setPanelSize(hostPanel_, &asked);
  }
  const double scale = uiScale();
  if (!qorpuiPanel_detail::sameWithin(lastPlatformSize_, aip::Size(size.width * scale, size.height * scale)))
    scheduleViewResize();
}

void Panel::setHeight(double height)
{
  setSize(aip::Size(frame().size.width, height));
}

void Panel::setFrame(const aip::Rect& frame)
{
  size_ = frame.size;
  lastPlatformSize_ = platformFrame().size;
  if (hostPanel_ && panelSuite) {
    const SizeRecord asked = qorpuiPanel_detail::record(frame.size);
    panelSuite->setPanelSize(hostPanel_, &asked);
    panelSuite->movePanel(hostPanel_, qorpuiPanel_detail::round(frame.origin.x),
                          qorpuiPanel_detail::round(frame.origin.y));
  }
  const double scale = uiScale();
  if (!qorpuiPanel_detail::sameWithin(lastPlatformSize_,
                                      aip::Size(frame.size.width * scale, frame.size.height * scale)))
    scheduleViewResize();
}

aip::Size Panel::minimumSize() const
{
  SizeRecord size{};
  if (hostPanel_ && panelSuite && panelSuite->getPanelMinimumSize(hostPanel_, &size) == 0)
    return aip::Size(size.width, size.height);
  return frame().size;
}

aip::Size Panel::maximumSize() const
{
  SizeRecord size{};
  if (hostPanel_ && panelSuite && panelSuite->getPanelMaximumSize(hostPanel_, &size) == 0)
    return aip::Size(size.width, size.height);
  return frame().size;
}

void Panel::setMinimumSize(const aip::Size& size)
{
  if (!hostPanel_ || !panelSuite || !(resizableHorizontally_ || resizableVertically_))
    return;
  const SizeRecord limit = qorpuiPanel_detail::record(size);
  panelSuite->setPanelMinimumSize(hostPanel_, &limit);
}

void Panel::setMaximumSize(const aip::Size& size)
{
  if (!hostPanel_ || !panelSuite || !(resizableHorizontally_ || resizableVertically_))
    return;
  const SizeRecord limit = qorpuiPanel_detail::record(size);
  panelSuite->setPanelMaximumSize(hostPanel_, &limit);
}

void Panel::replace(utils::Callback*& slot, utils::Callback* callback)
{
  if (slot != callback)
    delete slot;
  slot = callback;
}

void Panel::setShownCallback(utils::Callback* callback)
{
  replace(shownCallback_, callback);
}

void Panel::setHiddenCallback(utils::Callback* callback)
{
  replace(hiddenCallback_, callback);
}

void Panel::setResizeCallback(utils::Callback* callback)
{
  replace(resizeCallback_, callback);
}

void Panel::setFlyoutCallback(utils::Callback* callback)
{
  if (flyoutEntries_)
    replace(flyoutCallback_, callback);
}

void Panel::setFlyoutPreOpenCallback(utils::Callback* callback)
{
  if (flyoutEntries_)
    replace(flyoutPreOpenCallback_, callback);
}

void Panel::appendFlyoutItems()
{
  hostItemIds_.clear();
  int32_t k = 0;
  for (BaseEntryData* entry : *flyoutEntries_->entries()) {
    ++k;
    hostItemIds_.push_back(entry ? entry->id() : std::string());
    if (!entry)
      continue;
    if (entry->text() == PopupMenu::separatorText) {
      panelFlyoutMenuSuite->appendFlyoutSeparator(hostFlyoutMenu_, k);
      continue;
    }
    ai::HostUnicodeString text = aip::utf8ToHostString(entry->text());
    panelFlyoutMenuSuite->appendFlyoutItem(hostFlyoutMenu_, k, text.handle());
    panelFlyoutMenuSuite->setFlyoutItemEnabled(hostFlyoutMenu_, k, entry->enabled());
  }
}

void Panel::setFlyout(PopupMenu* entries)
{
  // The pop-up menu stays its flyout handle's: the panel only borrows it. The host's menu of an earlier
  // flyout goes with it.
  if (hostFlyoutMenu_ && panelFlyoutMenuSuite)
    panelFlyoutMenuSuite->destroyFlyoutMenu(hostFlyoutMenu_);
  hostFlyoutMenu_ = nullptr;
  flyoutEntries_ = entries;
  if (entries && panelFlyoutMenuSuite && panelFlyoutMenuSuite->createFlyoutMenu(&hostFlyoutMenu_) != 0)
    hostFlyoutMenu_ = nullptr;
  if (hostFlyoutMenu_)
    appendFlyoutItems();
  if (hostPanel_ && panelSuite)
    panelSuite->setPanelFlyoutMenu(hostPanel_, hostFlyoutMenu_);
}

void Panel::rebuildFlyoutMenu()
{
  if (!flyoutEntries_)
    return;
  flyoutEntries_->redraw();
  if (!hostFlyoutMenu_ || !panelFlyoutMenuSuite)
    return;
  // The marks are read by the entries the host's items were made from: entries added or removed
  // since then would otherwise move a mark to another item.
  std::map<std::string, bool> marks;
  for (size_t i = 0; i < hostItemIds_.size(); ++i) {
    int32_t mark = 0;
    if (!hostItemIds_[i].empty() && flyoutEntries_->hasEntry(hostItemIds_[i]))
      marks[hostItemIds_[i]] =
          panelFlyoutMenuSuite->getFlyoutItemMark(hostFlyoutMenu_, static_cast<int32_t>(i) + 1, &mark) == 0 &&
          mark == 1;
  }
  for (int32_t id = static_cast<int32_t>(hostItemIds_.size()); id >= 1; --id)
    panelFlyoutMenuSuite->removeFlyoutItem(hostFlyoutMenu_, id);
  appendFlyoutItems();
  for (const auto& mark : marks)
    setFlyoutItemCheckedByName(mark.first, mark.second);
}

bool Panel::flyoutItemChecked(int32_t index) const
{
  if (!flyoutEntries_ || index < 0 || static_cast<size_t>(index) >= flyoutEntries_->entries()->size() ||
      !hostFlyoutMenu_ || !panelFlyoutMenuSuite)
    return false;
  int32_t mark = 0;
  return panelFlyoutMenuSuite->getFlyoutItemMark(hostFlyoutMenu_, index + 1, &mark) == 0 && mark == 1;
}

bool Panel::setFlyoutItemChecked(int32_t index, bool checked)
{
  if (!flyoutEntries_ || index < 0 || static_cast<size_t>(index) >= flyoutEntries_->entries()->size() ||
      !hostFlyoutMenu_ || !panelFlyoutMenuSuite)
    return false;
  int32_t value = -1;
  if (panelFlyoutMenuSuite->queryFlyoutItemAtPosition(hostFlyoutMenu_, index, &value) != 0 || value != 0)
    return false;
  return panelFlyoutMenuSuite->setFlyoutItemMark(hostFlyoutMenu_, index + 1, checked ? 1 : 0) == 0;
}

int32_t Panel::flyoutIndexOf(const std::string& name) const
{
  if (!flyoutEntries_)
    return -1;
  EntryVector* entries = flyoutEntries_->entries();
  for (size_t i = 0; i < entries->size(); ++i)
    if (entries->at(i) && entries->at(i)->id() == name)
      return static_cast<int32_t>(i);
  return -1;
}

bool Panel::flyoutItemCheckedByName(const std::string& name) const
{
  const int32_t index = flyoutIndexOf(name);
  return index >= 0 && flyoutItemChecked(index);
}

bool Panel::setFlyoutItemCheckedByName(const std::string& name, bool checked)
{
  const int32_t index = flyoutIndexOf(name);
  return index >= 0 && setFlyoutItemChecked(index, checked);
}

void Panel::scheduleViewResize()
{
  if (resizeTimer_)
    plat::cancelScheduledCallback(resizeTimer_);
  resizePolls_ = 0;
  resizeTimer_ =
      aip::scheduleCallback(new utils::__Callback<Panel>(this, &Panel::resizeView), qorpuiPanel_detail::resizePollDelay);
}

void Panel::resizeView()
{
  resizeTimer_ = 0;
  if (!window_)
    return;
  const aip::Size current = platformFrame().size;
  if (qorpuiPanel_detail::sameWithin(current, lastPlatformSize_) && ++resizePolls_ < qorpuiPanel_detail::resizePollLimit) {
    // The host has not applied the new size yet.
    resizeTimer_ = aip::scheduleCallback(new utils::__Callback<Panel>(this, &Panel::resizeView),
                                         qorpuiPanel_detail::resizePollDelay);
    return;
  }
  lastPlatformSize_ = current;
  moveViewTo(current);
}

void Panel::moveViewTo(const aip::Size& pixels)
{
  CWnd* view = window_ ? window_->nativeWindow() : nullptr;
  if (view && view->GetSafeHwnd())
    view->MoveWindow(0, 0, qorpuiPanel_detail::round(pixels.width), qorpuiPanel_detail::round(pixels.height), TRUE);
}

Panel* Panel::fromHost(PanelRef panel)
{
  void* data = nullptr;
  if (!panel || !panelSuite || panelSuite->getPanelUserData(panel, &data) != 0)
    return nullptr;
  return static_cast<Panel*>(data);
}

void Panel::runClientCallback(utils::Callback* callback)
{
  if (!callback)
    return;
  aip::Illustrator* app = aip::Illustrator::instance();
  struct Context
  {
    aip::Illustrator* app;
    ~Context()
    {
      if (app)
        app->popAppContext();
    }
  } context{app};
  if (app)
    app->pushAppContext();
  // The host called in through a C procedure: nothing may unwind into it.
  try {
    callback->execute();
  } catch (...) {
    ::OutputDebugStringA("Panel callback ended with an exception\n");
  }
}

void Panel::onFlyoutPreOpen(PanelRef panel)
{
  Panel* self = fromHost(panel);
  if (self && self->flyoutEntries_)
    self->runClientCallback(self->flyoutPreOpenCallback_);
}

void Panel::onFlyoutItem(PanelRef panel, int32_t itemId)
{
  Panel* self = fromHost(panel);
  if (!self || !self->flyoutEntries_)
    return;
  self->flyoutEntries_->setSelectedIndex(itemId - 1);
  self->runClientCallback(self->flyoutCallback_);
}

void Panel::onVisibilityChanged(PanelRef panel, bool8 shown)
{
  if (Panel* self = fromHost(panel))
    self->runClientCallback(shown ? self->shownCallback_ : self->hiddenCallback_);
}

void Panel::onSizeChanged(PanelRef panel)
{
  Panel* self = fromHost(panel);
  if (!self)
    return;
  if (self->window_)
    self->moveViewTo(self->platformFrame().size);
  if (self->isShown())
    self->size_ = self->frame().size;
  self->runClientCallback(self->resizeCallback_);
}

void adjustPanelsBrightness()
{
  if (UiGlobals* globals = qorpuiPanel_detail::uiGlobals())
    for (Panel* panel : globals->panels)
      if (panel->window())
        panel->window()->updateWidgets();
}

}  // namespace pui
}  // namespace qor

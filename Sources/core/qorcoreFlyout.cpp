#include "core/qorcoreFlyout.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcorePanel.h"
#include "core/qorcoreWidgetCallback.h"
#include "core/qorcoreWindow.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiPopupMenu.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

Flyout::Flyout() : container_(new __IntWidgetContainer())
{
  container_->refCount = 1;
  UiGlobals* ui = __IntEntryListCache::uiGlobals();
  if (!ui)
    return;
  auto* platform = new pui::PopupMenu(aip::Rect(0, 0, 0, 0));
  container_->data = new __IntWidgetData(platform);
  container_->data->entries = new __IntFlyoutData();
  ui->coreGlobals->widgetRegistry.insert(platform->id(), container_);
}

Flyout::Flyout(const Flyout& other) : container_(other.container_)
{
  ++container_->refCount;
}

Flyout::~Flyout()
{
  release();
}

Flyout& Flyout::operator=(const Flyout& other)
{
  if (other.container_ != container_) {
    ++other.container_->refCount;
    release();
    container_ = other.container_;
  }
  return *this;
}

void Flyout::release()
{
  UiGlobals* ui = __IntEntryListCache::uiGlobals();
  if (!ui) {
    // Without the globals only an empty container is freed; one with data is left to the layer.
    if (--container_->refCount <= 0 && !container_->data)
      delete container_;
    container_ = nullptr;
    return;
  }
  // The cached entries own the records the pop-up menu shows.
  const bool owns = ui->entryListsOwnEntries;
  ui->entryListsOwnEntries = false;
  if (--container_->refCount <= 0) {
    if (container_->data && container_->data->platformWidget) {
      __IntWidgetContainer* registered = nullptr;
      const uint16_t id = container_->data->platformWidget->id();
      if (ui->coreGlobals->widgetRegistry.get(id, registered) && registered == container_)
        ui->coreGlobals->widgetRegistry.remove(id);
      delete static_cast<__IntFlyoutData*>(container_->data->entries);
      container_->data->entries = nullptr;
    }
    delete container_;
  }
  container_ = nullptr;
  ui->entryListsOwnEntries = owns;
}

pui::PopupMenu* Flyout::menu() const
{
  if (!__IntEntryListCache::uiGlobals() || !container_->data)
    return nullptr;
  return dynamic_cast<pui::PopupMenu*>(container_->data->platformWidget);
}

__IntFlyoutData* Flyout::record() const
{
  return menu() ? static_cast<__IntFlyoutData*>(container_->data->entries) : nullptr;
}

ListEntryCache* Flyout::cache() const
{
  __IntFlyoutData* data = record();
  return data ? &data->entries : nullptr;
}

pui::Panel* Flyout::ownerPanel() const
{
  __IntFlyoutData* data = record();
  UiGlobals* ui = __IntEntryListCache::uiGlobals();
  __IntWindowContainer* window = nullptr;
  if (!data || !data->owner || !ui || !ui->coreGlobals->windowRegistry.get(data->ownerWindowId, window) || !window ||
      !window->data || window->data->type != 1)
    return nullptr;
  return static_cast<pui::Panel*>(window->data->platformWindow);
}

void Flyout::attach(Panel* owner, uint32_t windowId)
{
  __IntFlyoutData* data = record();
  if (!data)
    return;
  data->owner = owner;
  data->ownerWindowId = windowId;
  // The marks set while the flyout had no panel now reach the host's menu.
  const std::map<std::string, bool> pending = data->pendingMarks;
  for (const auto& mark : pending)
    setItemCheckedByName(mark.first, mark.second);
}

int32_t Flyout::selectedIndex() const
{
  return menu() ? menu()->selectedIndex() : -1;
}

std::string Flyout::selectedId() const
{
  return menu() ? menu()->selectedId() : std::string();
}

std::string Flyout::currentText() const
{
  return menu() ? menu()->currentText() : std::string();
}

ListEntry* Flyout::selectedEntry() const
{
  return __IntEntryListCache::selectedEntry(menu(), cache());
}

bool Flyout::selectedUserData(void*& out) const
{
  return __IntEntryListCache::selectedUserData(menu(), cache(), out);
}

const ListEntryCache* Flyout::entries() const
{
  return cache();
}

void Flyout::setEntries(const std::vector<ListEntry*>& entries)
{
  __IntEntryListCache::setEntries(menu(), cache(), entries);
}

bool Flyout::hasEntry(const std::string& id) const
{
  return menu() && menu()->hasEntry(id);
}

bool Flyout::addEntry(const ListEntry& entry)
{
  return __IntEntryListCache::addEntry(menu(), cache(), entry);
}

bool Flyout::removeLastEntry(ListEntry*& out)
{
  return __IntEntryListCache::removeLastEntry(menu(), cache(), out, false);
}

bool Flyout::insertEntryAfter(const std::string& existingId, const ListEntry& entry)
{
  return __IntEntryListCache::insertEntryAfter(menu(), cache(), existingId, entry);
}

bool Flyout::removeEntry(const std::string& id, ListEntry*& out)
{
  return __IntEntryListCache::removeEntry(menu(), cache(), id, out, false);
}

void Flyout::clearEntries()
{
  __IntEntryListCache::clearEntries(menu(), cache());
}

Panel* Flyout::panel() const
{
  __IntFlyoutData* data = record();
  return data ? data->owner : nullptr;
}

void Flyout::fireValueChanged()
{
  if (pui::PopupMenu* platform = menu())
    platform->fireValueChanged();
}

Callback* Flyout::valueChangedCallback() const
{
  return menu() ? clientCallback(menu()->valueChangedCallback()) : nullptr;
}

void Flyout::setValueChangedCallback(const Callback& callback)
{
  pui::PopupMenu* platform = menu();
  if (!platform)
    return;
  platform->setValueChangedCallback(platformCallback(&callback));
  if (pui::Panel* owner = ownerPanel())
    owner->setFlyoutCallback(platformCallback(&callback));
}

Callback* Flyout::preOpenCallback() const
{
  pui::Panel* owner = ownerPanel();
  return owner ? clientCallback(owner->flyoutPreOpenCallback()) : nullptr;
}

void Flyout::setPreOpenCallback(const Callback& callback)
{
  if (pui::Panel* owner = ownerPanel())
    owner->setFlyoutPreOpenCallback(platformCallback(&callback));
}

bool Flyout::itemCheckedByName(const std::string& id) const
{
  __IntFlyoutData* data = record();
  if (!data)
    return false;
  if (data->owner) {
    pui::Panel* owner = ownerPanel();
    return owner && owner->flyoutItemCheckedByName(id);
  }
  auto mark = data->pendingMarks.find(id);
  return mark != data->pendingMarks.end() && mark->second;
}

bool Flyout::itemChecked(int32_t index) const
{
  __IntFlyoutData* data = record();
  if (!data || index < 0)
    return false;
  if (data->owner) {
    pui::Panel* owner = ownerPanel();
    return owner && owner->flyoutItemChecked(index);
  }
  if (static_cast<size_t>(index) >= data->entries.size() || !data->entries[static_cast<size_t>(index)])
    return false;
  return itemCheckedByName(data->entries[static_cast<size_t>(index)]->id());
}

bool Flyout::setItemCheckedByName(const std::string& id, bool checked)
{
  __IntFlyoutData* data = record();
  if (!data)
    return false;
  if (data->owner) {
    pui::Panel* owner = ownerPanel();
    return owner && owner->setFlyoutItemCheckedByName(id, checked);
  }
  data->pendingMarks[id] = checked;
  return true;
}

bool Flyout::setItemChecked(int32_t index, bool checked)
{
  __IntFlyoutData* data = record();
  if (!data || index < 0)
    return false;
  if (data->owner) {
    pui::Panel* owner = ownerPanel();
    return owner && owner->setFlyoutItemChecked(index, checked);
  }
  if (static_cast<size_t>(index) >= data->entries.size() || !data->entries[static_cast<size_t>(index)])
    return false;
  data->pendingMarks[data->entries[static_cast<size_t>(index)]->id()] = checked;
  return true;
}

void Flyout::update()
{
  if (pui::Panel* owner = ownerPanel())
    owner->rebuildFlyoutMenu();
}

}  // namespace core
}  // namespace qor

#include "core/qorcoreListView.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiPopupMenu.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcoreListView_detail {
UiGlobals* uiGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui && ui->coreGlobals ? ui : nullptr;
}

aip::Rect platformRect(const Rect& frame)
{
  return aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height);
}

// Deletes the cache of the last handle of a list widget while the platform widget, whose records the
// cached entries own, is told not to delete them.
template <class DeleteCache> void dropCacheOfLastHandle(__IntWidgetContainer* container, bool hasPlatform, DeleteCache drop)
{
  UiGlobals* ui = uiGlobals();
  if (!hasPlatform || !ui || !container || !container->data || !container->data->entries || container->refCount > 1)
    return;
  const bool owns = ui->entryListsOwnEntries;
  ui->entryListsOwnEntries = false;
  drop(container->data->entries);
  container->data->entries = nullptr;
  ui->entryListsOwnEntries = owns;
}
}  // namespace qorcoreListView_detail


// List view.

ListView::ListView() = default;

ListView::ListView(const Rect& frame)
{
  adopt(new pui::ListView(qorcoreListView_detail::platformRect(frame)));
  if (container()->data)
    container()->data->entries = new ListEntryCache();
}

ListView::ListView(const ListView& other) : Widget(other) {}

ListView::~ListView()
{
  qorcoreListView_detail::dropCacheOfLastHandle(container(), list() != nullptr, [](void* cache) {
    auto* entries = static_cast<ListEntryCache*>(cache);
    __IntEntryListCache::clear(*entries);
    delete entries;
  });
}

ListView& ListView::operator=(const ListView& other)
{
  shareContainer(other);
  return *this;
}

pui::ListView* ListView::list() const
{
  return qorcoreListView_detail::uiGlobals() ? platformAs<pui::ListView>() : nullptr;
}

ListEntryCache* ListView::cache() const
{
  return list() && container()->data ? static_cast<ListEntryCache*>(container()->data->entries) : nullptr;
}

Widget* ListView::duplicate() const
{
  return new ListView(*this);
}

Widget* ListView::clone() const
{
  pui::ListView* source = list();
  if (!source)
    return nullptr;
  auto* copy = dynamic_cast<pui::ListView*>(source->clone());
  copy->clearEntries(true);
  auto* handle = new ListView();
  handle->adopt(copy);
  if (!handle->container()->data)
    return handle;
  if (!handle->container()->data->entries)
    handle->container()->data->entries = new ListEntryCache();
  if (ListEntryCache* entries = cache()) {
    std::vector<ListEntry*> fresh = __IntEntryListCache::freshCopies(*entries);
    handle->setEntries(fresh);
    for (ListEntry* entry : fresh)
      delete entry;
  }
  return handle;
}

void ListView::update()
{
  pui::ListView* platform = list();
  ListEntryCache* entries = cache();
  if (!platform || !entries)
    return;
  const std::string id = platform->selectedId();
  platform->setEntries(__IntEntryListCache::records(*entries), false);
  Widget::update();
  platform->selectById(id);
}

void ListView::clearSelection()
{
  if (pui::ListView* platform = list())
    platform->clearSelection();
}

int32_t ListView::selectedIndex() const
{
  return list() ? list()->selectedIndex() : -1;
}

bool ListView::setSelectedIndex(int32_t index)
{
  return list() && list()->setSelectedIndex(index);
}

std::string ListView::selectedId() const
{
  return list() ? list()->selectedId() : std::string();
}

bool ListView::selectById(const std::string& id)
{
  return list() && list()->selectById(id);
}

std::string ListView::currentText() const
{
  return list() ? list()->currentText() : std::string();
}

bool ListView::selectByText(const std::string& text)
{
  return list() && list()->selectByText(text);
}

ListEntry* ListView::selectedEntry() const
{
  return __IntEntryListCache::selectedEntry(list(), cache());
}

bool ListView::selectedUserData(void*& out) const
{
  return __IntEntryListCache::selectedUserData(list(), cache(), out);
}

const ListEntryCache* ListView::entries() const
{
  return cache();
}

bool ListView::hasEntry(const std::string& id) const
{
  return list() && list()->hasEntry(id);
}

void ListView::setEntries(const std::vector<ListEntry*>& entries)
{
  __IntEntryListCache::setEntries(list(), cache(), entries);
}

bool ListView::addEntry(const ListEntry& entry)
{
  return __IntEntryListCache::addEntry(list(), cache(), entry);
}

bool ListView::removeLastEntry(ListEntry*& out)
{
  return __IntEntryListCache::removeLastEntry(list(), cache(), out, false);
}

bool ListView::insertEntryAfter(const std::string& existingId, const ListEntry& entry)
{
  return __IntEntryListCache::insertEntryAfter(list(), cache(), existingId, entry);
}

bool ListView::removeEntry(const std::string& id, ListEntry*& out)
{
  return __IntEntryListCache::removeEntry(list(), cache(), id, out, false);
}

void ListView::clearEntries()
{
  __IntEntryListCache::clearEntries(list(), cache());
}

void ListView::fireValueChanged()
{
  if (pui::ListView* platform = list())
    platform->fireValueChanged();
}

Callback* ListView::valueChangedCallback() const
{
  return list() ? clientCallback(list()->valueChangedCallback()) : nullptr;
}

void ListView::setValueChangedCallback(const Callback& callback)
{
  if (pui::ListView* platform = list())
    platform->setValueChangedCallback(platformCallback(&callback));
}

// Pop-up menu.

__IntPopupData::~__IntPopupData()
{
  __IntEntryListCache::clear(entries);
}

PopupMenu::PopupMenu() = default;

PopupMenu::PopupMenu(const Rect& frame)
{
  adopt(new pui::PopupMenu(qorcoreListView_detail::platformRect(frame)));
  if (container()->data)
    container()->data->entries = new __IntPopupData();
}

PopupMenu::PopupMenu(const PopupMenu& other) : Widget(other) {}

PopupMenu::~PopupMenu()
{
  qorcoreListView_detail::dropCacheOfLastHandle(container(), menu() != nullptr,
                                                [](void* data) { delete static_cast<__IntPopupData*>(data); });
}

PopupMenu& PopupMenu::operator=(const PopupMenu& other)
{
  shareContainer(other);
  return *this;
}

pui::PopupMenu* PopupMenu::menu() const
{
  return qorcoreListView_detail::uiGlobals() ? platformAs<pui::PopupMenu>() : nullptr;
}

ListEntryCache* PopupMenu::cache() const
{
  auto* data = menu() && container()->data ? static_cast<__IntPopupData*>(container()->data->entries) : nullptr;
  return data ? &data->entries : nullptr;
}

Widget* PopupMenu::duplicate() const
{
  return new PopupMenu(*this);
}

Widget* PopupMenu::clone() const
{
  pui::PopupMenu* source = menu();
  if (!source)
    return nullptr;
  auto* copy = dynamic_cast<pui::PopupMenu*>(source->clone());
  copy->clearEntries(true);
  auto* handle = new PopupMenu();
  handle->adopt(copy);
  if (!handle->container()->data)
    return handle;
  if (!handle->container()->data->entries)
    handle->container()->data->entries = new __IntPopupData();
  if (ListEntryCache* entries = cache()) {
    std::vector<ListEntry*> fresh = __IntEntryListCache::freshCopies(*entries);
    handle->setEntries(fresh);
    for (ListEntry* entry : fresh)
      delete entry;
  }
  return handle;
}

void PopupMenu::update()
{
  pui::PopupMenu* platform = menu();
  ListEntryCache* entries = cache();
  if (!platform || !entries)
    return;
  const std::string id = platform->selectedId();
  // The blank entry is the platform's own record; it goes with its deletion, not by being dropped.
  if (platform->hasEntry(pui::PopupMenu::blankEntryId))
    delete platform->removeEntry(pui::PopupMenu::blankEntryId);
  platform->setEntries(__IntEntryListCache::records(*entries), false);
  Widget::update();
  platform->selectById(id);
}

void PopupMenu::showBlankEntry()
{
  if (pui::PopupMenu* platform = menu())
    platform->showBlankEntry();
}

void PopupMenu::hideBlankEntry()
{
  if (pui::PopupMenu* platform = menu())
    platform->hideBlankEntry();
}

int32_t PopupMenu::selectedIndex() const
{
  return menu() ? menu()->selectedIndex() : -1;
}

bool PopupMenu::setSelectedIndex(int32_t index)
{
  return menu() && menu()->setSelectedIndex(index);
}

std::string PopupMenu::selectedId() const
{
  return menu() ? menu()->selectedId() : std::string();
}

bool PopupMenu::selectById(const std::string& id)
{
  return menu() && menu()->selectById(id);
}

std::string PopupMenu::currentText() const
{
  return menu() ? menu()->currentText() : std::string();
}

bool PopupMenu::selectByText(const std::string& text)
{
  return menu() && menu()->selectByText(text);
}

ListEntry* PopupMenu::selectedEntry() const
{
  return __IntEntryListCache::selectedEntry(menu(), cache());
}

bool PopupMenu::selectedUserData(void*& out) const
{
  return __IntEntryListCache::selectedUserData(menu(), cache(), out);
}

const ListEntryCache* PopupMenu::entries() const
{
  return cache();
}

void PopupMenu::setEntries(const std::vector<ListEntry*>& entries)
{
  pui::PopupMenu* platform = menu();
  if (platform && cache() && platform->hasEntry(pui::PopupMenu::blankEntryId))
    delete platform->removeEntry(pui::PopupMenu::blankEntryId);
  __IntEntryListCache::setEntries(platform, cache(), entries);
}

bool PopupMenu::hasEntry(const std::string& id) const
{
  return menu() && menu()->hasEntry(id);
}

bool PopupMenu::addEntry(const ListEntry& entry)
{
  return __IntEntryListCache::addEntry(menu(), cache(), entry);
}

bool PopupMenu::removeLastEntry(ListEntry*& out)
{
  return __IntEntryListCache::removeLastEntry(menu(), cache(), out, true);
}

bool PopupMenu::insertEntryAfter(const std::string& existingId, const ListEntry& entry)
{
  return __IntEntryListCache::insertEntryAfter(menu(), cache(), existingId, entry);
}

bool PopupMenu::removeEntry(const std::string& id, ListEntry*& out)
{
  return __IntEntryListCache::removeEntry(menu(), cache(), id, out, true);
}

void PopupMenu::clearEntries()
{
  pui::PopupMenu* platform = menu();
  if (platform && cache() && platform->hasEntry(pui::PopupMenu::blankEntryId))
    delete platform->removeEntry(pui::PopupMenu::blankEntryId);
  __IntEntryListCache::clearEntries(platform, cache());
}

void PopupMenu::fireValueChanged()
{
  if (pui::PopupMenu* platform = menu())
    platform->fireValueChanged();
}

Callback* PopupMenu::valueChangedCallback() const
{
  return menu() ? clientCallback(menu()->valueChangedCallback()) : nullptr;
}

void PopupMenu::setValueChangedCallback(const Callback& callback)
{
  if (pui::PopupMenu* platform = menu())
    platform->setValueChangedCallback(platformCallback(&callback));
}

}  // namespace core
}  // namespace qor

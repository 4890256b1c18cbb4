#include "core/qorcoreListEntry.h"

#include "core/qorcoreCoreGlobals.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiEntryData.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcoreListEntry_detail {
CoreGlobals* coreGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

uint32_t& counter()
{
  static uint32_t value = 0;
  return value;
}
}  // namespace qorcoreListEntry_detail


__IntListEntryData::~__IntListEntryData()
{
  delete record;
}

__IntListEntryContainer::__IntListEntryContainer() : id(++qorcoreListEntry_detail::counter()) {}

__IntListEntryContainer::~__IntListEntryContainer()
{
  delete data;
}

ListEntry::ListEntry() : container_(new __IntListEntryContainer()) {}

ListEntry::ListEntry(const std::string& id, const std::string& text, void* userData, bool enabled)
    : container_(new __IntListEntryContainer())
{
  CoreGlobals* globals = qorcoreListEntry_detail::coreGlobals();
  if (id.empty() || !globals)
    return;
  auto* record = new pui::EntryData<void*>(id, text, userData, true);
  record->setEnabled(enabled);
  container_->data = new __IntListEntryData(record);
  globals->listEntryRegistry.insert(container_->id, container_);
}

ListEntry::ListEntry(const ListEntry& other) : container_(other.container_)
{
  ++container_->refCount;
}

ListEntry::~ListEntry()
{
  release();
}

void ListEntry::release()
{
  if (!container_)
    return;
  CoreGlobals* globals = qorcoreListEntry_detail::coreGlobals();
  if (--container_->refCount <= 0) {
    if (globals)
      globals->listEntryRegistry.remove(container_->id);
    // Without the globals a container that holds a record is left to the layer, as the other handles do.
    if (globals || !container_->data)
      delete container_;
  }
  container_ = nullptr;
}

ListEntry& ListEntry::operator=(const ListEntry& other)
{
  if (&other == this || !qorcoreListEntry_detail::coreGlobals() || !container_ || !other.container_ || other.container_ == container_)
    return *this;
  __IntListEntryContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
  return *this;
}

pui::EntryData<void*>* ListEntry::record() const
{
  return container_ && container_->data && qorcoreListEntry_detail::coreGlobals() ? container_->data->record : nullptr;
}

bool ListEntry::isEmpty() const
{
  return !record();
}

std::string ListEntry::id() const
{
  return record() ? record()->id() : std::string();
}

void ListEntry::setId(const std::string& id)
{
  if (record())
    record()->setId(id);
}

std::string ListEntry::text() const
{
  return record() ? record()->text() : std::string();
}

void ListEntry::setText(const std::string& text)
{
  if (record())
    record()->setText(text);
}

bool ListEntry::isEnabled() const
{
  return record() && record()->enabled();
}

void ListEntry::setEnabled(bool enabled)
{
  if (record())
    record()->setEnabled(enabled);
}

void* ListEntry::userData() const
{
  return record() ? record()->userData() : nullptr;
}

void ListEntry::setUserData(void* data)
{
  if (record())
    record()->setUserData(data);
}

bool ListEntry::operator==(const ListEntry& other) const
{
  if (!container_ || !other.container_)
    return !container_ && !other.container_;
  const bool mine = container_->data != nullptr, theirs = other.container_->data != nullptr;
  if (!mine || !theirs)
    return !mine && !theirs;
  return container_->id == other.container_->id;
}

bool ListEntry::operator!=(const ListEntry& other) const
{
  return !(*this == other);
}

pui::EntryData<void*>* listEntryData(const ListEntry& entry)
{
  return dynamic_cast<pui::EntryData<void*>*>(static_cast<pui::BaseEntryData*>(entry.record()));
}

}  // namespace core
}  // namespace qor

#include "pui/qorpuiColumnEntriesWidget.h"

#include <set>

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace pui {

ColumnEntriesWidget::ColumnEntriesWidget(uint16_t columnCount)
    : names_(new ColumnNames()), entries_(new ColumnEntryVector())
{
  for (uint16_t i = 0; i < columnCount; ++i)
    names_->pushBack(std::string());
}

ColumnEntriesWidget::~ColumnEntriesWidget()
{
  names_->clear();
  delete names_;
  BasePlugin* plugin = BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  if (globals && globals->columnViewsOwnEntries) {
    for (BaseColumnEntryData*& entry : *entries_) {
      delete entry;
      entry = nullptr;
    }
  }
  entries_->clear();
  delete entries_;
}

void ColumnEntriesWidget::setColumnNames(const ColumnNames& names)
{
  names_->clear();
  for (const std::string& name : names)
    names_->pushBack(name);
}

int32_t ColumnEntriesWidget::positionOfId(const std::string& id) const
{
  int32_t position = 0;
  for (BaseColumnEntryData* entry : *entries_) {
    if (entry && entry->id() == id)
      return position;
    ++position;
  }
  return -1;
}

int32_t ColumnEntriesWidget::selectedIndex()
{
  return -1;
}

bool ColumnEntriesWidget::setSelectedIndex(int32_t index)
{
  if (index < 0 || static_cast<size_t>(index) >= entries_->size())
    return false;
  selectedIndex_ = index;
  return true;
}

std::string ColumnEntriesWidget::selectedId()
{
  const int32_t index = selectedIndex();
  if (index < 0 || static_cast<size_t>(index) >= entries_->size())
    return std::string();
  BaseColumnEntryData* entry = entries_->at(static_cast<size_t>(index));
  return entry ? entry->id() : std::string();
}

bool ColumnEntriesWidget::selectById(const std::string& id)
{
  const int32_t at = positionOfId(id);
  if (at < 0)
    return false;
  selectedIndex_ = -1;
  setSelectedIndex(at);
  return true;
}

bool ColumnEntriesWidget::hasHeader() const
{
  return header_;
}

uint16_t ColumnEntriesWidget::columnCount() const
{
  return static_cast<uint16_t>(names_->size());
}

ColumnNames* ColumnEntriesWidget::columnNames() const
{
  return header_ ? names_ : nullptr;
}

ColumnEntryVector* ColumnEntriesWidget::entries() const
{
  return entries_;
}

bool ColumnEntriesWidget::hasEntry(const std::string& id) const
{
  return positionOfId(id) >= 0;
}

void ColumnEntriesWidget::setEntries(const ColumnEntryVector& entries, bool deleteOld)
{
  replaceEntries(entries, deleteOld);
  redraw();
}

void ColumnEntriesWidget::addEntry(BaseColumnEntryData* entry)
{
  if (!entry)
    return;
  if (hasEntry(entry->id())) {
    delete entry;
    return;
  }
  entries_->pushBack(entry);
  redraw();
}

BaseColumnEntryData* ColumnEntriesWidget::removeLastEntry()
{
  if (entries_->isEmpty())
    return nullptr;
  BaseColumnEntryData* last = entries_->back();
  entries_->popBack();
  redraw();
  return last;
}

bool ColumnEntriesWidget::insertEntryAfter(BaseColumnEntryData* entry, const std::string& existingId)
{
  if (!entry)
    return false;
  const int32_t at = positionOfId(existingId);
  if (hasEntry(entry->id()) || at < 0) {
    delete entry;
    return false;
  }
  ColumnEntryVector::iterator out;
  entries_->insert(out, entries_->begin() + at + 1, entry);
  redraw();
  return true;
}

BaseColumnEntryData* ColumnEntriesWidget::removeEntry(const std::string& id)
{
  const int32_t at = positionOfId(id);
  if (entries_->isEmpty() || at < 0)
    return nullptr;
  BaseColumnEntryData* entry = entries_->at(static_cast<size_t>(at));
  entries_->removeAt(static_cast<size_t>(at));
  redraw();
  return entry;
}

void ColumnEntriesWidget::clearEntries(bool deleteOld)
{
  ColumnEntryVector empty;
  setEntries(empty, deleteOld);
}

void ColumnEntriesWidget::entriesChanged() {}

void ColumnEntriesWidget::replaceEntries(const ColumnEntryVector& entries, bool deleteOld)
{
  // The new list may be this very vector, or hold some of the old records again: copy it first and
  // delete only the records it does not keep.
  const ColumnEntryVector incoming(entries);
  if (deleteOld) {
    const std::set<BaseColumnEntryData*> kept(incoming.begin(), incoming.end());
    for (BaseColumnEntryData* entry : *entries_)
      if (entry && !kept.count(entry))
        delete entry;
  }
  entries_->clear();
  for (BaseColumnEntryData* entry : incoming)
    entries_->pushBack(entry);
}

void ColumnEntriesWidget::redraw()
{
  entriesChanged();
}

}  // namespace pui
}  // namespace qor

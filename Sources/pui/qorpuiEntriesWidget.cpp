#include "pui/qorpuiEntriesWidget.h"

#include <set>

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace pui {

EntriesWidget::EntriesWidget()
{
  reset();
}

EntriesWidget::~EntriesWidget()
{
  deleteEntries();
}

void EntriesWidget::reset()
{
  selectedIndex_ = -1;
  selectedId_.clear();
  selectedText_.clear();
  delete entries_;
  entries_ = new EntryVector();
}

void EntriesWidget::deleteEntries()
{
  BasePlugin* plugin = BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  if (globals && globals->entryListsOwnEntries) {
    for (BaseEntryData*& entry : *entries_) {
      delete entry;
      entry = nullptr;
    }
  }
  entries_->clear();
  delete entries_;
  entries_ = nullptr;
}

int32_t EntriesWidget::positionOfId(const std::string& id) const
{
  int32_t position = 0;
  for (BaseEntryData* entry : *entries_) {
    if (entry && entry->id() == id)
      return position;
    ++position;
  }
  return -1;
}

int32_t EntriesWidget::positionOfText(const std::string& text) const
{
  int32_t position = 0;
  for (BaseEntryData* entry : *entries_) {
    if (entry && entry->text() == text)
      return position;
    ++position;
  }
  return -1;
}

bool EntriesWidget::matchId(const std::string& id)
{
  if (positionOfId(id) < 0)
    return false;
  selectedId_ = id;
  return true;
}

bool EntriesWidget::matchText(const std::string& text)
{
  if (positionOfText(text) >= 0) {
    selectedText_ = text;
    return true;
  }
  // Only the combo box takes a text that none of its entries has.
  return kind() == ComboBoxWidgetKind;
}

int32_t EntriesWidget::selectedIndex()
{
  return -1;
}

bool EntriesWidget::setSelectedIndex(int32_t index)
{
  if (index < 0 || static_cast<size_t>(index) >= entries_->size())
    return false;
  selectedIndex_ = index;
  selectedText_.clear();
  selectedId_.clear();
  return true;
}

std::string EntriesWidget::selectedId()
{
  const int32_t index = selectedIndex();
  if (index < 0 || static_cast<size_t>(index) >= entries_->size())
    return std::string();
  BaseEntryData* entry = entries_->at(static_cast<size_t>(index));
  return entry ? entry->id() : std::string();
}

bool EntriesWidget::selectById(const std::string& id)
{
  if (!matchId(id))
    return false;
  selectedIndex_ = -1;
  selectedText_.clear();
  return setSelectedIndex(positionOfId(id));
}

std::string EntriesWidget::currentText()
{
  return text();
}

bool EntriesWidget::selectByText(const std::string& text)
{
  if (!matchText(text))
    return false;
  selectedIndex_ = -1;
  selectedId_.clear();
  return true;
}

EntryVector* EntriesWidget::entries() const
{
  return entries_;
}

bool EntriesWidget::hasEntry(const std::string& id) const
{
  return positionOfId(id) >= 0;
}

void EntriesWidget::setEntries(const EntryVector& entries, bool deleteOld)
{
  replaceEntries(entries, deleteOld);
  redraw();
}

void EntriesWidget::addEntry(BaseEntryData* entry)
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

BaseEntryData* EntriesWidget::removeLastEntry()
{
  if (entries_->isEmpty())
    return nullptr;
  BaseEntryData* last = entries_->back();
  entries_->popBack();
  redraw();
  return last;
}

bool EntriesWidget::insertEntryAfter(BaseEntryData* entry, const std::string& existingId)
{
  if (!entry)
    return false;
  const int32_t at = positionOfId(existingId);
  if (hasEntry(entry->id()) || at < 0) {
    delete entry;
    return false;
  }
  EntryVector::iterator out;
  entries_->insert(out, entries_->begin() + at + 1, entry);
  redraw();
  return true;
}

BaseEntryData* EntriesWidget::removeEntry(const std::string& id)
{
  if (entries_->isEmpty() || !hasEntry(id))
    return nullptr;
  const int32_t at = positionOfId(id);
  BaseEntryData* entry = entries_->at(static_cast<size_t>(at));
  entries_->removeAt(static_cast<size_t>(at));
  redraw();
  return entry;
}

void EntriesWidget::clearEntries(bool deleteOld)
{
  EntryVector empty;
  setEntries(empty, deleteOld);
}

void EntriesWidget::entriesChanged() {}

void EntriesWidget::replaceEntries(const EntryVector& entries, bool deleteOld)
{
  // The new list may be this very vector, or hold some of the old records again: copy it first and
  // delete only the records it does not keep.
  const EntryVector incoming(entries);
  if (deleteOld) {
    const std::set<BaseEntryData*> kept(incoming.begin(), incoming.end());
    for (BaseEntryData* entry : *entries_)
      if (entry && !kept.count(entry))
        delete entry;
  }
  entries_->clear();
  for (BaseEntryData* entry : incoming)
    entries_->pushBack(entry);
}

void EntriesWidget::redraw()
{
  entriesChanged();
}

}  // namespace pui
}  // namespace qor

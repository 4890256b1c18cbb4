#include "core/qorcoreEntryListCache.h"

#include <stdexcept>

#include "pui/qorpuiEntryData.h"

namespace qor {
namespace core {

void __IntEntryListCache::clear(ListEntryCache& cache)
{
  for (ListEntry* entry : cache)
    delete entry;
  cache.clear();
}

pui::EntryVector __IntEntryListCache::records(const std::vector<ListEntry*>& entries)
{
  pui::EntryVector out;
  for (ListEntry* entry : entries)
    if (entry)
      if (pui::EntryData<void*>* record = listEntryData(*entry))
        out.pushBack(record);
  return out;
}

ListEntry* __IntEntryListCache::selectedEntry(pui::EntriesWidget* platform, ListEntryCache* cache)
{
  if (!platform || !cache)
    return nullptr;
  const int32_t index = platform->selectedIndex();
  if (index < 0)
    return nullptr;
  try {
    ListEntry* cached = cache->at(static_cast<size_t>(index));
    return cached ? new ListEntry(*cached) : nullptr;
  } catch (const std::out_of_range&) {
    return nullptr;
  }
}

bool __IntEntryListCache::selectedUserData(pui::EntriesWidget* platform, ListEntryCache* cache, void*& out)
{
  ListEntry* entry = selectedEntry(platform, cache);
  const bool found = entry && !entry->isEmpty();
  if (found)
    out = entry->userData();
  delete entry;
  return found;
}

void __IntEntryListCache::setEntries(pui::EntriesWidget* platform, ListEntryCache* cache,
                                     const std::vector<ListEntry*>& entries)
{
  if (!platform || !cache)
    return;
  // The given list may be the cache itself: copy the handles before the cache is emptied.
  std::vector<ListEntry*> copies;
  for (ListEntry* entry : entries)
    if (entry)
      copies.push_back(new ListEntry(*entry));
  platform->setEntries(records(copies), false);
  clear(*cache);
  *cache = copies;
}

bool __IntEntryListCache::addEntry(pui::EntriesWidget* platform, ListEntryCache* cache, const ListEntry& entry)
{
  if (!platform || !cache)
    return false;
  pui::EntryData<void*>* record = listEntryData(entry);
  if (!record || platform->hasEntry(entry.id()))
    return false;
  cache->push_back(new ListEntry(entry));
  platform->addEntry(record);
  return true;
}

bool __IntEntryListCache::insertEntryAfter(pui::EntriesWidget* platform, ListEntryCache* cache,
                                           const std::string& existingId, const ListEntry& entry)
{
  if (!platform || !cache)
    return false;
  pui::EntryData<void*>* record = listEntryData(entry);
  if (!platform->hasEntry(existingId) || platform->hasEntry(entry.id()) || !record)
    return false;
  for (auto it = cache->begin(); it != cache->end(); ++it) {
    if (*it && (*it)->id() == existingId) {
      cache->insert(it + 1, new ListEntry(entry));
      return platform->insertEntryAfter(record, existingId);
    }
  }
  return false;
}

bool __IntEntryListCache::removeLastEntry(pui::EntriesWidget* platform, ListEntryCache* cache, ListEntry*& out,
                                          bool strict)
{
  if (!platform || !cache || cache->empty())
    return false;
  // The platform's last record must be the cached last entry's; a record only the platform holds (a
  // pop-up menu's blank entry) would otherwise stay shown after its entry is gone.
  ListEntry* last = cache->back();
  pui::EntryVector* shown = platform->entries();
  if (!shown->isEmpty() && last && static_cast<pui::BaseEntryData*>(listEntryData(*last)) != shown->back())
    return false;
  pui::BaseEntryData* record = platform->removeLastEntry();
  if (strict && !record)
    return false;
  if (last)
    out = last;
  cache->pop_back();
  return true;
}

bool __IntEntryListCache::removeEntry(pui::EntriesWidget* platform, ListEntryCache* cache, const std::string& id,
                                      ListEntry*& out, bool strict)
{
  if (!platform || !cache || cache->empty() || !platform->hasEntry(id))
    return false;
  auto cached = cache->begin();
  while (cached != cache->end() && !(*cached && (*cached)->id() == id))
    ++cached;
  pui::BaseEntryData* record = platform->removeEntry(id);
  if (strict && !record)
    return false;
  if (cached == cache->end()) {
    // No client entry owns a record that only the platform list held (the blank entry).
    delete record;
    return true;
  }
  out = *cached;
  cache->erase(cached);
  return true;
}

void __IntEntryListCache::clearEntries(pui::EntriesWidget* platform, ListEntryCache* cache)
{
  if (!platform || !cache)
    return;
  // The platform list lets go of the records before their entries may delete them.
  platform->clearEntries(false);
  clear(*cache);
}

std::vector<ListEntry*> __IntEntryListCache::freshCopies(const ListEntryCache& cache)
{
  std::vector<ListEntry*> fresh;
  for (ListEntry* entry : cache)
    if (entry)
      fresh.push_back(new ListEntry(entry->id(), entry->text(), nullptr, entry->isEnabled()));
  return fresh;
}

}  // namespace core
}  // namespace qor

// The entry cache the client list handles (list view, pop-up menu, combo box) keep beside their
// platform widget: copies of the entry handles the client gave, in the platform list's order, whose
// records the platform widget shows. The operations every such handle shares.
#pragma once

#include <string>
#include <vector>

#include "core/qorcoreListEntry.h"
#include "pui/qorpuiEntriesWidget.h"

namespace qor {
namespace core {

using ListEntryCache = std::vector<ListEntry*>;

class __IntEntryListCache
{
public:
  // Deletes every cached handle and empties the cache.
  static void clear(ListEntryCache& cache);
  // The records of the handles, in order (handles without one are skipped).
  static pui::EntryVector records(const std::vector<ListEntry*>& entries);

  static ListEntry* selectedEntry(pui::EntriesWidget* platform, ListEntryCache* cache);
  static bool selectedUserData(pui::EntriesWidget* platform, ListEntryCache* cache, void*& out);
  static void setEntries(pui::EntriesWidget* platform, ListEntryCache* cache, const std::vector<ListEntry*>& entries);
  static bool addEntry(pui::EntriesWidget* platform, ListEntryCache* cache, const ListEntry& entry);
  static bool insertEntryAfter(pui::EntriesWidget* platform, ListEntryCache* cache, const std::string& existingId,
                               const ListEntry& entry);
  // strict: refuse, changing nothing, when the platform hands back no record.
  static bool removeLastEntry(pui::EntriesWidget* platform, ListEntryCache* cache, ListEntry*& out, bool strict);
  static bool removeEntry(pui::EntriesWidget* platform, ListEntryCache* cache, const std::string& id, ListEntry*& out,
                          bool strict);
  static void clearEntries(pui::EntriesWidget* platform, ListEntryCache* cache);
  // The fresh entries a clone starts with: id, text and enabled flag of each cached handle.
  static std::vector<ListEntry*> freshCopies(const ListEntryCache& cache);
};

}  // namespace core
}  // namespace qor

// The entry cache the client list handles (list view, pop-up menu, combo box) keep beside their
// platform widget: copies of the entry handles the client gave, in the platform list's order, whose
// records the platform widget shows. The operations every such handle shares.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/qorcoreListEntry.h"
#include "core/qorcoreWidget.h"
#include "pui/qorpuiEntriesWidget.h"

struct UiGlobals;

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
  // Gives a clone fresh entries (id, text and enabled flag of each cached handle of the source)
  // through its setEntries; nothing without a source cache.
  static void cloneEntries(const ListEntryCache* source, const std::function<void(const std::vector<ListEntry*>&)>& set);

  // The plug-in's UI globals while the framework's globals exist; null otherwise.
  static UiGlobals* uiGlobals();
  // Deletes the cache (through drop) of the last handle of a list widget while the platform widget,
  // whose records the cached entries own, is told not to delete them.
  static void dropCacheOfLastHandle(__IntWidgetContainer* container, bool hasPlatform,
                                    const std::function<void(void*)>& drop = deleteCache);
  static void deleteCache(void* cache);
};

}  // namespace core
}  // namespace qor

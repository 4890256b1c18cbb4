// The client handle of a panel's flyout menu: a pop-up menu's entries behind a shared widget container,
// handed to a panel with Panel::setFlyout. Until then check marks are remembered; from then on marks,
// callbacks and updates reach the panel's host menu. Copies share the entries and the marks.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "core/qorcoreEntryListCache.h"
#include "core/qorcoreListEntry.h"
#include "core/qorcoreListView.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Panel;
class PopupMenu;
}  // namespace pui
namespace core {

class Panel;

// The flyout's private record: the cached entries laid out as the pop-up menu's, the panel that took
// the flyout, and the marks set before it did.
class __IntFlyoutData : public __IntPopupData
{
public:
  // The handle object setFlyout was called on; only handed back by panel(), never used.
  Panel* owner = nullptr;
  // The window container of that panel, looked up whenever the panel is needed.
  uint32_t ownerWindowId = 0;
  std::map<std::string, bool> pendingMarks;
};

class Flyout
{
public:
  // A new flyout with no entries (with the plug-in's globals; an empty handle otherwise).
  Flyout();
  // Shares the other's container.
  Flyout(const Flyout& other);
  virtual ~Flyout();

  virtual Flyout& operator=(const Flyout& other);
  virtual int32_t selectedIndex() const;
  virtual std::string selectedId() const;
  virtual std::string currentText() const;
  // A new handle owned by the caller, or null.
  virtual ListEntry* selectedEntry() const;
  virtual bool selectedUserData(void*& out) const;
  virtual const ListEntryCache* entries() const;
  virtual void setEntries(const std::vector<ListEntry*>& entries);
  virtual bool hasEntry(const std::string& id) const;
  virtual bool addEntry(const ListEntry& entry);
  virtual bool removeLastEntry(ListEntry*& out);
  virtual bool insertEntryAfter(const std::string& existingId, const ListEntry& entry);
  virtual bool removeEntry(const std::string& id, ListEntry*& out);
  virtual void clearEntries();
  // The panel handle that took the flyout, null before.
  virtual Panel* panel() const;
  virtual void fireValueChanged();
  virtual Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(const Callback& callback);
  virtual Callback* preOpenCallback() const;
  virtual void setPreOpenCallback(const Callback& callback);
  virtual bool itemCheckedByName(const std::string& id) const;
  virtual bool itemChecked(int32_t index) const;
  virtual bool setItemCheckedByName(const std::string& id, bool checked);
  virtual bool setItemChecked(int32_t index, bool checked);
  virtual void update();

  // For the panel handle.
  __IntWidgetContainer* container() const { return container_; }
  pui::PopupMenu* menu() const;
  __IntFlyoutData* record() const;
  // Makes the panel (the handle object and its window container) the flyout's owner.
  void attach(Panel* owner, uint32_t windowId);

private:
  void release();
  ListEntryCache* cache() const;
  pui::Panel* ownerPanel() const;

  __IntWidgetContainer* container_;
};

}  // namespace core
}  // namespace qor

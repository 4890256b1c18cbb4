// The client handles of the list view (widget type 110) and the pop-up menu (type 120): they forward
// to their platform widget and keep the client's entry handles beside it, so the entries can be read
// back as handles. Working handles come from the frame constructor, clone or duplicate; a handle made
// around an existing platform widget has no entry cache and refuses the entry operations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "core/qorcoreEntryListCache.h"
#include "core/qorcoreListEntry.h"
#include "core/qorcoreRect.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class ListView;
class PopupMenu;
}  // namespace pui
namespace core {

class ListView : public Widget
{
public:
  // An empty handle.
  ListView();
  // A new list view of this frame with no entries.
  explicit ListView(const Rect& frame);
  ListView(const ListView& other);
  ~ListView() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  void update() override;
  ListView& operator=(const ListView& other);

  virtual void clearSelection();
  virtual int32_t selectedIndex() const;
  virtual bool setSelectedIndex(int32_t index);
  virtual std::string selectedId() const;
  virtual bool selectById(const std::string& id);
  virtual std::string currentText() const;
  virtual bool selectByText(const std::string& text);
  // A new handle owned by the caller, or null.
  virtual ListEntry* selectedEntry() const;
  virtual bool selectedUserData(void*& out) const;
  virtual const ListEntryCache* entries() const;
  virtual bool hasEntry(const std::string& id) const;
  virtual void setEntries(const std::vector<ListEntry*>& entries);
  virtual bool addEntry(const ListEntry& entry);
  // The removed handle goes to out, which the caller then owns.
  virtual bool removeLastEntry(ListEntry*& out);
  virtual bool insertEntryAfter(const std::string& existingId, const ListEntry& entry);
  virtual bool removeEntry(const std::string& id, ListEntry*& out);
  virtual void clearEntries();
  virtual void fireValueChanged();
  virtual Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(const Callback& callback);

private:
  pui::ListView* list() const;
  ListEntryCache* cache() const;
};

// The private record of a pop-up menu's entry cache.
class __IntPopupData
{
public:
  __IntPopupData() = default;
  __IntPopupData(const __IntPopupData&) = delete;
  __IntPopupData& operator=(const __IntPopupData&) = delete;
  virtual ~__IntPopupData();

  ListEntryCache entries;
};

class PopupMenu : public Widget
{
public:
  PopupMenu();
  explicit PopupMenu(const Rect& frame);
  PopupMenu(const PopupMenu& other);
  ~PopupMenu() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  void update() override;
  PopupMenu& operator=(const PopupMenu& other);

  virtual void showBlankEntry();
  virtual void hideBlankEntry();
  virtual int32_t selectedIndex() const;
  virtual bool setSelectedIndex(int32_t index);
  virtual std::string selectedId() const;
  virtual bool selectById(const std::string& id);
  virtual std::string currentText() const;
  virtual bool selectByText(const std::string& text);
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
  virtual void fireValueChanged();
  virtual Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(const Callback& callback);

  // For the flyout handle: the platform menu behind this handle.
  pui::PopupMenu* menu() const;

private:
  ListEntryCache* cache() const;
};

}  // namespace core
}  // namespace qor

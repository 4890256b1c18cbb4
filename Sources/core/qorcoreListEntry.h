// The client handle of one entry of a list view, pop-up menu, combo box or flyout: a shared,
// reference-counted container that owns the platform record the widget shows. Copies share the
// record; the last one deletes it. An entry made with an empty id, or without the plug-in's globals,
// is empty and every operation on it does nothing.
#pragma once

#include <cstdint>
#include <string>

namespace qor {
namespace pui {
template <class UserData> class EntryData;
}
namespace core {

class __IntListEntryData
{
public:
  explicit __IntListEntryData(pui::EntryData<void*>* record) : record(record) {}
  __IntListEntryData(const __IntListEntryData&) = delete;
  __IntListEntryData& operator=(const __IntListEntryData&) = delete;
  virtual ~__IntListEntryData();

  pui::EntryData<void*>* record;
};

class __IntListEntryContainer
{
public:
  __IntListEntryContainer();
  __IntListEntryContainer(const __IntListEntryContainer&) = delete;
  __IntListEntryContainer& operator=(const __IntListEntryContainer&) = delete;
  ~__IntListEntryContainer();

  const uint32_t id;
  int32_t refCount = 1;
  __IntListEntryData* data = nullptr;
};

class ListEntry
{
public:
  // An empty entry, to receive one (removeLastEntry, removeEntry).
  ListEntry();
  ListEntry(const std::string& id, const std::string& text, void* userData = nullptr, bool enabled = true);
  ListEntry(const ListEntry& other);
  virtual ~ListEntry();

  virtual ListEntry& operator=(const ListEntry& other);
  virtual bool isEmpty() const;
  virtual std::string id() const;
  virtual void setId(const std::string& id);
  virtual std::string text() const;
  virtual void setText(const std::string& text);
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual void* userData() const;
  virtual void setUserData(void* data);
  virtual bool operator==(const ListEntry& other) const;
  virtual bool operator!=(const ListEntry& other) const;

  // For the framework: the record behind the entry, null when empty.
  pui::EntryData<void*>* record() const;
  __IntListEntryContainer* container() const { return container_; }

private:
  void release();
  __IntListEntryContainer* container_;
};

// The platform record behind a list entry, null when it has none.
pui::EntryData<void*>* listEntryData(const ListEntry& entry);

}  // namespace core
}  // namespace qor

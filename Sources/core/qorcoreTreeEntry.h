// The client handle of one tree-view entry: a shared, reference-counted container that owns the
// platform record and the handles of the entry's children. The tree view handle builds the record
// tree from these children when it hands the entries to its platform view.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/qorcoreEntryValue.h"

namespace qor {
namespace pui {
template <class UserData> class TreeEntryData;
}
namespace core {

class TreeEntry;

class __IntTreeEntryData
{
public:
  explicit __IntTreeEntryData(pui::TreeEntryData<void*>* record) : record(record) {}
  __IntTreeEntryData(const __IntTreeEntryData&) = delete;
  __IntTreeEntryData& operator=(const __IntTreeEntryData&) = delete;
  // Deletes the child handles, then the record without the child records (their entries own them).
  virtual ~__IntTreeEntryData();

  pui::TreeEntryData<void*>* record;
  std::vector<TreeEntry*> children;
};

class __IntTreeEntryContainer
{
public:
  __IntTreeEntryContainer();
  __IntTreeEntryContainer(const __IntTreeEntryContainer&) = delete;
  __IntTreeEntryContainer& operator=(const __IntTreeEntryContainer&) = delete;
  ~__IntTreeEntryContainer();

  const uint32_t id;
  int32_t refCount = 1;
  __IntTreeEntryData* data = nullptr;
};

class TreeEntry
{
public:
  // An empty entry, to receive one (popChild).
  TreeEntry();
  TreeEntry(const std::string& id, const EntryValue& value, void* userData = nullptr, bool enabled = true,
            bool expanded = false);
  TreeEntry(const TreeEntry& other);
  virtual ~TreeEntry();

  virtual TreeEntry& operator=(const TreeEntry& other);
  virtual bool isEmpty() const;
  virtual std::string id() const;
  virtual void setId(const std::string& id);
  virtual EntryValue value() const;
  // Writes the part of the record of the value's type only.
  virtual void setValue(const EntryValue& value);
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual bool isExpanded() const;
  virtual void setExpanded(bool expanded);
  virtual void* userData() const;
  virtual void setUserData(void* data);
  virtual int32_t childCount() const;
  // A new handle the caller owns, or null.
  virtual TreeEntry* childAt(int32_t index) const;
  virtual bool pushChild(const TreeEntry& child);
  // The last child goes to out.
  virtual bool popChild(TreeEntry& out);
  virtual bool operator==(const TreeEntry& other) const;
  virtual bool operator!=(const TreeEntry& other) const;

  pui::TreeEntryData<void*>* record() const;

private:
  void release();
  __IntTreeEntryContainer* container_;
};

// The platform record behind a tree entry, null when it has none.
pui::TreeEntryData<void*>* treeEntryData(const TreeEntry& entry);

}  // namespace core
}  // namespace qor

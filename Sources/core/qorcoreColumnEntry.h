// The client handles of one column-view row and one tree-column-view node: shared, reference-counted
// containers that own the platform record; each cell is an EntryValue (text, image ids or SVG ids).
// Tree-column entries also hold the handles of their children.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/qorcoreEntryValue.h"

namespace qor {
namespace pui {
class ColumnEntryData;
class TreeColumnEntryData;
}  // namespace pui
namespace core {

using EntryValues = std::vector<EntryValue>;
using UserDataList = std::vector<void*>;
class TreeColumnEntry;

class __IntColumnEntryData
{
public:
  explicit __IntColumnEntryData(pui::ColumnEntryData* record) : record(record) {}
  __IntColumnEntryData(const __IntColumnEntryData&) = delete;
  __IntColumnEntryData& operator=(const __IntColumnEntryData&) = delete;
  virtual ~__IntColumnEntryData();
  pui::ColumnEntryData* record;
};

class __IntColumnEntryContainer
{
public:
  __IntColumnEntryContainer();
  __IntColumnEntryContainer(const __IntColumnEntryContainer&) = delete;
  __IntColumnEntryContainer& operator=(const __IntColumnEntryContainer&) = delete;
  ~__IntColumnEntryContainer();
  const uint32_t id;
  int32_t refCount = 1;
  __IntColumnEntryData* data = nullptr;
};

class __IntTreeColumnEntryData
{
public:
  explicit __IntTreeColumnEntryData(pui::TreeColumnEntryData* record) : record(record) {}
  __IntTreeColumnEntryData(const __IntTreeColumnEntryData&) = delete;
  __IntTreeColumnEntryData& operator=(const __IntTreeColumnEntryData&) = delete;
  // Deletes the child handles, then the record without the child records.
  virtual ~__IntTreeColumnEntryData();
  pui::TreeColumnEntryData* record;
  std::vector<TreeColumnEntry*> children;
};

class __IntTreeColumnEntryContainer
{
public:
  __IntTreeColumnEntryContainer();
  __IntTreeColumnEntryContainer(const __IntTreeColumnEntryContainer&) = delete;
  __IntTreeColumnEntryContainer& operator=(const __IntTreeColumnEntryContainer&) = delete;
  ~__IntTreeColumnEntryContainer();
  const uint32_t id;
  int32_t refCount = 1;
  __IntTreeColumnEntryData* data = nullptr;
};

class ColumnEntry
{
public:
  ColumnEntry();
  ColumnEntry(const std::string& id, const EntryValues& values, const UserDataList& userData = UserDataList(),
              bool enabled = true);
  ColumnEntry(const ColumnEntry& other);
  virtual ~ColumnEntry();

  virtual ColumnEntry& operator=(const ColumnEntry& other);
  virtual bool isEmpty() const;
  virtual std::string id() const;
  virtual void setId(const std::string& id);
  virtual EntryValues values() const;
  virtual void setValues(const EntryValues& values);
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual UserDataList userData() const;
  virtual void setUserData(const UserDataList& data);
  virtual bool operator==(const ColumnEntry& other) const;
  virtual bool operator!=(const ColumnEntry& other) const;

  pui::ColumnEntryData* record() const;

private:
  void release();
  __IntColumnEntryContainer* container_;
};

class TreeColumnEntry
{
public:
  TreeColumnEntry();
  TreeColumnEntry(const std::string& id, const EntryValues& values, const UserDataList& userData = UserDataList(),
                  bool enabled = true, bool expanded = false);
  TreeColumnEntry(const TreeColumnEntry& other);
  virtual ~TreeColumnEntry();

  virtual TreeColumnEntry& operator=(const TreeColumnEntry& other);
  virtual bool isEmpty() const;
  virtual std::string id() const;
  virtual void setId(const std::string& id);
  virtual EntryValues values() const;
  virtual void setValues(const EntryValues& values);
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual bool isExpanded() const;
  virtual void setExpanded(bool expanded);
  virtual UserDataList userData() const;
  virtual void setUserData(const UserDataList& data);
  virtual int32_t childCount() const;
  virtual TreeColumnEntry* childAt(int32_t index) const;
  virtual bool pushChild(const TreeColumnEntry& child);
  virtual bool popChild(TreeColumnEntry& out);
  virtual bool operator==(const TreeColumnEntry& other) const;
  virtual bool operator!=(const TreeColumnEntry& other) const;

  pui::TreeColumnEntryData* record() const;

private:
  void release();
  __IntTreeColumnEntryContainer* container_;
};

// The platform record behind a column entry, null when it has none.
pui::ColumnEntryData* columnEntryData(const ColumnEntry& entry);

}  // namespace core
}  // namespace qor

// The model half of the tree view: the top-level entry records (each owning its children), the
// selection as an index path, and the conversions between index, id and text paths.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pui/qorpuiTreeEntryData.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

using IndexPath = std::vector<int32_t>;
using StringPath = std::vector<std::string>;

class HierarchicalEntriesWidget : public virtual Widget
{
public:
  HierarchicalEntriesWidget();
  ~HierarchicalEntriesWidget() override;

  virtual IndexPath selectedIndexPath();
  virtual bool setSelectedIndexPath(const IndexPath& path);
  virtual StringPath selectedIdPath();
  virtual bool selectByIdPath(const StringPath& idPath);
  virtual StringPath selectedTextPath();
  virtual bool selectByTextPath(const StringPath& textPath);
  virtual TreeEntryVector* entries() const;
  virtual bool hasEntry(const StringPath& idPath) const;
  virtual void setEntries(const TreeEntryVector& records, bool deleteOld);
  virtual void clearEntries(bool deleteOld);
  virtual void reparentEntries();
  virtual void setParentRecursively(BaseTreeEntryData* parent, BaseTreeEntryData* record);
  // With deleteOld, deletes the old records the new list does not hold again (with their children).
  virtual void replaceEntries(const TreeEntryVector& records, bool deleteOld);

  bool isValidIndexPath(const IndexPath& path) const;
  // The record an index path leads to, or null.
  BaseTreeEntryData* recordAt(const IndexPath& path) const;
  // The index path of a record from its parent links, top level first; empty when it is not in the tree.
  IndexPath pathOf(const BaseTreeEntryData* record) const;

protected:
  const IndexPath& storedPath() const { return selection_; }
  void setStoredPath(const IndexPath& path) { selection_ = path; }
  void clearStoredPath() { selection_.clear(); }

private:
  // The path of the first match at each level (no backtracking); empty when one level finds none.
  IndexPath findPath(const StringPath& path, bool byText) const;

  TreeEntryVector* entries_;
  IndexPath selection_;
};

}  // namespace pui
}  // namespace qor

// The model half of the column view: rows of column-entry records, one name per column, whether the
// header shows and the selected row. Each change of the rows redraws the widget, which the column
// view turns into a rebuild of its native list.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiColumnEntryData.h"
#include "pui/qorpuiWidget.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace pui {

using ColumnEntryVector = utils::Vector<BaseColumnEntryData*>;
using ColumnNames = utils::Vector<std::string>;

class ColumnEntriesWidget : public virtual Widget
{
public:
  explicit ColumnEntriesWidget(uint16_t columnCount);
  ~ColumnEntriesWidget() override;

  virtual int32_t selectedIndex();
  virtual bool setSelectedIndex(int32_t index);
  virtual std::string selectedId();
  virtual bool selectById(const std::string& id);
  virtual bool hasHeader() const;
  virtual uint16_t columnCount() const;
  // The names while the header shows; null otherwise.
  virtual ColumnNames* columnNames() const;
  // The live vector, not a copy.
  virtual ColumnEntryVector* entries() const;
  virtual bool hasEntry(const std::string& id) const;
  virtual void setEntries(const ColumnEntryVector& entries, bool deleteOld);
  // Takes the record; a record whose id is present is deleted.
  virtual void addEntry(BaseColumnEntryData* entry);
  // The caller owns the record handed back.
  virtual BaseColumnEntryData* removeLastEntry();
  virtual bool insertEntryAfter(BaseColumnEntryData* entry, const std::string& existingId);
  virtual BaseColumnEntryData* removeEntry(const std::string& id);
  virtual void clearEntries(bool deleteOld);
  virtual void entriesChanged();
  // With deleteOld, deletes the old records the new list does not hold again. No redraw.
  virtual void replaceEntries(const ColumnEntryVector& entries, bool deleteOld);

  void redraw() override;

  // For the constructors of the view: the header flag and the names.
  void setHasHeader(bool shown) { header_ = shown; }
  void setColumnNames(const ColumnNames& names);

protected:
  int32_t positionOfId(const std::string& id) const;
  int32_t storedIndex() const { return selectedIndex_; }
  void setStoredIndex(int32_t index) { selectedIndex_ = index; }
  ColumnNames* names() const { return names_; }

private:
  bool header_ = false;
  ColumnNames* names_;
  ColumnEntryVector* entries_;
  int32_t selectedIndex_ = -1;
};

}  // namespace pui
}  // namespace qor

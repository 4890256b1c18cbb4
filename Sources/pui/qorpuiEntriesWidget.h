// The model half of the single-column entry-list widgets (list view, pop-up menu, combo box): an
// ordered list of entry records, a remembered selection and the edits of the list. Each change of the
// list redraws the widget, which reloads its native control's items.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEntryData.h"
#include "pui/qorpuiWidget.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace pui {

using EntryVector = utils::Vector<BaseEntryData*>;

class EntriesWidget : public virtual Widget
{
public:
  EntriesWidget();
  ~EntriesWidget() override;

  virtual int32_t selectedIndex();
  virtual bool setSelectedIndex(int32_t index);
  virtual std::string selectedId();
  virtual bool selectById(const std::string& id);
  virtual std::string currentText();
  virtual bool selectByText(const std::string& text);
  // The live vector, not a copy.
  virtual EntryVector* entries() const;
  virtual bool hasEntry(const std::string& id) const;
  virtual void setEntries(const EntryVector& entries, bool deleteOld);
  // Takes the record; a record whose id is present is deleted.
  virtual void addEntry(BaseEntryData* entry);
  // The caller owns the record handed back.
  virtual BaseEntryData* removeLastEntry();
  virtual bool insertEntryAfter(BaseEntryData* entry, const std::string& existingId);
  virtual BaseEntryData* removeEntry(const std::string& id);
  virtual void clearEntries(bool deleteOld);
  virtual void entriesChanged();
  // With deleteOld, deletes the old records that the new list does not hold again. No redraw.
  virtual void replaceEntries(const EntryVector& entries, bool deleteOld);

  void redraw() override;

protected:
  void reset();
  bool matchId(const std::string& id);
  bool matchText(const std::string& text);
  void deleteEntries();
  // The position of the first present record with this id (or text), counting empty slots; -1 for none.
  int32_t positionOfId(const std::string& id) const;
  int32_t positionOfText(const std::string& text) const;
  // The stored selection, for the derived widgets.
  int32_t storedIndex() const { return selectedIndex_; }
  void setStoredIndex(int32_t index) { selectedIndex_ = index; }
  const std::string& storedId() const { return selectedId_; }
  void setStoredId(const std::string& id) { selectedId_ = id; }
  const std::string& storedText() const { return selectedText_; }
  void setStoredText(const std::string& text) { selectedText_ = text; }

private:
  EntryVector* entries_ = nullptr;
  int32_t selectedIndex_ = -1;
  std::string selectedId_;
  std::string selectedText_;
};

}  // namespace pui
}  // namespace qor

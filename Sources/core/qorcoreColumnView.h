// The client handle of a column view (widget type 40): it forwards to its platform column view and
// keeps the client's column entries beside it, so the rows can be read back as entry handles. Working
// handles come from the frame constructor, clone or duplicate; a handle made around an existing
// platform widget has no entry cache and refuses the entry operations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "core/qorcoreColumnEntry.h"
#include "core/qorcoreRect.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class ColumnView;
}  // namespace pui
namespace core {

using ColumnEntryCache = std::vector<ColumnEntry*>;

class ColumnView : public Widget
{
public:
  // An empty handle.
  ColumnView();
  // A new column view of this frame with one column per name; widths in points (missing ones are
  // sized to the texts).
  ColumnView(const Rect& frame, const std::vector<std::string>& columnNames, bool header,
             const std::vector<double>& widths = std::vector<double>());
  ColumnView(const ColumnView& other);
  ~ColumnView() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  std::string text() const override;
  void update() override;
  ColumnView& operator=(const ColumnView& other);

  virtual void clearSelection();
  virtual int32_t selectedIndex() const;
  virtual bool setSelectedIndex(int32_t index);
  virtual std::string selectedId() const;
  virtual bool selectById(const std::string& id);
  // A new handle owned by the caller, or null.
  virtual ColumnEntry* selectedEntry() const;
  virtual const ColumnEntryCache* entries() const;
  virtual bool hasEntry(const std::string& id) const;
  virtual void setEntries(const std::vector<ColumnEntry*>& entries);
  virtual void clearEntries();
  virtual bool hasHeader() const;
  virtual uint16_t columnCount() const;
  virtual std::vector<std::string> columnNames() const;
  virtual std::vector<double> columnWidths() const;
  virtual void setColumnWidths(const std::vector<double>& widths);
  virtual bool columnsLocked() const;
  virtual void setColumnsLocked(bool locked);
  virtual void fireValueChanged();
  virtual Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(const Callback& callback);
  virtual Callback* cellClickCallback() const;
  virtual void setCellClickCallback(const Callback& callback);
  // Meaningful while the cell-click callback runs: a new handle owned by the caller, or null.
  virtual ColumnEntry* clickedEntry() const;
  virtual int32_t clickedColumn() const;

private:
  pui::ColumnView* view() const;
  ColumnEntryCache* cache() const;
};

}  // namespace core
}  // namespace qor

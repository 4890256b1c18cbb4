// A multi-column list of rows in a native list view in report mode: one text or image per cell,
// an optional header of column names, stored column widths, a lock that keeps the user from resizing
// the columns, and a callback for a click inside a cell. A row the user selects fires value-changed;
// selections made by the program do not.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pui/qorpuiColumnEntriesWidget.h"
#include "pui/qorpuiEventWidgets.h"
#include "win/AfxCmn.h"

namespace qor {
namespace pui {

class ColumnView : public ColumnEntriesWidget, public ValueChangedWidget, public CustomEventsWidget, public virtual Widget
{
public:
  // A view of the frame with one column per name; widths in points, missing ones sized to the texts.
  ColumnView(const aip::Rect& frame, const std::vector<std::string>& names, bool header,
             const std::vector<double>& widths = std::vector<double>());
  ~ColumnView() override;

  virtual std::vector<double> columnWidths();
  virtual void setColumnWidths(const std::vector<double>& widths);
  virtual bool columnsLocked() const;
  virtual void setColumnsLocked(bool locked);
  virtual void clearSelection();
  virtual utils::Callback* cellClickCallback() const;
  virtual void setCellClickCallback(utils::Callback* callback);
  virtual BaseColumnEntryData* clickedEntry() const;
  virtual int32_t clickedColumn() const;

  int32_t selectedIndex() override;
  bool setSelectedIndex(int32_t index) override;
  bool selectById(const std::string& id) override;

  std::string text() override;
  Widget* clone() const override;
  void redraw() override;
  void update() override;
  void createControl(Window* window) override;

  // The list background for the widget's window (also the unselected rows').
  COLORREF listBackground() const;
  // For the control: runs the cell-click callback for the record and column.
  void cellClicked(BaseColumnEntryData* record, int32_t column);

protected:
  ColumnView(const ColumnView& other);

private:
  bool onControlThread() const;
  void insertRows(CListCtrl* list);
  double naturalWidth(uint16_t column) const;

  bool locked_ = false;
  EventSlot cellClick_;
  BaseColumnEntryData* clickedEntry_ = nullptr;
  int32_t clickedColumn_ = -1;
  std::vector<double> widths_;
  uint32_t controlThread_ = 0;
};

}  // namespace pui
}  // namespace qor

#include "pui/qorpuiColumnView.h"

#include <algorithm>
#include <cmath>

#include "aip/qoraipHostStrings.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiEntryListDrawing.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWinMfcColumnView.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

namespace qorpuiColumnView_detail {
UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

int pixels(double points, double scale)
{
  return static_cast<int>(geo::roundToInt(std::fabs(points * scale)));
}
}  // namespace qorpuiColumnView_detail

ColumnView::ColumnView(const aip::Rect& frame, const std::vector<std::string>& names, bool header,
                       const std::vector<double>& widths)
    : Widget(ColumnViewWidgetKind, frame, std::string()),
      ColumnEntriesWidget(static_cast<uint16_t>(names.size())),
      CustomEventsWidget(ColumnViewWidgetKind),
      widths_(widths)
{
  ColumnNames given;
  for (const std::string& name : names)
    given.pushBack(name);
  setColumnNames(given);
  setHasHeader(header);
}

ColumnView::ColumnView(const ColumnView& other)
    : Widget(ColumnViewWidgetKind, other.unadjustedFrame(), std::string()),
      ColumnEntriesWidget(other.columnCount()),
      ValueChangedWidget(),
      CustomEventsWidget(ColumnViewWidgetKind),
      widths_(other.widths_)
{
  setColumnNames(*other.names());
  setHasHeader(other.hasHeader());
  setInset(other.inset());
  ColumnEntryVector clones;
  for (BaseColumnEntryData* entry : *other.entries())
    if (entry)
      clones.pushBack(entry->clone());
  replaceEntries(clones, true);
  entriesChanged();
  setSelectedIndex(const_cast<ColumnView&>(other).selectedIndex());
}

ColumnView::~ColumnView() = default;

Widget* ColumnView::clone() const
{
  return new ColumnView(*this);
}

bool ColumnView::onControlThread() const
{
  return ::GetCurrentThreadId() == controlThread_;
}

std::string ColumnView::text()
{
  return std::string();
}

COLORREF ColumnView::listBackground() const
{
  return entryListBackground(window());
}

int32_t ColumnView::selectedIndex()
{
  if (hasControl() && onControlThread())
    return static_cast<int32_t>(static_cast<CListCtrl*>(control())->GetNextItem(-1, LVNI_SELECTED));
  return storedIndex();
}

bool ColumnView::setSelectedIndex(int32_t index)
{
  // A refused index keeps the old selection.
  if (index < 0 || static_cast<size_t>(index) >= entries()->size())
    return false;
  clearSelection();
  if (!ColumnEntriesWidget::setSelectedIndex(index))
    return false;
  if (!hasControl())
    return true;
  UiGlobals* globals = qorpuiColumnView_detail::uiGlobals();
  if (!globals)
    return false;
  ProgrammaticChange quiet(globals);
  static_cast<CListCtrl*>(control())->SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  return true;
}

bool ColumnView::selectById(const std::string& id)
{
  clearSelection();
  return ColumnEntriesWidget::selectById(id);
}

void ColumnView::clearSelection()
{
  setStoredIndex(-1);
  UiGlobals* globals = qorpuiColumnView_detail::uiGlobals();
  if (!globals || !hasControl())
    return;
  ProgrammaticChange quiet(globals);
  auto* list = static_cast<CListCtrl*>(control());
  const int count = static_cast<int>(entries()->size());
  for (int i = 0; i < count; ++i)
    list->SetItemState(i, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

bool ColumnView::columnsLocked() const
{
  return locked_;
}

void ColumnView::setColumnsLocked(bool locked)
{
  locked_ = locked;
}

utils::Callback* ColumnView::cellClickCallback() const
{
  return cellClick_.callback();
}

void ColumnView::setCellClickCallback(utils::Callback* callback)
{
  cellClick_.set(callback);
}

BaseColumnEntryData* ColumnView::clickedEntry() const
{
  return clickedEntry_;
}

int32_t ColumnView::clickedColumn() const
{
  return clickedColumn_;
}

void ColumnView::cellClicked(BaseColumnEntryData* record, int32_t column)
{
  clickedEntry_ = record;
  clickedColumn_ = column;
  if (cellClick_.callback())
    cellClick_.fire(this, &UiGlobals::cellClickWidget, false);
  clickedEntry_ = nullptr;
  clickedColumn_ = -1;
}

std::vector<double> ColumnView::columnWidths()
{
  auto* list = hasControl() ? static_cast<WinMfcColumnView*>(control()) : nullptr;
  CHeaderCtrl* header = list ? list->headerControl() : nullptr;
  if (!list || !window() || !header)
    return widths_;
  const double s = uiScale(window());
  std::vector<double> widths;
  const int count = header->GetItemCount();
  for (int i = 0; i < count; ++i) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    widths.push_back(header->GetItem(i, &item) ? item.cxy / s : 0.0);
  }
  return widths;
}

void ColumnView::setColumnWidths(const std::vector<double>& widths)
{
  widths_ = widths;
  auto* list = hasControl() ? static_cast<WinMfcColumnView*>(control()) : nullptr;
  CHeaderCtrl* header = list ? list->headerControl() : nullptr;
  if (!list || !window() || !header)
    return;
  const double s = uiScale(window());
  const int count = header->GetItemCount();
  for (int i = 0; i < count && static_cast<size_t>(i) < widths.size(); ++i)
    list->SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                      MAKELPARAM(static_cast<uint16_t>(qorpuiColumnView_detail::pixels(widths[static_cast<size_t>(i)], s)), 0));
}

double ColumnView::naturalWidth(uint16_t column) const
{
  const double p = fontPointSize();
  ColumnNames* names = columnNames();
  double width = 1.25 * textWidthForHeight(names ? names->at(column) : std::string(), 1.5 * p, p);
  for (BaseColumnEntryData* entry : *entries()) {
    if (!entry)
      continue;
    const ColumnTexts texts = entry->texts();
    if (column < texts.size())
      width = std::max(width, 1.25 * textWidthForHeight(texts[column], 1.5 * p, p));
  }
  return width;
}

void ColumnView::insertRows(CListCtrl* list)
{
  int position = 0;
  const uint16_t count = columnCount();
  for (BaseColumnEntryData* entry : *entries()) {
    if (entry) {
      const ColumnTexts texts = entry->texts();
      std::u16string first = aip::utf8ToWStringViaHost(texts.empty() ? std::string() : texts[0]);
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_STATE;
      item.iItem = position;
      item.pszText = &first[0];
      list->InsertItem(&item);
      for (uint16_t j = 1; j < count && j < texts.size(); ++j)
        list->SetItemText(position, j, aip::utf8ToWStringViaHost(texts[j]).c_str());
    }
    ++position;
  }
}

void ColumnView::redraw()
{
  entriesChanged();
  if (!hasControl() || !window())
    return;
  const std::vector<double> widths = columnWidths();
  if (widths.empty())
    return;
  auto* list = static_cast<CListCtrl*>(control());
  const double s = uiScale(window());
  ColumnNames* names = columnNames();
  list->DeleteAllItems();
  CHeaderCtrl* header = static_cast<WinMfcColumnView*>(list)->headerControl();
  for (int i = header ? header->GetItemCount() - 1 : 0; i >= 1; --i)
    list->DeleteColumn(i);
  std::u16string first = aip::utf8ToWStringViaHost(names ? names->at(0) : std::string());
  LVCOLUMNW zero{};
  zero.mask = LVCF_TEXT;
  zero.pszText = &first[0];
  list->SetColumn(0, &zero);
  for (uint16_t i = 1; i < columnCount() && i < widths.size(); ++i) {
    std::u16string name = aip::utf8ToWStringViaHost(names ? names->at(i) : std::string());
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = qorpuiColumnView_detail::pixels(widths[i], s);
    column.pszText = &name[0];
    column.iSubItem = i;
    list->InsertColumn(i, &column);
  }
  insertRows(list);
}

void ColumnView::update()
{
  if (hasControl() && window())
    static_cast<CListCtrl*>(control())->SetBkColor(listBackground());
}

void ColumnView::createControl(Window* window)
{
  if (!window || !window->nativeWindow())
    return;
  // A selection made before the control existed is kept.
  const int32_t wanted = storedIndex();
  auto* list = new WinMfcColumnView(this);
  setControl(list);
  controlThread_ = ::GetCurrentThreadId();
  RECT r{};
  unadjustedFrame(window).toIntRect(r);
  list->createEx(0, 0x50A0840D | (hasHeader() ? 0 : LVS_NOCOLUMNHEADER), r, window->nativeWindow(), controlId());
  list->SetExtendedStyle(LVS_EX_FULLROWSELECT, 0);
  list->SetBkColor(listBackground());
  const double s = uiScale(window);
  ColumnNames* names = columnNames();
  for (uint16_t i = 0; i < columnCount(); ++i) {
    std::u16string name = aip::utf8ToWStringViaHost(names ? names->at(i) : std::string());
    const double width = i < widths_.size() ? std::fabs(widths_[i]) : naturalWidth(i);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = qorpuiColumnView_detail::pixels(width, s);
    column.pszText = &name[0];
    column.iSubItem = i;
    list->InsertColumn(i, &column);
  }
  insertRows(list);
  updateFont();
  Widget::createControl(window);
  markControlCreated();
  if (wanted >= 0 && selectedIndex() < 0)
    setSelectedIndex(wanted);
}

}  // namespace pui
}  // namespace qor

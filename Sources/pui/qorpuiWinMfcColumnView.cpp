#include "pui/qorpuiWinMfcColumnView.h"

#include <algorithm>

#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiColumnView.h"
#include "pui/qorpuiEntryListDrawing.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

namespace qorpuiWinMfcColumnView_detail {
UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

int nearest(double v)
{
  return static_cast<int>(geo::roundToInt(v));
}

bool isDark()
{
  aip::Illustrator* app = aip::Illustrator::instance();
  return app && app->isDarkUI();
}

// The image a cell shows for the theme and scale: 0 for none.
uint16_t cellImage(const ColumnImageIds& ids, size_t column, double scale)
{
  return column < ids.size() ? ids[column].rowImageId(scale, isDark()) : 0;
}

void drawCellText(HDC dc, const std::u16string& text, RECT at)
{
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at, DT_END_ELLIPSIS | DT_NOPREFIX);
}
}  // namespace qorpuiWinMfcColumnView_detail

// The header.

BEGIN_MESSAGE_MAP(__WinMfcCVHeader, CHeaderCtrl)
ON_NOTIFY_REFLECT_EX(HDN_BEGINTRACKA, OnBeginTrack)
ON_NOTIFY_REFLECT_EX(HDN_BEGINTRACKW, OnBeginTrack)
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
END_MESSAGE_MAP()

bool __WinMfcCVHeader::locked() const
{
  return owner && owner->columnsLocked();
}

BOOL __WinMfcCVHeader::OnBeginTrack(NMHDR*, LRESULT* result)
{
  if (!locked())
    return FALSE;
  *result = TRUE;
  return TRUE;
}

void __WinMfcCVHeader::OnLButtonDblClk(UINT, CPoint)
{
  if (!locked())
    Default();
}

LRESULT __WinMfcCVHeader::OnSetCursor(WPARAM, LPARAM)
{
  return locked() ? TRUE : Default();
}

// The list.

BEGIN_MESSAGE_MAP(WinMfcColumnView, CListCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
ON_WM_MEASUREITEM_REFLECT()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
END_MESSAGE_MAP()

WinMfcColumnView::~WinMfcColumnView()
{
  if (header && header->m_hWnd)
    header->Detach();
  delete header;
}

BOOL WinMfcColumnView::create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
  const BOOL made = CListCtrl::Create(style, rect, parent, id);
  subclassHeader();
  return made;
}

BOOL WinMfcColumnView::createEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
  const BOOL made = CListCtrl::CreateEx(exStyle, style, rect, parent, id);
  subclassHeader();
  return made;
}

void WinMfcColumnView::subclassHeader()
{
  auto window = m_hWnd ? reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER, 0, 0)) : nullptr;
  if (!window || header)
    return;
  header = new __WinMfcCVHeader(owner);
  header->SubclassWindow(window);
}

CHeaderCtrl* WinMfcColumnView::headerControl() const
{
  if (header)
    return header;
  return m_hWnd ? GetHeaderCtrl() : nullptr;
}

void WinMfcColumnView::DrawItem(LPDRAWITEMSTRUCT) {}

void WinMfcColumnView::MeasureItem(LPMEASUREITEMSTRUCT item)
{
  Window* window = owner ? owner->window() : nullptr;
  if (!item || !window)
    return;
  const double base = window->kind() == 2 || window->kind() == 4 ? 17.0 : 14.0;
  item->itemHeight = static_cast<UINT>(qorpuiWinMfcColumnView_detail::nearest(base * owner->uiScale(window)));
}

void WinMfcColumnView::OnCustomDraw(NMHDR* header, LRESULT* result)
{
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  switch (draw->nmcd.dwDrawStage) {
  case CDDS_PREPAINT:
    *result = CDRF_NOTIFYITEMDRAW;
    break;
  case CDDS_ITEMPREPAINT:
    *result = CDRF_NOTIFYPOSTPAINT;
    break;
  case CDDS_ITEMPOSTPAINT:
    *result = 0;
    drawRow(draw, result);
    break;
  default:
    *result = 0;
    break;
  }
}

void WinMfcColumnView::drawRow(NMLVCUSTOMDRAW* draw, LRESULT* result)
{
  using namespace qorpuiWinMfcColumnView_detail;
  if (!owner || !owner->window() || pluginClosing())
    return;
  const RECT& rc = draw->nmcd.rc;
  if ((rc.right - rc.left) * (rc.bottom - rc.top) < 1)
    return;
  const std::vector<double> widths = owner->columnWidths();
  const size_t n = static_cast<size_t>(draw->nmcd.dwItemSpec);
  ColumnEntryVector* entries = owner->entries();
  // Rows and records out of step (records replaced without a rebuild) are left as the list drew them.
  if (widths.empty() || n >= entries->size() || !entries->at(n))
    return;
  BaseColumnEntryData* record = entries->at(n);
  const double s = owner->uiScale(owner->window());
  std::vector<std::u16string> texts;
  for (const std::string& text : record->texts())
    texts.push_back(aip::utf8ToWStringViaHost(text));
  if (texts.empty())
    texts.emplace_back();

  RECT icon{};
  if (!GetItemRect(static_cast<int>(n), &icon, LVIR_ICON))
    return;
  RECT row{icon.left, icon.top, nearest((owner->unadjustedFrame().size.width - 1) * s), icon.bottom};
  if (row.left > widths[0] * s - 1)
    row.left = nearest(widths[0] * s - 1);

  const int32_t selected = owner->selectedIndex();
  const int state = static_cast<int32_t>(n) == selected ? (owner->hasFocus() ? 2 : 1) : 0;
  const COLORREF background = state == 2   ? ::GetSysColor(COLOR_HIGHLIGHT)
                              : state == 1 ? RGB(217, 217, 217)
                                           : owner->listBackground();
  HDC dc = draw->nmcd.hdc;
  ::SetTextColor(dc, draw->clrText);
  CBrush brush(background);
  ::FillRect(dc, &row, brush);
  ::SetBkColor(dc, background);

  const ColumnImageIds images = record->imageIds();
  if (const uint16_t id = cellImage(images, 0, s)) {
    drawImageAt(dc, id, icon.left + nearest(2 * s), row.top + nearest(s));
  } else {
    RECT measure{0, 0, 0, 0};
    ::DrawTextW(dc, texts[0].c_str(), static_cast<int>(texts[0].size()), &measure, DT_CALCRECT | DT_NOPREFIX);
    const LONG w = measure.right - measure.left;
    RECT at{icon.left, row.top, std::min<LONG>(nearest((widths[0] - 4) * s), icon.left + nearest(4 * s) + w), row.bottom};
    at.left += nearest(2 * s);
    at.right -= nearest(2 * s);
    at.top += nearest(s);
    at.bottom -= nearest(s);
    drawCellText(dc, texts[0], at);
  }

  ::SetBkMode(dc, TRANSPARENT);
  double x = widths[0] * s + icon.left;
  for (size_t i = 1; i < widths.size(); ++i) {
    if (const uint16_t id = cellImage(images, i, s)) {
      drawImageAt(dc, id, nearest(6 * s + x), row.top + nearest(s));
    } else if (i < texts.size()) {
      drawCellText(dc, texts[i],
                   RECT{nearest(x) + nearest(6 * s), row.top + nearest(s), nearest(widths[i] * s + x) - nearest(2 * s),
                        row.bottom - nearest(s)});
    }
    x += widths[i] * s;
  }
  *result = CDRF_SKIPDEFAULT;
}

void WinMfcColumnView::OnItemChanged(NMHDR* header, LRESULT*)
{
  auto* change = reinterpret_cast<NMLISTVIEW*>(header);
  UiGlobals* globals = qorpuiWinMfcColumnView_detail::uiGlobals();
  if (globals && owner && !globals->programmaticChange && !(change->uOldState & LVIS_SELECTED) &&
      (change->uNewState & LVIS_SELECTED))
    owner->fireValueChanged();
}

void WinMfcColumnView::cellClick(const CPoint& point)
{
  using qorpuiWinMfcColumnView_detail::nearest;
  LVHITTESTINFO hit{};
  hit.pt = POINT{point.x, point.y};
  const int item = HitTest(&hit);
  ColumnEntryVector* entries = owner->entries();
  RECT row{};
  if (item < 0 || static_cast<size_t>(item) >= entries->size() || !entries->at(static_cast<size_t>(item)) ||
      !GetItemRect(item, &row, LVIR_BOUNDS))
    return;
  const double s = owner->uiScale(owner->window());
  const std::vector<double> widths = owner->columnWidths();
  double x0 = 0;
  for (size_t i = 0; i < widths.size(); ++i) {
    RECT cell{};
    cell.left = row.left + nearest(2 * s + x0);
    cell.top = row.top + nearest(s);
    cell.right = cell.left + nearest((widths[i] - 2) * s);
    cell.bottom = cell.top + (row.bottom - row.top) - 1;
    x0 += widths[i] * s;
    if (point.x >= cell.left && point.x < cell.right && point.y >= cell.top && point.y < cell.bottom) {
      owner->cellClicked(entries->at(static_cast<size_t>(item)), static_cast<int32_t>(i));
      return;
    }
  }
}

void WinMfcColumnView::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner && owner->window() && qorpuiWinMfcColumnView_detail::uiGlobals()) {
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
    cellClick(point);
  }
  Default();
}

void WinMfcColumnView::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcColumnView::OnLButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcColumnView::OnRButtonUp(UINT flags, CPoint point)
{
  OnLButtonUp(flags, point);
}

void WinMfcColumnView::OnMouseMove(UINT flags, CPoint point)
{
  entryListHoverMove(owner, owner, m_hWnd, flags, point);
  Default();
}

void WinMfcColumnView::OnMouseLeave()
{
  entryListHoverLeave(owner, owner);
  Default();
}

void WinMfcColumnView::OnLButtonDblClk(UINT, CPoint)
{
  Default();
}

BOOL WinMfcColumnView::OnEraseBkgnd(CDC*)
{
  return static_cast<BOOL>(Default());
}

void WinMfcColumnView::OnPaint()
{
  Default();
}

}  // namespace pui
}  // namespace qor

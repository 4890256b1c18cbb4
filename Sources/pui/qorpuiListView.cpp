#include "pui/qorpuiListView.h"

#include <cmath>

#include "aip/qoraipHostStrings.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiEntryListDrawing.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

namespace qorpuiListView_detail {
UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

// Sets programmaticChange while it lives, and puts the old value back.
class ProgrammaticChange
{
public:
  explicit ProgrammaticChange(UiGlobals* globals) : globals_(globals), old_(globals ? globals->programmaticChange : false)
  {
    if (globals_)
      globals_->programmaticChange = true;
  }
  ~ProgrammaticChange()
  {
    if (globals_)
      globals_->programmaticChange = old_;
  }
  ProgrammaticChange(const ProgrammaticChange&) = delete;
  ProgrammaticChange& operator=(const ProgrammaticChange&) = delete;

private:
  UiGlobals* globals_;
  bool old_;
};
}  // namespace qorpuiListView_detail


ListView::ListView(const aip::Rect& frame)
    : Widget(ListViewWidgetKind, frame, std::string()), CustomEventsWidget(ListViewWidgetKind)
{
}

ListView::ListView(const ListView& other)
    : Widget(ListViewWidgetKind, other.unadjustedFrame(), const_cast<ListView&>(other).Widget::text()),
      EntriesWidget(),
      ValueChangedWidget(),
      CustomEventsWidget(ListViewWidgetKind)
{
  setInset(other.inset());
  EntryVector clones;
  for (BaseEntryData* entry : *other.entries())
    if (entry)
      clones.pushBack(entry->clone());
  replaceEntries(clones, true);
  entriesChanged();
  setSelectedIndex(const_cast<ListView&>(other).selectedIndex());
}

ListView::~ListView() = default;

Widget* ListView::clone() const
{
  return new ListView(*this);
}

bool ListView::onControlThread() const
{
  return ::GetCurrentThreadId() == controlThread_;
}

COLORREF ListView::listBackground() const
{
  return entryListBackground(window());
}

int32_t ListView::selectedIndex()
{
  if (hasControl() && onControlThread())
    return static_cast<int32_t>(static_cast<CListCtrl*>(control())->GetNextItem(-1, LVNI_SELECTED));
  return storedIndex();
}

bool ListView::setSelectedIndex(int32_t index)
{
  clearSelection();
  if (!EntriesWidget::setSelectedIndex(index))
    return false;
  if (!hasControl())
    return true;
  UiGlobals* globals = qorpuiListView_detail::uiGlobals();
  if (!globals)
    return false;
  qorpuiListView_detail::ProgrammaticChange quiet(globals);
  static_cast<CListCtrl*>(control())->SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  return true;
}

bool ListView::selectById(const std::string& id)
{
  clearSelection();
  return EntriesWidget::selectById(id);
}

bool ListView::selectByText(const std::string& text)
{
  clearSelection();
  if (!EntriesWidget::selectByText(text))
    return false;
  setSelectedIndex(positionOfText(text));
  return true;
}

void ListView::clearSelection()
{
  if (!hasControl())
    return;
  setStoredIndex(-1);
  setStoredId(std::string());
  UiGlobals* globals = qorpuiListView_detail::uiGlobals();
  if (!globals)
    return;
  qorpuiListView_detail::ProgrammaticChange quiet(globals);
  auto* list = static_cast<CListCtrl*>(control());
  const int count = static_cast<int>(entries()->size());
  for (int i = 0; i < count; ++i)
    list->SetItemState(i, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

std::string ListView::text()
{
  const int32_t index = selectedIndex();
  if (index < 0 || static_cast<size_t>(index) >= entries()->size())
    return std::string();
  BaseEntryData* entry = entries()->at(static_cast<size_t>(index));
  return entry ? entry->text() : std::string();
}

void ListView::setText(const std::string& text)
{
  Widget::setText(text);
  selectByText(text);
}

void ListView::redraw()
{
  entriesChanged();
  if (!hasControl())
    return;
  auto* list = static_cast<CListCtrl*>(control());
  list->DeleteAllItems();
  int position = 0;
  for (BaseEntryData* entry : *entries()) {
    if (entry) {
      std::u16string text = aip::utf8ToWStringViaHost(entry->text());
      LVITEMW item{};
      item.mask = LVIF_TEXT | LVIF_STATE;
      item.iItem = position;
      item.pszText = &text[0];
      list->InsertItem(&item);
    }
    ++position;
  }
}

void ListView::update()
{
  if (hasControl() && window())
    static_cast<CListCtrl*>(control())->SetBkColor(listBackground());
}

void ListView::createControl(Window* window)
{
  if (!window || !window->nativeWindow()) {
    Widget::createControl(window);
    return;
  }
  // A selection made before the control existed is kept (the base's text step would drop it).
  const int32_t wanted = storedIndex();
  auto* list = new WinMfcListView(this);
  setControl(list);
  controlThread_ = ::GetCurrentThreadId();
  RECT r{};
  unadjustedFrame(window).toIntRect(r);
  list->CreateEx(0, 0x50A0C00D, r, window->nativeWindow(), controlId());
  list->SetExtendedStyle(LVS_EX_FULLROWSELECT, 0);
  list->SetBkColor(listBackground());
  LVCOLUMNW column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = static_cast<int>(geo::roundToInt(frame().size.width * uiScale(window)));
  column.pszText = const_cast<LPWSTR>(u"");
  column.iSubItem = 0;
  list->InsertColumn(0, &column);
  redraw();
  updateFont();
  Widget::createControl(window);
  markControlCreated();
  if (wanted >= 0 && selectedIndex() < 0)
    setSelectedIndex(wanted);
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcListView, CListCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDBLCLK()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

void WinMfcListView::OnCustomDraw(NMHDR* header, LRESULT* result)
{
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  switch (draw->nmcd.dwDrawStage) {
  case CDDS_PREPAINT:
    *result = CDRF_NOTIFYITEMDRAW;
    break;
  case CDDS_POSTPAINT:
  case CDDS_PREERASE:
  case CDDS_POSTERASE:
  case CDDS_ITEMPREERASE:
  case CDDS_ITEMPOSTERASE:
  case CDDS_SUBITEM:
  case CDDS_SUBITEM | CDDS_ITEMPOSTPAINT:
    *result = 0;
    break;
  case CDDS_ITEMPREPAINT:
    *result = CDRF_NOTIFYSUBITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    break;
  case CDDS_SUBITEM | CDDS_ITEMPREPAINT:
    *result = CDRF_NOTIFYPOSTPAINT;
    if (owner && owner->window())
      draw->clrTextBk = owner->listBackground();
    break;
  case CDDS_ITEMPOSTPAINT: {
    *result = 0;
    if (!owner || pluginClosing())
      break;
    const size_t row = static_cast<size_t>(draw->nmcd.dwItemSpec);
    EntryVector* entries = owner->entries();
    POINT position{};
    if (row >= entries->size() || !entries->at(row) || !GetItemPosition(static_cast<int>(row), &position))
      break;
    if (drawRowImage(draw->nmcd.hdc, entries->at(row)->imageIds(), owner->uiScale(owner->window()), position.y))
      *result = CDRF_SKIPDEFAULT;
    break;
  }
  default:
    break;
  }
}

void WinMfcListView::OnItemChanged(NMHDR* header, LRESULT*)
{
  auto* change = reinterpret_cast<NMLISTVIEW*>(header);
  UiGlobals* globals = qorpuiListView_detail::uiGlobals();
  if (globals && owner && !globals->programmaticChange && !(change->uOldState & LVIS_SELECTED) &&
      (change->uNewState & LVIS_SELECTED))
    owner->fireValueChanged();
}

BOOL WinMfcListView::OnEraseBkgnd(CDC*)
{
  return static_cast<BOOL>(Default());
}

void WinMfcListView::OnLButtonDblClk(UINT, CPoint)
{
  Default();
}

void WinMfcListView::OnPaint()
{
  Default();
}

void WinMfcListView::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner && owner->window())
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcListView::OnRButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcListView::OnLButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcListView::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcListView::OnMouseLeave()
{
  entryListHoverLeave(owner, owner);
  Default();
}

void WinMfcListView::OnMouseMove(UINT flags, CPoint point)
{
  entryListHoverMove(owner, owner, m_hWnd, flags, point);
  Default();
}

void entryListHoverMove(CustomEventsWidget* events, Widget* owner, HWND control, UINT flags, const CPoint& point)
{
  if (!events || !owner || !owner->window())
    return;
  const double s = owner->uiScale(owner->window());
  const int32_t modifiers = CustomEventsWidget::mouseModifiers(flags);
  const aip::Point& current = events->currentPoint();
  if (std::fabs(point.x / s - current.x) < 0.01 && std::fabs(point.y / s - current.y) < 0.01 &&
      modifiers == events->modifiers())
    return;
  Widget::scheduleTooltip(owner);
  if (events->isHovered()) {
    events->mouseMove(aip::Point(point.x, point.y), modifiers);
  } else {
    events->setCurrentPoint(aip::Point(point.x / s, point.y / s));
    events->setModifiers(modifiers);
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, control, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
  }
  events->setHovered(true);
}

void entryListHoverLeave(CustomEventsWidget* events, Widget* owner)
{
  if (!events || !owner)
    return;
  events->setHovered(false);
  Widget::cancelTooltip(owner);
}

}  // namespace pui
}  // namespace qor

#include "pui/qorpuiHierarchicalView.h"

#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiEntryListDrawing.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

namespace qorpuiHierarchicalView_detail {
UiGlobals* uiGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->uiGlobals() : nullptr;
}

// Sets one UI flag while it lives and puts the old value back.
class FlagSet
{
public:
  FlagSet(UiGlobals* globals, bool UiGlobals::*flag) : globals_(globals), flag_(flag)
  {
    if (globals_) {
      old_ = globals_->*flag_;
      globals_->*flag_ = true;
    }
  }
  ~FlagSet()
  {
    if (globals_)
      globals_->*flag_ = old_;
  }
  FlagSet(const FlagSet&) = delete;
  FlagSet& operator=(const FlagSet&) = delete;

private:
  UiGlobals* globals_;
  bool UiGlobals::*flag_;
  bool old_ = false;
};

bool isDark()
{
  aip::Illustrator* app = aip::Illustrator::instance();
  return app && app->isDarkUI();
}

// The 1x image id of the theme, 0 for none.
uint16_t themeImageId(const BaseTreeEntryData& record, bool dark)
{
  return record.imageIds().ids[dark ? 5 : 0];
}

BaseTreeEntryData* deepCopy(const BaseTreeEntryData& source)
{
  BaseTreeEntryData* copy = source.clone();
  for (BaseTreeEntryData* child : *source.children())
    if (child)
      copy->children()->pushBack(deepCopy(*child));
  return copy;
}

int nearest(double x)
{
  return static_cast<int>(geo::roundToInt(x));
}
}  // namespace qorpuiHierarchicalView_detail

HierarchicalView::HierarchicalView(const aip::Rect& frame)
    : Widget(HierarchicalViewWidgetKind, frame, std::string()), CustomEventsWidget(HierarchicalViewWidgetKind)
{
}

HierarchicalView::HierarchicalView(const HierarchicalView& other)
    : Widget(HierarchicalViewWidgetKind, other.unadjustedFrame(), std::string()),
      HierarchicalEntriesWidget(),
      ValueChangedWidget(),
      CustomEventsWidget(HierarchicalViewWidgetKind)
{
  setInset(other.inset());
  TreeEntryVector copies;
  for (BaseTreeEntryData* record : *other.entries())
    if (record)
      copies.pushBack(qorpuiHierarchicalView_detail::deepCopy(*record));
  replaceEntries(copies, true);
  reparentEntries();
  setSelectedIndexPath(const_cast<HierarchicalView&>(other).selectedIndexPath());
}

HierarchicalView::~HierarchicalView() = default;

Widget* HierarchicalView::clone() const
{
  return new HierarchicalView(*this);
}

COLORREF HierarchicalView::treeBackground() const
{
  return entryListBackground(window());
}

IndexPath HierarchicalView::selectedIndexPath()
{
  return storedPath();
}

void HierarchicalView::clearSelection()
{
  UiGlobals* globals = qorpuiHierarchicalView_detail::uiGlobals();
  if (!hasControl() || !globals)
    return;
  qorpuiHierarchicalView_detail::FlagSet quiet(globals, &UiGlobals::programmaticChange);
  static_cast<CTreeCtrl*>(control())->SelectItem(nullptr);
}

bool HierarchicalView::setSelectedIndexPath(const IndexPath& path)
{
  clearSelection();
  if (!HierarchicalEntriesWidget::setSelectedIndexPath(path))
    return false;
  if (!hasControl())
    return true;
  UiGlobals* globals = qorpuiHierarchicalView_detail::uiGlobals();
  if (!globals || storedPath().empty())
    return false;
  auto* tree = static_cast<CTreeCtrl*>(control());
  const IndexPath stored = storedPath();
  HTREEITEM item = nullptr;
  for (size_t level = 0; level < stored.size(); ++level) {
    item = level == 0 ? tree->GetRootItem() : tree->GetChildItem(item);
    for (int32_t step = 0; item && step < stored[level]; ++step)
      item = tree->GetNextSiblingItem(item);
    if (!item)
      return false;
  }
  TVITEMW read{};
  read.mask = TVIF_PARAM | TVIF_CHILDREN;
  read.hItem = item;
  if (!tree->GetItem(&read) || !read.lParam)
    return false;
  qorpuiHierarchicalView_detail::FlagSet quiet(globals, &UiGlobals::programmaticChange);
  tree->SelectItem(item);
  return true;
}

bool HierarchicalView::selectByIdPath(const StringPath& idPath)
{
  clearSelection();
  return HierarchicalEntriesWidget::selectByIdPath(idPath);
}

StringPath HierarchicalView::selectedTextPath()
{
  const bool dark = qorpuiHierarchicalView_detail::isDark();
  StringPath out;
  const IndexPath path = selectedIndexPath();
  for (size_t depth = 1; depth <= path.size(); ++depth) {
    BaseTreeEntryData* record = recordAt(IndexPath(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(depth)));
    if (!record)
      return StringPath();
    const uint16_t id = qorpuiHierarchicalView_detail::themeImageId(*record, dark);
    out.push_back(id ? std::to_string(id) : record->text());
  }
  return out;
}

bool HierarchicalView::selectByTextPath(const StringPath& textPath)
{
  clearSelection();
  return HierarchicalEntriesWidget::selectByTextPath(textPath);
}

utils::Callback* HierarchicalView::expandCallback() const
{
  return expandSlot_.callback();
}

void HierarchicalView::setExpandCallback(utils::Callback* callback)
{
  expandSlot_.set(callback);
}

BaseTreeEntryData* HierarchicalView::expandingEntry() const
{
  return expandingEntry_;
}

std::string HierarchicalView::text()
{
  const StringPath path = selectedTextPath();
  return path.empty() ? std::string() : path.back();
}

void HierarchicalView::setText(const std::string&) {}

void HierarchicalView::insertRecords(CTreeCtrl* tree, HTREEITEM parent, TreeEntryVector* records, bool dark)
{
  UiGlobals* globals = qorpuiHierarchicalView_detail::uiGlobals();
  HTREEITEM previous = nullptr;
  const size_t count = records->size();
  for (size_t i = 0; i < count; ++i) {
    BaseTreeEntryData* record = records->at(i);
    if (!record)
      continue;
    const bool image = qorpuiHierarchicalView_detail::themeImageId(*record, dark) != 0;
    std::u16string text = image ? std::u16string(64, u' ') : aip::utf8ToWStringViaHost(record->text());
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = previous ? previous : TVI_FIRST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.cChildren = record->children()->isEmpty() ? 0 : 1;
    insert.item.lParam = reinterpret_cast<LPARAM>(record);
    insert.item.pszText = &text[0];
    insert.item.cchTextMax = image ? 65 : static_cast<int>(text.size()) + 1;
    HTREEITEM item = tree->InsertItem(&insert);
    if (!item)
      continue;
    previous = item;
    insertRecords(tree, item, record->children(), dark);
    if (record->expanded()) {
      qorpuiHierarchicalView_detail::FlagSet quiet(globals, &UiGlobals::rebuildingHierarchicalView);
      tree->Expand(item, TVE_EXPAND);
    }
  }
}

void HierarchicalView::rebuildItems()
{
  UiGlobals* globals = qorpuiHierarchicalView_detail::uiGlobals();
  if (!hasControl() || !globals)
    return;
  auto* tree = static_cast<CTreeCtrl*>(control());
  const bool wasRebuilding = rebuilding_;
  rebuilding_ = true;
  tree->DeleteAllItems();
  rebuilding_ = wasRebuilding;
  insertRecords(tree, TVI_ROOT, entries(), qorpuiHierarchicalView_detail::isDark());
}

void HierarchicalView::redraw()
{
  reparentEntries();
  UiGlobals* globals = qorpuiHierarchicalView_detail::uiGlobals();
  if (!hasControl() || !globals)
    return;
  HWND tree = control()->m_hWnd;
  const int position = ::GetScrollPos(tree, SB_VERT);
  {
    qorpuiHierarchicalView_detail::FlagSet quiet(globals, &UiGlobals::programmaticChange);
    rebuildItems();
  }
  ::SetScrollPos(tree, SB_VERT, position, TRUE);
}

void HierarchicalView::update()
{
  if (hasControl() && window())
    static_cast<CTreeCtrl*>(control())->SetBkColor(treeBackground());
}

void HierarchicalView::createControl(Window* window)
{
  if (!window || !window->nativeWindow()) {
    Widget::createControl(window);
    return;
  }
  // A selection made before the control existed is shown once it does.
  const IndexPath wanted = storedPath();
  auto* tree = new WinMfcHierarchicalView(this);
  setControl(tree);
  RECT r{};
  unadjustedFrame(window).toIntRect(r);
  tree->CreateEx(0, WC_TREEVIEWW, u"", 0x50800037, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 window->nativeWindow()->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId())));
  update();
  rebuildItems();
  updateFont();
  Widget::createControl(window);
  markControlCreated();
  if (!wanted.empty())
    setSelectedIndexPath(wanted);
}

void HierarchicalView::itemExpanded(BaseTreeEntryData* record, bool expanded)
{
  UiGlobals* globals = qorpuiHierarchicalView_detail::uiGlobals();
  if (!globals || !record)
    return;
  record->setExpanded(expanded);
  if (!expandSlot_.callback() || globals->rebuildingHierarchicalView)
    return;
  // Run like every client callback: recorded, once at a time, inside the host's context.
  expandingEntry_ = record;
  expandSlot_.fire(this, &UiGlobals::expandWidget, false);
  expandingEntry_ = nullptr;
}

void HierarchicalView::selectionChanged(BaseTreeEntryData* record)
{
  UiGlobals* globals = qorpuiHierarchicalView_detail::uiGlobals();
  if (!globals)
    return;
  clearStoredPath();
  if (!rebuilding_ && record)
    setStoredPath(pathOf(record));
  if (!globals->programmaticChange)
    fireValueChanged();
}

// The control.

BEGIN_MESSAGE_MAP(WinMfcHierarchicalView, CTreeCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDA, OnItemExpanded)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDW, OnItemExpanded)
ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
ON_NOTIFY_REFLECT(TVN_SELCHANGEDW, OnSelChanged)
ON_WM_MEASUREITEM_REFLECT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDBLCLK()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

void WinMfcHierarchicalView::MeasureItem(LPMEASUREITEMSTRUCT item)
{
  if (!item || !owner || !owner->window())
    return;
  const int32_t kind = owner->window()->kind();
  item->itemHeight = static_cast<UINT>(
      qorpuiHierarchicalView_detail::nearest(owner->uiScale(owner->window()) * (kind == 2 || kind == 4 ? 17 : 14)));
}

void WinMfcHierarchicalView::OnItemExpanded(NMHDR* header, LRESULT*)
{
  auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
  if (owner && qorpuiHierarchicalView_detail::uiGlobals())
    owner->itemExpanded(reinterpret_cast<BaseTreeEntryData*>(change->itemNew.lParam), change->action == TVE_EXPAND);
}

void WinMfcHierarchicalView::OnSelChanged(NMHDR* header, LRESULT*)
{
  auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
  if (owner)
    owner->selectionChanged(reinterpret_cast<BaseTreeEntryData*>(change->itemNew.lParam));
}

void WinMfcHierarchicalView::OnCustomDraw(NMHDR* header, LRESULT* result)
{
  auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
  switch (draw->nmcd.dwDrawStage) {
  case CDDS_PREPAINT:
    *result = CDRF_NOTIFYITEMDRAW;
    break;
  case CDDS_ITEMPREPAINT:
    *result = CDRF_NOTIFYPOSTPAINT;
    break;
  case CDDS_ITEMPOSTPAINT:
    *result = 0;
    drawItem(draw, result);
    break;
  case CDDS_POSTPAINT:
  case CDDS_PREERASE:
  case CDDS_POSTERASE:
  case CDDS_ITEMPREERASE:
  case CDDS_ITEMPOSTERASE:
  case CDDS_SUBITEM:
    *result = 0;
    break;
  default:
    break;
  }
}

void WinMfcHierarchicalView::drawItem(NMTVCUSTOMDRAW* draw, LRESULT* result)
{
  using namespace qorpuiHierarchicalView_detail;
  if (!owner || !owner->window() || owner->rebuilding() || pluginClosing())
    return;
  const bool dark = isDark();
  const double s = owner->uiScale(owner->window());
  const RECT& rc = draw->nmcd.rc;
  if ((rc.right - rc.left) * (rc.bottom - rc.top) < 1)
    return;
  auto item = reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec);
  TVITEMW read{};
  read.mask = TVIF_PARAM | TVIF_HANDLE;
  read.hItem = item;
  if (!GetItem(&read) || !read.lParam)
    return;
  auto* record = reinterpret_cast<BaseTreeEntryData*>(read.lParam);
  RECT text{};
  if (!GetItemRect(item, &text, TRUE))
    return;
  const double width = owner->unadjustedFrame().size.width;
  RECT area = text;
  area.right = static_cast<LONG>(nearest(width - 8) * s);
  const bool selected = owner->recordAt(owner->selectedIndexPath()) == record;
  const bool focused = selected && owner->hasFocus();
  const COLORREF background =
      focused ? ::GetSysColor(COLOR_HIGHLIGHT) : selected ? RGB(217, 217, 217) : owner->treeBackground();
  HDC dc = draw->nmcd.hdc;
  ::SetTextColor(dc, draw->clrText);
  CBrush brush(background);
  ::FillRect(dc, &area, brush);
  ::SetBkColor(dc, background);
  const EntryImageIds ids = record->imageIds();
  if (const uint16_t id = ids.rowImageId(s, dark)) {
    CGdiPlusBitmapResource bitmap;
    if (loadPngResource(id, &bitmap) && bitmap.bitmap) {
      Gdiplus::Graphics graphics(dc);
      graphics.DrawImage(bitmap.bitmap, text.left + nearest(2 * s), text.top + nearest(s));
    }
  } else {
    std::u16string label = aip::utf8ToWStringViaHost(record->text());
    RECT at{text.left + nearest(2 * s), text.top + nearest(s), nearest((width - 10) * s), text.bottom - nearest(s)};
    ::DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &at, DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  *result = CDRF_SKIPDEFAULT;
}

BOOL WinMfcHierarchicalView::OnEraseBkgnd(CDC*)
{
  return static_cast<BOOL>(Default());
}

void WinMfcHierarchicalView::OnLButtonDblClk(UINT, CPoint)
{
  Default();
}

void WinMfcHierarchicalView::OnPaint()
{
  Default();
}

void WinMfcHierarchicalView::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcHierarchicalView::OnRButtonDown(UINT flags, CPoint point)
{
  OnLButtonDown(flags, point);
}

void WinMfcHierarchicalView::OnLButtonUp(UINT flags, CPoint)
{
  if (owner && owner->window())
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcHierarchicalView::OnRButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcHierarchicalView::OnMouseMove(UINT flags, CPoint point)
{
  entryListHoverMove(owner, owner, m_hWnd, flags, point);
  Default();
}

void WinMfcHierarchicalView::OnMouseLeave()
{
  entryListHoverLeave(owner, owner);
  Default();
}

}  // namespace pui
}  // namespace qor

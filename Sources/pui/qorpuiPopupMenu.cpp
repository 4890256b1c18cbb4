#include "pui/qorpuiPopupMenu.h"

#include "aip/qoraipHostStrings.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiListView.h"
#include "pui/qorpuiRegisteredMessages.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindow.h"

namespace qor {
namespace pui {

const char* const PopupMenu::separatorText = "-";
const char* const PopupMenu::blankEntryId = "QORBlankEntry";

const std::string& PopupMenu::separatorLine()
{
  static const std::string line = [] {
    std::string s;
    for (int i = 0; i < 56; ++i)
      s += "\xE2\x80\x93";
    return s;
  }();
  return line;
}

PopupMenu::PopupMenu(const aip::Rect& frame)
    : Widget(PopupMenuWidgetKind, frame, std::string()), CustomEventsWidget(PopupMenuWidgetKind)
{
}

PopupMenu::PopupMenu(const PopupMenu& other)
    : Widget(PopupMenuWidgetKind, other.unadjustedFrame(), const_cast<PopupMenu&>(other).Widget::text()),
      EntriesWidget(),
      ValueChangedWidget(),
      CustomEventsWidget(PopupMenuWidgetKind)
{
  setInset(other.inset());
  EntryVector clones;
  for (BaseEntryData* entry : *other.entries())
    if (entry)
      clones.pushBack(entry->clone());
  replaceEntries(clones, true);
  entriesChanged();
  setSelectedIndex(const_cast<PopupMenu&>(other).selectedIndex());
  if (utils::Callback* callback = other.valueChangedCallback())
    setValueChangedCallback(callback->clone());
}

PopupMenu::~PopupMenu() = default;

Widget* PopupMenu::clone() const
{
  return new PopupMenu(*this);
}

bool PopupMenu::onControlThread() const
{
  return ::GetCurrentThreadId() == controlThread_;
}

bool PopupMenu::showBlankEntry()
{
  if (!hasEntry(blankEntryId))
    addEntry(new EntryData<void*>(blankEntryId, std::string(), nullptr, true));
  return selectById(blankEntryId);
}

bool PopupMenu::hideBlankEntry()
{
  if (hasEntry(blankEntryId))
    delete removeEntry(blankEntryId);
  return setSelectedIndex(0);
}

int32_t PopupMenu::selectedIndex()
{
  if (hasControl() && onControlThread())
    return static_cast<int32_t>(static_cast<CComboBox*>(control())->GetCurSel());
  return storedIndex();
}

bool PopupMenu::setSelectedIndex(int32_t index)
{
  const bool done = EntriesWidget::setSelectedIndex(index);
  if (done && hasControl())
    static_cast<CComboBox*>(control())->SetCurSel(index);
  return done;
}

bool PopupMenu::selectByText(const std::string& text)
{
  if (!EntriesWidget::selectByText(text))
    return false;
  setText(text);
  return true;
}

bool PopupMenu::itemEnabled(int index) const
{
  EntryVector* list = entries();
  if (!list || index < 0 || static_cast<size_t>(index) >= list->size())
    return true;
  BaseEntryData* entry = list->at(static_cast<size_t>(index));
  return !entry || entry->enabled();
}

void PopupMenu::fillItems(CComboBox* combo)
{
  for (BaseEntryData* entry : *entries()) {
    if (!entry)
      continue;
    std::string text = entry->text();
    if (text == separatorText) {
      entry->setEnabled(false);
      text = separatorLine();
    }
    combo->AddString(aip::utf8ToWStringViaHost(text).c_str());
  }
}

void PopupMenu::entriesChanged()
{
  if (!hasControl())
    return;
  auto* combo = static_cast<CComboBox*>(control());
  combo->SendMessage(WM_SETREDRAW, FALSE, 0);
  combo->ResetContent();
  fillItems(combo);
  combo->SendMessage(WM_SETREDRAW, TRUE, 0);
  combo->Invalidate(FALSE);
}

std::string PopupMenu::text()
{
  return Widget::text();
}

void PopupMenu::setText(const std::string& text)
{
  Widget::setText(text);
  if (!hasControl())
    return;
  if (text.empty()) {
    setStoredIndex(-1);
    return;
  }
  auto* combo = static_cast<CComboBox*>(control());
  combo->SelectString(-1, aip::utf8ToWStringViaHost(text).c_str());
  setStoredIndex(combo->GetCurSel());
}

void PopupMenu::redraw()
{
  entriesChanged();
}

void PopupMenu::setWindow(Window* window)
{
  const std::string id = storedId();
  const int32_t index = storedIndex();
  const std::string text = storedText();
  Widget::setWindow(window);
  if (!id.empty())
    selectById(id);
  else if (index >= 0)
    setSelectedIndex(index);
  else if (!text.empty())
    selectByText(text);
}

void PopupMenu::createControl(Window* window)
{
  if (!window || !window->nativeWindow()) {
    Widget::createControl(window);
    return;
  }
  auto* combo = new WinMfcPopupMenu(this);
  setControl(combo);
  controlThread_ = ::GetCurrentThreadId();
  RECT r{};
  unadjustedFrame(window).toIntRect(r);
  combo->Create(0x50200213, r, window->nativeWindow(), controlId());
  combo->SendMessage(WM_SETREDRAW, FALSE, 0);
  fillItems(combo);
  updateFont();
  Widget::createControl(window);
  markControlCreated();
  combo->SendMessage(WM_SETREDRAW, TRUE, 0);
  combo->Invalidate(FALSE);
}

UINT comboItemHeight(Widget* owner)
{
  Window* window = owner ? owner->window() : nullptr;
  if (!window)
    return 15;
  const int32_t kind = window->kind();
  const double base = kind == 2 || kind == 4 ? 16.0 : (kind == -1 || kind == 1 || kind == 3) ? 14.0 : 15.0;
  return static_cast<UINT>(geo::roundToInt(base * owner->uiScale(window)));
}

// The controls.

BEGIN_MESSAGE_MAP(WinMfcPopupMenuListBox, CWnd)
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void WinMfcPopupMenuListBox::OnLButtonUp(UINT, CPoint point)
{
  if (owner && owner->owner) {
    const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) == 0 && !owner->owner->itemEnabled(static_cast<int>(LOWORD(hit))))
      return;
  }
  Default();
}

BEGIN_MESSAGE_MAP(WinMfcPopupMenu, CComboBox)
ON_MESSAGE(WM_CTLCOLORLISTBOX, OnCtlColorListBox)
ON_REGISTERED_MESSAGE(comboSelEndOkMessage, OnChoiceCheck)
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelChange)
ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelEndOk)
ON_WM_MEASUREITEM_REFLECT()
ON_MESSAGE(WM_CHARTOITEM, OnCharToItem)
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

WinMfcPopupMenu::~WinMfcPopupMenu()
{
  if (listBox.m_hWnd)
    listBox.Detach();
}

void WinMfcPopupMenu::PostNcDestroy()
{
  if (listBox.m_hWnd)
    listBox.Detach();
}

std::string WinMfcPopupMenu::windowText() const
{
  std::u16string text(static_cast<size_t>(GetWindowTextLength()) + 1, u'\0');
  const int n = GetWindowText(&text[0], static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return aip::wstringToUtf8ViaHost(text);
}

LRESULT WinMfcPopupMenu::OnCtlColorListBox(WPARAM, LPARAM lParam)
{
  auto list = reinterpret_cast<HWND>(lParam);
  if (!listBox.m_hWnd && list && list != m_hWnd)
    listBox.SubclassWindow(list);
  return Default();
}

LRESULT WinMfcPopupMenu::OnChoiceCheck(WPARAM, LPARAM)
{
  const std::u16string shown = aip::utf8ToWStringViaHost(windowText());
  const int index = FindStringExact(-1, shown.c_str());
  if (index >= 0 && owner && !owner->itemEnabled(index)) {
    SetWindowText(aip::utf8ToWStringViaHost(lastChosenText).c_str());
    if (CWnd* parent = GetParent())
      parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
  }
  return 0;
}

void WinMfcPopupMenu::OnSelChange()
{
  if (owner)
    owner->fireValueChanged();
}

void WinMfcPopupMenu::OnSelEndOk()
{
  lastChosenText = windowText();
  PostMessage(comboSelEndOkMessage, 0, 0);
}

void WinMfcPopupMenu::MeasureItem(LPMEASUREITEMSTRUCT item)
{
  if (item)
    item->itemHeight = comboItemHeight(owner);
}

LRESULT WinMfcPopupMenu::OnCharToItem(WPARAM, LPARAM)
{
  const LRESULT index = Default();
  if (index >= 0 && owner && !owner->itemEnabled(static_cast<int>(index)))
    return -2;
  return index;
}

void WinMfcPopupMenu::DrawItem(LPDRAWITEMSTRUCT item)
{
  if (!item || static_cast<int>(item->itemID) < 0)
    return;
  const int index = static_cast<int>(item->itemID);
  if (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
    const bool shownEnabled = IsWindowEnabled() && (!owner || owner->itemEnabled(index));
    COLORREF text = shownEnabled ? ::GetSysColor(COLOR_WINDOWTEXT) : RGB(128, 128, 128);
    COLORREF back = ::GetSysColor(COLOR_WINDOW);
    if (shownEnabled && (item->itemState & ODS_SELECTED)) {
      text = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
      back = ::GetSysColor(COLOR_HIGHLIGHT);
    }
    const COLORREF oldText = ::SetTextColor(item->hDC, text);
    const COLORREF oldBack = ::SetBkColor(item->hDC, back);
    const std::u16string label = GetLBText(index);
    ::ExtTextOutW(item->hDC, item->rcItem.left + 2, item->rcItem.top + 2, ETO_OPAQUE, &item->rcItem, label.c_str(),
                  static_cast<UINT>(label.size()), nullptr);
    ::SetTextColor(item->hDC, oldText);
    ::SetBkColor(item->hDC, oldBack);
  }
  if (item->itemAction & ODA_FOCUS)
    ::DrawFocusRect(item->hDC, &item->rcItem);
}

BOOL WinMfcPopupMenu::OnEraseBkgnd(CDC*)
{
  return TRUE;
}

void WinMfcPopupMenu::OnLButtonDblClk(UINT, CPoint)
{
  Default();
}

void WinMfcPopupMenu::OnPaint()
{
  Default();
}

void WinMfcPopupMenu::OnLButtonDown(UINT flags, CPoint point)
{
  if (owner)
    owner->mouseDown(aip::Point(point.x, point.y), CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcPopupMenu::OnRButtonDown(UINT flags, CPoint point)
{
  OnLButtonDown(flags, point);
}

void WinMfcPopupMenu::OnLButtonUp(UINT flags, CPoint)
{
  if (owner)
    owner->mouseUp(CustomEventsWidget::mouseModifiers(flags));
  Default();
}

void WinMfcPopupMenu::OnRButtonUp(UINT flags, CPoint point)
{
  OnLButtonUp(flags, point);
}

void WinMfcPopupMenu::OnMouseLeave()
{
  entryListHoverLeave(owner, owner);
  Default();
}

void WinMfcPopupMenu::OnMouseMove(UINT flags, CPoint point)
{
  entryListHoverMove(owner, owner, m_hWnd, flags, point);
  Default();
}

}  // namespace pui
}  // namespace qor

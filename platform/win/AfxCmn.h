// The MFC wrappers of the common controls: list view, header, combo box and tree view, with the
// reflection of owner drawing and measuring back to the control.
#pragma once

#include "win/Afx.h"
#include "win/CommCtrl.h"

#include <string>

// A control's own handler of its reflected WM_MEASUREITEM.
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
  {WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL { \
     AFX_TARGET(t)->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(l));                                   \
     *r = TRUE;                                                                                              \
     return TRUE;                                                                                            \
   }},

class CHeaderCtrl : public CWnd
{
public:
  int GetItemCount() const { return static_cast<int>(::SendMessageW(m_hWnd, HDM_GETITEMCOUNT, 0, 0)); }
  BOOL GetItem(int index, HDITEMW* item) const
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
  }
  BOOL SetItem(int index, HDITEMW* item)
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
  }
  int InsertItem(int index, HDITEMW* item)
  {
    return static_cast<int>(::SendMessageW(m_hWnd, HDM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
  }
  BOOL DeleteItem(int index) { return static_cast<BOOL>(::SendMessageW(m_hWnd, HDM_DELETEITEM, static_cast<WPARAM>(index), 0)); }
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
  {
    return CWnd::Create(WC_HEADERW, u"", style, rect, parent, id);
  }
};

class CListCtrl : public CWnd
{
public:
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
  {
    return CWnd::Create(WC_LISTVIEWW, u"", style, rect, parent, id);
  }
  virtual BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
  {
    return CWnd::CreateEx(exStyle, WC_LISTVIEWW, u"", style, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
  }
  // Owner-drawn rows (LVS_OWNERDRAWFIXED) are drawn here.
  virtual void DrawItem(LPDRAWITEMSTRUCT) {}
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
  {
    if (message == WM_DRAWITEM) {
      DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      if (result)
        *result = TRUE;
      return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
  }

  int GetItemCount() const { return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0)); }
  int InsertColumn(int index, const LVCOLUMNW* column)
  {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(column)));
  }
  BOOL DeleteColumn(int index) { return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_DELETECOLUMN, static_cast<WPARAM>(index), 0)); }
  BOOL SetColumn(int index, const LVCOLUMNW* column)
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(column)));
  }
  int InsertItem(const LVITEMW* item)
  {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(item)));
  }
  BOOL SetItemText(int item, int subItem, LPCWSTR text)
  {
    LVITEMW io{};
    io.iSubItem = subItem;
    io.pszText = const_cast<LPWSTR>(text);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&io)));
  }
  std::u16string GetItemText(int item, int subItem) const
  {
    char16_t buffer[1024];
    LVITEMW io{};
    io.iSubItem = subItem;
    io.pszText = buffer;
    io.cchTextMax = 1024;
    LRESULT n = ::SendMessageW(m_hWnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&io));
    return std::u16string(buffer, static_cast<size_t>(n));
  }
  BOOL DeleteAllItems() { return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_DELETEALLITEMS, 0, 0)); }
  BOOL SetItemState(int item, UINT state, UINT mask)
  {
    LVITEMW io{};
    io.state = state;
    io.stateMask = mask;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&io)));
  }
  UINT GetItemState(int item, UINT mask) const
  {
    return static_cast<UINT>(::SendMessageW(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
  }
  int GetNextItem(int item, int flags) const
  {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(item), MAKELPARAM(flags, 0)));
  }
  BOOL SetBkColor(COLORREF color) { return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color))); }
  DWORD SetExtendedStyle(DWORD style, DWORD mask = 0)
  {
    return static_cast<DWORD>(::SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, static_cast<LPARAM>(style)));
  }
  BOOL GetItemPosition(int item, LPPOINT point) const
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_GETITEMPOSITION, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(point)));
  }
  BOOL GetItemRect(int item, LPRECT rect, UINT code) const
  {
    if (!rect)
      return FALSE;
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
  }
  BOOL GetSubItemRect(int item, int subItem, int code, RECT& rect) const
  {
    rect.left = code;
    rect.top = subItem;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)));
  }
  int HitTest(LVHITTESTINFO* info) const
  {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
  }
  int SubItemHitTest(LVHITTESTINFO* info) const
  {
    return static_cast<int>(::SendMessageW(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(info)));
  }
  BOOL EnsureVisible(int item, BOOL partialOk)
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk));
  }
  int GetTopIndex() const { return static_cast<int>(::SendMessageW(m_hWnd, LVM_GETTOPINDEX, 0, 0)); }
  CHeaderCtrl* GetHeaderCtrl() const
  {
    return static_cast<CHeaderCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0))));
  }
};

class CComboBox : public CWnd
{
public:
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
  {
    return CWnd::Create(WC_COMBOBOXW, u"", style, rect, parent, id);
  }
  // Owner drawing and measuring of the items (CBS_OWNERDRAWFIXED).
  virtual void DrawItem(LPDRAWITEMSTRUCT) {}
  virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
  {
    if (message == WM_DRAWITEM) {
      DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      if (result)
        *result = TRUE;
      return TRUE;
    }
    if (message == WM_MEASUREITEM && !CWnd::OnChildNotify(message, wParam, lParam, result)) {
      MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      if (result)
        *result = TRUE;
      return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
  }

  int GetCount() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)); }
  int GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)); }
  int SetCurSel(int index) { return static_cast<int>(::SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0)); }
  int AddString(LPCWSTR text) { return static_cast<int>(::SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  void ResetContent() { ::SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0); }
  int FindStringExact(int start, LPCWSTR text) const
  {
    return static_cast<int>(::SendMessageW(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
  }
  int SelectString(int start, LPCWSTR text)
  {
    return static_cast<int>(::SendMessageW(m_hWnd, CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
  }
  int GetLBTextLen(int index) const { return static_cast<int>(::SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)); }
  std::u16string GetLBText(int index) const
  {
    const int n = GetLBTextLen(index);
    if (n < 0)
      return std::u16string();
    std::u16string text(static_cast<size_t>(n) + 1, u'\0');
    ::SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(n));
    return text;
  }
  void ShowDropDown(BOOL show = TRUE) { ::SendMessageW(m_hWnd, CB_SHOWDROPDOWN, show, 0); }
  BOOL GetDroppedState() const { return static_cast<BOOL>(::SendMessageW(m_hWnd, CB_GETDROPPEDSTATE, 0, 0)); }
};

class CTreeCtrl : public CWnd
{
public:
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
  {
    return CWnd::Create(WC_TREEVIEWW, u"", style, rect, parent, id);
  }
  virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
  HTREEITEM InsertItem(const TVINSERTSTRUCTW* insert)
  {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(m_hWnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(insert)));
  }
  BOOL DeleteAllItems()
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
  }
  BOOL Expand(HTREEITEM item, UINT code)
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
  }
  BOOL SelectItem(HTREEITEM item)
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
  }
  HTREEITEM GetNextItem(HTREEITEM item, UINT code) const
  {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(m_hWnd, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  }
  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
  HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
  BOOL GetItem(TVITEMW* item) const
  {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(item)));
  }
  LPARAM GetItemData(HTREEITEM item) const
  {
    TVITEMW io{};
    io.mask = TVIF_PARAM | TVIF_HANDLE;
    io.hItem = item;
    return GetItem(&io) ? io.lParam : 0;
  }
  BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const
  {
    if (!rect)
      return FALSE;
    *reinterpret_cast<HTREEITEM*>(rect) = item;
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(rect)));
  }
  HTREEITEM HitTest(TVHITTESTINFO* info) const
  {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
  }
  COLORREF SetBkColor(COLORREF color)
  {
    return static_cast<COLORREF>(::SendMessageW(m_hWnd, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)));
  }
  UINT GetCount() const { return static_cast<UINT>(::SendMessageW(m_hWnd, TVM_GETCOUNT, 0, 0)); }
};

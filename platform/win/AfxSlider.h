// MFC's trackbar control, and the entry that takes a trackbar's scroll notification back from its
// parent (the parent reflects WM_HSCROLL and WM_VSCROLL to the control that sent them).
#pragma once

#include "win/Afx.h"
#include "win/CommCtrl.h"

// afx_msg void HScroll(UINT code, UINT position) of the control itself.
#define ON_WM_HSCROLL_REFLECT()                                                                              \
  {WM_REFLECT_BASE + WM_HSCROLL, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM, LRESULT*) -> BOOL {   \
     AFX_TARGET(t)->HScroll(static_cast<UINT>(LOWORD(w)), static_cast<UINT>(HIWORD(w)));                     \
     return TRUE;                                                                                            \
   }},
#define ON_WM_VSCROLL_REFLECT()                                                                              \
  {WM_REFLECT_BASE + WM_VSCROLL, 0, 0, 0, nullptr, [](CCmdTarget* t, WPARAM w, LPARAM, LRESULT*) -> BOOL {   \
     AFX_TARGET(t)->VScroll(static_cast<UINT>(LOWORD(w)), static_cast<UINT>(HIWORD(w)));                     \
     return TRUE;                                                                                            \
   }},

class CSliderCtrl : public CWnd
{
public:
  // A trackbar child window; the class is registered when missing.
  virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  int GetRangeMin() const { return static_cast<int>(::SendMessageW(m_hWnd, TBM_GETRANGEMIN, 0, 0)); }
  int GetRangeMax() const { return static_cast<int>(::SendMessageW(m_hWnd, TBM_GETRANGEMAX, 0, 0)); }
  void GetRange(int& minimum, int& maximum) const
  {
    minimum = GetRangeMin();
    maximum = GetRangeMax();
  }
  void SetRangeMin(int minimum, BOOL redraw = FALSE) { ::SendMessageW(m_hWnd, TBM_SETRANGEMIN, redraw, minimum); }
  void SetRangeMax(int maximum, BOOL redraw = FALSE) { ::SendMessageW(m_hWnd, TBM_SETRANGEMAX, redraw, maximum); }
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE)
  {
    SetRangeMin(minimum, FALSE);
    SetRangeMax(maximum, redraw);
  }
  int GetPos() const { return static_cast<int>(::SendMessageW(m_hWnd, TBM_GETPOS, 0, 0)); }
  void SetPos(int position) { ::SendMessageW(m_hWnd, TBM_SETPOS, TRUE, position); }
  int GetPageSize() const { return static_cast<int>(::SendMessageW(m_hWnd, TBM_GETPAGESIZE, 0, 0)); }
  int SetPageSize(int size) { return static_cast<int>(::SendMessageW(m_hWnd, TBM_SETPAGESIZE, 0, size)); }
  int GetLineSize() const { return static_cast<int>(::SendMessageW(m_hWnd, TBM_GETLINESIZE, 0, 0)); }
  int SetLineSize(int size) { return static_cast<int>(::SendMessageW(m_hWnd, TBM_SETLINESIZE, 0, size)); }
  void SetThumbLength(int length) { ::SendMessageW(m_hWnd, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(length), 0); }
  int GetThumbLength() const { return static_cast<int>(::SendMessageW(m_hWnd, TBM_GETTHUMBLENGTH, 0, 0)); }
  void GetThumbRect(LPRECT rect) const
  {
    ::SendMessageW(m_hWnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(rect));
  }
  void GetChannelRect(LPRECT rect) const
  {
    ::SendMessageW(m_hWnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(rect));
  }
};

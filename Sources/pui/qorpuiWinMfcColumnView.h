// The native list of a column view: a report-mode list view that draws each row itself after the
// list has painted it (one text or image per cell, in the host's theme and UI scale), reports rows
// the user selects and clicks inside cells, and a header that keeps locked columns as they are.
#pragma once

#include "win/AfxCmn.h"

namespace qor {
namespace pui {

class ColumnView;

class __WinMfcCVHeader : public CHeaderCtrl
{
  DECLARE_MESSAGE_MAP()
public:
  explicit __WinMfcCVHeader(ColumnView* owner) : owner(owner) {}

  ColumnView* owner;

  afx_msg BOOL OnBeginTrack(NMHDR* header, LRESULT* result);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);

private:
  bool locked() const;
};

class WinMfcColumnView : public CListCtrl
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcColumnView(ColumnView* owner) : owner(owner) {}
  ~WinMfcColumnView() override;

  ColumnView* owner;
  __WinMfcCVHeader* header = nullptr;

  virtual BOOL create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
  virtual BOOL createEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  // The subclassed header, else the list's own header window (null without one).
  virtual CHeaderCtrl* headerControl() const;

  void DrawItem(LPDRAWITEMSTRUCT item) override;
  void MeasureItem(LPMEASUREITEMSTRUCT item);

  afx_msg void OnCustomDraw(NMHDR* header, LRESULT* result);
  afx_msg void OnItemChanged(NMHDR* header, LRESULT* result);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnPaint();

private:
  void subclassHeader();
  void drawRow(NMLVCUSTOMDRAW* draw, LRESULT* result);
  void cellClick(const CPoint& point);
};

}  // namespace pui
}  // namespace qor

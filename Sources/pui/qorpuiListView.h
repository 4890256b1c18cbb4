// A single-column list of entries in a native list view (report mode without a header): the text of
// each record, its PNG image at the row's left, one selected row. A row the user selects fires the
// value-changed callback; selections made by the program do not.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEntriesWidget.h"
#include "pui/qorpuiEventWidgets.h"
#include "win/AfxCmn.h"

namespace qor {
namespace pui {

class ListView : public EntriesWidget, public ValueChangedWidget, public CustomEventsWidget, public virtual Widget
{
public:
  explicit ListView(const aip::Rect& frame);
  ~ListView() override;

  virtual void clearSelection();

  int32_t selectedIndex() override;
  bool setSelectedIndex(int32_t index) override;
  bool selectById(const std::string& id) override;
  bool selectByText(const std::string& text) override;

  std::string text() override;
  void setText(const std::string& text) override;
  void redraw() override;
  void update() override;
  void createControl(Window* window) override;
  Widget* clone() const override;

  // The list background for the widget's window (used by the control's drawing too).
  COLORREF listBackground() const;

protected:
  ListView(const ListView& other);

private:
  bool onControlThread() const;
  uint32_t controlThread_ = 0;
};

// The native control: routes its mouse messages to the widget, draws row images after the rows and
// reports the rows the user selects.
class WinMfcListView : public CListCtrl
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcListView(ListView* owner) : owner(owner) {}

  ListView* owner;

  afx_msg void OnCustomDraw(NMHDR* header, LRESULT* result);
  afx_msg void OnItemChanged(NMHDR* header, LRESULT* result);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnMouseMove(UINT flags, CPoint point);
};

// The hover handling the entry-list controls share: a move that changes the point or the modifiers
// schedules the tooltip and reports the move once hovered, else starts hover and asks for the leave.
void entryListHoverMove(CustomEventsWidget* events, Widget* owner, HWND control, UINT flags, const CPoint& point);
void entryListHoverLeave(CustomEventsWidget* events, Widget* owner);

}  // namespace pui
}  // namespace qor

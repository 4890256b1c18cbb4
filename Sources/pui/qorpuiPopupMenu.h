// A pop-up menu: a drop-down list showing the chosen entry's text and offering the others when open.
// An entry whose text is "-" is a separator; disabled entries (separators among them) cannot be
// chosen. A blank entry can stand for "none of these". Choosing an entry fires value-changed.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEntriesWidget.h"
#include "pui/qorpuiEventWidgets.h"
#include "win/AfxCmn.h"

namespace qor {
namespace pui {

class PopupMenu : public EntriesWidget, public ValueChangedWidget, public CustomEventsWidget, public virtual Widget
{
public:
  static const char* const separatorText;
  static const char* const blankEntryId;
  // What a separator shows: 56 en dashes.
  static const std::string& separatorLine();

  explicit PopupMenu(const aip::Rect& frame);
  ~PopupMenu() override;

  virtual bool showBlankEntry();
  virtual bool hideBlankEntry();

  int32_t selectedIndex() override;
  bool setSelectedIndex(int32_t index) override;
  bool selectByText(const std::string& text) override;
  void entriesChanged() override;

  std::string text() override;
  void setText(const std::string& text) override;
  void redraw() override;
  void setWindow(Window* window) override;
  void createControl(Window* window) override;
  Widget* clone() const override;

  // Whether the entry at a control item index may be chosen.
  bool itemEnabled(int index) const;

protected:
  PopupMenu(const PopupMenu& other);
  // Adds an item for every record, separators disabled and shown as a line.
  void fillItems(CComboBox* combo);

private:
  bool onControlThread() const;
  uint32_t controlThread_ = 0;
};

class WinMfcPopupMenu;

// The drop list of a pop-up menu, subclassed on first use: a release on a disabled item is swallowed,
// so the list stays open and nothing is chosen.
class WinMfcPopupMenuListBox : public CWnd
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcPopupMenuListBox(WinMfcPopupMenu* owner) : owner(owner) {}
  WinMfcPopupMenu* owner;

  afx_msg void OnLButtonUp(UINT flags, CPoint point);
};

class WinMfcPopupMenu : public CComboBox
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcPopupMenu(PopupMenu* owner) : owner(owner), listBox(this) {}
  ~WinMfcPopupMenu() override;

  PopupMenu* owner;
  std::string lastChosenText;
  WinMfcPopupMenuListBox listBox;

  void PostNcDestroy() override;
  void DrawItem(LPDRAWITEMSTRUCT item) override;
  void MeasureItem(LPMEASUREITEMSTRUCT item) override;

  afx_msg LRESULT OnCtlColorListBox(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnChoiceCheck(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSelChange();
  afx_msg void OnSelEndOk();
  afx_msg LRESULT OnCharToItem(WPARAM wParam, LPARAM lParam);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnMouseMove(UINT flags, CPoint point);

  std::string windowText() const;
};

// The item height of the owner-drawn combo controls: 16 in dialog-kind windows (2, 4), 14 in panels
// (-1, 1, 3), 15 elsewhere or when not placed, times the window's scale.
UINT comboItemHeight(Widget* owner);

}  // namespace pui
}  // namespace qor

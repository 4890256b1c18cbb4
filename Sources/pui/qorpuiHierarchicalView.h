// A tree of text or image entries in a native tree view that the widget draws itself: one selected
// entry, value-changed when the user selects one, and an expand callback when the user opens or
// closes a branch. Expanded flags live in the records, so a rebuild opens the same branches.
#pragma once

#include <cstdint>
#include <string>

#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiHierarchicalEntriesWidget.h"
#include "win/AfxCmn.h"

namespace qor {
namespace pui {

class HierarchicalView : public HierarchicalEntriesWidget,
                         public ValueChangedWidget,
                         public CustomEventsWidget,
                         public virtual Widget
{
public:
  explicit HierarchicalView(const aip::Rect& frame);
  HierarchicalView(const HierarchicalView& other);
  ~HierarchicalView() override;

  IndexPath selectedIndexPath() override;
  bool setSelectedIndexPath(const IndexPath& path) override;
  bool selectByIdPath(const StringPath& idPath) override;
  // The image id (as decimal text) of an entry with one for the theme, else its text, along the path.
  StringPath selectedTextPath() override;
  bool selectByTextPath(const StringPath& textPath) override;

  virtual void clearSelection();
  virtual utils::Callback* expandCallback() const;
  virtual void setExpandCallback(utils::Callback* callback);
  virtual BaseTreeEntryData* expandingEntry() const;

  Widget* clone() const override;
  std::string text() override;
  void setText(const std::string& text) override;
  void redraw() override;
  void update() override;
  void createControl(Window* window) override;

  bool rebuilding() const { return rebuilding_; }
  // For the control's notifications.
  void itemExpanded(BaseTreeEntryData* record, bool expanded);
  void selectionChanged(BaseTreeEntryData* record);
  COLORREF treeBackground() const;

private:
  void rebuildItems();
  void insertRecords(CTreeCtrl* tree, HTREEITEM parent, TreeEntryVector* records, bool dark);

  EventSlot expandSlot_;
  BaseTreeEntryData* expandingEntry_ = nullptr;
  bool rebuilding_ = false;
};

class WinMfcHierarchicalView : public CTreeCtrl
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcHierarchicalView(HierarchicalView* owner) : owner(owner) {}

  HierarchicalView* owner;

  void MeasureItem(LPMEASUREITEMSTRUCT item) override;
  afx_msg void OnCustomDraw(NMHDR* header, LRESULT* result);
  afx_msg void OnItemExpanded(NMHDR* header, LRESULT* result);
  afx_msg void OnSelChanged(NMHDR* header, LRESULT* result);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();

private:
  void drawItem(NMTVCUSTOMDRAW* draw, LRESULT* result);
};

}  // namespace pui
}  // namespace qor

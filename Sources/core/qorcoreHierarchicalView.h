// The client handle of a tree view (widget type 90): the platform view shows the very records of the
// client's tree entries; the handle keeps the top-level entry handles beside it and exchanges the
// selection as index and id paths.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/qorcoreCallback.h"
#include "core/qorcoreRect.h"
#include "core/qorcoreTreeEntry.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class HierarchicalView;
}
namespace core {

using TreeEntryCache = std::vector<TreeEntry*>;

class HierarchicalView : public Widget
{
public:
  // An empty handle.
  HierarchicalView();
  // A new tree view of this frame with no entries.
  explicit HierarchicalView(const Rect& frame);
  HierarchicalView(const HierarchicalView& other);
  ~HierarchicalView() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  std::string text() const override;
  void setText(const std::string& text) override;
  void update() override;
  HierarchicalView& operator=(const HierarchicalView& other);

  virtual void clearSelection();
  virtual std::vector<int32_t> selectedIndexPath() const;
  virtual bool setSelectedIndexPath(const std::vector<int32_t>& path);
  virtual std::vector<std::string> selectedIdPath() const;
  virtual bool selectByIdPath(const std::vector<std::string>& idPath);
  virtual std::vector<std::string> selectedTextPath() const;
  virtual bool selectByTextPath(const std::vector<std::string>& textPath);
  // A new handle the caller owns, or null.
  virtual TreeEntry* selectedEntry() const;
  virtual bool selectedEntryUserData(void*& out) const;
  // The live list, with the expanded flags brought over from the view.
  virtual const TreeEntryCache* entries() const;
  virtual bool hasEntry(const std::vector<std::string>& idPath) const;
  virtual void setEntries(const std::vector<TreeEntry*>& entries);
  virtual void clearEntries();
  virtual void fireValueChanged();
  virtual Callback* valueChangedCallback() const;
  virtual void setValueChangedCallback(const Callback& callback);
  virtual Callback* expandCallback() const;
  virtual void setExpandCallback(const Callback& callback);
  // Inside the expand callback, a new handle of the entry whose branch opened or closed; else null.
  virtual TreeEntry* expandingEntry() const;

private:
  pui::HierarchicalView* view() const;
  TreeEntryCache* cache() const;
};

}  // namespace core
}  // namespace qor

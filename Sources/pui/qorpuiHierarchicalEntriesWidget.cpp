#include "pui/qorpuiHierarchicalEntriesWidget.h"

#include <set>

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace pui {

HierarchicalEntriesWidget::HierarchicalEntriesWidget() : entries_(new TreeEntryVector()) {}

HierarchicalEntriesWidget::~HierarchicalEntriesWidget()
{
  BasePlugin* plugin = BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  if (globals && globals->hierarchicalViewsOwnEntries)
    for (BaseTreeEntryData*& record : *entries_) {
      delete record;
      record = nullptr;
    }
  entries_->clear();
  delete entries_;
}

IndexPath HierarchicalEntriesWidget::selectedIndexPath()
{
  return IndexPath();
}

bool HierarchicalEntriesWidget::isValidIndexPath(const IndexPath& path) const
{
  return !path.empty() && recordAt(path) != nullptr;
}

BaseTreeEntryData* HierarchicalEntriesWidget::recordAt(const IndexPath& path) const
{
  if (path.empty())
    return nullptr;
  const TreeEntryVector* level = entries_;
  BaseTreeEntryData* record = nullptr;
  for (int32_t index : path) {
    if (!level || index < 0 || static_cast<size_t>(index) >= level->size())
      return nullptr;
    record = level->at(static_cast<size_t>(index));
    if (!record)
      return nullptr;
    level = record->children();
  }
  return record;
}

IndexPath HierarchicalEntriesWidget::pathOf(const BaseTreeEntryData* record) const
{
  IndexPath reversed;
  while (record) {
    const TreeEntryVector* level = record->parent() ? record->parent()->children() : entries_;
    int32_t position = -1;
    for (size_t i = 0; i < level->size(); ++i)
      if (level->at(i) == record) {
        position = static_cast<int32_t>(i);
        break;
      }
    if (position < 0)
      return IndexPath();
    reversed.push_back(position);
    record = record->parent();
  }
  return IndexPath(reversed.rbegin(), reversed.rend());
}

bool HierarchicalEntriesWidget::setSelectedIndexPath(const IndexPath& path)
{
  if (!isValidIndexPath(path))
    return false;
  selection_ = path;
  return true;
}

StringPath HierarchicalEntriesWidget::selectedIdPath()
{
  StringPath out;
  const IndexPath path = selectedIndexPath();
  for (size_t depth = 1; depth <= path.size(); ++depth) {
    BaseTreeEntryData* record = recordAt(IndexPath(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(depth)));
    if (!record)
      return StringPath();
    out.push_back(record->id());
  }
  return out;
}

StringPath HierarchicalEntriesWidget::selectedTextPath()
{
  StringPath out;
  const IndexPath path = selectedIndexPath();
  for (size_t depth = 1; depth <= path.size(); ++depth) {
    BaseTreeEntryData* record = recordAt(IndexPath(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(depth)));
    if (!record)
      return StringPath();
    out.push_back(record->text());
  }
  return out;
}

IndexPath HierarchicalEntriesWidget::findPath(const StringPath& path, bool byText) const
{
  IndexPath found;
  const TreeEntryVector* level = entries_;
  for (const std::string& wanted : path) {
    int32_t match = -1;
    for (size_t i = 0; level && i < level->size(); ++i) {
      BaseTreeEntryData* record = level->at(i);
      if (record && (byText ? record->text() : record->id()) == wanted) {
        match = static_cast<int32_t>(i);
        break;
      }
    }
    if (match < 0)
      return IndexPath();
    found.push_back(match);
    level = level->at(static_cast<size_t>(match))->children();
  }
  return found;
}

bool HierarchicalEntriesWidget::hasEntry(const StringPath& idPath) const
{
  return !idPath.empty() && !findPath(idPath, false).empty();
}

bool HierarchicalEntriesWidget::selectByIdPath(const StringPath& idPath)
{
  if (!hasEntry(idPath))
    return false;
  selection_.clear();
  setSelectedIndexPath(findPath(idPath, false));
  return true;
}

bool HierarchicalEntriesWidget::selectByTextPath(const StringPath& textPath)
{
  if (textPath.empty() || findPath(textPath, true).empty())
    return false;
  selection_.clear();
  setSelectedIndexPath(findPath(textPath, true));
  return true;
}

TreeEntryVector* HierarchicalEntriesWidget::entries() const
{
  return entries_;
}

void HierarchicalEntriesWidget::setEntries(const TreeEntryVector& records, bool deleteOld)
{
  replaceEntries(records, deleteOld);
  redraw();
}

void HierarchicalEntriesWidget::clearEntries(bool deleteOld)
{
  setEntries(TreeEntryVector(), deleteOld);
}

void HierarchicalEntriesWidget::reparentEntries()
{
  for (BaseTreeEntryData* record : *entries_)
    if (record)
      setParentRecursively(nullptr, record);
}

void HierarchicalEntriesWidget::setParentRecursively(BaseTreeEntryData* parent, BaseTreeEntryData* record)
{
  if (!record)
    return;
  record->setParent(parent);
  for (BaseTreeEntryData* child : *record->children())
    if (child)
      setParentRecursively(record, child);
}

void HierarchicalEntriesWidget::replaceEntries(const TreeEntryVector& records, bool deleteOld)
{
  // The new list may be the live one or hold old records again: those stay.
  const TreeEntryVector incoming(records);
  if (deleteOld) {
    const std::set<BaseTreeEntryData*> kept(incoming.begin(), incoming.end());
    for (BaseTreeEntryData*& record : *entries_) {
      if (record && !kept.count(record))
        delete record;
      record = nullptr;
    }
  }
  entries_->clear();
  for (BaseTreeEntryData* record : incoming)
    entries_->pushBack(record);
}

}  // namespace pui
}  // namespace qor

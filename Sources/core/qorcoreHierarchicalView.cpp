#include "core/qorcoreHierarchicalView.h"

#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiHierarchicalView.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcoreHierarchicalView_detail {
UiGlobals* uiGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui && ui->coreGlobals ? ui : nullptr;
}

void clearCache(TreeEntryCache& cache)
{
  for (TreeEntry* entry : cache)
    delete entry;
  cache.clear();
}

// Links the records of an entry's children under its record, from the client children as they are
// now: the record's children are rebuilt, so children taken out since are no longer shown. A child
// whose id is already among them is left out with its subtree.
void attachChildren(const TreeEntry& entry)
{
  pui::TreeEntryData<void*>* record = treeEntryData(entry);
  if (!record)
    return;
  pui::TreeEntryVector* linked = record->children();
  linked->clear();
  for (int32_t i = 0; i < entry.childCount(); ++i) {
    std::unique_ptr<TreeEntry> child(entry.childAt(i));
    pui::TreeEntryData<void*>* childRecord = child ? treeEntryData(*child) : nullptr;
    if (!childRecord)
      continue;
    bool present = false;
    for (pui::BaseTreeEntryData* sibling : *linked)
      present = present || (sibling && sibling->id() == childRecord->id());
    if (present)
      continue;
    linked->pushBack(childRecord);
    attachChildren(*child);
  }
}

pui::TreeEntryVector records(const std::vector<TreeEntry*>& entries)
{
  pui::TreeEntryVector out;
  for (TreeEntry* entry : entries) {
    pui::TreeEntryData<void*>* record = entry ? treeEntryData(*entry) : nullptr;
    if (!record)
      continue;
    out.pushBack(record);
    attachChildren(*entry);
  }
  return out;
}

void copyExpanded(TreeEntry& entry, const pui::BaseTreeEntryData& record)
{
  entry.setExpanded(record.expanded());
  const pui::TreeEntryVector* children = record.children();
  for (int32_t i = 0; i < entry.childCount() && static_cast<size_t>(i) < children->size(); ++i) {
    std::unique_ptr<TreeEntry> child(entry.childAt(i));
    pui::BaseTreeEntryData* childRecord = children->at(static_cast<size_t>(i));
    if (child && childRecord && child->id() == childRecord->id())
      copyExpanded(*child, *childRecord);
  }
}

TreeEntry* freshCopy(const TreeEntry& source)
{
  auto* copy = new TreeEntry(source.id(), source.value(), nullptr, source.isEnabled(), source.isExpanded());
  for (int32_t i = 0; i < source.childCount(); ++i) {
    std::unique_ptr<TreeEntry> child(source.childAt(i));
    std::unique_ptr<TreeEntry> childCopy(freshCopy(*child));
    copy->pushChild(*childCopy);
  }
  return copy;
}
}  // namespace qorcoreHierarchicalView_detail

HierarchicalView::HierarchicalView() = default;

HierarchicalView::HierarchicalView(const Rect& frame)
{
  adopt(new pui::HierarchicalView(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height)));
  if (container()->data)
    container()->data->entries = new TreeEntryCache();
}

HierarchicalView::HierarchicalView(const HierarchicalView& other) : Widget(other) {}

HierarchicalView::~HierarchicalView()
{
  UiGlobals* ui = qorcoreHierarchicalView_detail::uiGlobals();
  __IntWidgetContainer* shared = container();
  if (!ui || !view() || !shared || !shared->data || !shared->data->entries || shared->refCount > 1)
    return;
  const bool owns = ui->hierarchicalViewsOwnEntries;
  ui->hierarchicalViewsOwnEntries = false;
  auto* entries = static_cast<TreeEntryCache*>(shared->data->entries);
  qorcoreHierarchicalView_detail::clearCache(*entries);
  delete entries;
  shared->data->entries = nullptr;
  ui->hierarchicalViewsOwnEntries = owns;
}

HierarchicalView& HierarchicalView::operator=(const HierarchicalView& other)
{
  shareContainer(other);
  return *this;
}

pui::HierarchicalView* HierarchicalView::view() const
{
  return qorcoreHierarchicalView_detail::uiGlobals() ? platformAs<pui::HierarchicalView>() : nullptr;
}

TreeEntryCache* HierarchicalView::cache() const
{
  return view() && container()->data ? static_cast<TreeEntryCache*>(container()->data->entries) : nullptr;
}

Widget* HierarchicalView::duplicate() const
{
  return new HierarchicalView(*this);
}

Widget* HierarchicalView::clone() const
{
  pui::HierarchicalView* source = view();
  if (!source)
    return nullptr;
  auto* copy = dynamic_cast<pui::HierarchicalView*>(source->clone());
  copy->clearEntries(true);
  auto* handle = new HierarchicalView();
  handle->adopt(copy);
  if (!handle->container()->data)
    return handle;
  if (!handle->container()->data->entries)
    handle->container()->data->entries = new TreeEntryCache();
  if (TreeEntryCache* entries = cache()) {
    std::vector<TreeEntry*> fresh;
    for (TreeEntry* entry : *entries)
      if (entry)
        fresh.push_back(qorcoreHierarchicalView_detail::freshCopy(*entry));
    handle->setEntries(fresh);
    for (TreeEntry* entry : fresh)
      delete entry;
  }
  return handle;
}

std::string HierarchicalView::text() const
{
  return view() ? view()->text() : std::string();
}

void HierarchicalView::setText(const std::string&) {}

void HierarchicalView::update()
{
  pui::HierarchicalView* platform = view();
  TreeEntryCache* entries = cache();
  if (!platform || !entries || !platform->hasControl())
    return;
  this->entries();
  const std::vector<std::string> idPath = platform->selectedIdPath();
  platform->setEntries(qorcoreHierarchicalView_detail::records(*entries), false);
  Widget::update();
  platform->selectByIdPath(idPath);
}

void HierarchicalView::clearSelection()
{
  if (pui::HierarchicalView* platform = view())
    platform->clearSelection();
}

std::vector<int32_t> HierarchicalView::selectedIndexPath() const
{
  return view() ? view()->selectedIndexPath() : std::vector<int32_t>();
}

bool HierarchicalView::setSelectedIndexPath(const std::vector<int32_t>& path)
{
  return view() && view()->setSelectedIndexPath(path);
}

std::vector<std::string> HierarchicalView::selectedIdPath() const
{
  return view() ? view()->selectedIdPath() : std::vector<std::string>();
}

bool HierarchicalView::selectByIdPath(const std::vector<std::string>& idPath)
{
  return view() && view()->selectByIdPath(idPath);
}

std::vector<std::string> HierarchicalView::selectedTextPath() const
{
  return view() ? view()->selectedTextPath() : std::vector<std::string>();
}

bool HierarchicalView::selectByTextPath(const std::vector<std::string>& textPath)
{
  return view() && view()->selectByTextPath(textPath);
}

TreeEntry* HierarchicalView::selectedEntry() const
{
  pui::HierarchicalView* platform = view();
  TreeEntryCache* entries = cache();
  if (!platform || !entries)
    return nullptr;
  const std::vector<int32_t> path = platform->selectedIndexPath();
  pui::TreeEntryVector* top = platform->entries();
  if (path.empty() || path[0] < 0 || static_cast<size_t>(path[0]) >= entries->size() ||
      static_cast<size_t>(path[0]) >= top->size())
    return nullptr;
  TreeEntry* cached = entries->at(static_cast<size_t>(path[0]));
  pui::BaseTreeEntryData* record = top->at(static_cast<size_t>(path[0]));
  if (!cached || !record)
    return nullptr;
  std::unique_ptr<TreeEntry> entry(new TreeEntry(*cached));
  for (size_t level = 1; level < path.size(); ++level) {
    const int32_t index = path[level];
    if (index < 0 || index >= entry->childCount() || static_cast<size_t>(index) >= record->children()->size())
      return nullptr;
    entry.reset(entry->childAt(index));
    record = record->children()->at(static_cast<size_t>(index));
    if (!entry || !record)
      return nullptr;
  }
  entry->setExpanded(record->expanded());
  return entry.release();
}

bool HierarchicalView::selectedEntryUserData(void*& out) const
{
  std::unique_ptr<TreeEntry> entry(selectedEntry());
  if (!entry || entry->isEmpty())
    return false;
  out = entry->userData();
  return true;
}

const TreeEntryCache* HierarchicalView::entries() const
{
  pui::HierarchicalView* platform = view();
  TreeEntryCache* entries = cache();
  if (!platform || !entries)
    return nullptr;
  pui::TreeEntryVector* top = platform->entries();
  for (size_t i = 0; i < entries->size() && i < top->size(); ++i)
    if (entries->at(i) && top->at(i) && entries->at(i)->id() == top->at(i)->id())
      qorcoreHierarchicalView_detail::copyExpanded(*entries->at(i), *top->at(i));
  return entries;
}

bool HierarchicalView::hasEntry(const std::vector<std::string>& idPath) const
{
  return view() && view()->hasEntry(idPath);
}

void HierarchicalView::setEntries(const std::vector<TreeEntry*>& entries)
{
  pui::HierarchicalView* platform = view();
  TreeEntryCache* cached = cache();
  if (!platform || !cached)
    return;
  std::vector<TreeEntry*> copies;
  for (TreeEntry* entry : entries)
    if (entry)
      copies.push_back(new TreeEntry(*entry));
  platform->setEntries(qorcoreHierarchicalView_detail::records(copies), false);
  qorcoreHierarchicalView_detail::clearCache(*cached);
  *cached = copies;
}

void HierarchicalView::clearEntries()
{
  pui::HierarchicalView* platform = view();
  TreeEntryCache* cached = cache();
  if (!platform || !cached)
    return;
  // The view lets go of the records before their entries may delete them.
  platform->clearEntries(false);
  qorcoreHierarchicalView_detail::clearCache(*cached);
}

void HierarchicalView::fireValueChanged()
{
  if (pui::HierarchicalView* platform = view())
    platform->fireValueChanged();
}

Callback* HierarchicalView::valueChangedCallback() const
{
  return view() ? clientCallback(view()->valueChangedCallback()) : nullptr;
}

void HierarchicalView::setValueChangedCallback(const Callback& callback)
{
  if (pui::HierarchicalView* platform = view())
    platform->setValueChangedCallback(platformCallback(&callback));
}

Callback* HierarchicalView::expandCallback() const
{
  return view() ? clientCallback(view()->expandCallback()) : nullptr;
}

void HierarchicalView::setExpandCallback(const Callback& callback)
{
  if (pui::HierarchicalView* platform = view())
    platform->setExpandCallback(platformCallback(&callback));
}

TreeEntry* HierarchicalView::expandingEntry() const
{
  pui::HierarchicalView* platform = view();
  TreeEntryCache* entries = cache();
  pui::BaseTreeEntryData* record = platform ? platform->expandingEntry() : nullptr;
  if (!entries || !record)
    return nullptr;
  std::vector<std::string> ids;
  for (pui::BaseTreeEntryData* up = record; up; up = up->parent())
    ids.insert(ids.begin(), up->id());
  TreeEntry* current = nullptr;
  for (TreeEntry* entry : *entries)
    if (entry && entry->id() == ids.front()) {
      current = entry;
      break;
    }
  if (!current)
    return nullptr;
  std::unique_ptr<TreeEntry> walk(new TreeEntry(*current));
  for (size_t level = 1; level < ids.size(); ++level) {
    for (int32_t i = 0; i < walk->childCount(); ++i) {
      std::unique_ptr<TreeEntry> child(walk->childAt(i));
      if (child && child->id() == ids[level]) {
        walk = std::move(child);
        break;
      }
    }
  }
  return walk->id() == record->id() ? walk.release() : nullptr;
}

}  // namespace core
}  // namespace qor

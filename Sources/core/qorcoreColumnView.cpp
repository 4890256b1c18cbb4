#include "core/qorcoreColumnView.h"

#include <stdexcept>

#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiColumnView.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcoreColumnView_detail {
UiGlobals* uiGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui && ui->coreGlobals ? ui : nullptr;
}

void clear(ColumnEntryCache& cache)
{
  for (ColumnEntry* entry : cache)
    delete entry;
  cache.clear();
}

pui::ColumnEntryVector records(const std::vector<ColumnEntry*>& entries)
{
  pui::ColumnEntryVector out;
  for (ColumnEntry* entry : entries)
    if (entry)
      if (pui::ColumnEntryData* record = columnEntryData(*entry))
        out.pushBack(record);
  return out;
}
}  // namespace qorcoreColumnView_detail

ColumnView::ColumnView() = default;

ColumnView::ColumnView(const Rect& frame, const std::vector<std::string>& columnNames, bool header,
                       const std::vector<double>& widths)
{
  adopt(new pui::ColumnView(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height),
                            columnNames, header, widths));
  if (container()->data)
    container()->data->entries = new ColumnEntryCache();
}

ColumnView::ColumnView(const ColumnView& other) : Widget(other) {}

ColumnView::~ColumnView()
{
  UiGlobals* ui = qorcoreColumnView_detail::uiGlobals();
  __IntWidgetContainer* shared = container();
  if (!ui || !view() || !shared || !shared->data || !shared->data->entries || shared->refCount > 1)
    return;
  // The cached entries own the records: the platform view must not delete them again.
  const bool owns = ui->columnViewsOwnEntries;
  ui->columnViewsOwnEntries = false;
  auto* entries = static_cast<ColumnEntryCache*>(shared->data->entries);
  qorcoreColumnView_detail::clear(*entries);
  delete entries;
  shared->data->entries = nullptr;
  ui->columnViewsOwnEntries = owns;
}

ColumnView& ColumnView::operator=(const ColumnView& other)
{
  shareContainer(other);
  return *this;
}

pui::ColumnView* ColumnView::view() const
{
  return qorcoreColumnView_detail::uiGlobals() ? platformAs<pui::ColumnView>() : nullptr;
}

ColumnEntryCache* ColumnView::cache() const
{
  return view() && container()->data ? static_cast<ColumnEntryCache*>(container()->data->entries) : nullptr;
}

Widget* ColumnView::duplicate() const
{
  return new ColumnView(*this);
}

Widget* ColumnView::clone() const
{
  pui::ColumnView* source = view();
  if (!source)
    return nullptr;
  auto* copy = dynamic_cast<pui::ColumnView*>(source->clone());
  copy->clearEntries(true);
  auto* handle = new ColumnView();
  handle->adopt(copy);
  if (!handle->container()->data)
    return handle;
  if (!handle->container()->data->entries)
    handle->container()->data->entries = new ColumnEntryCache();
  if (ColumnEntryCache* entries = cache()) {
    std::vector<ColumnEntry*> fresh;
    for (ColumnEntry* entry : *entries)
      if (entry)
        fresh.push_back(new ColumnEntry(entry->id(), entry->values(), UserDataList(), entry->isEnabled()));
    handle->setEntries(fresh);
    qorcoreColumnView_detail::clear(fresh);
  }
  return handle;
}

std::string ColumnView::text() const
{
  return view() ? view()->text() : std::string();
}

void ColumnView::update()
{
  pui::ColumnView* platform = view();
  ColumnEntryCache* entries = cache();
  if (!platform || !entries)
    return;
  const std::string id = platform->selectedId();
  platform->setEntries(qorcoreColumnView_detail::records(*entries), false);
  Widget::update();
  platform->selectById(id);
}

void ColumnView::clearSelection()
{
  if (pui::ColumnView* platform = view())
    platform->clearSelection();
}

int32_t ColumnView::selectedIndex() const
{
  return view() ? view()->selectedIndex() : -1;
}

bool ColumnView::setSelectedIndex(int32_t index)
{
  return view() && view()->setSelectedIndex(index);
}

std::string ColumnView::selectedId() const
{
  return view() ? view()->selectedId() : std::string();
}

bool ColumnView::selectById(const std::string& id)
{
  return view() && view()->selectById(id);
}

ColumnEntry* ColumnView::selectedEntry() const
{
  ColumnEntryCache* entries = cache();
  if (!entries)
    return nullptr;
  const int32_t index = view()->selectedIndex();
  if (index < 0)
    return nullptr;
  try {
    ColumnEntry* cached = entries->at(static_cast<size_t>(index));
    return cached ? new ColumnEntry(*cached) : nullptr;
  } catch (const std::out_of_range&) {
    return nullptr;
  }
}

const ColumnEntryCache* ColumnView::entries() const
{
  return cache();
}

bool ColumnView::hasEntry(const std::string& id) const
{
  return view() && view()->hasEntry(id);
}

void ColumnView::setEntries(const std::vector<ColumnEntry*>& entries)
{
  pui::ColumnView* platform = view();
  ColumnEntryCache* cached = cache();
  if (!platform || !cached)
    return;
  // The given list may be the cache itself: copy the handles before the cache is emptied.
  ColumnEntryCache copies;
  for (ColumnEntry* entry : entries)
    if (entry)
      copies.push_back(new ColumnEntry(*entry));
  platform->setEntries(qorcoreColumnView_detail::records(copies), false);
  qorcoreColumnView_detail::clear(*cached);
  *cached = copies;
}

void ColumnView::clearEntries()
{
  pui::ColumnView* platform = view();
  ColumnEntryCache* cached = cache();
  if (!platform || !cached)
    return;
  // The platform list lets go of the records before their entries may delete them.
  platform->clearEntries(false);
  qorcoreColumnView_detail::clear(*cached);
}

bool ColumnView::hasHeader() const
{
  return view() && view()->hasHeader();
}

uint16_t ColumnView::columnCount() const
{
  return view() ? view()->columnCount() : 0;
}

std::vector<std::string> ColumnView::columnNames() const
{
  std::vector<std::string> names;
  if (pui::ColumnView* platform = view())
    if (pui::ColumnNames* shown = platform->columnNames())
      names.assign(shown->begin(), shown->end());
  return names;
}

std::vector<double> ColumnView::columnWidths() const
{
  return view() ? view()->columnWidths() : std::vector<double>();
}

void ColumnView::setColumnWidths(const std::vector<double>& widths)
{
  if (pui::ColumnView* platform = view())
    platform->setColumnWidths(widths);
}

bool ColumnView::columnsLocked() const
{
  return view() && view()->columnsLocked();
}

void ColumnView::setColumnsLocked(bool locked)
{
  if (pui::ColumnView* platform = view())
    platform->setColumnsLocked(locked);
}

void ColumnView::fireValueChanged()
{
  if (pui::ColumnView* platform = view())
    platform->fireValueChanged();
}

Callback* ColumnView::valueChangedCallback() const
{
  return view() ? clientCallback(view()->valueChangedCallback()) : nullptr;
}

void ColumnView::setValueChangedCallback(const Callback& callback)
{
  if (pui::ColumnView* platform = view())
    platform->setValueChangedCallback(platformCallback(&callback));
}

Callback* ColumnView::cellClickCallback() const
{
  return view() ? clientCallback(view()->cellClickCallback()) : nullptr;
}

void ColumnView::setCellClickCallback(const Callback& callback)
{
  if (pui::ColumnView* platform = view())
    platform->setCellClickCallback(platformCallback(&callback));
}

ColumnEntry* ColumnView::clickedEntry() const
{
  ColumnEntryCache* entries = cache();
  pui::BaseColumnEntryData* record = entries ? view()->clickedEntry() : nullptr;
  if (!record)
    return nullptr;
  for (ColumnEntry* entry : *entries)
    if (entry && entry->id() == record->id())
      return new ColumnEntry(*entry);
  return nullptr;
}

int32_t ColumnView::clickedColumn() const
{
  return view() ? view()->clickedColumn() : -1;
}

}  // namespace core
}  // namespace qor

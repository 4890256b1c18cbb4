#include "core/qorcoreColumnEntry.h"

#include "core/qorcoreCoreGlobals.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiColumnEntryData.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcoreColumnEntry_detail {
CoreGlobals* coreGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

uint32_t& columnCounter()
{
  static uint32_t value = 0;
  return value;
}

uint32_t& treeColumnCounter()
{
  static uint32_t value = 0;
  return value;
}

// The three per-column lists of a set of values, side by side; values of another type add nothing.
struct Lists
{
  pui::ColumnTexts texts;
  pui::ColumnImageIds images;
  pui::ColumnSvgIds svgs;
  bool anySvg = false;
};

Lists toLists(const EntryValues& values)
{
  Lists lists;
  for (const EntryValue& value : values) {
    pui::EntryImageIds images;
    pui::EntrySvgIds svgs;
    std::string text;
    switch (value.type()) {
    case EntryValue::TextType:
      text = value.text();
      break;
    case EntryValue::ImageIDsType:
      for (int i = 0; i < ImageIDs::count; ++i)
        images.ids[i] = value.imageIDs().ids[i];
      break;
    case EntryValue::SVGIDsType:
      svgs = pui::EntrySvgIds{value.svgIDs().light, value.svgIDs().dark};
      lists.anySvg = true;
      break;
    default:
      continue;
    }
    lists.texts.push_back(text);
    lists.images.push_back(images);
    lists.svgs.push_back(svgs);
  }
  return lists;
}

EntryValues fromLists(const pui::ColumnTexts& texts, const pui::ColumnImageIds& images, const pui::ColumnSvgIds& svgs)
{
  EntryValues values;
  size_t t = 0, i = 0, s = 0;
  while (t < texts.size() || i < images.size() || s < svgs.size()) {
    bool emitted = false;
    if (s < svgs.size()) {
      const pui::EntrySvgIds pair = svgs[s++];
      if (pair.present()) {
        values.emplace_back(SVGIDs(pair.light, pair.dark));
        emitted = true;
      }
    }
    if (i < images.size()) {
      const pui::EntryImageIds set = images[i++];
      if (!emitted && set.present()) {
        ImageIDs ids;
        for (int k = 0; k < ImageIDs::count; ++k)
          ids.ids[k] = set.ids[k];
        values.emplace_back(ids);
        emitted = true;
      }
    }
    if (t < texts.size()) {
      const std::string text = texts[t++];
      if (!emitted)
        values.emplace_back(text);
    }
  }
  return values;
}
}  // namespace qorcoreColumnEntry_detail

using qorcoreColumnEntry_detail::Lists;

// Column entries.

__IntColumnEntryData::~__IntColumnEntryData()
{
  delete record;
}

__IntColumnEntryContainer::__IntColumnEntryContainer() : id(++qorcoreColumnEntry_detail::columnCounter()) {}

__IntColumnEntryContainer::~__IntColumnEntryContainer()
{
  delete data;
}

ColumnEntry::ColumnEntry() : container_(new __IntColumnEntryContainer()) {}

ColumnEntry::ColumnEntry(const std::string& id, const EntryValues& values, const UserDataList& userData, bool enabled)
    : container_(new __IntColumnEntryContainer())
{
  CoreGlobals* globals = qorcoreColumnEntry_detail::coreGlobals();
  if (id.empty() || !globals)
    return;
  const Lists lists = qorcoreColumnEntry_detail::toLists(values);
  auto* record = lists.anySvg ? new pui::ColumnEntryData(id, lists.texts, lists.svgs, userData, true)
                              : new pui::ColumnEntryData(id, lists.texts, lists.images, userData, true);
  record->setEnabled(enabled);
  container_->data = new __IntColumnEntryData(record);
  globals->columnEntryRegistry.insert(container_->id, container_);
}

ColumnEntry::ColumnEntry(const ColumnEntry& other) : container_(other.container_)
{
  ++container_->refCount;
}

ColumnEntry::~ColumnEntry()
{
  release();
}

void ColumnEntry::release()
{
  if (!container_)
    return;
  CoreGlobals* globals = qorcoreColumnEntry_detail::coreGlobals();
  if (--container_->refCount <= 0) {
    if (globals)
      globals->columnEntryRegistry.remove(container_->id);
    if (globals || !container_->data)
      delete container_;
  }
  container_ = nullptr;
}

ColumnEntry& ColumnEntry::operator=(const ColumnEntry& other)
{
  if (&other == this || !qorcoreColumnEntry_detail::coreGlobals() || !container_ || !other.container_ ||
      other.container_ == container_)
    return *this;
  __IntColumnEntryContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
  return *this;
}

pui::ColumnEntryData* ColumnEntry::record() const
{
  return container_ && container_->data && qorcoreColumnEntry_detail::coreGlobals() ? container_->data->record : nullptr;
}

bool ColumnEntry::isEmpty() const
{
  return !record();
}

std::string ColumnEntry::id() const
{
  return record() ? record()->id() : std::string();
}

void ColumnEntry::setId(const std::string& id)
{
  if (record())
    record()->setId(id);
}

EntryValues ColumnEntry::values() const
{
  pui::ColumnEntryData* r = record();
  return r ? qorcoreColumnEntry_detail::fromLists(r->texts(), r->imageIds(), r->svgIds()) : EntryValues();
}

void ColumnEntry::setValues(const EntryValues& values)
{
  if (pui::ColumnEntryData* r = record()) {
    const Lists lists = qorcoreColumnEntry_detail::toLists(values);
    r->setTexts(lists.texts);
    r->setImageIds(lists.images);
    r->setSvgIds(lists.svgs);
  }
}

bool ColumnEntry::isEnabled() const
{
  return record() && record()->enabled();
}

void ColumnEntry::setEnabled(bool enabled)
{
  if (record())
    record()->setEnabled(enabled);
}

UserDataList ColumnEntry::userData() const
{
  return record() ? record()->userData() : UserDataList();
}

void ColumnEntry::setUserData(const UserDataList& data)
{
  if (record())
    record()->setUserData(data);
}

bool ColumnEntry::operator==(const ColumnEntry& other) const
{
  if (!container_ || !other.container_)
    return !container_ && !other.container_;
  const bool mine = container_->data != nullptr, theirs = other.container_->data != nullptr;
  if (!mine || !theirs)
    return !mine && !theirs;
  return container_->id == other.container_->id;
}

bool ColumnEntry::operator!=(const ColumnEntry& other) const
{
  return !(*this == other);
}

pui::ColumnEntryData* columnEntryData(const ColumnEntry& entry)
{
  return entry.record();
}

// Tree-column entries.

__IntTreeColumnEntryData::~__IntTreeColumnEntryData()
{
  for (TreeColumnEntry* child : children)
    delete child;
  children.clear();
  if (record) {
    record->children()->clear();
    delete record;
  }
}

__IntTreeColumnEntryContainer::__IntTreeColumnEntryContainer() : id(++qorcoreColumnEntry_detail::treeColumnCounter()) {}

__IntTreeColumnEntryContainer::~__IntTreeColumnEntryContainer()
{
  delete data;
}

TreeColumnEntry::TreeColumnEntry() : container_(new __IntTreeColumnEntryContainer()) {}

TreeColumnEntry::TreeColumnEntry(const std::string& id, const EntryValues& values, const UserDataList& userData,
                                 bool enabled, bool expanded)
    : container_(new __IntTreeColumnEntryContainer())
{
  CoreGlobals* globals = qorcoreColumnEntry_detail::coreGlobals();
  if (id.empty() || !globals)
    return;
  const Lists lists = qorcoreColumnEntry_detail::toLists(values);
  auto* record = lists.anySvg
                     ? new pui::TreeColumnEntryData(id, lists.texts, lists.svgs, userData, enabled, expanded)
                     : new pui::TreeColumnEntryData(id, lists.texts, lists.images, userData, enabled, expanded);
  record->setEnabled(enabled);
  container_->data = new __IntTreeColumnEntryData(record);
  globals->treeColumnEntryRegistry.insert(container_->id, container_);
}

TreeColumnEntry::TreeColumnEntry(const TreeColumnEntry& other) : container_(other.container_)
{
  ++container_->refCount;
}

TreeColumnEntry::~TreeColumnEntry()
{
  release();
}

void TreeColumnEntry::release()
{
  if (!container_)
    return;
  CoreGlobals* globals = qorcoreColumnEntry_detail::coreGlobals();
  if (--container_->refCount <= 0) {
    if (globals)
      globals->treeColumnEntryRegistry.remove(container_->id);
    if (globals || !container_->data)
      delete container_;
  }
  container_ = nullptr;
}

TreeColumnEntry& TreeColumnEntry::operator=(const TreeColumnEntry& other)
{
  if (&other == this || !qorcoreColumnEntry_detail::coreGlobals() || !container_ || !other.container_ ||
      other.container_ == container_)
    return *this;
  __IntTreeColumnEntryContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
  return *this;
}

pui::TreeColumnEntryData* TreeColumnEntry::record() const
{
  return container_ && container_->data && qorcoreColumnEntry_detail::coreGlobals() ? container_->data->record : nullptr;
}

bool TreeColumnEntry::isEmpty() const
{
  return !record();
}

std::string TreeColumnEntry::id() const
{
  return record() ? record()->id() : std::string();
}

void TreeColumnEntry::setId(const std::string& id)
{
  if (record())
    record()->setId(id);
}

EntryValues TreeColumnEntry::values() const
{
  pui::TreeColumnEntryData* r = record();
  return r ? qorcoreColumnEntry_detail::fromLists(r->texts(), r->imageIds(), r->svgIds()) : EntryValues();
}

void TreeColumnEntry::setValues(const EntryValues& values)
{
  if (pui::TreeColumnEntryData* r = record()) {
    const Lists lists = qorcoreColumnEntry_detail::toLists(values);
    r->setTexts(lists.texts);
    r->setImageIds(lists.images);
    r->setSvgIds(lists.svgs);
  }
}

bool TreeColumnEntry::isEnabled() const
{
  return record() && record()->enabled();
}

void TreeColumnEntry::setEnabled(bool enabled)
{
  if (record())
    record()->setEnabled(enabled);
}

bool TreeColumnEntry::isExpanded() const
{
  return record() && record()->expanded();
}

void TreeColumnEntry::setExpanded(bool expanded)
{
  if (record())
    record()->setExpanded(expanded);
}

UserDataList TreeColumnEntry::userData() const
{
  return record() ? record()->userData() : UserDataList();
}

void TreeColumnEntry::setUserData(const UserDataList& data)
{
  if (record())
    record()->setUserData(data);
}

int32_t TreeColumnEntry::childCount() const
{
  return record() ? static_cast<int32_t>(container_->data->children.size()) : 0;
}

TreeColumnEntry* TreeColumnEntry::childAt(int32_t index) const
{
  if (!record() || index < 0 || index >= childCount())
    return nullptr;
  return new TreeColumnEntry(*container_->data->children[static_cast<size_t>(index)]);
}

bool TreeColumnEntry::pushChild(const TreeColumnEntry& child)
{
  if (!record() || !child.record())
    return false;
  container_->data->children.push_back(new TreeColumnEntry(child));
  return true;
}

bool TreeColumnEntry::popChild(TreeColumnEntry& out)
{
  if (!record() || container_->data->children.empty())
    return false;
  TreeColumnEntry* last = container_->data->children.back();
  container_->data->children.pop_back();
  pui::TreeColumnEntryVector* linked = container_->data->record->children();
  for (size_t i = linked->size(); i-- > 0;)
    if (linked->at(i) == static_cast<pui::BaseTreeColumnEntryData*>(last->record()))
      linked->removeAt(i);
  out = *last;
  delete last;
  return true;
}

bool TreeColumnEntry::operator==(const TreeColumnEntry& other) const
{
  if (!container_ || !other.container_)
    return !container_ && !other.container_;
  const bool mine = container_->data != nullptr, theirs = other.container_->data != nullptr;
  if (!mine || !theirs)
    return !mine && !theirs;
  return container_->id == other.container_->id;
}

bool TreeColumnEntry::operator!=(const TreeColumnEntry& other) const
{
  return !(*this == other);
}

}  // namespace core
}  // namespace qor

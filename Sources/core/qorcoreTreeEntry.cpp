#include "core/qorcoreTreeEntry.h"

#include "core/qorcoreCoreGlobals.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiTreeEntryData.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

namespace qorcoreTreeEntry_detail {
CoreGlobals* coreGlobals()
{
  pui::BasePlugin* plugin = pui::BasePlugin::instance();
  UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
  return ui ? ui->coreGlobals : nullptr;
}

uint32_t& counter()
{
  static uint32_t value = 0;
  return value;
}

pui::EntryImageIds toPlatform(const ImageIDs& ids)
{
  pui::EntryImageIds out;
  for (int i = 0; i < ImageIDs::count; ++i)
    out.ids[i] = ids.ids[i];
  return out;
}

ImageIDs fromPlatform(const pui::EntryImageIds& ids)
{
  ImageIDs out;
  for (int i = 0; i < ImageIDs::count; ++i)
    out.ids[i] = ids.ids[i];
  return out;
}
}  // namespace qorcoreTreeEntry_detail

__IntTreeEntryData::~__IntTreeEntryData()
{
  for (TreeEntry* child : children)
    delete child;
  children.clear();
  if (record) {
    record->children()->clear();
    delete record;
  }
}

__IntTreeEntryContainer::__IntTreeEntryContainer() : id(++qorcoreTreeEntry_detail::counter()) {}

__IntTreeEntryContainer::~__IntTreeEntryContainer()
{
  delete data;
}

TreeEntry::TreeEntry() : container_(new __IntTreeEntryContainer()) {}

TreeEntry::TreeEntry(const std::string& id, const EntryValue& value, void* userData, bool enabled, bool expanded)
    : container_(new __IntTreeEntryContainer())
{
  CoreGlobals* globals = qorcoreTreeEntry_detail::coreGlobals();
  if (id.empty() || !globals)
    return;
  pui::TreeEntryData<void*>* record = nullptr;
  switch (value.type()) {
  case EntryValue::TextType:
    record = new pui::TreeEntryData<void*>(id, value.text(), userData, true, false);
    break;
  case EntryValue::ImageIDsType:
    record = new pui::TreeEntryData<void*>(id, qorcoreTreeEntry_detail::toPlatform(value.imageIDs()), userData,
                                           true, false);
    break;
  case EntryValue::SVGIDsType:
    record = new pui::TreeEntryData<void*>(id, pui::EntrySvgIds{value.svgIDs().light, value.svgIDs().dark},
                                           userData, true, false);
    break;
  default:
    return;
  }
  record->setEnabled(enabled);
  record->setExpanded(expanded);
  container_->data = new __IntTreeEntryData(record);
  globals->treeEntryRegistry.insert(container_->id, container_);
}

TreeEntry::TreeEntry(const TreeEntry& other) : container_(other.container_)
{
  ++container_->refCount;
}

TreeEntry::~TreeEntry()
{
  release();
}

void TreeEntry::release()
{
  if (!container_)
    return;
  CoreGlobals* globals = qorcoreTreeEntry_detail::coreGlobals();
  if (--container_->refCount <= 0) {
    if (globals)
      globals->treeEntryRegistry.remove(container_->id);
    if (globals || !container_->data)
      delete container_;
  }
  container_ = nullptr;
}

TreeEntry& TreeEntry::operator=(const TreeEntry& other)
{
  if (&other == this || !qorcoreTreeEntry_detail::coreGlobals() || !container_ || !other.container_ ||
      other.container_ == container_)
    return *this;
  __IntTreeEntryContainer* shared = other.container_;
  release();
  container_ = shared;
  ++container_->refCount;
  return *this;
}

pui::TreeEntryData<void*>* TreeEntry::record() const
{
  return container_ && container_->data && qorcoreTreeEntry_detail::coreGlobals() ? container_->data->record
                                                                                  : nullptr;
}

bool TreeEntry::isEmpty() const
{
  return !record();
}

std::string TreeEntry::id() const
{
  return record() ? record()->id() : std::string();
}

void TreeEntry::setId(const std::string& id)
{
  if (record())
    record()->setId(id);
}

EntryValue TreeEntry::value() const
{
  pui::TreeEntryData<void*>* r = record();
  if (!r)
    return EntryValue(std::string());
  if (r->svgIds().present())
    return EntryValue(SVGIDs(r->svgIds().light, r->svgIds().dark));
  if (r->imageIds().present())
    return EntryValue(qorcoreTreeEntry_detail::fromPlatform(r->imageIds()));
  return EntryValue(r->text());
}

void TreeEntry::setValue(const EntryValue& value)
{
  pui::TreeEntryData<void*>* r = record();
  if (!r)
    return;
  if (value.type() == EntryValue::TextType)
    r->setText(value.text());
  else if (value.type() == EntryValue::ImageIDsType)
    r->setImageIds(qorcoreTreeEntry_detail::toPlatform(value.imageIDs()));
  else if (value.type() == EntryValue::SVGIDsType)
    r->setSvgIds(pui::EntrySvgIds{value.svgIDs().light, value.svgIDs().dark});
}

bool TreeEntry::isEnabled() const
{
  return record() && record()->enabled();
}

void TreeEntry::setEnabled(bool enabled)
{
  if (record())
    record()->setEnabled(enabled);
}

bool TreeEntry::isExpanded() const
{
  return record() && record()->expanded();
}

void TreeEntry::setExpanded(bool expanded)
{
  if (record())
    record()->setExpanded(expanded);
}

void* TreeEntry::userData() const
{
  return record() ? record()->userData() : nullptr;
}

void TreeEntry::setUserData(void* data)
{
  if (record())
    record()->setUserData(data);
}

int32_t TreeEntry::childCount() const
{
  return record() ? static_cast<int32_t>(container_->data->children.size()) : 0;
}

TreeEntry* TreeEntry::childAt(int32_t index) const
{
  if (!record() || index < 0 || index >= childCount())
    return nullptr;
  return new TreeEntry(*container_->data->children[static_cast<size_t>(index)]);
}

bool TreeEntry::pushChild(const TreeEntry& child)
{
  if (!record() || !child.record())
    return false;
  container_->data->children.push_back(new TreeEntry(child));
  return true;
}

bool TreeEntry::popChild(TreeEntry& out)
{
  if (!record() || container_->data->children.empty())
    return false;
  TreeEntry* last = container_->data->children.back();
  container_->data->children.pop_back();
  // The record tree no longer links the child's record, which may go before the next rebuild.
  pui::TreeEntryVector* linked = container_->data->record->children();
  for (size_t i = linked->size(); i-- > 0;)
    if (linked->at(i) == static_cast<pui::BaseTreeEntryData*>(last->record()))
      linked->removeAt(i);
  out = *last;
  delete last;
  return true;
}

bool TreeEntry::operator==(const TreeEntry& other) const
{
  if (!container_ || !other.container_)
    return !container_ && !other.container_;
  const bool mine = container_->data != nullptr, theirs = other.container_->data != nullptr;
  if (!mine || !theirs)
    return !mine && !theirs;
  return container_->id == other.container_->id;
}

bool TreeEntry::operator!=(const TreeEntry& other) const
{
  return !(*this == other);
}

pui::TreeEntryData<void*>* treeEntryData(const TreeEntry& entry)
{
  return dynamic_cast<pui::TreeEntryData<void*>*>(static_cast<pui::BaseTreeEntryData*>(entry.record()));
}

}  // namespace core
}  // namespace qor

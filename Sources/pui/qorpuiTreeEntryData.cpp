#include "pui/qorpuiTreeEntryData.h"

namespace qor {
namespace pui {

BaseTreeEntryData::BaseTreeEntryData(const std::string& id, const std::string& text, bool enabled, bool expanded)
    : children_(new TreeEntryVector()), id_(id), text_(text), enabled_(enabled), expanded_(expanded)
{
}

BaseTreeEntryData::BaseTreeEntryData(const std::string& id, const EntryImageIds& ids, bool enabled, bool expanded)
    : children_(new TreeEntryVector()), id_(id), imageIds_(ids), enabled_(enabled), expanded_(expanded)
{
}

BaseTreeEntryData::BaseTreeEntryData(const std::string& id, const EntrySvgIds& ids, bool enabled, bool expanded)
    : children_(new TreeEntryVector()), id_(id), svgIds_(ids), enabled_(enabled), expanded_(expanded)
{
}

BaseTreeEntryData::BaseTreeEntryData(const BaseTreeEntryData& other)
    : children_(new TreeEntryVector()),
      id_(other.id_),
      text_(other.text_),
      imageIds_(other.imageIds_),
      svgIds_(other.svgIds_),
      enabled_(other.enabled_),
      expanded_(other.expanded_)
{
}

BaseTreeEntryData::~BaseTreeEntryData()
{
  for (BaseTreeEntryData* child : *children_)
    delete child;
  delete children_;
  parent_ = nullptr;
}

BaseTreeEntryData* BaseTreeEntryData::parent() const
{
  return parent_;
}

std::string BaseTreeEntryData::id() const
{
  return id_;
}

void BaseTreeEntryData::setId(const std::string& id)
{
  id_ = id;
}

std::string BaseTreeEntryData::text() const
{
  return text_;
}

void BaseTreeEntryData::setText(const std::string& text)
{
  text_ = text;
}

EntryImageIds BaseTreeEntryData::imageIds() const
{
  return imageIds_;
}

void BaseTreeEntryData::setImageIds(const EntryImageIds& ids)
{
  imageIds_ = ids;
}

EntrySvgIds BaseTreeEntryData::svgIds() const
{
  return svgIds_;
}

void BaseTreeEntryData::setSvgIds(const EntrySvgIds& ids)
{
  svgIds_ = ids;
}

bool BaseTreeEntryData::enabled() const
{
  return enabled_;
}

void BaseTreeEntryData::setEnabled(bool enabled)
{
  enabled_ = enabled;
}

bool BaseTreeEntryData::expanded() const
{
  return expanded_;
}

void BaseTreeEntryData::setExpanded(bool expanded)
{
  expanded_ = expanded;
}

TreeEntryData<void*>::TreeEntryData(const std::string& id, const std::string& text, void* userData, bool enabled,
                                    bool expanded)
    : BaseTreeEntryData(id, text, enabled, expanded), userData_(userData)
{
}

TreeEntryData<void*>::TreeEntryData(const std::string& id, const EntryImageIds& ids, void* userData, bool enabled,
                                    bool expanded)
    : BaseTreeEntryData(id, ids, enabled, expanded), userData_(userData)
{
}

TreeEntryData<void*>::TreeEntryData(const std::string& id, const EntrySvgIds& ids, void* userData, bool enabled,
                                    bool expanded)
    : BaseTreeEntryData(id, ids, enabled, expanded), userData_(userData)
{
}

TreeEntryData<void*>::TreeEntryData(const TreeEntryData& other) : BaseTreeEntryData(other), userData_(other.userData_)
{
}

TreeEntryData<void*>::~TreeEntryData() = default;

BaseTreeEntryData* TreeEntryData<void*>::clone() const
{
  return new TreeEntryData(*this);
}

void* TreeEntryData<void*>::userData() const
{
  return userData_;
}

void TreeEntryData<void*>::setUserData(void* userData)
{
  userData_ = userData;
}

}  // namespace pui
}  // namespace qor

#include "pui/qorpuiColumnEntryData.h"

namespace qor {
namespace pui {

BaseColumnEntryData::BaseColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnImageIds& imageIds,
                                         bool enabled)
    : id_(id), texts_(texts), imageIds_(imageIds), enabled_(enabled)
{
}

BaseColumnEntryData::BaseColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnSvgIds& svgIds,
                                         bool enabled)
    : id_(id), texts_(texts), svgIds_(svgIds), enabled_(enabled)
{
}

BaseColumnEntryData::BaseColumnEntryData(const BaseColumnEntryData& other)
    : id_(other.id_), texts_(other.texts_), imageIds_(other.imageIds_), svgIds_(other.svgIds_), enabled_(other.enabled_)
{
}

BaseColumnEntryData::~BaseColumnEntryData() = default;

std::string BaseColumnEntryData::id() const
{
  return id_;
}

void BaseColumnEntryData::setId(const std::string& value)
{
  id_ = value;
}

ColumnTexts BaseColumnEntryData::texts() const
{
  return texts_;
}

void BaseColumnEntryData::setTexts(const ColumnTexts& value)
{
  texts_ = value;
}

ColumnImageIds BaseColumnEntryData::imageIds() const
{
  return imageIds_;
}

void BaseColumnEntryData::setImageIds(const ColumnImageIds& value)
{
  imageIds_ = value;
}

ColumnSvgIds BaseColumnEntryData::svgIds() const
{
  return svgIds_;
}

void BaseColumnEntryData::setSvgIds(const ColumnSvgIds& value)
{
  svgIds_ = value;
}

bool BaseColumnEntryData::enabled() const
{
  return enabled_;
}

void BaseColumnEntryData::setEnabled(bool enabled)
{
  enabled_ = enabled;
}

ColumnEntryData::ColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnImageIds& imageIds,
                                 const ColumnUserData& userData, bool enabled)
    : BaseColumnEntryData(id, texts, imageIds, enabled), userData_(userData)
{
}

ColumnEntryData::ColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnSvgIds& svgIds,
                                 const ColumnUserData& userData, bool enabled)
    : BaseColumnEntryData(id, texts, svgIds, enabled), userData_(userData)
{
}

ColumnEntryData::ColumnEntryData(const ColumnEntryData& other) : BaseColumnEntryData(other), userData_(other.userData_) {}

ColumnEntryData::~ColumnEntryData() = default;

BaseColumnEntryData* ColumnEntryData::clone() const
{
  return new ColumnEntryData(*this);
}

ColumnUserData ColumnEntryData::userData() const
{
  return userData_;
}

void ColumnEntryData::setUserData(const ColumnUserData& data)
{
  userData_ = data;
}

BaseTreeColumnEntryData::BaseTreeColumnEntryData(const std::string& id, const ColumnTexts& texts,
                                                 const ColumnImageIds& imageIds, bool enabled, bool expanded)
    : children_(new TreeColumnEntryVector()), id_(id), texts_(texts), imageIds_(imageIds), enabled_(enabled),
      expanded_(expanded)
{
}

BaseTreeColumnEntryData::BaseTreeColumnEntryData(const std::string& id, const ColumnTexts& texts,
                                                 const ColumnSvgIds& svgIds, bool enabled, bool expanded)
    : children_(new TreeColumnEntryVector()), id_(id), texts_(texts), svgIds_(svgIds), enabled_(enabled),
      expanded_(expanded)
{
}

BaseTreeColumnEntryData::BaseTreeColumnEntryData(const BaseTreeColumnEntryData& other)
    : children_(new TreeColumnEntryVector()), id_(other.id_), texts_(other.texts_), imageIds_(other.imageIds_),
      svgIds_(other.svgIds_), enabled_(other.enabled_), expanded_(other.expanded_)
{
}

BaseTreeColumnEntryData::~BaseTreeColumnEntryData()
{
  for (BaseTreeColumnEntryData* child : *children_)
    delete child;
  delete children_;
  parent_ = nullptr;
}

BaseTreeColumnEntryData* BaseTreeColumnEntryData::parent() const
{
  return parent_;
}

std::string BaseTreeColumnEntryData::id() const
{
  return id_;
}

void BaseTreeColumnEntryData::setId(const std::string& value)
{
  id_ = value;
}

ColumnTexts BaseTreeColumnEntryData::texts() const
{
  return texts_;
}

void BaseTreeColumnEntryData::setTexts(const ColumnTexts& value)
{
  texts_ = value;
}

ColumnImageIds BaseTreeColumnEntryData::imageIds() const
{
  return imageIds_;
}

void BaseTreeColumnEntryData::setImageIds(const ColumnImageIds& value)
{
  imageIds_ = value;
}

ColumnSvgIds BaseTreeColumnEntryData::svgIds() const
{
  return svgIds_;
}

void BaseTreeColumnEntryData::setSvgIds(const ColumnSvgIds& value)
{
  svgIds_ = value;
}

bool BaseTreeColumnEntryData::enabled() const
{
  return enabled_;
}

void BaseTreeColumnEntryData::setEnabled(bool enabled)
{
  enabled_ = enabled;
}

bool BaseTreeColumnEntryData::expanded() const
{
  return expanded_;
}

void BaseTreeColumnEntryData::setExpanded(bool expanded)
{
  expanded_ = expanded;
}

TreeColumnEntryData::TreeColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnImageIds& imageIds,
                                         const ColumnUserData& userData, bool enabled, bool expanded)
    : BaseTreeColumnEntryData(id, texts, imageIds, enabled, expanded), userData_(userData)
{
}

TreeColumnEntryData::TreeColumnEntryData(const std::string& id, const ColumnTexts& texts, const ColumnSvgIds& svgIds,
                                         const ColumnUserData& userData, bool enabled, bool expanded)
    : BaseTreeColumnEntryData(id, texts, svgIds, enabled, expanded), userData_(userData)
{
}

TreeColumnEntryData::TreeColumnEntryData(const TreeColumnEntryData& other)
    : BaseTreeColumnEntryData(other), userData_(other.userData_)
{
}

TreeColumnEntryData::~TreeColumnEntryData() = default;

BaseTreeColumnEntryData* TreeColumnEntryData::clone() const
{
  return new TreeColumnEntryData(*this);
}

ColumnUserData TreeColumnEntryData::userData() const
{
  return userData_;
}

void TreeColumnEntryData::setUserData(const ColumnUserData& data)
{
  userData_ = data;
}

}  // namespace pui
}  // namespace qor

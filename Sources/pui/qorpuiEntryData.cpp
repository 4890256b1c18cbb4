#include "pui/qorpuiEntryData.h"

#include <algorithm>

namespace qor {
namespace pui {

bool EntryImageIds::operator==(const EntryImageIds& other) const
{
  return std::equal(std::begin(ids), std::end(ids), std::begin(other.ids));
}

uint16_t EntryImageIds::rowImageId(double scale, bool dark) const
{
  const uint16_t* theme = ids + (dark ? 5 : 0);
  if (scale > 2.01 && theme[3])
    return theme[3];
  if (scale > 1.51 && theme[2])
    return theme[2];
  if (scale > 1.01 && theme[1])
    return theme[1];
  return theme[0];
}

BaseEntryData::BaseEntryData(const std::string& id, const std::string& text, bool enabled)
    : id_(id), text_(text), enabled_(enabled)
{
}

BaseEntryData::BaseEntryData(const BaseEntryData& other)
    : id_(other.id_), text_(other.text_), imageIds_(other.imageIds_), svgIds_(other.svgIds_), enabled_(other.enabled_)
{
}

BaseEntryData::~BaseEntryData() = default;

std::string BaseEntryData::id() const
{
  return id_;
}

void BaseEntryData::setId(const std::string& id)
{
  id_ = id;
}

std::string BaseEntryData::text() const
{
  return text_;
}

void BaseEntryData::setText(const std::string& text)
{
  text_ = text;
}

EntryImageIds BaseEntryData::imageIds() const
{
  return imageIds_;
}

void BaseEntryData::setImageIds(const EntryImageIds& ids)
{
  imageIds_ = ids;
}

EntrySvgIds BaseEntryData::svgIds() const
{
  return svgIds_;
}

void BaseEntryData::setSvgIds(const EntrySvgIds& ids)
{
  svgIds_ = ids;
}

bool BaseEntryData::enabled() const
{
  return enabled_;
}

void BaseEntryData::setEnabled(bool enabled)
{
  enabled_ = enabled;
}

EntryData<void*>::EntryData(const std::string& id, const std::string& text, void* userData, bool enabled)
    : BaseEntryData(id, text, enabled), userData_(userData)
{
}

EntryData<void*>::EntryData(const EntryData& other) : BaseEntryData(other), userData_(other.userData_) {}

EntryData<void*>::~EntryData() = default;

BaseEntryData* EntryData<void*>::clone() const
{
  return new EntryData(*this);
}

void* EntryData<void*>::userData() const
{
  return userData_;
}

void EntryData<void*>::setUserData(void* userData)
{
  userData_ = userData;
}

}  // namespace pui
}  // namespace qor

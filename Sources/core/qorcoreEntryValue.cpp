#include "core/qorcoreEntryValue.h"

namespace qor {
namespace core {

EntryValue::EntryValue(const std::string& text) : type_(TextType), text_(text) {}

EntryValue::EntryValue(const char* text) : type_(TextType), text_(text ? text : "") {}

EntryValue::EntryValue(const ImageIDs& ids) : type_(ImageIDsType), imageIds_(ids) {}

EntryValue::EntryValue(const SVGIDs& ids) : type_(SVGIDsType), svgIds_(ids) {}

EntryValue::~EntryValue() = default;

EntryValue EntryValue::withType(int32_t type)
{
  EntryValue value{std::string()};
  value.type_ = type;
  return value;
}

int32_t EntryValue::type() const
{
  return type_;
}

std::string EntryValue::text() const
{
  return text_;
}

ImageIDs EntryValue::imageIDs() const
{
  return imageIds_;
}

SVGIDs EntryValue::svgIDs() const
{
  return svgIds_;
}

bool EntryValue::operator==(const EntryValue& other) const
{
  return type_ == other.type_ && text_ == other.text_ && imageIds_ == other.imageIds_ && svgIds_ == other.svgIds_;
}

}  // namespace core
}  // namespace qor

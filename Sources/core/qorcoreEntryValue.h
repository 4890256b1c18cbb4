// The value of a column cell or a tree entry: a text (type 10), a set of PNG image ids (20) or a
// pair of SVG ids (30).
#pragma once

#include <cstdint>
#include <string>

#include "core/qorcoreImageIDs.h"
#include "core/qorcoreSVGIDs.h"

namespace qor {
namespace core {

class EntryValue
{
public:
  enum Type : int32_t
  {
    TextType = 10,
    ImageIDsType = 20,
    SVGIDsType = 30
  };

  EntryValue(const std::string& text);
  EntryValue(const char* text);
  EntryValue(const ImageIDs& ids);
  EntryValue(const SVGIDs& ids);
  EntryValue(const EntryValue& other) = default;
  EntryValue& operator=(const EntryValue& other) = default;
  virtual ~EntryValue();

  virtual int32_t type() const;
  virtual std::string text() const;
  virtual ImageIDs imageIDs() const;
  virtual SVGIDs svgIDs() const;

  bool operator==(const EntryValue& other) const;
  bool operator!=(const EntryValue& other) const { return !(*this == other); }

  // A value of another type than the three, which the entries ignore.
  static EntryValue withType(int32_t type);

private:
  int32_t type_;
  std::string text_;
  ImageIDs imageIds_;
  SVGIDs svgIds_;
};

}  // namespace core
}  // namespace qor

// Resource ids of a widget's SVG images: one per interface brightness, light then dark; the rollover
// form adds the pair for the hovered state. 0 means no image.
#pragma once

#include <cstdint>

namespace qor {
namespace core {

class SVGIDs
{
public:
  SVGIDs() = default;
  SVGIDs(uint16_t light, uint16_t dark) : light(light), dark(dark) {}
  SVGIDs(const SVGIDs& other) = default;
  SVGIDs& operator=(const SVGIDs& other) = default;
  virtual ~SVGIDs();

  bool operator==(const SVGIDs& other) const { return light == other.light && dark == other.dark; }
  bool operator!=(const SVGIDs& other) const { return !(*this == other); }

  uint16_t light = 0;
  uint16_t dark = 0;
};

class SVGWithRolloverIDs : public SVGIDs
{
public:
  SVGWithRolloverIDs() = default;
  SVGWithRolloverIDs(const SVGWithRolloverIDs& other) = default;
  SVGWithRolloverIDs& operator=(const SVGWithRolloverIDs& other) = default;
  ~SVGWithRolloverIDs() override;

  bool operator==(const SVGWithRolloverIDs& other) const
  {
    return SVGIDs::operator==(other) && rolloverLight == other.rolloverLight && rolloverDark == other.rolloverDark;
  }
  bool operator!=(const SVGWithRolloverIDs& other) const { return !(*this == other); }

  uint16_t rolloverLight = 0;
  uint16_t rolloverDark = 0;
};

}  // namespace core
}  // namespace qor

// The image operations that the button, label and radio-button handles share: their PNG and SVG ids
// and the hover-highlight flag, read from and written to the platform widget's image part.
#pragma once

#include "core/qorcoreImageIDs.h"
#include "core/qorcoreSVGIDs.h"

namespace qor {
namespace pui {
class ImageWidget;
struct ImageIds;
}
namespace core {

class __IntImagePart
{
public:
  // Each tolerates a null image part: all ids 0, false, nothing done.
  static ImageWithRolloverIDs imageIDs(const pui::ImageWidget* part);
  // The hover-highlight flag stays as it was.
  static void setImageIDs(pui::ImageWidget* part, const ImageWithRolloverIDs& ids);
  static SVGWithRolloverIDs svgIDs(const pui::ImageWidget* part);
  static void setSVGIDs(pui::ImageWidget* part, const SVGWithRolloverIDs& ids);
  static bool hoverHighlight(const pui::ImageWidget* part);
  // The platform form of the ids (the order is the same on both sides), keeping the flag given.
  static void toPlatform(const ImageWithRolloverIDs& ids, pui::ImageIds& platform);
  static void setHoverHighlight(pui::ImageWidget* part, bool highlight);
};

}  // namespace core
}  // namespace qor

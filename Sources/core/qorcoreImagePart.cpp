#include "core/qorcoreImagePart.h"

#include <algorithm>

#include "pui/qorpuiImageWidget.h"

namespace qor {
namespace core {

// Both sides keep the ids in one order: normal light and dark, then rollover light and dark.

ImageWithRolloverIDs __IntImagePart::imageIDs(const pui::ImageWidget* part)
{
  ImageWithRolloverIDs ids;
  if (!part)
    return ids;
  const pui::ImageIds platform = part->imageIds();
  std::copy(platform.ids, platform.ids + ImageIDs::count, ids.ids);
  std::copy(platform.ids + ImageIDs::count, platform.ids + pui::ImageIds::count, ids.rolloverIds);
  return ids;
}

void __IntImagePart::toPlatform(const ImageWithRolloverIDs& ids, pui::ImageIds& platform)
{
  std::copy(ids.ids, ids.ids + ImageIDs::count, platform.ids);
  std::copy(ids.rolloverIds, ids.rolloverIds + ImageIDs::count, platform.ids + ImageIDs::count);
}

void __IntImagePart::setImageIDs(pui::ImageWidget* part, const ImageWithRolloverIDs& ids)
{
  if (!part)
    return;
  pui::ImageIds platform = part->imageIds();
  toPlatform(ids, platform);
  part->setImageIds(platform);
}

SVGWithRolloverIDs __IntImagePart::svgIDs(const pui::ImageWidget* part)
{
  SVGWithRolloverIDs ids;
  if (!part)
    return ids;
  const pui::SvgIds platform = part->svgIds();
  ids.light = platform.ids[0], ids.dark = platform.ids[1];
  ids.rolloverLight = platform.ids[2], ids.rolloverDark = platform.ids[3];
  return ids;
}

void __IntImagePart::setSVGIDs(pui::ImageWidget* part, const SVGWithRolloverIDs& ids)
{
  if (!part)
    return;
  pui::SvgIds platform = part->svgIds();
  platform.ids[0] = ids.light, platform.ids[1] = ids.dark;
  platform.ids[2] = ids.rolloverLight, platform.ids[3] = ids.rolloverDark;
  part->setSvgIds(platform);
}

bool __IntImagePart::hoverHighlight(const pui::ImageWidget* part)
{
  return part && (part->imageIds().hoverHighlight || part->svgIds().hoverHighlight);
}

void __IntImagePart::setHoverHighlight(pui::ImageWidget* part, bool highlight)
{
  if (!part)
    return;
  pui::ImageIds images = part->imageIds();
  pui::SvgIds svgs = part->svgIds();
  images.hoverHighlight = svgs.hoverHighlight = highlight;
  part->setImageIds(images);
  part->setSvgIds(svgs);
}

}  // namespace core
}  // namespace qor

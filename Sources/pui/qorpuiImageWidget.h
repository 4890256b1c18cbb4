// The image part of buttons, labels and radio buttons: PNG and SVG resource ids with their
// hover-highlight flags, the choice of a bitmap by interface brightness, hover state and screen
// scale, and the bitmaps loaded so far.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "aip/qoraipSize.h"
#include "win/Windows.h"

namespace qor {
namespace aip {
class Color;
}
namespace pui {

class CGdiPlusBitmap;
class CGdiPlusBitmapResource;

// Twenty PNG ids in four groups of five scales (1, 1.5, 2, 3, 4): normal light, normal dark,
// rollover light, rollover dark.
struct ImageIds
{
  static constexpr int count = 20;
  uint16_t ids[count] = {};
  bool hoverHighlight = false;
};

// Four SVG ids: normal light, normal dark, rollover light, rollover dark.
struct SvgIds
{
  static constexpr int count = 4;
  uint16_t ids[count] = {};
  bool hoverHighlight = false;
};

class ImageWidget
{
public:
  ImageWidget() = default;
  explicit ImageWidget(const ImageIds& ids) : imageIds_(ids) {}
  // Copies the ids and the SVG size, not the loaded bitmaps.
  ImageWidget(const ImageWidget& other);
  ImageWidget& operator=(const ImageWidget&) = delete;
  virtual ~ImageWidget();

  virtual bool hasImage() const;
  virtual bool hasRolloverImage() const;
  virtual ImageIds imageIds() const;
  // Stores the ids, forgets the loaded bitmaps and redraws.
  virtual void setImageIds(const ImageIds& ids);
  virtual bool hasImageIds() const;
  virtual bool hasRolloverImageIds() const;
  virtual SvgIds svgIds() const;
  // Stores the ids and redraws; the loaded PNG bitmaps stay.
  virtual void setSvgIds(const SvgIds& ids);
  virtual bool hasSvgIds() const;
  virtual bool hasRolloverSvgIds() const;
  // The bitmap a painter draws at this window scale, and the scale it was made at (the painter
  // divides by it). The image part keeps the bitmap. False when loading or rendering failed.
  // background: the colour behind an SVG image, or null for the theme's background.
  virtual bool lightImage(double scale, CGdiPlusBitmap** out, double* outScale, const aip::Color* background);
  virtual bool lightRolloverImage(double scale, CGdiPlusBitmap** out, double* outScale,
                                  const aip::Color* background);
  virtual bool darkImage(double scale, CGdiPlusBitmap** out, double* outScale, const aip::Color* background);
  virtual bool darkRolloverImage(double scale, CGdiPlusBitmap** out, double* outScale,
                                 const aip::Color* background);

  // The size SVG images are rendered at, in unscaled units; (0, 0) means the widget's frame size.
  aip::Size svgSize() const { return svgSize_; }
  void setSvgSize(const aip::Size& size) { svgSize_ = size; }

protected:
  // The widget this part belongs to repaints itself and tells its frame size.
  virtual void redrawImage() {}
  virtual aip::Size imageFrameSize() const { return aip::Size(); }
  // Stores the ids without forgetting bitmaps or redrawing.
  void storeImageIds(const ImageIds& ids) { imageIds_ = ids; }
  void storeSvgIds(const SvgIds& ids) { svgIds_ = ids; }

private:
  // group: 0 normal light, 1 normal dark, 2 rollover light, 3 rollover dark.
  bool chooseImage(int group, double scale, CGdiPlusBitmap** out, double* outScale, const aip::Color* background);
  void forgetBitmaps();

  ImageIds imageIds_;
  SvgIds svgIds_;
  aip::Size svgSize_;
  CGdiPlusBitmapResource* bitmaps_[ImageIds::count] = {};
};

// Renders the plug-in's SVG resource at size × scale pixels over the background (the theme's when
// null) and keeps the result in the UI layer's cache; false when out is null, the id 0, the UI layer
// missing or the resource absent. The bitmap stays owned by the cache.
bool renderSvgToBitmap(uint16_t id, const aip::Size& size, double scale, CGdiPlusBitmapResource** out,
                       const aip::Color* background);

// Where a painter draws a bitmap made at bitmapScale on a window of the given scale: its size in
// pixels (width × scale / bitmapScale, rounded) centred in a box of boxWidth × boxHeight pixels.
struct ImagePlacement
{
  int x = 0, y = 0, width = 0, height = 0;
};
ImagePlacement centredImage(const CGdiPlusBitmap& bitmap, double scale, double bitmapScale, int boxWidth,
                            int boxHeight);

// Draws a disabled picture: the picture over a base colour, veiled with black (dark UI) or white (light
// UI) at 40 %, the base chosen so that the veil over it gives the background again. `over` gives the
// picture drawn over a colour (null when there is none).
void drawVeiledImage(HDC dc, const ImagePlacement& at, const aip::Color& background, bool dark,
                     const std::function<CGdiPlusBitmap*(const aip::Color&)>& over);

// The page that shows an SVG document of w × h pixels with a margin m over the colour (r, g, b).
std::string svgPageText(int r, int g, int b, int64_t w, int64_t h, int64_t m, const std::string& svg);

}  // namespace pui
}  // namespace qor

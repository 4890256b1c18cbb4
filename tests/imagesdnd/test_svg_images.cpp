// SVG images drawn through the hidden HTML view: real pixels at each scale over the given background,
// the cache by colour, brightness and pixel size, a document that does not parse, and the renderer
// going away with the plug-in.
#include "aip/qoraipColor.h"
#include "imagesdndFixture.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiImageWidget.h"
#include "pui/qorpuiWinMfcHtmlSvgHelper.h"
#include "win/GdiPlus.h"

namespace imagesdndtest {

using qor::pui::CGdiPlusBitmap;
using qor::pui::ImageWidget;

// A red left half over a 10 × 10 view box; the right half shows the background.
const char* const halfRed =
    "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\">"
    "<rect x=\"0\" y=\"0\" width=\"5\" height=\"10\" fill=\"#ff0000\"/></svg>";

class SvgImages : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    app.area<hostsim::Resources>().add(0x53564720, 900, "", halfRed);
    app.area<hostsim::Resources>().add(0x5356475F, 901, "", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect");
    start();
    qor::pui::SvgIds ids;
    ids.ids[0] = 900;
    image.setSvgIds(ids);
    image.setSvgSize(qor::aip::Size(10, 10));
  }
  void TearDown() override
  {
    Started::TearDown();
  }

  CGdiPlusBitmap* render(double scale, double* bitmapScale = nullptr)
  {
    CGdiPlusBitmap* bitmap = nullptr;
    double made = 0;
    const qor::aip::Color green(0, 1, 0, 1);
    if (!image.lightImage(scale, &bitmap, &made, &green))
      return nullptr;
    if (bitmapScale)
      *bitmapScale = made;
    return bitmap;
  }

  static Gdiplus::Color pixel(CGdiPlusBitmap* bitmap, int x, int y)
  {
    Gdiplus::Color colour;
    bitmap->bitmap->GetPixel(x, y, &colour);
    return colour;
  }

  ImageWidget image;
};

TEST_F(SvgImages, DrawnAtEachScaleOverTheBackground)
{
  for (double scale : {1.0, 2.0}) {
    double made = 0;
    CGdiPlusBitmap* bitmap = render(scale, &made);
    ASSERT_TRUE(bitmap && bitmap->bitmap) << scale;
    EXPECT_EQ(made, scale);
    const int size = int(10 * scale);
    ASSERT_EQ(bitmap->bitmap->GetWidth(), UINT(size));
    ASSERT_EQ(bitmap->bitmap->GetHeight(), UINT(size));
    // Sampled inside each half, away from the edge between them.
    EXPECT_EQ(pixel(bitmap, size / 5, size / 2), Gdiplus::Color(255, 0, 0)) << scale;
    EXPECT_EQ(pixel(bitmap, size - 2, 1), Gdiplus::Color(0, 255, 0)) << scale;
    EXPECT_EQ(pixel(bitmap, size / 2 - 1, size - 1), Gdiplus::Color(255, 0, 0)) << scale;
  }
}

TEST_F(SvgImages, CacheIsKeyedByPixelSize)
{
  CGdiPlusBitmap* small = render(1.0);
  CGdiPlusBitmap* large = render(2.0);
  ASSERT_TRUE(small && large);
  EXPECT_NE(small, large);
  EXPECT_EQ(render(1.0), small) << "the same size is drawn once";
  EXPECT_EQ(render(2.0), large);
  EXPECT_EQ(globals()->svgBitmapCache[900].size(), 2u);

  // The frame size stands in for an SVG size of (0, 0).
  image.setSvgSize(qor::aip::Size());
  EXPECT_EQ(render(1.0), nullptr) << "an image widget of no frame has no pixels to draw";
}

TEST_F(SvgImages, DocumentThatDoesNotParseFails)
{
  qor::pui::SvgIds ids;
  ids.ids[0] = 901;
  image.setSvgIds(ids);
  EXPECT_EQ(render(1.0), nullptr);
  EXPECT_EQ(render(1.0), nullptr) << "nothing was cached";
  EXPECT_TRUE(globals()->svgBitmapCache[901].empty());
  ids.ids[0] = 902; // no such resource
  image.setSvgIds(ids);
  EXPECT_EQ(render(1.0), nullptr);
}

TEST_F(SvgImages, RendererGoesWithThePlugin)
{
  ASSERT_TRUE(render(1.0));
  ASSERT_TRUE(globals()->svgHostWindow && globals()->svgRenderView);
  const HWND hidden = globals()->svgHostWindow->m_hWnd, view = globals()->svgRenderView->m_hWnd;
  EXPECT_EQ(GetParent(view), hidden);
  EXPECT_EQ(globals()->svgPageSize.width, 26.0) << "the view holds the image and a margin of 16";
  stop();
  EXPECT_FALSE(IsWindow(hidden));
  EXPECT_FALSE(IsWindow(view));
}

}  // namespace imagesdndtest

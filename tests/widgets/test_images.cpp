// Image ids, the choice of a PNG bitmap by brightness, hover and screen scale, the GDI+ decoding
// behind it and the SVG rendering cache.
#include "core/qorcoreImageIDs.h"
#include "core/qorcoreSVGIDs.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiImageWidget.h"
#include "widgetsFixture.h"
#include "win/GdiPlus.h"

namespace widgetstest {

using qor::pui::CGdiPlusBitmap;
using qor::pui::ImageIds;
using qor::pui::ImageWidget;

TEST(ImageIDs, ShortConstructorsLeaveTheLargerScalesEmpty)
{
  const qor::core::ImageIDs six(1, 2, 3, 4, 5, 6);
  const uint16_t expectedSix[10] = {1, 2, 3, 0, 0, 4, 5, 6, 0, 0};
  EXPECT_TRUE(std::equal(six.ids, six.ids + 10, expectedSix));

  const qor::core::ImageWithRolloverIDs four(7, 8, 9, 10);
  const uint16_t normal[10] = {7, 0, 0, 0, 0, 9, 0, 0, 0, 0}, rollover[10] = {8, 0, 0, 0, 0, 10, 0, 0, 0, 0};
  EXPECT_TRUE(std::equal(four.ids, four.ids + 10, normal));
  EXPECT_TRUE(std::equal(four.rolloverIds, four.rolloverIds + 10, rollover));
  EXPECT_EQ(qor::core::ImageWithRolloverIDs(four), four);
  EXPECT_EQ(qor::core::SVGWithRolloverIDs(), qor::core::SVGWithRolloverIDs());
}

// The light alert icon at scales 1, 1.5 and 2 (30, 45 and 60 pixels wide), dark at 210..212.
ImageIds alertIcon()
{
  ImageIds ids;
  ids.ids[0] = 200, ids.ids[1] = 201, ids.ids[2] = 202;
  ids.ids[5] = 210, ids.ids[6] = 211, ids.ids[7] = 212;
  return ids;
}

struct Choice
{
  double scale;
  double bitmapScale;
  UINT width;
};

void expectChoices(ImageWidget& image, const std::vector<Choice>& choices, bool dark = false)
{
  for (const Choice& choice : choices) {
    CGdiPlusBitmap* bitmap = nullptr;
    double bitmapScale = 0;
    ASSERT_TRUE(dark ? image.darkImage(choice.scale, &bitmap, &bitmapScale, nullptr)
                     : image.lightImage(choice.scale, &bitmap, &bitmapScale, nullptr))
        << choice.scale;
    ASSERT_TRUE(bitmap && bitmap->bitmap);
    EXPECT_EQ(bitmapScale, choice.bitmapScale) << "window scale " << choice.scale;
    EXPECT_EQ(bitmap->bitmap->GetWidth(), choice.width) << "window scale " << choice.scale;
  }
}

TEST_F(Started, UnscaledHostUsesTheScaleOneImageEverywhere)
{
  start();
  ImageWidget image(alertIcon());
  expectChoices(image, {{1.0, 1, 30}, {1.5, 1, 30}, {2.0, 1, 30}, {4.0, 1, 30}});
  expectChoices(image, {{2.0, 1, 30}}, true);
}

TEST_F(Started, ScaledHostPicksTheLargestImageTheScreenAsksFor)
{
  scaleUI(0);  // snap factor 1.0
  start();
  ImageWidget image(alertIcon());
  // 1.25 without snapping stays at 1x; scale 4 has no 3x or 4x image and falls back to 2x.
  expectChoices(image, {{1.0, 1, 30}, {1.25, 1, 30}, {1.5, 1.5, 45}, {2.0, 2, 60}, {4.0, 2, 60}});
  expectChoices(image, {{2.0, 2, 60}}, true);

  ImageIds onlyOne;
  onlyOne.ids[0] = 200;
  ImageWidget single(onlyOne);
  expectChoices(single, {{1.5, 1, 30}, {2.0, 1, 30}, {4.0, 1, 30}});
}

TEST_F(Started, HostSnappingToOneAndAHalfTakesTheMiddleImageAtOneAndAQuarter)
{
  scaleUI(1);  // snap factor 1.5
  start();
  ImageWidget image(alertIcon());
  expectChoices(image, {{1.25, 1.5, 45}, {1.0, 1, 30}});
}

TEST_F(Started, NewIdsDiscardTheLoadedBitmapsAndMissingImagesFail)
{
  start();
  ImageWidget image(alertIcon());
  expectChoices(image, {{1.0, 1, 30}});
  ImageIds other;
  other.ids[0] = 16500;
  image.setImageIds(other);
  expectChoices(image, {{1.0, 1, 300}});

  CGdiPlusBitmap* bitmap = nullptr;
  EXPECT_FALSE(image.lightRolloverImage(1.0, &bitmap, nullptr, nullptr)) << "no rollover id";
  other.ids[0] = 4242;  // no such resource
  image.setImageIds(other);
  EXPECT_FALSE(image.lightImage(1.0, &bitmap, nullptr, nullptr));
}

TEST_F(Started, UndecodablePngIsAFailureNotAnEmptyBitmap)
{
  app.area<hostsim::Resources>().add(0x504E4749, 77, "", "\x89PNG not really");
  start();
  qor::pui::CGdiPlusBitmapResource bitmap;
  EXPECT_FALSE(qor::pui::loadPngResource(77, &bitmap));
  EXPECT_EQ(bitmap.bitmap, nullptr);
  EXPECT_TRUE(qor::pui::loadPngResource(200, &bitmap));
  EXPECT_FALSE(qor::pui::loadPngResource(0, &bitmap));
}

TEST(GdiPlus, DecodedPixelsCompositeAndCrop)
{
  const std::string png = prefsTest::readBytes(QOR_SOURCE_DIR "/plugin/resources/504E4749_200.png");
  IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(png.data()), UINT(png.size()));
  Gdiplus::Bitmap icon(stream, FALSE);
  stream->Release();
  ASSERT_EQ(icon.GetLastStatus(), Gdiplus::Ok);

  // A half-transparent white veil over opaque blue gives the mixed colour, unpremultiplied.
  Gdiplus::Bitmap canvas(4, 4);
  {
    Gdiplus::Graphics graphics(&canvas);
    graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
    Gdiplus::SolidBrush blue(Gdiplus::Color(0, 0, 255)), veil(Gdiplus::Color(128, 255, 255, 255));
    graphics.FillRectangle(&blue, 0, 0, 4, 4);
    graphics.FillRectangle(&veil, 0, 0, 2, 4);
    graphics.DrawImage(&icon, 2, 2, 2, 2);
  }
  Gdiplus::Color left, right;
  canvas.GetPixel(0, 0, &left);
  canvas.GetPixel(3, 0, &right);
  EXPECT_EQ(left.GetA(), 255);
  EXPECT_NEAR(left.GetR(), 128, 1);
  EXPECT_EQ(left.GetB(), 255);
  EXPECT_EQ(right, Gdiplus::Color(0, 0, 255));

  std::unique_ptr<Gdiplus::Bitmap> part(canvas.Clone(Gdiplus::Rect(2, 0, 2, 2), PixelFormat32bppARGB));
  ASSERT_TRUE(part);
  EXPECT_EQ(part->GetWidth(), 2u);
  part->GetPixel(0, 0, &right);
  EXPECT_EQ(right, Gdiplus::Color(0, 0, 255));
  EXPECT_EQ(canvas.Clone(Gdiplus::Rect(3, 3, 2, 2), PixelFormat32bppARGB), nullptr);
}

TEST_F(Started, SvgRenderingsAreCachedByColourBrightnessAndSize)
{
  app.area<hostsim::Resources>().add(0x53564720, 900, "", "<svg xmlns='http://www.w3.org/2000/svg'/>");
  start();
  ImageWidget image;
  qor::pui::SvgIds ids;
  ids.ids[0] = 900;
  image.setSvgIds(ids);
  image.setSvgSize(qor::aip::Size(10, 8));

  CGdiPlusBitmap *first = nullptr, *again = nullptr, *larger = nullptr, *darker = nullptr;
  double scale = 0;
  ASSERT_TRUE(image.lightImage(1.5, &first, &scale, nullptr));
  EXPECT_EQ(scale, 1.5);
  EXPECT_EQ(first->bitmap->GetWidth(), 15u);
  EXPECT_EQ(first->bitmap->GetHeight(), 12u);
  ASSERT_TRUE(image.lightImage(1.5, &again, &scale, nullptr));
  EXPECT_EQ(first, again) << "rendered once";
  ASSERT_TRUE(image.lightImage(2.0, &larger, &scale, nullptr));
  EXPECT_NE(larger, first);
  EXPECT_EQ(larger->bitmap->GetWidth(), 20u) << "another size is rendered at its own size";

  app.area<hostsim::Theme>().setDark(true);
  ASSERT_TRUE(image.lightImage(1.5, &darker, &scale, nullptr));
  EXPECT_NE(darker, first) << "a brightness change renders again";

  ids.ids[0] = 901;  // no such resource
  image.setSvgIds(ids);
  EXPECT_FALSE(image.lightImage(1.5, &first, &scale, nullptr));
}

TEST(SvgPage, PageTextCarriesColourSizeAndDocument)
{
  const std::string page = qor::pui::svgPageText(1, 2, 3, 30, 20, 16, "<svg/>");
  EXPECT_EQ(page.substr(0, 13), "<html>\t<head>");
  EXPECT_NE(page.find("\t\t\t\tbackground-color: rgb(1,2,3);"), std::string::npos);
  EXPECT_NE(page.find("\t\t\t\tborder-bottom: 36px solid rgb(1,2,3);"), std::string::npos);
  EXPECT_NE(page.find("\t\t\twidth: 30px;\t\t\theight: 20px;\t\t\toverflow: hidden;\"\t\t>\t\t\t<svg/>\t\t</div>"),
            std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 15), "\t</body></html>");
}

}  // namespace widgetstest

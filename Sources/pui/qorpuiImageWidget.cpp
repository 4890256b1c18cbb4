#include "pui/qorpuiImageWidget.h"

#include <cmath>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipColor.h"
#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWinMfcHtmlSvgHelper.h"
#include "plat/qorplatCallbackScheduler.h"
#include "utils/qorutilsStrings.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

ImageWidget::ImageWidget(const ImageWidget& other)
    : imageIds_(other.imageIds_), svgIds_(other.svgIds_), svgSize_(other.svgSize_)
{
}

ImageWidget::~ImageWidget()
{
  forgetBitmaps();
}

void ImageWidget::forgetBitmaps()
{
  for (CGdiPlusBitmapResource*& bitmap : bitmaps_) {
    delete bitmap;
    bitmap = nullptr;
  }
}

bool ImageWidget::hasImage() const
{
  return hasImageIds() || hasSvgIds();
}

bool ImageWidget::hasRolloverImage() const
{
  return hasRolloverImageIds() || hasRolloverSvgIds();
}

ImageIds ImageWidget::imageIds() const
{
  return imageIds_;
}

void ImageWidget::setImageIds(const ImageIds& ids)
{
  imageIds_ = ids;
  forgetBitmaps();
  redrawImage();
}

bool ImageWidget::hasImageIds() const
{
  for (uint16_t id : imageIds_.ids)
    if (id != 0)
      return true;
  return false;
}

bool ImageWidget::hasRolloverImageIds() const
{
  for (int i = 10; i < ImageIds::count; ++i)
    if (imageIds_.ids[i] != 0)
      return true;
  return false;
}

SvgIds ImageWidget::svgIds() const
{
  return svgIds_;
}

void ImageWidget::setSvgIds(const SvgIds& ids)
{
  svgIds_ = ids;
  redrawImage();
}

bool ImageWidget::hasSvgIds() const
{
  for (uint16_t id : svgIds_.ids)
    if (id != 0)
      return true;
  return false;
}

bool ImageWidget::hasRolloverSvgIds() const
{
  return svgIds_.ids[2] != 0 || svgIds_.ids[3] != 0;
}

bool ImageWidget::lightImage(double scale, CGdiPlusBitmap** out, double* outScale, const aip::Color* background)
{
  return chooseImage(0, scale, out, outScale, background);
}

bool ImageWidget::darkImage(double scale, CGdiPlusBitmap** out, double* outScale, const aip::Color* background)
{
  return chooseImage(1, scale, out, outScale, background);
}

bool ImageWidget::lightRolloverImage(double scale, CGdiPlusBitmap** out, double* outScale,
                                     const aip::Color* background)
{
  return chooseImage(2, scale, out, outScale, background);
}

bool ImageWidget::darkRolloverImage(double scale, CGdiPlusBitmap** out, double* outScale,
                                    const aip::Color* background)
{
  return chooseImage(3, scale, out, outScale, background);
}

bool ImageWidget::chooseImage(int group, double scale, CGdiPlusBitmap** out, double* outScale,
                              const aip::Color* background)
{
  if (group < 2 ? hasSvgIds() : hasRolloverSvgIds()) {
    const bool useFrame = std::fabs(svgSize_.width) < 1e-6 && std::fabs(svgSize_.height) < 1e-6;
    CGdiPlusBitmapResource* rendered = nullptr;
    if (!renderSvgToBitmap(svgIds_.ids[group], useFrame ? imageFrameSize() : svgSize_, scale, &rendered, background))
      return false;
    if (out)
      *out = rendered;
    if (outScale)
      *outScale = scale;
    return true;
  }

  aip::Illustrator* app = aip::Illustrator::instance();
  const bool scaled = app && app->isUIScaled();
  const uint16_t* ids = imageIds_.ids + group * 5;
  // Scale steps 1, 1.5, 2, 3, 4 at positions 0..4; the largest one the screen asks for that exists.
  int position = 0;
  if (scaled) {
    if (scale > 3.01 && ids[4] != 0)
      position = 4;
    else if (scale > 2.01 && ids[3] != 0)
      position = 3;
    else if (scale > 1.51 && ids[2] != 0)
      position = 2;
    else if (scale > 1.01 && ids[1] != 0 && (scale > 1.26 || app->snapUIScaleFactor() > 1.01))
      position = 1;
  }
  static const double bitmapScales[5] = {1.0, 1.5, 2.0, 3.0, 4.0};
  CGdiPlusBitmapResource*& cached = bitmaps_[group * 5 + position];
  if (!cached) {
    auto* loaded = new CGdiPlusBitmapResource();
    if (!loadPngResource(ids[position], loaded)) {
      delete loaded;
      return false;
    }
    cached = loaded;
  }
  if (out)
    *out = cached;
  if (outScale)
    *outScale = bitmapScales[position];
  return true;
}

std::string svgPageText(int r, int g, int b, int64_t w, int64_t h, int64_t m, const std::string& svg)
{
  const std::string rgb = "rgb(" + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b) + ")";
  return "<html>"
         "\t<head>"
         "\t\t<style media=\"all\">"
         "\t\t\tbody"
         "\t\t\t{"
         "\t\t\t\tmargin: 0;"
         "\t\t\t\tpadding: 0;"
         "\t\t\t\twidth: 100%;"
         "\t\t\t\theight: 100%;"
         "\t\t\t\tbackground-color: " +
         rgb +
         ";"
         "\t\t\t}"
         "\t\t\t.force_bg:before"
         "\t\t\t{"
         "\t\t\t\tcontent: '';"
         "\t\t\t\tdisplay: block;"
         "\t\t\t\tposition: absolute;"
         "\t\t\t\ttop: 0;"
         "\t\t\t\tright: 0;"
         "\t\t\t\tleft: 0;"
         "\t\t\t\tz-index: -1;"
         "\t\t\t\tborder-bottom: " +
         std::to_string(m + h) + "px solid " + rgb +
         ";"
         "\t\t\t}"
         "\t\t</style>"
         "\t</head>"
         "\t<body>"
         "\t\t<div class=\"force_bg\" style=\""
         "\t\t\twidth: " +
         std::to_string(w) +
         "px;"
         "\t\t\theight: " +
         std::to_string(h) +
         "px;"
         "\t\t\toverflow: hidden;\""
         "\t\t>"
         "\t\t\t" +
         svg +
         "\t\t</div>"
         "\t</body>"
         "</html>";
}

ImagePlacement centredImage(const CGdiPlusBitmap& bitmap, double scale, double bitmapScale, int boxWidth,
                            int boxHeight)
{
  ImagePlacement at;
  if (!bitmap.bitmap || bitmapScale <= 0)
    return at;
  at.width = int(geo::roundToInt(bitmap.bitmap->GetWidth() * scale / bitmapScale));
  at.height = int(geo::roundToInt(bitmap.bitmap->GetHeight() * scale / bitmapScale));
  at.x = (boxWidth - at.width) / 2;
  at.y = (boxHeight - at.height) / 2;
  return at;
}

void drawVeiledImage(HDC dc, const ImagePlacement& at, const aip::Color& background, bool dark,
                     const std::function<CGdiPlusBitmap*(const aip::Color&)>& over)
{
  if (at.width <= 0 || at.height <= 0)
    return;
  const double veilLevel = dark ? 0.0 : 1.0;
  const aip::Color base((background.r - veilLevel * 0.4) / 0.6, (background.g - veilLevel * 0.4) / 0.6,
                        (background.b - veilLevel * 0.4) / 0.6, 1.0);
  CGdiPlusBitmap* picture = over(base);
  if (!picture || !picture->bitmap)
    return;
  auto channel = [](double value) { return BYTE(geo::roundToInt(std::min(std::max(value, 0.0), 1.0) * 255.0)); };
  const BYTE level = channel(veilLevel);
  Gdiplus::Bitmap veiled(at.width, at.height, PixelFormat32bppARGB);
  {
    Gdiplus::Graphics onBitmap(&veiled);
    onBitmap.Clear(Gdiplus::Color(0, 255, 255, 255));
    Gdiplus::SolidBrush baseBrush(Gdiplus::Color(255, channel(base.r), channel(base.g), channel(base.b)));
    Gdiplus::SolidBrush veil(Gdiplus::Color(channel(0.4), level, level, level));
    onBitmap.FillRectangle(&baseBrush, 0, 0, at.width, at.height);
    onBitmap.DrawImage(picture->bitmap, 0, 0, at.width, at.height);
    onBitmap.FillRectangle(&veil, 0, 0, at.width, at.height);
  }
  Gdiplus::Graphics graphics(dc);
  graphics.DrawImage(&veiled, at.x, at.y, at.width, at.height);
}

namespace qorpuiImageWidget_detail {

// The hidden window and the HTML view that draw SVG images, made on first use; true once the view's
// blank page has loaded.
bool prepareSvgView(UiGlobals& globals)
{
  const int width = int(globals.svgPageSize.width), height = int(globals.svgPageSize.height);
  if (!globals.svgHostWindow) {
    // A class name of its own for each load of the module.
    const std::u16string name = utils::utf8ToUtf16(plat::sha1Hex(utils::doubleToString(geo::random01())));
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = AfxGetInstanceHandle();
    cls.lpszClassName = name.c_str();
    if (!RegisterClassExW(&cls))
      return false;
    HWND hidden = CreateWindowExW(0, name.c_str(), name.c_str(), 0, -width, -height, width, height, HWND_MESSAGE,
                                  nullptr, AfxGetInstanceHandle(), nullptr);
    if (!hidden) {
      UnregisterClassW(name.c_str(), AfxGetInstanceHandle());
      return false;
    }
    globals.svgHostWindow = new CWnd();
    globals.svgHostWindow->Attach(hidden);
    globals.svgWindowClass = name;
  }
  if (!globals.svgRenderView) {
    auto* view = new __WinMfcHtmlSvgHelper();
    if (!view->Create(nullptr, u"__WinMfcHtmlSvgHelper", 0x50010000, CRect(0, 0, width, height),
                      globals.svgHostWindow, 32000)) {
      delete view;
      return false;
    }
    view->SetSilent(TRUE);
    view->Navigate(u"about:blank");
    globals.svgRenderView = view;
  }
  // The page's completion is a message of this queue: run the queue until it comes. A queue that runs
  // dry without it will never bring it, so give up rather than spin. A quit message is put back after.
  __WinMfcHtmlSvgHelper* view = globals.svgRenderView;
  bool quit = false;
  WPARAM quitCode = 0;
  MSG msg;
  while (!view->documentLoaded && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = true;
      quitCode = msg.wParam;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (quit)
    PostQuitMessage(int(quitCode));
  return view->documentLoaded;
}

}  // namespace qorpuiImageWidget_detail

bool renderSvgToBitmap(uint16_t id, const aip::Size& size, double scale, CGdiPlusBitmapResource** out,
                       const aip::Color* background)
{
  BasePlugin* plugin = BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  aip::BasePlugin* resources = aip::BasePlugin::instance();
  if (!out || !globals || !resources || id == 0)
    return false;

  double red = 0, green = 0, blue = 0;
  aip::Illustrator* app = aip::Illustrator::instance();
  if (background) {
    red = background->r, green = background->g, blue = background->b;
  } else if (app) {
    const aip::ThemeColor theme = app->themeColor(10, 10);
    red = theme.red, green = theme.green, blue = theme.blue;
  }
  const int r = int(geo::roundToInt(red * 255)), g = int(geo::roundToInt(green * 255)),
            b = int(geo::roundToInt(blue * 255));
  const int64_t w = geo::roundToInt(size.width * scale), h = geo::roundToInt(size.height * scale),
                m = geo::roundToInt(16 * scale);

  // Colour and brightness, as the renderings differ by them; the pixel size too, so one id shown at
  // two sizes (or after a scale change) is never drawn from the other's bitmap.
  const uint32_t brightness = uint32_t(geo::roundToInt((app ? app->uiBrightness() : 0.0) * 100)) % 256;
  const uint32_t colourKey = uint32_t(r) << 24 | uint32_t(g) << 16 | uint32_t(b) << 8 | brightness;
  const uint64_t key = uint64_t(colourKey) | uint64_t(uint16_t(w)) << 32 | uint64_t(uint16_t(h)) << 48;
  auto& renderings = globals->svgBitmapCache[id];
  auto found = renderings.find(key);
  if (found != renderings.end()) {
    *out = found->second.get();
    return true;
  }
  if (w <= 0 || h <= 0 || w > 16384 || h > 16384)
    return false;

  char* bytes = nullptr;
  int32_t length = 0;
  static const int32_t svgTypes[4] = {0x00535647, 0x53564720, 0x20535647, 0x5356475F};
  bool loaded = false;
  for (int32_t type : svgTypes)
    if ((loaded = resources->loadResourceById(type, int16_t(id), &bytes, &length)))
      break;
  if (!loaded)
    return false;
  const std::string svg(bytes, size_t(length));
  delete[] bytes;

  if (!qorpuiImageWidget_detail::prepareSvgView(*globals))
    return false;
  __WinMfcHtmlSvgHelper* view = globals->svgRenderView;
  globals->svgPageSize = aip::Size(double(w + m), double(h + m));
  view->MoveWindow(0, 0, int(w + m), int(h + m));
  if (view->PutBodyInnerHTML(utils::utf8ToUtf16(svgPageText(r, g, b, w, h, m, svg))) != S_OK)
    return false;

  // The page is drawn a little larger than the view, over its background, and the image's corner kept.
  const int pageWidth = int(w + m + 4), pageHeight = int(h + m + 4);
  Gdiplus::Bitmap page(pageWidth, pageHeight, PixelFormat24bppRGB);
  {
    Gdiplus::Graphics graphics(&page);
    graphics.Clear(Gdiplus::Color(BYTE(r), BYTE(g), BYTE(b)));
  }
  if (view->DrawDocument(&page, RECT{0, 0, pageWidth, pageHeight}) != S_OK)
    return false;
  Gdiplus::Bitmap* image = page.Clone(Gdiplus::Rect(0, 0, int(w), int(h)), PixelFormat24bppRGB);
  if (!image)
    return false;
  auto rendered = std::make_shared<CGdiPlusBitmapResource>(image);
  renderings[key] = rendered;
  *out = rendered.get();
  return true;
}

}  // namespace pui
}  // namespace qor

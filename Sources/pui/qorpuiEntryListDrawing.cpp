#include "pui/qorpuiEntryListDrawing.h"

#include <algorithm>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipColor.h"
#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiTheme.h"
#include "pui/qorpuiWindow.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

COLORREF entryListBackground(Window* window)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app || !app->isDarkUI())
    return RGB(255, 255, 255);
  const int32_t context = window && (window->kind() == 2 || window->kind() == 4) ? 20 : 10;
  const aip::ThemeColor theme = app->themeColor(context, 10);
  const double c = theme.red;
  aip::Color grey(c, c, c, 1.0);
  themeGray((c - 0.2) / 0.12549019607843137, c, 128.0, 71.0, grey);
  // The formula is unbounded for light theme greys; a channel above 1 would spill into the next.
  auto channel = [](double v) { return static_cast<int>(std::max(0.0, std::min(1.0, v)) * 255.0); };
  return RGB(channel(grey.r), channel(grey.g), channel(grey.b));
}

bool pluginClosing()
{
  aip::BasePlugin* plugin = aip::BasePlugin::instance();
  return !plugin || plugin->isPreShuttingDown() || plugin->isPreShutdownDone() || plugin->isShuttingDown() ||
         plugin->isShutdownDone();
}

bool drawRowImage(HDC dc, const EntryImageIds& ids, double scale, int top)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  const uint16_t id = ids.rowImageId(scale, app && app->isDarkUI());
  if (!id)
    return false;
  CGdiPlusBitmapResource bitmap;
  if (!loadPngResource(id, &bitmap) || !bitmap.bitmap)
    return false;
  Gdiplus::Graphics graphics(dc);
  graphics.DrawImage(bitmap.bitmap, static_cast<INT>(geo::roundToInt(2.0 * scale)),
                     top + static_cast<INT>(geo::roundToInt(scale)));
  return true;
}

}  // namespace pui
}  // namespace qor

#include "pui/qorpuiThemePainting.h"

#include <algorithm>

#include "aip/qoraipIllustrator.h"
#include "geo/qorgeoNumeric.h"
#include "pui/qorpuiWidget.h"
#include "pui/qorpuiWindow.h"
#include "win/Afx.h"

namespace qor {
namespace pui {

int32_t themeContextOf(const Widget* widget)
{
  Window* window = widget ? widget->window() : nullptr;
  return window && (window->kind() == 2 || window->kind() == 4) ? 20 : 10;
}

int32_t themeComponentOf(const Widget* widget)
{
  return themeContextOf(widget) == 20 ? 0 : 1;
}

aip::Color themeRoleColor(int32_t context, int32_t role)
{
  aip::Illustrator* app = aip::Illustrator::instance();
  if (!app)
    return aip::Color::black();
  aip::ThemeColor theme = app->themeColor(context, role);
  return aip::Color(theme.red, theme.green, theme.blue, theme.alpha);
}

bool darkInterface()
{
  aip::Illustrator* app = aip::Illustrator::instance();
  return app && app->isDarkUI();
}

COLORREF colorRefOf(const aip::Color& color)
{
  return static_cast<COLORREF>(color.toInt());
}

Gdiplus::Color opaqueArgbOf(const aip::Color& color)
{
  auto channel = [](double v) { return BYTE(geo::roundToInt(std::min(std::max(v, 0.0), 1.0) * 255.0)); };
  return Gdiplus::Color(255, channel(color.r), channel(color.g), channel(color.b));
}

void fillSolid(HDC dc, const RECT& rect, COLORREF color)
{
  CBrush brush(color);
  ::FillRect(dc, &rect, brush);
}

void frameSolid(HDC dc, const RECT& rect, COLORREF color)
{
  CBrush brush(color);
  ::FrameRect(dc, &rect, brush);
}

RECT insetRect(RECT rect, int by)
{
  ::InflateRect(&rect, -by, -by);
  return rect;
}

int roundedPixels(double x)
{
  return static_cast<int>(geo::roundToInt(x));
}

}  // namespace pui
}  // namespace qor

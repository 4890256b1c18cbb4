#include "pui/qorpuiTheme.h"

#include <algorithm>
#include <cmath>

#include "aip/qoraipIllustrator.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"
#include "hostapi/UserInterfaceThemeSuite.h"

namespace qor {
namespace pui {

namespace qorpuiTheme_detail {

aip::Color grey(double level)
{
  return aip::Color(level, level, level, 1.0);
}

// The host's theme colour of (component, state), starting from opaque black.
aip::Color hostColor(int32_t component, int32_t state)
{
  ThemeColorRecord record{1.0, 0.0, 0.0, 0.0};
  if (aip::uiThemeSuite)
    aip::uiThemeSuite->getThemeColor(component, state, &record);
  return aip::Color(record);
}

bool darkUI()
{
  aip::Illustrator* app = aip::Illustrator::instance();
  return app && app->isDarkUI();
}

}  // namespace qorpuiTheme_detail

bool themeBoxColors(int32_t component, ThemeColorSet& set)
{
  bool dark = qorpuiTheme_detail::darkUI();
  aip::Color base = qorpuiTheme_detail::hostColor(component, 0);
  set.color2 = qorpuiTheme_detail::hostColor(component, 1);
  if (dark) {
    set.color1 = base;
    set.color3 = qorpuiTheme_detail::grey(0.4);
    set.color4 = qorpuiTheme_detail::grey(127.0 / 255.0);
  } else {
    base.lighten(0.09);
    set.color1 = base;
    set.color3 = qorpuiTheme_detail::grey(137.0 / 255.0);
    set.color4 = qorpuiTheme_detail::grey(225.0 / 255.0);
  }
  return dark;
}

bool themeControlColors(int32_t component, int32_t state, ThemeColorSet& set)
{
  bool dark = qorpuiTheme_detail::darkUI();
  aip::Color base = qorpuiTheme_detail::hostColor(component, 0);
  if (!dark)
    base.lighten(0.09);
  set.color4 = base;
  set.color1 = base;
  double amount = state == 1 ? 0.15 : state == 4 ? 0.35 : 0.0;
  if (amount > 0.0) {
    if (dark)
      set.color4.lighten(amount);
    else
      set.color4.darken(amount);
  }
  set.color3 = set.color4;
  set.color2 = qorpuiTheme_detail::grey((dark ? 115.0 : 142.0) / 255.0);
  return dark;
}

bool themeSliderColors(int32_t component, int32_t state, ThemeSliderColorSet& set)
{
  bool dark = qorpuiTheme_detail::darkUI();
  // Read as the host's painters do, though the set is fixed.
  aip::Color base = qorpuiTheme_detail::hostColor(component, 0);
  if (!dark)
    base.lighten(0.09);
  if (state < 0 || state > 4)
    return dark;
  const aip::Color accentA(50.0 / 255.0, 164.0 / 255.0, 241.0 / 255.0, 1.0);
  const aip::Color accentB(0.0, 107.0 / 255.0, 206.0 / 255.0, 1.0);
  bool active = state >= 3;
  set.color1 = set.color2 = qorpuiTheme_detail::grey(dark ? 0.45 : 0.56);
  aip::Color emphasis = active ? (dark ? accentA : accentB) : qorpuiTheme_detail::grey(dark ? 0.56 : 0.37);
  set.color3 = emphasis;
  set.color5 = emphasis;
  set.color4 = emphasis;
  return dark;
}

aip::Color& themeGray(double t, double offset, double from, double to, aip::Color& color)
{
  double level = ((to - from) * t + from) / 255.0 + offset;
  color.r = color.g = color.b = level;
  return color;
}

void addRoundedRectPath(RoundedRectPath& path, const aip::Rect& rect, double radius)
{
  double left = rect.origin.x, top = rect.origin.y, width = rect.size.width, height = rect.size.height;
  if (width < 0) {
    left += width;
    width = -width;
  }
  if (height < 0) {
    top += height;
    height = -height;
  }
  radius = std::min({radius, width / 2.0, height / 2.0});
  double right = left + width, bottom = top + height;
  double k = radius * 0.5522847498307935;
  auto i = [](double v) { return static_cast<int>(geo::roundToInt(v)); };
  auto add = [&](double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    int status = path.addBezier(i(x1), i(y1), i(x2), i(y2), i(x3), i(y3), i(x4), i(y4));
    if (status != 0)
      path.lastStatus = status;
  };
  double r = radius;
  add(left, top + r, left, top + r - k, left + r - k, top, left + r, top);
  add(left + r, top, left + r, top, right - r, top, right - r, top);
  add(right - r, top, right - r + k, top, right, top + r - k, right, top + r);
  add(right, top + r, right, top + r, right, bottom - r, right, bottom - r);
  add(right, bottom - r, right, bottom - r + k, right - r + k, bottom, right - r, bottom);
  add(right - r, bottom, right - r, bottom, left + r, bottom, left + r, bottom);
  add(left + r, bottom, left + r - k, bottom, left, bottom - r + k, left, bottom - r);
  add(left, bottom - r, left, bottom - r, left, top + r, left, top + r);
}

}  // namespace pui
}  // namespace qor

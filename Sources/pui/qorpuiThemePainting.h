// Small painting helpers of the value widgets (radio buttons, boxes, sliders, steppers, colour wells,
// custom widgets): the colour context of a widget's window, the host's role colours, and solid fills
// and frames in GDI.
#pragma once

#include <cstdint>

#include "aip/qoraipColor.h"
#include "win/GdiPlus.h"
#include "win/Windows.h"

namespace qor {
namespace pui {

class Widget;

// 20 for a widget in a dialog-kind window (kinds 2 and 4), else 10.
int32_t themeContextOf(const Widget* widget);
// The argument of the theme's colour-set functions: 0 inside dialog-kind windows, 1 elsewhere.
int32_t themeComponentOf(const Widget* widget);
// The host's theme colour of a role in a context; black without the host.
aip::Color themeRoleColor(int32_t context, int32_t role);
bool darkInterface();
// 0x00BBGGRR of a colour (channels truncated, as aip::Color::toInt).
COLORREF colorRefOf(const aip::Color& color);
// An opaque GDI+ colour, each channel rounded half away from zero.
Gdiplus::Color opaqueArgbOf(const aip::Color& color);
void fillSolid(HDC dc, const RECT& rect, COLORREF color);
void frameSolid(HDC dc, const RECT& rect, COLORREF color);
RECT insetRect(RECT rect, int by);
// x to the nearest integer, halves away from zero.
int roundedPixels(double x);

}  // namespace pui
}  // namespace qor

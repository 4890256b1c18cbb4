// What the list, tree and column views share when they draw: the list background of the host theme
// and the PNG image a row shows for the UI scale and the theme.
#pragma once

#include <cstdint>

#include "pui/qorpuiEntryData.h"
#include "win/Windows.h"

namespace qor {
namespace pui {

class Window;

// The theme's background (role 10; context 20 in dialog-kind windows, else 10): white in the light
// interface, and in the dark one the theme grey of the levels 128 and 71 over its red component,
// each channel kept inside 0..1 before packing.
COLORREF entryListBackground(Window* window);

// Draws the row image of ids at (2·s, top + s) on the DC at its own pixel size; false when the ids
// give none for the theme or the resource does not load.
bool drawRowImage(HDC dc, const EntryImageIds& ids, double scale, int top);

// Whether the plug-in is in or past its pre-shutdown or shutdown, when rows draw no images.
bool pluginClosing();

}  // namespace pui
}  // namespace qor

#pragma once
// Paint in SVG text: colours of the paint grammar read into the host's colour kinds and written back, and
// an art's current paint written into the SVG attributes it keeps for output, replacing what the file
// said, so a paint changed in the host is what the saved file shows.
#include "hostsimPaint.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace hostsim {

class Art;

class PaintSvg
{
public:
  using Attributes = std::vector<std::pair<std::string, std::string>>;

  // Keeps the art's paint in its attributes: none, RGB, gray and CMYK as text; the paints that refer to
  // document objects (spot colours, gradients, patterns) are left out here, the writer emits them.
  static void writePaint(Art& art);
  // "#rrggbb" of channels 0..1.
  static std::string hex(const double* rgb);
  // A colour: "#rgb", "#rrggbb", a colour name or rgb(r, g, b) (RGB), optionally followed by, or given
  // only as, device-gray(luminance) (a gray) or device-cmyk(c, m, y, k) (a CMYK colour), which win.
  // False when the text holds no colour.
  static bool parseColor(const std::string& text, PaintColor& out);
  // The text of a gray, CMYK or RGB colour; device colours lead with an sRGB fallback.
  static std::string colorText(const PaintColor& color);
  // Removes the presentation properties that the test picks, as attributes and from the style attribute.
  static void removeProperties(Attributes& attrs,
                               const std::function<bool(const std::string& name, const std::string& value)>& drop);
};

} // namespace hostsim

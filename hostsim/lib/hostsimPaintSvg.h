#pragma once
// Writes an art's current paint (fill, stroke, stroke width, fill rule) into the SVG attributes it keeps
// for output, replacing what the file said, so a paint changed in the host is what the saved file shows.
#include <string>

namespace hostsim {

class Art;

class PaintSvg
{
public:
  static void writePaint(Art& art);
  // "#rrggbb" of channels 0..1.
  static std::string hex(const double* rgb);
};

} // namespace hostsim

#pragma once
// SVG <text> for the simulated document: a text element becomes a text frame whose story holds one
// paragraph per <tspan> (or the element's own text), anchored at its x and y; a frame is written back
// the same way, one <tspan> per paragraph when it has more than one.
#include "hostsimGeometry.h"

#include <pugixml.hpp>

namespace hostsim {

class Art;
class Document;

class TextSvg
{
public:
  // A new text frame (not yet in any tree); ctm maps the element's user space to host space.
  static Art* read(Document& doc, const pugi::xml_node& text, const Matrix& ctm);
  // Writes the frame's position and story into a <text> node.
  static void write(pugi::xml_node& text, const Art& frame);
};

} // namespace hostsim

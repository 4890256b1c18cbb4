#pragma once
// SVG <text> for the simulated document: a text element becomes a text frame anchored at its x and y
// whose story holds its characters as the renderer lays them out (white space collapsed), in runs that
// keep each span's font, size, weight, slant, spacing, fill, other properties and each character's own
// position and shifts; a character that moves the baseline starts a paragraph. A frame is written back
// as text and spans, one span per run that differs from the element.
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

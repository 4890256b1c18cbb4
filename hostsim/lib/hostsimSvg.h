#pragma once
// Reads an SVG drawing into a simulated document and writes a document back as SVG.
// Shapes become paths (arcs and quadratics as cubic Beziers) with every transform applied; top-level
// groups are layers; text elements are text frames; ids, presentation attributes, hidden and locked state
// are kept for output. Gradients, patterns, solid (spot) colours and symbols become document objects, and a
// <use> of a symbol a placed instance; they are written back as one <defs>, with an element of their own
// for each place a gradient or moved pattern paints. Other elements that are not drawing geometry (style,
// images...) are kept verbatim.
#include "hostsimDocument.h"

#include <string>

namespace hostsim {

class Svg
{
public:
  // Drawings nested deeper are refused (renderers refuse them too), which bounds the reader's recursion.
  static constexpr int kMaxDepth = 512;
  // Drawings of more elements are refused, as renderers refuse them: reading them would take minutes.
  static constexpr size_t kMaxElements = 1000000;
  // Fills an empty document. On malformed input returns false with an error naming what and where.
  static bool read(const char* data, size_t size, Document& doc, std::string& error);
  static std::string write(const Document& doc);
  // The path data of one path's segments in host coordinates (y up), written with y down.
  static void appendPathData(std::string& out, const std::vector<Segment>& segs, bool closed);
};

} // namespace hostsim

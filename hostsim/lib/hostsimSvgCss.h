#pragma once
// The style sheets of an SVG drawing (<style> elements) applied to its elements: the declarations of the
// rules that match an element are put into its style attribute, in cascade order, ahead of what the
// attribute said. Rules stop matching once the host changes the tree (shapes become paths, groups become
// layers), so they are settled while the tree is still the one they were written for.
#include <pugixml.hpp>

namespace hostsim {

class SvgCss
{
public:
  // Settles every rule of the document's style sheets into the style attributes it matches. Selectors
  // of kinds not supported (pseudo-elements, dynamic states) match nothing, as in a static renderer.
  static void apply(pugi::xml_node svg);
};

} // namespace hostsim

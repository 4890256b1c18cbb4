#pragma once
// The colour keywords of CSS (the SVG colour names), matched without regard to case.

#include <string>

namespace hostsim {

// The 0xRRGGBB value of a colour keyword; false when name is none.
bool svgColorKeyword(const std::string& name, unsigned& rgb);

} // namespace hostsim

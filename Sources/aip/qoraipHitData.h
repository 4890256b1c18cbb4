// Pieces of the hit test that stand on their own: the tolerance in artwork units and the character of a
// text frame that an outlined glyph stands for.
#pragma once

#include <cstdint>
#include <string>

namespace qor {
namespace aip {

class HitData {
public:
    // |tolerance|, divided by the zoom of the current view when it is given in view units. Without a
    // current view, or with a zoom that is not a positive number, the tolerance stays as it is.
    static double artworkTolerance(double tolerance, bool inViewUnits);
    // The character index of glyph g in the text: spaces, line breaks and other invisible characters
    // have no glyph of their own and are skipped over. -1 when the glyph lies beyond the text.
    static int32_t characterOfGlyph(const std::string& utf8, int32_t glyph);
};

}  // namespace aip
}  // namespace qor

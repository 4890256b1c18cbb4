// The nine reference points of a rectangle, as integer codes (any other value counts as top left).
#pragma once

namespace qor {
namespace core {

enum ReferencePoint : int {
    RefPointTopLeft = 1,
    RefPointTopCenter = 2,
    RefPointTopRight = 3,
    RefPointLeftCenter = 4,
    RefPointCenter = 5,
    RefPointRightCenter = 6,
    RefPointBottomLeft = 7,
    RefPointBottomCenter = 8,
    RefPointBottomRight = 9,
};

}  // namespace core
}  // namespace qor

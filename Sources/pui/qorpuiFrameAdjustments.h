// The frame adjustments of the platform widget kinds whose controls need a frame other than the one
// client code asks for: added to the asked frame when a control is placed, subtracted from the
// control's frame when the widget reports its frame (points, before UI scaling).
#pragma once

#include "aip/qoraipRect.h"

namespace qor {
namespace pui {

extern const aip::Rect buttonFrameAdjustment;
// Labels, with or without an image.
extern const aip::Rect labelFrameAdjustment;
extern const aip::Rect checkboxFrameAdjustment;
extern const aip::Rect textFieldFrameAdjustment;

} // namespace pui
} // namespace qor

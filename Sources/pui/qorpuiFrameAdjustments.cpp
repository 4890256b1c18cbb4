#include "pui/qorpuiFrameAdjustments.h"

namespace qor {
namespace pui {

const aip::Rect buttonFrameAdjustment(0.0, 0.0, 2.0, 0.0);
const aip::Rect labelFrameAdjustment(1.0, 0.0, 0.0, 0.0);
const aip::Rect checkboxFrameAdjustment(0.0, -3.0, 0.0, 0.0);
const aip::Rect textFieldFrameAdjustment(0.0, 0.0, 2.0, 2.0);

} // namespace pui
} // namespace qor

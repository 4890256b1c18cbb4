#include "core/qorcoreStrokeStylePref.h"

namespace qor {
namespace core {

StrokeStyle StrokeStylePref::strokeStyleValue() const { return readValue(); }

bool StrokeStylePref::setStrokeStyle(const StrokeStyle &value) { return writeValue(value); }

} // namespace core
} // namespace qor

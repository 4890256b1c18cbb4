#include "core/qorcoreStrokeStyleMapPref.h"

namespace qor {
namespace core {

StrokeStyle::Map StrokeStyleMapPref::strokeStyleMapValue() const { return readValue(); }

bool StrokeStyleMapPref::setStrokeStyleMap(const StrokeStyle::Map &value) { return writeValue(value); }

} // namespace core
} // namespace qor

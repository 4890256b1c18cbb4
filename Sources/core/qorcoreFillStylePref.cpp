#include "core/qorcoreFillStylePref.h"

namespace qor {
namespace core {

FillStyle FillStylePref::fillStyleValue() const { return readValue(); }

bool FillStylePref::setFillStyle(const FillStyle &value) { return writeValue(value); }

} // namespace core
} // namespace qor

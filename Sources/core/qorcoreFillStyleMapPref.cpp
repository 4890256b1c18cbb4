#include "core/qorcoreFillStyleMapPref.h"

namespace qor {
namespace core {

FillStyle::Map FillStyleMapPref::fillStyleMapValue() const { return readValue(); }

bool FillStyleMapPref::setFillStyleMap(const FillStyle::Map &value) { return writeValue(value); }

} // namespace core
} // namespace qor

#include "core/qorcoreDashStyleMapPref.h"

namespace qor {
namespace core {

DashStyle::Map DashStyleMapPref::dashStyleMapValue() const { return readValue(); }

bool DashStyleMapPref::setDashStyleMap(const DashStyle::Map &value) { return writeValue(value); }

} // namespace core
} // namespace qor

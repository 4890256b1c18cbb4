#include "core/qorcoreDashStylePref.h"

namespace qor {
namespace core {

DashStyle DashStylePref::dashStyleValue() const { return readValue(); }

bool DashStylePref::setDashStyle(const DashStyle &value) { return writeValue(value); }

} // namespace core
} // namespace qor

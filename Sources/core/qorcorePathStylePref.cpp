#include "core/qorcorePathStylePref.h"

namespace qor {
namespace core {

PathStyle PathStylePref::pathStyleValue() const { return readValue(); }

bool PathStylePref::setPathStyle(const PathStyle &value) { return writeValue(value); }

} // namespace core
} // namespace qor

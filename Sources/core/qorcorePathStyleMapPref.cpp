#include "core/qorcorePathStyleMapPref.h"

namespace qor {
namespace core {

PathStyle::Map PathStyleMapPref::pathStyleMapValue() const { return readValue(); }

bool PathStyleMapPref::setPathStyleMap(const PathStyle::Map &value) { return writeValue(value); }

} // namespace core
} // namespace qor

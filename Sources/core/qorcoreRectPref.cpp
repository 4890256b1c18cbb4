#include "core/qorcoreRectPref.h"

#include "aip/qoraipPersistentRect.h"

namespace qor {
namespace core {

Rect RectPref::rectValue() const
{
  return storedValue<aip::PersistentRect>(&wrapRect, Rect());
}

bool RectPref::setRect(const Rect& value)
{
  return setStoredValue<aip::PersistentRect>(*rectImpl(value));
}

} // namespace core
} // namespace qor

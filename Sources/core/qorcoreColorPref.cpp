#include "core/qorcoreColorPref.h"

#include "aip/qoraipPersistentColor.h"

namespace qor {
namespace core {

Color ColorPref::colorValue() const
{
  return storedValue<aip::PersistentColor>(&wrapColor, Color());
}

bool ColorPref::setColor(const Color& value)
{
  return setStoredValue<aip::PersistentColor>(*colorImpl(value));
}

} // namespace core
} // namespace qor

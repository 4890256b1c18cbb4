#include "core/qorcoreColorPref.h"

#include "aip/qoraipPersistentColor.h"

namespace qor {
namespace core {

Color ColorPref::colorValue() const
{
  auto* stored = this->stored<aip::PersistentColor>();
  return stored ? wrapColor(stored->value()) : Color();
}

bool ColorPref::setColor(const Color& value)
{
  auto* stored = this->stored<aip::PersistentColor>();
  return stored && stored->setValue(*colorImpl(value));
}

} // namespace core
} // namespace qor

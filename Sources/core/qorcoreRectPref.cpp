#include "core/qorcoreRectPref.h"

#include "aip/qoraipPersistentRect.h"

namespace qor {
namespace core {

Rect RectPref::rectValue() const
{
  auto* stored = this->stored<aip::PersistentRect>();
  return stored ? wrapRect(stored->value()) : Rect();
}

bool RectPref::setRect(const Rect& value)
{
  auto* stored = this->stored<aip::PersistentRect>();
  return stored && stored->setValue(*rectImpl(value));
}

} // namespace core
} // namespace qor

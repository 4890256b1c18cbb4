#include "core/qorcoreSizePref.h"

#include "aip/qoraipPersistentSize.h"

namespace qor {
namespace core {

Size SizePref::sizeValue() const
{
  auto* stored = this->stored<aip::PersistentSize>();
  return stored ? wrapSize(stored->value()) : Size();
}

bool SizePref::setSize(const Size& value)
{
  auto* stored = this->stored<aip::PersistentSize>();
  return stored && stored->setValue(*pointImpl(value));
}

} // namespace core
} // namespace qor

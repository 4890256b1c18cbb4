#include "core/qorcoreSizePref.h"

#include "aip/qoraipPersistentSize.h"

namespace qor {
namespace core {

Size SizePref::sizeValue() const
{
  return storedValue<aip::PersistentSize>(&wrapSize, Size());
}

bool SizePref::setSize(const Size& value)
{
  return setStoredValue<aip::PersistentSize>(*pointImpl(value));
}

} // namespace core
} // namespace qor

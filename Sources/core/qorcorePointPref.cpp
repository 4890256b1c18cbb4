#include "core/qorcorePointPref.h"

#include "aip/qoraipPersistentPoint.h"

namespace qor {
namespace core {

Point PointPref::pointValue() const
{
  return storedValue<aip::PersistentPoint>(&wrapPoint, Point());
}

bool PointPref::setPoint(const Point& value)
{
  return setStoredValue<aip::PersistentPoint>(*pointImpl(value));
}

} // namespace core
} // namespace qor

#include "core/qorcorePointPref.h"

#include "aip/qoraipPersistentPoint.h"

namespace qor {
namespace core {

Point PointPref::pointValue() const
{
  auto* stored = this->stored<aip::PersistentPoint>();
  return stored ? wrapPoint(stored->value()) : Point();
}

bool PointPref::setPoint(const Point& value)
{
  auto* stored = this->stored<aip::PersistentPoint>();
  return stored && stored->setValue(*pointImpl(value));
}

} // namespace core
} // namespace qor

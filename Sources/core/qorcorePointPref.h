// The preference handle of one stored point.
#pragma once

#include "core/qorcorePoint.h"
#include "core/qorcorePrefHandle.h"

namespace qor {
namespace core {

class PointPref : public PrefHandle<PointPref>
{
public:
  PointPref() = default;
  PointPref(const PointPref& other) = default;
  PointPref& operator=(const PointPref& other) = default;
  using PrefData::operator=;

  // (0, 0) when the handle is empty or holds another kind of value.
  virtual Point pointValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setPoint(const Point& value);
};

} // namespace core
} // namespace qor

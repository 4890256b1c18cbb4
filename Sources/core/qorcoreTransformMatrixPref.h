// The preference handle of one stored transform matrix.
#pragma once

#include "core/qorcorePrefHandle.h"
#include "core/qorcoreTransformMatrix.h"

namespace qor {
namespace core {

class TransformMatrixPref : public PrefHandle<TransformMatrixPref>
{
public:
  TransformMatrixPref() = default;
  TransformMatrixPref(const TransformMatrixPref& other) = default;
  TransformMatrixPref& operator=(const TransformMatrixPref& other) = default;
  using PrefData::operator=;

  // The identity when the handle is empty or holds another kind of value.
  virtual TransformMatrix transformMatrixValue() const;
  // False, and nothing changes, when the handle is empty or holds another kind of value.
  virtual bool setTransformMatrix(const TransformMatrix& value);
};

} // namespace core
} // namespace qor

#include "core/qorcoreTransformMatrixPref.h"

#include "aip/qoraipPersistentMatrix.h"

namespace qor {
namespace core {

TransformMatrix TransformMatrixPref::transformMatrixValue() const
{
  auto* stored = this->stored<aip::PersistentMatrix>();
  return stored ? wrapTransformMatrix(stored->value()) : TransformMatrix();
}

bool TransformMatrixPref::setTransformMatrix(const TransformMatrix& value)
{
  auto* stored = this->stored<aip::PersistentMatrix>();
  return stored && stored->setValue(*transformMatrixImpl(value));
}

} // namespace core
} // namespace qor

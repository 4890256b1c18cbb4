#include "core/qorcoreTransformMatrixPref.h"

#include "aip/qoraipPersistentMatrix.h"

namespace qor {
namespace core {

TransformMatrix TransformMatrixPref::transformMatrixValue() const
{
  return storedValue<aip::PersistentMatrix>(&wrapTransformMatrix, TransformMatrix());
}

bool TransformMatrixPref::setTransformMatrix(const TransformMatrix& value)
{
  return setStoredValue<aip::PersistentMatrix>(*transformMatrixImpl(value));
}

} // namespace core
} // namespace qor

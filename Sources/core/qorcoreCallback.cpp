#include "core/qorcoreCallback.h"

namespace qor {
namespace core {

Callback* cloneCallback(const Callback& callback)
{
  return callback.clone();
}

}  // namespace core
}  // namespace qor

#include "sdk/qorATEException.h"

namespace ATE {

void throwException(int32_t code)
{
  throw Exception(code);
}

}  // namespace ATE

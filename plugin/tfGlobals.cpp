#include "tfGlobals.h"

tfGlobals::tfGlobals() = default;

tfGlobals::~tfGlobals() = default;

void tfGlobals::resetAngles()
{
  for (qor::core::Angle& a : angles)
    a = qor::core::Angle(0.0, 1);
}

void tfGlobals::resetToolState()
{
  toolMode = 0x30000;
  toolStep = 0;
  toolValue = 0.0;
}

namespace tf {

tfGlobals globals;

}  // namespace tf

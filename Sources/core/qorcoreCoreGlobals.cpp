#include "core/qorcoreCoreGlobals.h"

CoreGlobals::CoreGlobals() = default;
CoreGlobals::~CoreGlobals() = default;

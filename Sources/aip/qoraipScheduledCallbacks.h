// The table of callbacks waiting for their scheduler timer: timer id to the callback that timer runs.
// Only the UI-thread callback scheduler touches it, under its own lock; the table owns nothing.
#pragma once

#include "utils/qorutilsCallback.h"
#include "utils/qorutilsMap.h"

namespace qor {
namespace aip {

extern qor::utils::Map<unsigned int, qor::utils::Callback*> scheduledCallbacks;

} // namespace aip
} // namespace qor

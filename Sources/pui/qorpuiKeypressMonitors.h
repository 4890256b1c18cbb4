// The key-press monitor table: for a virtual key, a number and a callback the table owns.
#pragma once

#include <cstdint>
#include <utility>

#include "utils/qorutilsCallback.h"
#include "utils/qorutilsMap.h"

namespace qor {
namespace pui {

enum VirtualKey : int32_t;

using KeypressMonitorMap = utils::Map<VirtualKey, std::pair<unsigned int, utils::Callback*>>;

// Empty at load; emptied and dropped by the UI layer's pre-shutdown phase.
extern KeypressMonitorMap* keypressMonitors;

// Deletes every monitor's callback and drops the table; a second call does nothing.
void clearKeypressMonitors();

}  // namespace pui
}  // namespace qor

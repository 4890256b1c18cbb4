#include "pui/qorpuiKeypressMonitors.h"

namespace qor {
namespace pui {

namespace qorpuiKeypressMonitors_detail {
// The table's storage lives with the module, so that a run whose pre-shutdown never came leaves
// nothing allocated at unload.
KeypressMonitorMap storage;
}  // namespace qorpuiKeypressMonitors_detail

KeypressMonitorMap* keypressMonitors = &qorpuiKeypressMonitors_detail::storage;

void clearKeypressMonitors()
{
  if (!keypressMonitors)
    return;
  for (auto& entry : *keypressMonitors) {
    delete entry.second.second;
    entry.second.second = nullptr;
  }
  keypressMonitors->clear();
  keypressMonitors = nullptr;
}

}  // namespace pui
}  // namespace qor

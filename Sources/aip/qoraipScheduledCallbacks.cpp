#include "aip/qoraipScheduledCallbacks.h"

namespace qor {
namespace aip {

qor::utils::Map<unsigned int, qor::utils::Callback*> scheduledCallbacks;

} // namespace aip
} // namespace qor

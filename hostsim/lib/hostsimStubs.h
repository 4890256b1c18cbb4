// The placeholder functions of the suite tables: each one knows its own index, so that the call of an
// unimplemented suite position can be recorded with the suite and position it came through.
#pragma once

#include "hostapi/HostTypes.h"

#include <cstddef>

namespace hostsim {

inline constexpr size_t kStubCount = 8192;

// The placeholder with the given index (below kStubCount).
HostStubProc stubProc(size_t index);
// The placeholder used once every indexed one is taken: it records an unknown position.
HostStubProc overflowStubProc();

} // namespace hostsim

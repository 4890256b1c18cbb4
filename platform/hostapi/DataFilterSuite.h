// Function table of the host's "AI Data Filter Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kDataFilterSuiteName[] = "AI Data Filter Suite";
inline constexpr int32_t kDataFilterSuiteVersion = 8;

extern "C" {
struct DataFilterSuite
{
  // Opens a module resource by (four-character type, id, name) as a byte stream.
  HostErr (*newResourceDataFilter)(PluginRef plugin, int32_t type, int16_t id, const char* name,
                                   DataFilter* outFilter);
  // Absolute seek; fails beyond the end of the data.
  HostErr (*seekDataFilter)(DataFilter filter, int32_t position);
  // Reads up to *count bytes from the current position and writes back the number read.
  HostErr (*readDataFilter)(DataFilter filter, char* buffer, int32_t* inOutCount);
  // Closes the filter and hands back the previous filter of the chain (null for a resource filter).
  HostErr (*unlinkDataFilter)(DataFilter filter, DataFilter* outPrevious);
};
}

static_assert(offsetof(DataFilterSuite, newResourceDataFilter) == 0 * sizeof(void*));
static_assert(offsetof(DataFilterSuite, seekDataFilter) == 1 * sizeof(void*));
static_assert(offsetof(DataFilterSuite, readDataFilter) == 2 * sizeof(void*));
static_assert(offsetof(DataFilterSuite, unlinkDataFilter) == 3 * sizeof(void*));
static_assert(sizeof(DataFilterSuite) == 4 * sizeof(void*));

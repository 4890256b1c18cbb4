// Function table of the host's "AI Path Style Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPathStyleSuiteName[] = "AI Path Style Suite";
inline constexpr int32_t kPathStyleSuiteVersion = 13;

extern "C" {
struct PathStyleSuite
{
  // Fills the path style record.
  HostErr (*getPathStyle)(ArtHandle path, PathStyleRecord* inOutStyle);
};
}

static_assert(offsetof(PathStyleSuite, getPathStyle) == 0 * sizeof(void*));
static_assert(sizeof(PathStyleSuite) == 1 * sizeof(void*));

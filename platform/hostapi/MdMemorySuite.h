// Function table of the host's "AI MdMemory Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kMdMemorySuiteName[] = "AI MdMemory Suite";
inline constexpr int32_t kMdMemorySuiteVersion = 3;

extern "C" {
struct MdMemorySuite
{
  HostStubProc reserved0;
  // Frees the art array of getMatchingArtBelow.
  HostErr (*freeMemoryBlock)(void* block);
};
}

static_assert(offsetof(MdMemorySuite, freeMemoryBlock) == 1 * sizeof(void*));
static_assert(sizeof(MdMemorySuite) == 2 * sizeof(void*));

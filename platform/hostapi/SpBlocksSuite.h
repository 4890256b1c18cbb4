// Function table of the host's "SP Blocks Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kSpBlocksSuiteName[] = "SP Blocks Suite";
inline constexpr int32_t kSpBlocksSuiteVersion = 2;

extern "C" {
struct SpBlocksSuite
{
  HostErr (*allocateBlock)(int32_t byteCount, const char* debugText, void** outBlock);
  HostErr (*freeBlock)(void* block);
};
}

static_assert(offsetof(SpBlocksSuite, allocateBlock) == 0 * sizeof(void*));
static_assert(offsetof(SpBlocksSuite, freeBlock) == 1 * sizeof(void*));
static_assert(sizeof(SpBlocksSuite) == 2 * sizeof(void*));

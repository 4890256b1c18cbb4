// Function table of the host's "SP Basic Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kSpBasicSuiteName[] = "SP Basic Suite";

extern "C" {
struct SpBasicSuite
{
  HostErr (*acquireSuite)(const char* name, int32_t version, const void** outTable);
  HostErr (*releaseSuite)(const char* name, int32_t version);
};
}

static_assert(offsetof(SpBasicSuite, acquireSuite) == 0 * sizeof(void*));
static_assert(offsetof(SpBasicSuite, releaseSuite) == 1 * sizeof(void*));
static_assert(sizeof(SpBasicSuite) == 2 * sizeof(void*));

// Function table of the host's "SP Access Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kSpAccessSuiteName[] = "SP Access Suite";
inline constexpr int32_t kSpAccessSuiteVersion = 3;

extern "C" {
struct SpAccessSuite
{
  // Locks the plug-in against unloading.
  HostErr (*acquirePluginAccess)(PluginRef plugin, AccessRef* outAccess);
  // Unlocks the plug-in.
  HostErr (*releasePluginAccess)(AccessRef access);
};
}

static_assert(offsetof(SpAccessSuite, acquirePluginAccess) == 0 * sizeof(void*));
static_assert(offsetof(SpAccessSuite, releasePluginAccess) == 1 * sizeof(void*));
static_assert(sizeof(SpAccessSuite) == 2 * sizeof(void*));

// Function table of the host's "AI Plugin Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPluginSuiteName[] = "AI Plugin Suite";
inline constexpr int32_t kPluginSuiteVersion = 5;

extern "C" {
struct PluginSuite
{
  HostErr (*getPluginOptions)(PluginRef plugin, int32_t* outOptions);
  HostErr (*setPluginOptions)(PluginRef plugin, int32_t options);
};
}

static_assert(offsetof(PluginSuite, getPluginOptions) == 0 * sizeof(void*));
static_assert(offsetof(PluginSuite, setPluginOptions) == 1 * sizeof(void*));
static_assert(sizeof(PluginSuite) == 2 * sizeof(void*));

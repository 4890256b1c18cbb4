// Function table of the host's "AI Context Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kContextSuiteName[] = "AI Context Suite";
inline constexpr int32_t kContextSuiteVersion = 8;

extern "C" {
struct ContextSuite
{
  // The host's main application window.
  HostErr (*getMainWindow)(PlatformWindow* outWindow);
  // Enters the host application context; contexts nest.
  HostErr (*pushAppContext)(PluginRef plugin, AppContext* outContext);
  // Leaves the context entered by pushAppContext.
  HostErr (*popAppContext)(AppContext context);
};
}

static_assert(offsetof(ContextSuite, getMainWindow) == 0 * sizeof(void*));
static_assert(offsetof(ContextSuite, pushAppContext) == 1 * sizeof(void*));
static_assert(offsetof(ContextSuite, popAppContext) == 2 * sizeof(void*));
static_assert(sizeof(ContextSuite) == 3 * sizeof(void*));

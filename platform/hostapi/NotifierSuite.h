// Function table of the host's "AI Notifier Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kNotifierSuiteName[] = "AI Notifier Suite";
inline constexpr int32_t kNotifierSuiteVersion = 4;

extern "C" {
struct NotifierSuite
{
  // Subscribes to a notifier type; the name is in the platform encoding.
  HostErr (*addNotifier)(PluginRef plugin, const char* name, const char* typeName,
                         NotifierHandle* outNotifier);
  // The name exactly as added (platform encoding); null = "".
  HostErr (*getNotifierName)(NotifierHandle notifier, const char** outName);
  // For example "AI Document Changed Notifier".
  HostErr (*getNotifierTypeName)(NotifierHandle notifier, const char** outTypeName);
  HostErr (*isNotifierActive)(NotifierHandle notifier, bool8* outActive);
  HostErr (*setNotifierActive)(NotifierHandle notifier, bool8 active);
};
}

static_assert(offsetof(NotifierSuite, addNotifier) == 0 * sizeof(void*));
static_assert(offsetof(NotifierSuite, getNotifierName) == 1 * sizeof(void*));
static_assert(offsetof(NotifierSuite, getNotifierTypeName) == 2 * sizeof(void*));
static_assert(offsetof(NotifierSuite, isNotifierActive) == 3 * sizeof(void*));
static_assert(offsetof(NotifierSuite, setNotifierActive) == 4 * sizeof(void*));
static_assert(sizeof(NotifierSuite) == 5 * sizeof(void*));

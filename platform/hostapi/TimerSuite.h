// Function table of the host's "AI Timer Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kTimerSuiteName[] = "AI Timer Suite";
inline constexpr int32_t kTimerSuiteVersion = 5;

extern "C" {
struct TimerSuite
{
  // Period in ticks of 1/60 s; the name is in the platform encoding.
  HostErr (*addTimer)(PluginRef plugin, const char* name, int32_t periodTicks, TimerHandle* outTimer);
  // As added; null = "".
  HostErr (*getTimerName)(TimerHandle timer, const char** outName);
  HostErr (*isTimerActive)(TimerHandle timer, bool8* outActive);
  HostErr (*setTimerActive)(TimerHandle timer, bool8 active);
  HostErr (*getTimerPeriod)(TimerHandle timer, int32_t* outTicks);
  HostErr (*setTimerPeriod)(TimerHandle timer, int32_t ticks);
};
}

static_assert(offsetof(TimerSuite, addTimer) == 0 * sizeof(void*));
static_assert(offsetof(TimerSuite, getTimerName) == 1 * sizeof(void*));
static_assert(offsetof(TimerSuite, isTimerActive) == 2 * sizeof(void*));
static_assert(offsetof(TimerSuite, setTimerActive) == 3 * sizeof(void*));
static_assert(offsetof(TimerSuite, getTimerPeriod) == 4 * sizeof(void*));
static_assert(offsetof(TimerSuite, setTimerPeriod) == 5 * sizeof(void*));
static_assert(sizeof(TimerSuite) == 6 * sizeof(void*));

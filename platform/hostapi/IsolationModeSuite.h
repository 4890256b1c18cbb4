// Function table of the host's "AI Isolation Mode".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kIsolationModeSuiteName[] = "AI Isolation Mode";
inline constexpr int32_t kIsolationModeSuiteVersion = 5;

extern "C" {
struct IsolationModeSuite
{
  HostErr (*setArtIsolated)(ArtHandle art, bool8 isolated);
  HostStubProc reserved1;
  // The isolated art.
  HostErr (*getIsolatedArt)(ArtHandle* outArt, void* reserved);
  // 0 when not in isolation mode.
  int32_t (*isInIsolationMode)(void);
  bool8 (*isArtInIsolatedArt)(ArtHandle art);
  HostStubProc reserved5;
  bool8 (*isArtTheIsolatedArt)(ArtHandle art);
};
}

static_assert(offsetof(IsolationModeSuite, setArtIsolated) == 0 * sizeof(void*));
static_assert(offsetof(IsolationModeSuite, getIsolatedArt) == 2 * sizeof(void*));
static_assert(offsetof(IsolationModeSuite, isInIsolationMode) == 3 * sizeof(void*));
static_assert(offsetof(IsolationModeSuite, isArtInIsolatedArt) == 4 * sizeof(void*));
static_assert(offsetof(IsolationModeSuite, isArtTheIsolatedArt) == 6 * sizeof(void*));
static_assert(sizeof(IsolationModeSuite) == 7 * sizeof(void*));

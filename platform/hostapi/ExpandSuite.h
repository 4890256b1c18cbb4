// Function table of the host's "AI Expand Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kExpandSuiteName[] = "AI Expand Suite";
inline constexpr int32_t kExpandSuiteVersion = 4;

extern "C" {
struct ExpandSuite
{
  // Replaces the art by its expansion; the art's unique id moves to the replacement.
  HostErr (*expandArt)(ArtHandle art, int32_t expandFlags, int32_t steps);
};
}

static_assert(offsetof(ExpandSuite, expandArt) == 0 * sizeof(void*));
static_assert(sizeof(ExpandSuite) == 1 * sizeof(void*));

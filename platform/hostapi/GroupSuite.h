// Function table of the host's "AI Group Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kGroupSuiteName[] = "AI Group Suite";
inline constexpr int32_t kGroupSuiteVersion = 5;

extern "C" {
struct GroupSuite
{
  HostErr (*getGroupClipped)(ArtHandle group, bool8* outClipped);
  HostErr (*setGroupClipped)(ArtHandle group, bool8 clipped);
};
}

static_assert(offsetof(GroupSuite, getGroupClipped) == 0 * sizeof(void*));
static_assert(offsetof(GroupSuite, setGroupClipped) == 1 * sizeof(void*));
static_assert(sizeof(GroupSuite) == 2 * sizeof(void*));

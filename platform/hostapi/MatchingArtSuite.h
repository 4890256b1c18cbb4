// Function table of the host's "AI Matching Art Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kMatchingArtSuiteName[] = "AI Matching Art Suite";
inline constexpr int32_t kMatchingArtSuiteVersion = 7;

extern "C" {
struct MatchingArtSuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  // Art inside art matching any spec (type -1 = any); the host allocates the array, freed with the MdMemory
  // suite.
  HostErr (*getMatchingArtBelow)(ArtHandle art, const MatchSpec* specs, int16_t specCount,
                                 ArtHandle** outArtArray, int32_t* outCount);
};
}

static_assert(offsetof(MatchingArtSuite, getMatchingArtBelow) == 6 * sizeof(void*));
static_assert(sizeof(MatchingArtSuite) == 7 * sizeof(void*));

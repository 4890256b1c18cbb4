// Function table of the host's "AI UID Utils Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kUIDUtilsSuiteName[] = "AI UID Utils Suite";
inline constexpr int32_t kUIDUtilsSuiteVersion = 9;

extern "C" {
struct UIDUtilsSuite
{
  // The art's unique id with a new reference, created when missing.
  HostErr (*getArtUID)(ArtHandle art, int32_t flag, UIDHandle* outUID);
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  // The art that carries the id (after an expansion: the replacement art).
  HostErr (*getArtOfUIDRef)(UIDRefHandle ref, ArtHandle* outArt);
};
}

static_assert(offsetof(UIDUtilsSuite, getArtUID) == 0 * sizeof(void*));
static_assert(offsetof(UIDUtilsSuite, getArtOfUIDRef) == 4 * sizeof(void*));
static_assert(sizeof(UIDUtilsSuite) == 5 * sizeof(void*));

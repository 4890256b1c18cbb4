// Function table of the host's "AI UIDREF Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kUIDREFSuiteName[] = "AI UIDREF Suite";
inline constexpr int32_t kUIDREFSuiteVersion = 8;

extern "C" {
struct UIDREFSuite
{
  HostStubProc reserved0;
  HostErr (*releaseUIDRef)(UIDRefHandle ref);
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  // New counted reference.
  HostErr (*getUIDOfRef)(UIDRefHandle ref, UIDHandle* outUID);
};
}

static_assert(offsetof(UIDREFSuite, releaseUIDRef) == 1 * sizeof(void*));
static_assert(offsetof(UIDREFSuite, getUIDOfRef) == 6 * sizeof(void*));
static_assert(sizeof(UIDREFSuite) == 7 * sizeof(void*));

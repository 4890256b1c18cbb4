// Function table of the host's "AI UID Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kUIDSuiteName[] = "AI UID Suite";
inline constexpr int32_t kUIDSuiteVersion = 8;

extern "C" {
struct UIDSuite
{
  HostStubProc reserved0;
  // One host reference less.
  HostErr (*releaseUID)(UIDHandle uid);
  HostStubProc reserved2;
  HostStubProc reserved3;
  // A failure leaves the string empty.
  HostErr (*getUIDName)(UIDHandle uid, HostString* outName);
  HostStubProc reserved5;
  // New counted reference object.
  HostErr (*newUIDRef)(UIDHandle uid, UIDRefHandle* outRef);
};
}

static_assert(offsetof(UIDSuite, releaseUID) == 1 * sizeof(void*));
static_assert(offsetof(UIDSuite, getUIDName) == 4 * sizeof(void*));
static_assert(offsetof(UIDSuite, newUIDRef) == 6 * sizeof(void*));
static_assert(sizeof(UIDSuite) == 7 * sizeof(void*));

// Function table of the host's "AI Runtime Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kRuntimeSuiteName[] = "AI Runtime Suite";
inline constexpr int32_t kRuntimeSuiteVersion = 12;

extern "C" {
struct RuntimeSuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  HostStubProc reserved6;
  HostStubProc reserved7;
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  int32_t (*getMajorVersion)(void);
  int32_t (*getMinorVersion)(void);
  int32_t (*getRevisionNumber)(void);
};
}

static_assert(offsetof(RuntimeSuite, getMajorVersion) == 11 * sizeof(void*));
static_assert(offsetof(RuntimeSuite, getMinorVersion) == 12 * sizeof(void*));
static_assert(offsetof(RuntimeSuite, getRevisionNumber) == 13 * sizeof(void*));
static_assert(sizeof(RuntimeSuite) == 14 * sizeof(void*));

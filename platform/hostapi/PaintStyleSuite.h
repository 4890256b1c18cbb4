// Function table of the host's "AI Paint Style Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPaintStyleSuiteName[] = "AI Paint Style Suite";
inline constexpr int32_t kPaintStyleSuiteVersion = 10;

extern "C" {
struct PaintStyleSuite
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
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  // Modal colour picker; non-zero (not an error code) when the user confirmed and the record holds the chosen
  // colour.
  int32_t (*runColorPicker)(ColorRecord* inOutColor);
};
}

static_assert(offsetof(PaintStyleSuite, runColorPicker) == 19 * sizeof(void*));
static_assert(sizeof(PaintStyleSuite) == 20 * sizeof(void*));

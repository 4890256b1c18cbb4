// Function table of the host's "AI Text Frame Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kTextFrameSuiteName[] = "AI Text Frame Suite";
inline constexpr int32_t kTextFrameSuiteVersion = 4;

extern "C" {
struct TextFrameSuite
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
  // A new counted engine reference; fails for art that is not text.
  HostErr (*getAteTextFrame)(ArtHandle art, AteTextFrameRef* outFrame);
  // Fails for a null frame.
  HostErr (*getArtOfAteTextFrame)(AteTextFrameRef frame, ArtHandle* outArt);
};
}

static_assert(offsetof(TextFrameSuite, getAteTextFrame) == 14 * sizeof(void*));
static_assert(offsetof(TextFrameSuite, getArtOfAteTextFrame) == 15 * sizeof(void*));
static_assert(sizeof(TextFrameSuite) == 16 * sizeof(void*));

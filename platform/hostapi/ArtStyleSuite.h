// Function table of the host's "AI Art Style Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kArtStyleSuiteName[] = "AI Art Style Suite";
inline constexpr int32_t kArtStyleSuiteVersion = 8;

extern "C" {
struct ArtStyleSuite
{
  HostErr (*getArtStyle)(ArtHandle art, ArtStyleHandle* outStyle);
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  HostErr (*setArtStyle)(ArtHandle art, ArtStyleHandle style);
  HostStubProc reserved7;
  // Meaning is the host's.
  bool8 (*artStyleQuery)(ArtStyleHandle style);
  HostErr (*getArtStyleName)(ArtStyleHandle style, HostString* outName, bool8* outIsEmpty);
  HostErr (*setArtStyleName)(ArtStyleHandle style, HostString name);
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostStubProc reserved19;
  HostStubProc reserved20;
  HostStubProc reserved21;
  HostStubProc reserved22;
  HostStubProc reserved23;
  HostStubProc reserved24;
  // Non-zero while the style exists.
  bool8 (*isArtStyleValid)(ArtStyleHandle style);
  HostStubProc reserved26;
  // Preset 0; 1 and 2 are the known types.
  HostErr (*getArtStyleType)(ArtStyleHandle style, int16_t* outType);
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostStubProc reserved30;
  HostStubProc reserved31;
  HostStubProc reserved32;
  int32_t (*getArtStyleFlags)(ArtStyleHandle style, int32_t mask);
};
}

static_assert(offsetof(ArtStyleSuite, getArtStyle) == 0 * sizeof(void*));
static_assert(offsetof(ArtStyleSuite, setArtStyle) == 6 * sizeof(void*));
static_assert(offsetof(ArtStyleSuite, artStyleQuery) == 8 * sizeof(void*));
static_assert(offsetof(ArtStyleSuite, getArtStyleName) == 9 * sizeof(void*));
static_assert(offsetof(ArtStyleSuite, setArtStyleName) == 10 * sizeof(void*));
static_assert(offsetof(ArtStyleSuite, isArtStyleValid) == 25 * sizeof(void*));
static_assert(offsetof(ArtStyleSuite, getArtStyleType) == 27 * sizeof(void*));
static_assert(offsetof(ArtStyleSuite, getArtStyleFlags) == 33 * sizeof(void*));
static_assert(sizeof(ArtStyleSuite) == 34 * sizeof(void*));

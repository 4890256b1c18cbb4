// Function table of the host's "AI Pattern Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPatternSuiteName[] = "AI Pattern Suite";
inline constexpr int32_t kPatternSuiteVersion = 10;

extern "C" {
struct PatternSuite
{
  HostStubProc reserved0;
  HostErr (*disposePattern)(PatternHandle pattern);
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  // The definition art.
  HostErr (*getPatternArt)(PatternHandle pattern, ArtHandle* outArt);
  HostErr (*setPatternArt)(PatternHandle pattern, ArtHandle art);
  HostErr (*getPatternName)(PatternHandle patternOrSymbol, HostString* outName);
  HostErr (*setPatternName)(PatternHandle patternOrSymbol, HostString name);
  HostStubProc reserved10;
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostErr (*getPatternTileBounds)(PatternHandle patternOrSymbol, RealRect* outBounds);
  bool8 (*isPatternValid)(PatternHandle pattern);
  // 0 reads as true.
  int32_t (*patternCheck15)(PatternHandle pattern);
  HostStubProc reserved16;
  // Non-zero reads as true.
  int32_t (*patternFlag17)(const PatternHandle* oneElementArray, int32_t zero);
};
}

static_assert(offsetof(PatternSuite, disposePattern) == 1 * sizeof(void*));
static_assert(offsetof(PatternSuite, getPatternArt) == 6 * sizeof(void*));
static_assert(offsetof(PatternSuite, setPatternArt) == 7 * sizeof(void*));
static_assert(offsetof(PatternSuite, getPatternName) == 8 * sizeof(void*));
static_assert(offsetof(PatternSuite, setPatternName) == 9 * sizeof(void*));
static_assert(offsetof(PatternSuite, getPatternTileBounds) == 13 * sizeof(void*));
static_assert(offsetof(PatternSuite, isPatternValid) == 14 * sizeof(void*));
static_assert(offsetof(PatternSuite, patternCheck15) == 15 * sizeof(void*));
static_assert(offsetof(PatternSuite, patternFlag17) == 17 * sizeof(void*));
static_assert(sizeof(PatternSuite) == 18 * sizeof(void*));

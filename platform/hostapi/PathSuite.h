// Function table of the host's "AI Path Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPathSuiteName[] = "AI Path Suite";
inline constexpr int32_t kPathSuiteVersion = 12;

extern "C" {
struct PathSuite
{
  HostErr (*getSegmentCount)(ArtHandle path, int16_t* outCount);
  // Grows with zero-filled segments or shrinks from the end.
  HostErr (*setSegmentCount)(ArtHandle path, int16_t count);
  // Reads segments first … first + count - 1; fails when they are not all there.
  HostErr (*getPathSegments)(ArtHandle path, int16_t first, int16_t count, PathSegment* outSegments);
  // Writes segments; extends the path when first + count > n and first <= n.
  HostErr (*setPathSegments)(ArtHandle path, int16_t first, int16_t count, const PathSegment* segments);
  HostStubProc reserved4;
  // Count is clamped to n - first.
  HostErr (*deletePathSegments)(ArtHandle path, int16_t first, int16_t count);
  HostErr (*getPathClosed)(ArtHandle path, bool8* outClosed);
  HostErr (*setPathClosed)(ArtHandle path, bool8 closed);
  HostErr (*getPathIsGuide)(ArtHandle path, bool8* outIsGuide);
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostStubProc reserved11;
  // Geometric reversal: segment order reversed and each segment's in and out swapped.
  HostErr (*reversePath)(ArtHandle path);
  HostStubProc reserved13;
  // Signed area.
  HostErr (*getPathArea)(ArtHandle path, double* outArea);
  HostErr (*getPathLength)(ArtHandle path, double* outLength, double flatness);
};
}

static_assert(offsetof(PathSuite, getSegmentCount) == 0 * sizeof(void*));
static_assert(offsetof(PathSuite, setSegmentCount) == 1 * sizeof(void*));
static_assert(offsetof(PathSuite, getPathSegments) == 2 * sizeof(void*));
static_assert(offsetof(PathSuite, setPathSegments) == 3 * sizeof(void*));
static_assert(offsetof(PathSuite, deletePathSegments) == 5 * sizeof(void*));
static_assert(offsetof(PathSuite, getPathClosed) == 6 * sizeof(void*));
static_assert(offsetof(PathSuite, setPathClosed) == 7 * sizeof(void*));
static_assert(offsetof(PathSuite, getPathIsGuide) == 8 * sizeof(void*));
static_assert(offsetof(PathSuite, reversePath) == 12 * sizeof(void*));
static_assert(offsetof(PathSuite, getPathArea) == 14 * sizeof(void*));
static_assert(offsetof(PathSuite, getPathLength) == 15 * sizeof(void*));
static_assert(sizeof(PathSuite) == 16 * sizeof(void*));

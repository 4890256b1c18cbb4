// Function table of the host's "AI Artboard Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kArtboardSuiteName[] = "AI Artboard Suite";
inline constexpr int32_t kArtboardSuiteVersion = 3;

extern "C" {
struct ArtboardSuite
{
  // Makes an empty properties object.
  HostErr (*initArtboardProperties)(ArtboardPropsHolder* props);
  HostStubProc reserved1;
  HostErr (*disposeArtboardProperties)(ArtboardPropsHolder* props);
  // Host rectangle, y up.
  HostErr (*getArtboardBounds)(ArtboardPropsHolder* props, RealRect* outBounds);
  HostErr (*setArtboardBounds)(ArtboardPropsHolder* props, const RealRect* bounds);
  HostStubProc reserved5;
  HostStubProc reserved6;
  HostErr (*getArtboardName)(ArtboardPropsHolder* props, HostString* outName);
  HostErr (*setArtboardName)(ArtboardPropsHolder* props, HostString name);
  HostStubProc reserved9;
  HostStubProc reserved10;
  // The current document's artboard list.
  HostErr (*getArtboardList)(ArtboardListHolder* outList);
  HostErr (*releaseArtboardList)(ArtboardListHolder* list);
  HostStubProc reserved13;
  HostErr (*deleteArtboard)(ArtboardListHolder* list, int32_t index);
  HostErr (*countArtboards)(ArtboardListHolder* list, int32_t* outCount);
  HostErr (*getActiveArtboardIndex)(ArtboardListHolder* list, int32_t* outIndex);
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostErr (*getArtboardProperties)(ArtboardListHolder* list, int32_t index, ArtboardPropsHolder* props);
  HostErr (*getArtboardRulerOrigin)(ArtboardPropsHolder* props, RealPoint* outOrigin);
  HostErr (*setArtboardRulerOrigin)(ArtboardPropsHolder* props, const RealPoint* origin);
};
}

static_assert(offsetof(ArtboardSuite, initArtboardProperties) == 0 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, disposeArtboardProperties) == 2 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, getArtboardBounds) == 3 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, setArtboardBounds) == 4 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, getArtboardName) == 7 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, setArtboardName) == 8 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, getArtboardList) == 11 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, releaseArtboardList) == 12 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, deleteArtboard) == 14 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, countArtboards) == 15 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, getActiveArtboardIndex) == 16 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, getArtboardProperties) == 19 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, getArtboardRulerOrigin) == 20 * sizeof(void*));
static_assert(offsetof(ArtboardSuite, setArtboardRulerOrigin) == 21 * sizeof(void*));
static_assert(sizeof(ArtboardSuite) == 22 * sizeof(void*));

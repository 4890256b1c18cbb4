// Function table of the host's "AI Blend Style Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kBlendStyleSuiteName[] = "AI Blend Style Suite";
inline constexpr int32_t kBlendStyleSuiteVersion = 5;

extern "C" {
struct BlendStyleSuite
{
  // Host blend mode 0–15.
  int32_t (*getBlendMode)(ArtHandle art);
  HostErr (*setBlendMode)(ArtHandle art, int32_t mode);
  // 0–1; default 1.0.
  double (*getOpacity)(ArtHandle art);
  HostErr (*setOpacity)(ArtHandle art, double opacity);
  HostStubProc reserved4;
  HostStubProc reserved5;
  // 0 off, 1 on, 2 inherited.
  int32_t (*getKnockout)(ArtHandle art);
  // 0 off, 1 on, 2 inherited.
  int32_t (*getInheritedKnockout)(ArtHandle art);
  HostErr (*setKnockout)(ArtHandle art, int32_t knockout);
};
}

static_assert(offsetof(BlendStyleSuite, getBlendMode) == 0 * sizeof(void*));
static_assert(offsetof(BlendStyleSuite, setBlendMode) == 1 * sizeof(void*));
static_assert(offsetof(BlendStyleSuite, getOpacity) == 2 * sizeof(void*));
static_assert(offsetof(BlendStyleSuite, setOpacity) == 3 * sizeof(void*));
static_assert(offsetof(BlendStyleSuite, getKnockout) == 6 * sizeof(void*));
static_assert(offsetof(BlendStyleSuite, getInheritedKnockout) == 7 * sizeof(void*));
static_assert(offsetof(BlendStyleSuite, setKnockout) == 8 * sizeof(void*));
static_assert(sizeof(BlendStyleSuite) == 9 * sizeof(void*));

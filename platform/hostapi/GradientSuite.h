// Function table of the host's "AI Gradient Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kGradientSuiteName[] = "AI Gradient Suite";
inline constexpr int32_t kGradientSuiteVersion = 9;

extern "C" {
struct GradientSuite
{
  HostStubProc reserved0;
  HostErr (*disposeGradient)(GradientHandle gradient);
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostErr (*getGradientName)(GradientHandle gradient, HostString* outName);
  HostErr (*setGradientName)(GradientHandle gradient, HostString name);
  HostErr (*getGradientType)(GradientHandle gradient, int16_t* outType);
  HostErr (*setGradientType)(GradientHandle gradient, int16_t type);
  HostErr (*countGradientStops)(GradientHandle gradient, int16_t* outCount);
  HostErr (*getGradientStop)(GradientHandle gradient, int16_t index, GradientStopRecord* outStop);
  HostErr (*setGradientStop)(GradientHandle gradient, int16_t index, const GradientStopRecord* stop);
  // Inserts a stop at index and returns it.
  HostErr (*insertGradientStop)(GradientHandle gradient, int16_t index, GradientStopRecord* outStop);
  // Removes the stop and returns it.
  HostErr (*removeGradientStop)(GradientHandle gradient, int16_t index, GradientStopRecord* outStop);
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  // Non-zero while the gradient exists.
  bool8 (*isGradientValid)(GradientHandle gradient);
  // Colour at a location in percent (0-100).
  HostErr (*getGradientColorAt)(GradientHandle gradient, double location, ColorRecord* outColor);
};
}

static_assert(offsetof(GradientSuite, disposeGradient) == 1 * sizeof(void*));
static_assert(offsetof(GradientSuite, getGradientName) == 5 * sizeof(void*));
static_assert(offsetof(GradientSuite, setGradientName) == 6 * sizeof(void*));
static_assert(offsetof(GradientSuite, getGradientType) == 7 * sizeof(void*));
static_assert(offsetof(GradientSuite, setGradientType) == 8 * sizeof(void*));
static_assert(offsetof(GradientSuite, countGradientStops) == 9 * sizeof(void*));
static_assert(offsetof(GradientSuite, getGradientStop) == 10 * sizeof(void*));
static_assert(offsetof(GradientSuite, setGradientStop) == 11 * sizeof(void*));
static_assert(offsetof(GradientSuite, insertGradientStop) == 12 * sizeof(void*));
static_assert(offsetof(GradientSuite, removeGradientStop) == 13 * sizeof(void*));
static_assert(offsetof(GradientSuite, isGradientValid) == 17 * sizeof(void*));
static_assert(offsetof(GradientSuite, getGradientColorAt) == 18 * sizeof(void*));
static_assert(sizeof(GradientSuite) == 19 * sizeof(void*));

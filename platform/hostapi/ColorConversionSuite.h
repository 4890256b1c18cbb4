// Function table of the host's "AI Color Conversion Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kColorConversionSuiteName[] = "AI Color Conversion Suite";
inline constexpr int32_t kColorConversionSuiteVersion = 10;

extern "C" {
struct ColorConversionSuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  // Converts one colour; spaces 1 gray, 2 RGB, 4 CMYK, 7 Lab.
  HostErr (*convertSampleColor)(int32_t sourceSpace, const float* source, int32_t targetSpace, float* target,
                                const ColorConvertOptions* options, bool8* outInGamut);
};
}

static_assert(offsetof(ColorConversionSuite, convertSampleColor) == 2 * sizeof(void*));
static_assert(sizeof(ColorConversionSuite) == 3 * sizeof(void*));

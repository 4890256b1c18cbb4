// Function table of the host's "AI Custom Color Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kCustomColorSuiteName[] = "AI Custom Color Suite";
inline constexpr int32_t kCustomColorSuiteVersion = 8;

extern "C" {
struct CustomColorSuite
{
  // Creates a spot colour in the current document.
  HostErr (*newCustomColor)(const CustomColorRecord* definition, HostString name,
                            CustomColorHandle* outColor);
  HostStubProc reserved1;
  // The spot colour's definition (kind, four values, 16-bit flags).
  HostErr (*getCustomColorDefinition)(CustomColorHandle color, CustomColorRecord* outDefinition);
  HostStubProc reserved3;
  HostErr (*getCustomColorName)(CustomColorHandle color, HostString* outName);
};
}

static_assert(offsetof(CustomColorSuite, newCustomColor) == 0 * sizeof(void*));
static_assert(offsetof(CustomColorSuite, getCustomColorDefinition) == 2 * sizeof(void*));
static_assert(offsetof(CustomColorSuite, getCustomColorName) == 4 * sizeof(void*));
static_assert(sizeof(CustomColorSuite) == 5 * sizeof(void*));

// Function table of the host's "AI Preference Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPreferenceSuiteName[] = "AI Preference Suite";
inline constexpr int32_t kPreferenceSuiteVersion = 6;

extern "C" {
struct PreferenceSuite
{
  HostStubProc reserved0;
  HostErr (*putBooleanPreference)(const char* prefix, const char* key, bool8 value);
  HostErr (*getIntegerPreference)(const char* prefix, const char* key, int32_t* outValue);
  HostErr (*putIntegerPreference)(const char* prefix, const char* key, int32_t value);
  HostErr (*getRealPreference)(const char* prefix, const char* key, double* outValue);
};
}

static_assert(offsetof(PreferenceSuite, putBooleanPreference) == 1 * sizeof(void*));
static_assert(offsetof(PreferenceSuite, getIntegerPreference) == 2 * sizeof(void*));
static_assert(offsetof(PreferenceSuite, putIntegerPreference) == 3 * sizeof(void*));
static_assert(offsetof(PreferenceSuite, getRealPreference) == 4 * sizeof(void*));
static_assert(sizeof(PreferenceSuite) == 5 * sizeof(void*));

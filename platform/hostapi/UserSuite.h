// Function table of the host's "AI User Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kUserSuiteName[] = "AI User Suite";
inline constexpr int32_t kUserSuiteVersion = 14;

extern "C" {
struct UserSuite
{
  // Non-zero once the user asked to cancel.
  int32_t (*isProgressCancelled)(void);
  HostErr (*updateProgress)(int32_t current, int32_t maximum);
  HostErr (*setProgressText)(HostString text);
  HostErr (*closeProgress)(void);
  // Parses a decimal number (C locale); writes 0.0 and fails on text that is no number.
  HostErr (*textToNumber)(HostString text, double* outValue);
  // At most decimals decimals; trailing zeros and a bare point are dropped.
  HostErr (*numberToText)(double value, int32_t decimals, HostString* outText);
};
}

static_assert(offsetof(UserSuite, isProgressCancelled) == 0 * sizeof(void*));
static_assert(offsetof(UserSuite, updateProgress) == 1 * sizeof(void*));
static_assert(offsetof(UserSuite, setProgressText) == 2 * sizeof(void*));
static_assert(offsetof(UserSuite, closeProgress) == 3 * sizeof(void*));
static_assert(offsetof(UserSuite, textToNumber) == 4 * sizeof(void*));
static_assert(offsetof(UserSuite, numberToText) == 5 * sizeof(void*));
static_assert(sizeof(UserSuite) == 6 * sizeof(void*));

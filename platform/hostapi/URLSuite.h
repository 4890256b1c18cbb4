// Function table of the host's "AI URL Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kURLSuiteName[] = "AI URL Suite";
inline constexpr int32_t kURLSuiteVersion = 3;

extern "C" {
struct URLSuite
{
  // Non-zero when URLs can be opened.
  int32_t (*canOpenURL)(void);
  // Opens the address in the user's browser; non-zero on success.
  int32_t (*openURL)(const char* url);
};
}

static_assert(offsetof(URLSuite, canOpenURL) == 0 * sizeof(void*));
static_assert(offsetof(URLSuite, openURL) == 1 * sizeof(void*));
static_assert(sizeof(URLSuite) == 2 * sizeof(void*));

// Function table of the host's "AI User Interface Theme Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kUserInterfaceThemeSuiteName[] = "AI User Interface Theme Suite";
inline constexpr int32_t kUserInterfaceThemeSuiteVersion = 2;

extern "C" {
struct UserInterfaceThemeSuite
{
  // Overwrites the record with the theme colour of (panel or dialog, item).
  HostErr (*getThemeColor)(int32_t panelFlag, int32_t item, ThemeColorRecord* inOutColor);
  // Non-zero when the interface is dark.
  int32_t (*isDarkUI)(void);
};
}

static_assert(offsetof(UserInterfaceThemeSuite, getThemeColor) == 0 * sizeof(void*));
static_assert(offsetof(UserInterfaceThemeSuite, isDarkUI) == 1 * sizeof(void*));
static_assert(sizeof(UserInterfaceThemeSuite) == 2 * sizeof(void*));

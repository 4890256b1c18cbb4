// Function table of the host's "AI Modal Parent Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kModalParentSuiteName[] = "AI Modal Parent Suite";
inline constexpr int32_t kModalParentSuiteVersion = 2;

extern "C" {
struct ModalParentSuite
{
  // Makes the window the parent of the next modal colour picker.
  HostErr (*setModalParent)(PlatformWindow* parentWindow);
  HostErr (*clearModalParent)(void);
};
}

static_assert(offsetof(ModalParentSuite, setModalParent) == 0 * sizeof(void*));
static_assert(offsetof(ModalParentSuite, clearModalParent) == 1 * sizeof(void*));
static_assert(sizeof(ModalParentSuite) == 2 * sizeof(void*));

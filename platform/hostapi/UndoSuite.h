// Function table of the host's "AI Undo Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kUndoSuiteName[] = "AI Undo Suite";
inline constexpr int32_t kUndoSuiteVersion = 8;

extern "C" {
struct UndoSuite
{
  HostStubProc reserved0;
  // Undoes the changes of the current undo context.
  HostErr (*undoCurrentContext)(void);
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  // Kinds: 0 standard, 1 silent, 2 append.
  HostErr (*setUndoContextKind)(int32_t kind);
};
}

static_assert(offsetof(UndoSuite, undoCurrentContext) == 1 * sizeof(void*));
static_assert(offsetof(UndoSuite, setUndoContextKind) == 5 * sizeof(void*));
static_assert(sizeof(UndoSuite) == 6 * sizeof(void*));

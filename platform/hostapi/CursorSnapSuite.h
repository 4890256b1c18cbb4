// Function table of the host's "AI Cursor Snap Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kCursorSnapSuiteName[] = "AI Cursor Snap Suite";
inline constexpr int32_t kCursorSnapSuiteVersion = 16;

extern "C" {
struct CursorSnapSuite
{
  // Non-zero when custom snapping constraints apply.
  int32_t (*customSnapConstraintsActive)(DocViewHandle view);
  // Snaps the cursor under the control string (made of "AF", "G", "L", "PM", " v i o"); writes the snapped
  // point into outPoint (preset (0, 0)).
  HostErr (*trackSnappedCursor)(DocViewHandle view, const RealPoint* cursor, const HostEvent* event,
                                const char* controlString, RealPoint* outPoint);
};
}

static_assert(offsetof(CursorSnapSuite, customSnapConstraintsActive) == 0 * sizeof(void*));
static_assert(offsetof(CursorSnapSuite, trackSnappedCursor) == 1 * sizeof(void*));
static_assert(sizeof(CursorSnapSuite) == 2 * sizeof(void*));

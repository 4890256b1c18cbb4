// Function table of the host's "AI Annotator Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kAnnotatorSuiteName[] = "AI Annotator Suite";
inline constexpr int32_t kAnnotatorSuiteVersion = 6;

extern "C" {
struct AnnotatorSuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  HostStubProc reserved6;
  // Asks the view to redraw its annotations inside rect (view coordinates).
  HostErr (*invalidateAnnotationRect)(DocViewHandle view, const IntRect* rect);
};
}

static_assert(offsetof(AnnotatorSuite, invalidateAnnotationRect) == 7 * sizeof(void*));
static_assert(sizeof(AnnotatorSuite) == 8 * sizeof(void*));

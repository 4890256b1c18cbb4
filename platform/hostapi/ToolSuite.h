// Function table of the host's "AI Tool Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kToolSuiteName[] = "AI Tool Suite";
inline constexpr int32_t kToolSuiteVersion = 1;

extern "C" {
struct ToolSuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  // Options masked with 0x1FF.
  HostErr (*setToolOptions)(ToolHandle tool, int32_t options);
  HostStubProc reserved5;
  // A failure reads as "not selected".
  HostErr (*getSelectedTool)(ToolHandle* outTool);
  HostErr (*selectTool)(ToolHandle tool);
};
}

static_assert(offsetof(ToolSuite, setToolOptions) == 4 * sizeof(void*));
static_assert(offsetof(ToolSuite, getSelectedTool) == 6 * sizeof(void*));
static_assert(offsetof(ToolSuite, selectTool) == 7 * sizeof(void*));
static_assert(sizeof(ToolSuite) == 8 * sizeof(void*));

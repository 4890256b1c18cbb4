// Function table of the host's "AI Plugin Group Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPluginGroupSuiteName[] = "AI Plugin Group Suite";
inline constexpr int32_t kPluginGroupSuiteVersion = 6;

extern "C" {
struct PluginGroupSuite
{
  HostErr (*addPluginArtGroup)(PluginRef plugin, const char* name, const PluginGroupDescription* description,
                               int32_t options, PluginGroupHandle* outGroup);
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  HostStubProc reserved6;
  HostStubProc reserved7;
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  HostErr (*getPluginGroupResultArt)(ArtHandle pluginGroupArt, ArtHandle* outResult);
};
}

static_assert(offsetof(PluginGroupSuite, addPluginArtGroup) == 0 * sizeof(void*));
static_assert(offsetof(PluginGroupSuite, getPluginGroupResultArt) == 15 * sizeof(void*));
static_assert(sizeof(PluginGroupSuite) == 16 * sizeof(void*));

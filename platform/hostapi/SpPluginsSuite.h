// Function table of the host's "SP Plug-ins Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kSpPluginsSuiteName[] = "SP Plug-ins Suite";
inline constexpr int32_t kSpPluginsSuiteVersion = 6;

extern "C" {
struct SpPluginsSuite
{
  // Name in the platform encoding.
  HostErr (*setPluginName)(PluginRef plugin, const char* name);
  // Fills the record with the plug-in module's path.
  HostErr (*getPluginFileSpec)(PluginRef plugin, HostFileSpec* outSpec);
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
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostStubProc reserved19;
  HostStubProc reserved20;
  HostStubProc reserved21;
  // Null reads as the empty name.
  HostErr (*getPluginName)(PluginRef plugin, const char** outName);
};
}

static_assert(offsetof(SpPluginsSuite, setPluginName) == 0 * sizeof(void*));
static_assert(offsetof(SpPluginsSuite, getPluginFileSpec) == 1 * sizeof(void*));
static_assert(offsetof(SpPluginsSuite, getPluginName) == 22 * sizeof(void*));
static_assert(sizeof(SpPluginsSuite) == 23 * sizeof(void*));

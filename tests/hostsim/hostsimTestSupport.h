// Helpers for tests that call the simulated host the way a plug-in does.
#pragma once

#include "hostapi/HostApi.h"
#include "hostsimApp.h"

#include <gtest/gtest.h>

namespace hostsimtest {

// The suite table the basic suite hands out, acquired once (and counted as such).
template <class Suite> const Suite* acquire(hostsim::HostApp& app, const char* name, int32_t version)
{
  const void* table = nullptr;
  if (app.basicSuite()->acquireSuite(name, version, &table) != kHostNoErr)
    return nullptr;
  return static_cast<const Suite*>(table);
}

} // namespace hostsimtest

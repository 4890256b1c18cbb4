#include "aip/qoraipPlatformServices.h"

#include <cstdio>

namespace qor {
namespace aip {
namespace platform {

// Stand-ins until the Windows layer, the scheduler and the HTTP layer provide these.
void* hostInstanceOfWindow(PlatformWindow)
{
  return nullptr;
}

void* moduleHandle()
{
  return nullptr;
}

void debuggerOutput(const std::string& text)
{
  std::fputs(text.c_str(), stderr);
}

void createSchedulerWindow() {}

bool schedulerWindowExists()
{
  return false;
}

void stopPendingHttpCallbacks(bool) {}

}  // namespace platform
}  // namespace aip
}  // namespace qor

// The platform services the lifecycle layers use beyond the host's suites: module identity,
// debugger output, the scheduler's hidden window and stopping pending HTTP callbacks.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {
namespace platform {

// The module instance that the host's main window reports.
void* hostInstanceOfWindow(PlatformWindow window);
// This plug-in module's handle, or null when its file name cannot be read.
void* moduleHandle();
void debuggerOutput(const std::string& text);
void createSchedulerWindow();
// Destroys the scheduler's window, its timers and the callbacks still waiting for them.
void destroySchedulerWindow();
bool schedulerWindowExists();
// The scheduler's hidden window (an HWND), or null.
void* schedulerWindow();
void stopPendingHttpCallbacks(bool get);

}  // namespace platform
}  // namespace aip
}  // namespace qor

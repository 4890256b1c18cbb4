// The simulated host's own windows, made through the Windows layer: its main window and the document
// windows below it.
#pragma once

#include "hostapi/HostTypes.h"

#include <string>

namespace hostsim {

// A window of the given class (registered on first use) with the default window procedure; a child of
// parent when one is given, else a top-level window. Created visible.
PlatformWindow createHostWindow(const char16_t* className, const char16_t* title, PlatformWindow parent);
void destroyHostWindow(PlatformWindow window);
// Runs every message of the thread's queue that is ready now.
void pumpHostMessages();
// Everything written to the debugger output so far.
std::string debuggerOutput();

} // namespace hostsim

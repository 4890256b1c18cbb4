// The UI-thread callback scheduler: a hidden message-only window whose timers run callbacks on the UI
// thread, callable from any thread; plus the small questions about the running system that the same
// platform unit answers (UI thread, modifier keys, system version, SHA-1 digests as text).
#pragma once

#include "utils/qorutilsCallback.h"
#include "win/Windows.h"

#include <cstdint>
#include <string>

namespace qor {
namespace plat {

// Creates the hidden window once; does nothing when it exists. Its thread becomes the UI thread.
void createCallbackWindow();
// Destroys the hidden window with its timers and class, and deletes the callbacks still waiting;
// scheduling fails from then on until the window is created again.
void destroyCallbackWindow();
// The hidden window, null until createCallbackWindow succeeds.
HWND callbackWindow();

// Runs the callback (taken over in every case) once on the UI thread after delay seconds; a delay
// below 1e-6 in magnitude means 1 ms, a negative one counts as its magnitude. Returns the timer id,
// or 0 when nothing was scheduled (the callback is then already deleted). Callable from any thread.
unsigned int scheduleMainThreadCallback(qor::utils::Callback* callback, double delay);
// Deletes a pending callback without running it; false for 0 and for ids without an entry.
bool cancelScheduledCallback(unsigned int id);
// The timer procedure of every scheduled callback.
void CALLBACK onScheduledCallbackTimer(HWND window, UINT message, UINT_PTR id, DWORD time);

// The UI thread: the thread that owns the hidden window, else the process's earliest thread.
bool findMainThreadId(uint32_t& id);
// 1 Shift, 2 Alt, 4 Control, for the keys held now.
uint32_t modifierKeyMask();
bool isWindowsVersionAtLeast(uint32_t major, uint32_t minor, uint16_t servicePackMajor);
// The system version as major * 10000 + minor * 100 + service pack, from a fixed list of versions.
uint32_t osVersionCode();
// The SHA-1 digest of the text's bytes as 40 lowercase hexadecimal digits.
std::string sha1Hex(const std::string& text);

} // namespace plat
} // namespace qor

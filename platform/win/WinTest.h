// Helpers for tests and for the simulated host: the layer's clock, pumping the calling thread's queue,
// the debugger sink, the held-key table, the reported system version and a reset of the whole layer.
//
// The clock starts at 0 and only moves when advanced, so timers fire deterministically; the simulated
// host's program switches it to real time. Timers fire no sooner than USER_TIMER_MINIMUM (10 ms) after
// they are set, as on the real system; timerInfo reports the interval that was asked for.
#pragma once

#include "win/WinTypes.h"

#include <functional>
#include <string>

namespace qorwin {

ULONGLONG now();
// Moves the clock forward without running anything.
void advanceClock(DWORD ms);
void useRealTimeClock(bool on);

// Runs every message of the calling thread's queue that is ready now (due timers included);
// returns how many ran.
int pump();
// Moves the clock forward by ms in steps, stopping at each timer that falls due and pumping there,
// so timers fire in order and as often as they would in real time; returns how many messages ran.
int advance(DWORD ms);
// Pumps until done() holds. When the queue is idle, moves the clock to the next timer of this thread;
// with no timer, waits (in real time, at most realTimeoutMs) for another thread to post or send.
bool pumpUntil(const std::function<bool()>& done, DWORD realTimeoutMs = 10000);

// Timer with this window and id: the interval asked for and the clock time it is next due.
bool timerInfo(HWND window, UINT_PTR id, UINT* elapse, ULONGLONG* due);
size_t timerCount();

// Everything written with OutputDebugString since the last clear.
std::string debugOutput();
void clearDebugOutput();

// Keys held for GetKeyState and GetAsyncKeyState.
void setKeyDown(int virtualKey, bool down);
// The version VerifyVersionInfoW compares against (10.0 service pack 0 unless set).
void setSystemVersion(DWORD major, DWORD minor, WORD servicePackMajor);

// Destroys every window, forgets classes, timers, queued messages, held keys, the debugger sink and the
// version, and sets the clock back to 0. Registered message ids stay, as modules keep them in statics.
void resetState();

} // namespace qorwin

// Internal state of the Windows layer shared by its source files: the window table, the class table,
// the per-thread queues, the timers and the clock. Not part of the layer's API.
#pragma once

#include "qorwinPaint.h"
#include "win/WinUser.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace qorwin_detail {

struct WindowClass
{
  std::u16string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  HBRUSH background = nullptr;
  HCURSOR cursor = nullptr;
  bool unicode = true;
  int windowCount = 0;
};

struct Window
{
  HWND handle = nullptr;
  std::shared_ptr<WindowClass> cls;
  WNDPROC proc = nullptr;
  bool unicode = true;
  void* cwnd = nullptr; // the framework object attached by the MFC layer, if any
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  HWND parent = nullptr; // null for a top-level window, HWND_MESSAGE for a message-only one
  HWND owner = nullptr;
  std::vector<HWND> children; // top of the z-order first
  RECT rect{};                // relative to the parent's client area, or the screen for top-level windows
  std::u16string text;
  std::vector<std::pair<std::u16string, HANDLE>> props;
  HINSTANCE instance = nullptr;
  LONG_PTR userData = 0;
  HFONT font = nullptr;
  DWORD thread = 0;
  bool destroying = false;
  bool created = false;
  // Painting: the update region (client pixels), and whether the background is to be erased first.
  PixelRegion update;
  bool erase = false;
  int invalidations = 0;
  bool trackLeave = false; // asked for one WM_MOUSELEAVE (TrackMouseEvent)
};

// A message sent to a window of another thread, waiting for that thread to run it.
struct SentMessage
{
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result = 0;
  bool done = false;
};

struct ThreadQueue
{
  std::deque<MSG> posted;
  std::deque<SentMessage*> sent;
  bool quit = false;
  int quitCode = 0;
  int sendDepth = 0; // sent messages this thread is running for another thread
  std::condition_variable wake;
};

struct Timer
{
  HWND window;
  UINT_PTR id;
  UINT elapse;   // as asked
  UINT interval; // as used, at least USER_TIMER_MINIMUM
  TIMERPROC proc;
  ULONGLONG due;
  DWORD thread;
  uint64_t order; // creation order, to fire timers due at the same time in a stable order
};

struct State
{
  std::mutex lock;
  std::map<uintptr_t, std::unique_ptr<Window>> windows;
  std::vector<HWND> topLevel;    // z-order, top first
  std::vector<HWND> messageOnly; // creation order
  uintptr_t nextHandle = 0x10010; // above the desktop window's handle
  std::map<std::u16string, std::shared_ptr<WindowClass>> classes; // key: lower-cased name
  ATOM nextAtom = 0xC000;
  std::map<DWORD, std::unique_ptr<ThreadQueue>> queues;
  std::vector<Timer> timers;
  uint64_t nextTimerOrder = 0;
  UINT_PTR nextThreadTimerId = 0x7FF0;
  ULONGLONG manualClock = 0;
  bool realTimeClock = false;
  ULONGLONG realBase = 0; // steady milliseconds when the real clock was switched on
  ULONGLONG realOffset = 0;
  HWND focus = nullptr;
  HWND active = nullptr;
  std::map<int, bool> keys;
  DWORD osMajor = 10, osMinor = 0, osServicePack = 0;
  // Display, pointer and capture.
  int dpi = 96;
  int screenWidth = 1920, screenHeight = 1080;
  POINT cursor{0, 0};
  HWND capture = nullptr;
  HWND hover = nullptr; // the window the pointer was last moved over
  int modalDepth = 0;
};

// The one state of the process; never destroyed, so windows may be used during static destruction.
State& state();

// Helpers that expect state().lock to be held.
Window* findLocked(HWND window);
ThreadQueue& queueLocked(DWORD thread);
ULONGLONG nowLocked();
void wakeAllLocked();
std::u16string foldCase(std::u16string text);
std::u16string nameOrAtom(LPCWSTR name);
std::u16string widen(const char* text);
std::string narrow(const std::u16string& text);

// Whether a window and all its ancestors have WS_VISIBLE (lock held).
bool isVisibleLocked(Window* w);

// Calls a window's procedure on the calling thread (no lock held).
LRESULT callWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Called on the creating thread right after a window's record exists, before its first message.
// The MFC layer uses it to attach the object that is creating the window.
typedef void (*CreationHook)(HWND window);
void setCreationHook(CreationHook hook);

// Attachment of a framework object to a window.
void* windowObject(HWND window);
void setWindowObject(HWND window, void* object);

// A kernel handle that CloseHandle accepts and that stays valid (a process-wide pseudo handle).
void addPermanentHandle(HANDLE handle);

// Drops the timers of a destroyed window (lock held).
void killWindowTimersLocked(HWND window);

// Registers the system window classes (dialog, button, static) when they are missing.
void registerSystemClasses();
// The "Edit" class (qorwinEdit.cpp).
void registerEditClass();

// For a modal loop whose queue is empty: moves the clock to the thread's next timer (in real time,
// waits for it or for a message) and answers true, or answers false when nothing is left to do: no
// timer, or a minute of the clock since lastActivity (the last message other than a timer).
bool modalLoopIdle(ULONGLONG lastActivity);

// The modal-loop hook of win/WinTest.h, run with the dialog of a loop that starts.
void runModalHook(HWND dialog);

// Counts the modal loops that run.
void changeModalDepth(int delta);

// Forgets the painting, input and dialog state of the layer (resetState).
void resetUiState();

} // namespace qorwin_detail

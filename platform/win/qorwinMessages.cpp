// Messages: sending (across threads too), the per-thread posted-message queues, the default window
// procedure, registered messages, timers and the layer's one clock.
#include "qorwinState.h"
#include "win/Afx.h"
#include "win/WinBase.h"
#include "win/WinGdi.h"
#include "win/WinTest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace qorwin_detail {

ThreadQueue& queueLocked(DWORD thread)
{
  auto& q = state().queues[thread];
  if (!q)
    q = std::make_unique<ThreadQueue>();
  return *q;
}

ULONGLONG steadyMilliseconds()
{
  using namespace std::chrono;
  return static_cast<ULONGLONG>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

ULONGLONG nowLocked()
{
  auto& s = state();
  if (s.realTimeClock)
    return s.realOffset + (steadyMilliseconds() - s.realBase);
  return s.manualClock;
}

void wakeAllLocked()
{
  for (auto& q : state().queues)
    q.second->wake.notify_all();
}

void killWindowTimersLocked(HWND window)
{
  auto& timers = state().timers;
  timers.erase(
      std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window; }),
      timers.end());
}

LRESULT callWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  WNDPROC proc;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    proc = w->proc;
  }
  if (!proc)
    return DefWindowProcW(window, message, wParam, lParam);
  return proc(window, message, wParam, lParam);
}

// Runs the messages other threads sent to this thread's windows. Called with the lock held in `guard`.
void runSentLocked(std::unique_lock<std::mutex>& guard, ThreadQueue& q)
{
  while (!q.sent.empty()) {
    SentMessage* m = q.sent.front();
    q.sent.pop_front();
    q.sendDepth++;
    guard.unlock();
    LRESULT result = callWindow(m->window, m->message, m->wParam, m->lParam);
    guard.lock();
    q.sendDepth--;
    m->result = result;
    m->done = true;
    wakeAllLocked();
  }
}

bool matchesFilter(HWND target, HWND filter, UINT message, UINT filterMin, UINT filterMax)
{
  if (filterMin || filterMax)
    if (message < filterMin || message > filterMax)
      return false;
  if (!filter)
    return true;
  if (filter == reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)))
    return target == nullptr;
  if (target == filter)
    return true;
  Window* w = findLocked(target);
  while (w && w->parent && w->parent != HWND_MESSAGE) {
    if (w->parent == filter)
      return true;
    w = findLocked(w->parent);
  }
  return false;
}

// The next message for the calling thread, if any; lock held.
bool peekLocked(std::unique_lock<std::mutex>& guard, LPMSG msg, HWND filter, UINT filterMin, UINT filterMax,
                UINT flags)
{
  auto& s = state();
  DWORD thread = GetCurrentThreadId();
  ThreadQueue* q = &queueLocked(thread);
  runSentLocked(guard, *q);
  auto takePosted = [&]() {
    for (auto it = q->posted.begin(); it != q->posted.end(); ++it) {
      if (!matchesFilter(it->hwnd, filter, it->message, filterMin, filterMax))
        continue;
      *msg = *it;
      if (flags & PM_REMOVE)
        q->posted.erase(it);
      return true;
    }
    if (q->quit && (!(filterMin || filterMax) || (filterMin <= WM_QUIT && WM_QUIT <= filterMax))) {
      *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q->quitCode), 0, static_cast<DWORD>(nowLocked()), {0, 0}};
      if (flags & PM_REMOVE)
        q->quit = false;
      return true;
    }
    return false;
  };
  if (takePosted())
    return true;
  // Nothing posted: invalid windows paint now, before timers, as WM_PAINT comes before WM_TIMER.
  if ((flags & PM_REMOVE) && (!(filterMin || filterMax) || (filterMin <= WM_PAINT && WM_PAINT <= filterMax))) {
    guard.unlock();
    int painted = paintPendingWindows();
    guard.lock();
    q = &queueLocked(thread);
    if (painted && takePosted())
      return true;
  }
  ULONGLONG now = nowLocked();
  Timer* due = nullptr;
  for (auto& t : s.timers) {
    if (t.thread != thread || t.due > now)
      continue;
    if (!matchesFilter(t.window, filter, WM_TIMER, filterMin, filterMax))
      continue;
    if (!due || t.due < due->due || (t.due == due->due && t.order < due->order))
      due = &t;
  }
  if (due) {
    *msg = MSG{due->window, WM_TIMER, due->id, reinterpret_cast<LPARAM>(due->proc), static_cast<DWORD>(now),
               {0, 0}};
    if (flags & PM_REMOVE)
      due->due = now + due->interval;
    return true;
  }
  return false;
}

// The earliest due time of the calling thread's timers, or 0 when it has none.
ULONGLONG nextTimerLocked(DWORD thread)
{
  ULONGLONG next = 0;
  for (auto& t : state().timers)
    if (t.thread == thread && (!next || t.due < next))
      next = t.due;
  return next;
}

bool postLocked(DWORD thread, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  ThreadQueue& q = queueLocked(thread);
  q.posted.push_back(MSG{window, message, wParam, lParam, static_cast<DWORD>(nowLocked()), {0, 0}});
  q.wake.notify_all();
  return true;
}

struct RegisteredMessages
{
  std::mutex lock;
  std::map<std::u16string, UINT> ids;
  UINT next = 0xC000;
};

// Safe during static initialisation: built on first use and never destroyed.
RegisteredMessages& registeredMessages()
{
  static RegisteredMessages* table = new RegisteredMessages;
  return *table;
}

struct DebugSink
{
  std::mutex lock;
  std::string text;
};

DebugSink& debugSink()
{
  static DebugSink* sink = new DebugSink;
  return *sink;
}

} // namespace qorwin_detail

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  using namespace qorwin_detail;
  if (window == HWND_BROADCAST) {
    std::vector<HWND> list;
    {
      std::lock_guard<std::mutex> guard(state().lock);
      list = state().topLevel;
    }
    for (HWND w : list)
      SendMessageW(w, message, wParam, lParam);
    return 0;
  }
  DWORD thread = GetCurrentThreadId();
  std::unique_lock<std::mutex> guard(state().lock);
  Window* w = findLocked(window);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (w->thread == thread) {
    guard.unlock();
    return callWindow(window, message, wParam, lParam);
  }
  // Another thread's window: its thread runs the message the next time it looks at its queue;
  // meanwhile this thread keeps answering messages sent to it, so two threads cannot deadlock.
  SentMessage sent{window, message, wParam, lParam};
  ThreadQueue& target = queueLocked(w->thread);
  target.sent.push_back(&sent);
  target.wake.notify_all();
  ThreadQueue& own = queueLocked(thread);
  while (!sent.done) {
    runSentLocked(guard, own);
    if (sent.done)
      break;
    if (!findLocked(window)) {
      // Destroyed before its thread got to it.
      auto& list = queueLocked(w->thread).sent;
      list.erase(std::remove(list.begin(), list.end(), &sent), list.end());
      return 0;
    }
    own.wake.wait(guard);
  }
  return sent.result;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  return SendMessageW(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  using namespace qorwin_detail;
  if (!window)
    return PostThreadMessageW(GetCurrentThreadId(), message, wParam, lParam);
  std::lock_guard<std::mutex> guard(state().lock);
  if (window == HWND_BROADCAST) {
    for (HWND top : state().topLevel)
      postLocked(findLocked(top)->thread, top, message, wParam, lParam);
    return TRUE;
  }
  Window* w = findLocked(window);
  if (!w) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return postLocked(w->thread, window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  return PostMessageW(window, message, wParam, lParam);
}

BOOL PostThreadMessageW(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return postLocked(threadId, nullptr, message, wParam, lParam);
}

void PostQuitMessage(int exitCode)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  ThreadQueue& q = queueLocked(GetCurrentThreadId());
  q.quit = true;
  q.quitCode = exitCode;
  q.wake.notify_all();
}

BOOL PeekMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags)
{
  using namespace qorwin_detail;
  if (!msg)
    return FALSE;
  std::unique_lock<std::mutex> guard(state().lock);
  return peekLocked(guard, msg, window, filterMin, filterMax, removeFlags) ? TRUE : FALSE;
}

BOOL GetMessageW(LPMSG msg, HWND window, UINT filterMin, UINT filterMax)
{
  using namespace qorwin_detail;
  if (!msg)
    return -1;
  auto& s = state();
  std::unique_lock<std::mutex> guard(s.lock);
  if (window && window != reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)) && !findLocked(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  DWORD thread = GetCurrentThreadId();
  for (;;) {
    if (peekLocked(guard, msg, window, filterMin, filterMax, PM_REMOVE))
      return msg->message == WM_QUIT ? FALSE : TRUE;
    ThreadQueue& q = queueLocked(thread);
    ULONGLONG next = nextTimerLocked(thread);
    if (s.realTimeClock && next) {
      ULONGLONG now = nowLocked();
      q.wake.wait_for(guard, std::chrono::milliseconds(next > now ? next - now : 0));
    } else {
      q.wake.wait(guard);
    }
  }
}

LRESULT DispatchMessageW(const MSG* msg)
{
  using namespace qorwin_detail;
  if (!msg)
    return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    TIMERPROC proc = nullptr;
    {
      std::lock_guard<std::mutex> guard(state().lock);
      // Only a timer that still exists runs its procedure.
      for (auto& t : state().timers)
        if (t.window == msg->hwnd && t.id == msg->wParam && reinterpret_cast<LPARAM>(t.proc) == msg->lParam &&
            t.thread == GetCurrentThreadId())
          proc = t.proc;
    }
    if (proc)
      proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!msg->hwnd)
    return 0;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(msg->hwnd);
    if (!w || w->thread != GetCurrentThreadId()) {
      SetLastError(w ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
  }
  return callWindow(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL TranslateMessage(const MSG* msg)
{
  // A key that types a character posts its WM_CHAR: letters (lower case unless Shift is held; control
  // characters with Control), digits, space, Enter, Esc, Tab and Backspace.
  if (!msg || msg->message != WM_KEYDOWN)
    return FALSE;
  WPARAM key = msg->wParam;
  WPARAM c = 0;
  if (key >= 'A' && key <= 'Z' && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0)
    c = key - 'A' + 1; // Control+letter types the control character (Ctrl+C is 3)
  else if (key >= 'A' && key <= 'Z')
    c = GetKeyState(VK_SHIFT) < 0 ? key : key - 'A' + 'a';
  else if ((key >= '0' && key <= '9') || key == VK_SPACE)
    c = key;
  else if (key == VK_RETURN)
    c = u'\r';
  else if (key == VK_ESCAPE || key == VK_TAB || key == VK_BACK)
    c = key;
  if (!c)
    return FALSE;
  // The character comes next, before anything posted after the key.
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  ThreadQueue& q = queueLocked(GetCurrentThreadId());
  q.posted.push_front(MSG{msg->hwnd, WM_CHAR, c, msg->lParam, static_cast<DWORD>(nowLocked()), {0, 0}});
  return TRUE;
}

BOOL InSendMessage()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return queueLocked(GetCurrentThreadId()).sendDepth > 0;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  using namespace qorwin_detail;
  switch (message) {
  case WM_NCCREATE:
    return TRUE;
  case WM_SETTEXT: {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    if (!w)
      return FALSE;
    auto text = reinterpret_cast<LPCWSTR>(lParam);
    w->text = text ? std::u16string(text) : std::u16string();
    return TRUE;
  }
  case WM_GETTEXT: {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    auto out = reinterpret_cast<LPWSTR>(lParam);
    if (!w || !out || wParam == 0)
      return 0;
    size_t n = std::min(w->text.size(), static_cast<size_t>(wParam) - 1);
    std::copy(w->text.begin(), w->text.begin() + static_cast<std::ptrdiff_t>(n), out);
    out[n] = 0;
    return static_cast<LRESULT>(n);
  }
  case WM_GETTEXTLENGTH: {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    return w ? static_cast<LRESULT>(w->text.size()) : 0;
  }
  case WM_SETFONT: {
    std::lock_guard<std::mutex> guard(state().lock);
    if (Window* w = findLocked(window))
      w->font = reinterpret_cast<HFONT>(wParam);
    return 0;
  }
  case WM_GETFONT: {
    std::lock_guard<std::mutex> guard(state().lock);
    Window* w = findLocked(window);
    return w ? reinterpret_cast<LRESULT>(w->font) : 0;
  }
  case WM_CLOSE:
    DestroyWindow(window);
    return 0;
  case WM_NCACTIVATE:
    return TRUE;
  case WM_PAINT: {
    // Painting nothing still validates the window.
    PAINTSTRUCT ps;
    if (BeginPaint(window, &ps))
      EndPaint(window, &ps);
    return 0;
  }
  case WM_ERASEBKGND: {
    // The class's background brush, or the dialog face for dialogs; nothing without either.
    HBRUSH brush = nullptr;
    {
      std::lock_guard<std::mutex> guard(state().lock);
      Window* w = findLocked(window);
      if (!w || !w->cls)
        return 0;
      brush = w->cls->background;
      if (!brush && foldCase(w->cls->name) == foldCase(WC_DIALOG))
        brush = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1));
    }
    if (!brush)
      return 0;
    RECT box{};
    GetClipBox(reinterpret_cast<HDC>(wParam), &box);
    FillRect(reinterpret_cast<HDC>(wParam), &box, brush);
    return 1;
  }
  case WM_MOUSEACTIVATE:
    return 1; // MA_ACTIVATE
  default:
    return 0;
  }
}

LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (!proc)
    return DefWindowProcW(window, message, wParam, lParam);
  return proc(window, message, wParam, lParam);
}

UINT RegisterWindowMessageW(LPCWSTR name)
{
  using namespace qorwin_detail;
  if (!name || !*name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto& table = registeredMessages();
  std::lock_guard<std::mutex> guard(table.lock);
  auto key = foldCase(name);
  auto it = table.ids.find(key);
  if (it != table.ids.end())
    return it->second;
  if (table.next > 0xFFFF)
    return 0;
  UINT id = table.next++;
  table.ids.emplace(key, id);
  return id;
}

UINT RegisterWindowMessageA(LPCSTR name)
{
  using namespace qorwin_detail;
  if (!name || !*name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::u16string wide = widen(name);
  return RegisterWindowMessageW(wide.c_str());
}

// Timers.

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
  using namespace qorwin_detail;
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  DWORD thread = GetCurrentThreadId();
  if (window) {
    Window* w = findLocked(window);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    // As on the real system, a window's timers are set by the thread that owns the window.
    if (w->thread != thread) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
  }
  UINT interval = std::min<UINT>(std::max<UINT>(elapse, USER_TIMER_MINIMUM), USER_TIMER_MAXIMUM);
  ULONGLONG due = nowLocked() + interval;
  for (auto& t : s.timers) {
    if (t.window == window && t.id == id && (window || t.thread == thread)) {
      t.elapse = elapse;
      t.interval = interval;
      t.proc = proc;
      t.due = due;
      queueLocked(thread).wake.notify_all();
      return window ? (id ? id : 1) : id;
    }
  }
  if (!window) {
    id = ++s.nextThreadTimerId;
  }
  s.timers.push_back(Timer{window, id, elapse, interval, proc, due, thread, s.nextTimerOrder++});
  queueLocked(thread).wake.notify_all();
  return window ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND window, UINT_PTR id)
{
  using namespace qorwin_detail;
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  DWORD thread = GetCurrentThreadId();
  for (auto it = s.timers.begin(); it != s.timers.end(); ++it) {
    if (it->window == window && it->id == id) {
      if (it->thread != thread) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
      }
      s.timers.erase(it);
      // A WM_TIMER of this timer that is already posted no longer runs.
      auto& posted = queueLocked(thread).posted;
      posted.erase(std::remove_if(posted.begin(), posted.end(),
                                  [&](const MSG& m) {
                                    return m.message == WM_TIMER && m.hwnd == window && m.wParam == id;
                                  }),
                   posted.end());
      return TRUE;
    }
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

// The clock.

DWORD GetTickCount()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return static_cast<DWORD>(nowLocked());
}

ULONGLONG GetTickCount64()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return nowLocked();
}

// Debugger output.

void OutputDebugStringA(LPCSTR text)
{
  using namespace qorwin_detail;
  if (!text)
    return;
  auto& sink = debugSink();
  {
    std::lock_guard<std::mutex> guard(sink.lock);
    sink.text += text;
  }
  if (std::getenv("QOR_DEBUG_OUTPUT")) {
    std::fputs(text, stderr);
    std::fflush(stderr);
  }
}

void OutputDebugStringW(LPCWSTR text)
{
  using namespace qorwin_detail;
  if (!text)
    return;
  OutputDebugStringA(narrow(text).c_str());
}

// Test helpers.

namespace qorwin {

ULONGLONG now()
{
  return GetTickCount64();
}

void advanceClock(DWORD ms)
{
  using namespace qorwin_detail;
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  if (s.realTimeClock)
    s.realOffset += ms;
  else
    s.manualClock += ms;
  wakeAllLocked();
}

void useRealTimeClock(bool on)
{
  using namespace qorwin_detail;
  auto& s = state();
  std::lock_guard<std::mutex> guard(s.lock);
  if (on == s.realTimeClock)
    return;
  ULONGLONG current = nowLocked();
  s.realTimeClock = on;
  if (on) {
    s.realBase = steadyMilliseconds();
    s.realOffset = current;
  } else {
    s.manualClock = current;
  }
  wakeAllLocked();
}

int pump()
{
  int count = 0;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam)); // leave it for the loop that owns it
      break;
    }
    // Dialogs get their keys first, as in the loops that run them.
    if (!AfxPreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    ++count;
  }
  return count;
}

int advance(DWORD ms)
{
  using namespace qorwin_detail;
  auto& s = state();
  DWORD thread = GetCurrentThreadId();
  ULONGLONG target;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    target = nowLocked() + ms;
  }
  int count = pump();
  for (;;) {
    ULONGLONG next, current;
    {
      std::lock_guard<std::mutex> guard(s.lock);
      next = nextTimerLocked(thread);
      current = nowLocked();
    }
    if (!next || next > target)
      break;
    if (next > current)
      advanceClock(static_cast<DWORD>(next - current));
    count += pump();
  }
  {
    std::lock_guard<std::mutex> guard(s.lock);
    ULONGLONG current = nowLocked();
    if (target > current) {
      if (s.realTimeClock)
        s.realOffset += target - current;
      else
        s.manualClock = target;
    }
  }
  return count + pump();
}

bool pumpUntil(const std::function<bool()>& done, DWORD realTimeoutMs)
{
  using namespace qorwin_detail;
  auto& s = state();
  DWORD thread = GetCurrentThreadId();
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(realTimeoutMs);
  for (;;) {
    pump();
    if (done())
      return true;
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    std::unique_lock<std::mutex> guard(s.lock);
    ThreadQueue& q = queueLocked(thread);
    bool ready = !q.posted.empty() || !q.sent.empty() || q.quit;
    if (ready)
      continue;
    ULONGLONG next = nextTimerLocked(thread);
    if (next) {
      // Idle with a timer pending: move the clock to it instead of waiting.
      ULONGLONG current = nowLocked();
      if (next > current) {
        if (s.realTimeClock)
          s.realOffset += next - current;
        else
          s.manualClock = next;
      }
      continue;
    }
    // done() may turn true without a message (another thread's own state), so look again now and then.
    q.wake.wait_until(guard,
                      std::min(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(2)));
  }
}

std::string debugOutput()
{
  auto& sink = qorwin_detail::debugSink();
  std::lock_guard<std::mutex> guard(sink.lock);
  return sink.text;
}

void clearDebugOutput()
{
  auto& sink = qorwin_detail::debugSink();
  std::lock_guard<std::mutex> guard(sink.lock);
  sink.text.clear();
}

bool timerInfo(HWND window, UINT_PTR id, UINT* elapse, ULONGLONG* due)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  for (auto& t : state().timers)
    if (t.window == window && t.id == id) {
      if (elapse)
        *elapse = t.elapse;
      if (due)
        *due = t.due;
      return true;
    }
  return false;
}

size_t timerCount()
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  return state().timers.size();
}

} // namespace qorwin

namespace qorwin_detail {

bool modalLoopIdle(ULONGLONG lastActivity)
{
  auto& s = state();
  DWORD thread = GetCurrentThreadId();
  std::unique_lock<std::mutex> guard(s.lock);
  ThreadQueue& q = queueLocked(thread);
  auto ready = [&q] { return !q.posted.empty() || !q.sent.empty() || q.quit; };
  if (ready())
    return true;
  ULONGLONG next = nextTimerLocked(thread);
  if (!next) {
    if (!s.realTimeClock)
      return false;
    // In real time another thread may still post (a worker's reply); give it a moment.
    q.wake.wait_for(guard, std::chrono::milliseconds(200), ready);
    return ready();
  }
  if (next > lastActivity + 60000)
    return false;
  ULONGLONG current = nowLocked();
  if (next <= current)
    return true;
  if (s.realTimeClock)
    q.wake.wait_for(guard, std::chrono::milliseconds(next - current), ready);
  else
    s.manualClock = next;
  return true;
}

} // namespace qorwin_detail

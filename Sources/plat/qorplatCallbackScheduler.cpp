#include "plat/qorplatCallbackScheduler.h"

#include "aip/qoraipScheduledCallbacks.h"
#include "geo/qorgeoNumeric.h"
#include "utils/qorutilsStrings.h"
#include "win/Afx.h"

#include <cmath>
#include <mutex>
#include <openssl/evp.h>
#include <utility>
#include <vector>

namespace qor {
namespace plat {

namespace qorplatCallbackScheduler_detail {

struct Scheduler
{
  std::mutex lock; // guards the id counter and qor::aip::scheduledCallbacks
  unsigned int lastId = 0;
  HWND window = nullptr;
  DWORD windowThread = 0;
  std::u16string className; // of the window's class while it is registered
};

Scheduler& scheduler()
{
  // A static object, not a heap one: a plug-in module unloaded by its host leaves nothing behind.
  static Scheduler theScheduler;
  return theScheduler;
}

// Asks the UI thread to set a timer for a callback scheduled on another thread (wParam id, lParam ms):
// a window's timers can only be set by the thread that owns the window.
UINT setTimerMessage()
{
  static const UINT message = RegisterWindowMessageW(u"QorPluginSchedulerSetTimer");
  return message;
}

void deleteEntry(unsigned int id)
{
  qor::utils::Callback* callback = nullptr;
  {
    std::lock_guard<std::mutex> guard(scheduler().lock);
    qor::aip::scheduledCallbacks.get(id, callback);
    qor::aip::scheduledCallbacks.remove(id);
  }
  delete callback;
}

LRESULT CALLBACK callbackWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  if (!window)
    return 0;
  if (message == setTimerMessage() && message != 0) {
    auto id = static_cast<unsigned int>(wParam);
    if (!SetTimer(window, id, static_cast<UINT>(lParam), onScheduledCallbackTimer))
      deleteEntry(id);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace qorplatCallbackScheduler_detail

void createCallbackWindow()
{
  using namespace qorplatCallbackScheduler_detail;
  Scheduler& s = scheduler();
  {
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.window)
      return;
  }
  setTimerMessage();
  // The random part makes the class name differ from load to load.
  std::string digest =
      sha1Hex("qor_plat callback window " + qor::utils::doubleToString(qor::geo::random01()));
  std::u16string className(digest.begin(), digest.end());
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = callbackWindowProc;
  cls.hInstance = AfxGetInstanceHandle();
  cls.lpszClassName = className.c_str();
  if (!RegisterClassExW(&cls))
    return;
  HWND window = CreateWindowExW(0, className.c_str(), className.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                AfxGetInstanceHandle(), nullptr);
  if (!window) {
    UnregisterClassW(className.c_str(), AfxGetInstanceHandle());
    return;
  }
  std::lock_guard<std::mutex> guard(s.lock);
  s.window = window;
  s.windowThread = GetCurrentThreadId();
  s.className = className;
}

void destroyCallbackWindow()
{
  using namespace qorplatCallbackScheduler_detail;
  Scheduler& s = scheduler();
  HWND window = nullptr;
  std::u16string className;
  std::vector<std::pair<unsigned int, qor::utils::Callback*>> pending;
  {
    // From here on nothing can be scheduled: callers on other threads find no window.
    std::lock_guard<std::mutex> guard(s.lock);
    window = s.window;
    className.swap(s.className);
    s.window = nullptr;
    s.windowThread = 0;
    for (const auto& entry : qor::aip::scheduledCallbacks)
      pending.emplace_back(entry.first, entry.second);
    qor::aip::scheduledCallbacks.clear();
  }
  // The window, its timers and its class all point at code of this module, which the host may
  // unload next.
  for (const auto& entry : pending) {
    if (window)
      KillTimer(window, entry.first);
    delete entry.second;
  }
  if (window)
    DestroyWindow(window);
  if (!className.empty())
    UnregisterClassW(className.c_str(), AfxGetInstanceHandle());
}

HWND callbackWindow()
{
  auto& s = qorplatCallbackScheduler_detail::scheduler();
  std::lock_guard<std::mutex> guard(s.lock);
  return s.window;
}

unsigned int scheduleMainThreadCallback(qor::utils::Callback* callback, double delay)
{
  using namespace qorplatCallbackScheduler_detail;
  if (!callback)
    return 0;
  double seconds = std::isnan(delay) || std::fabs(delay) < 1e-6 ? 0.001 : std::fabs(delay);
  // Truncated to whole milliseconds, kept within what a timer can wait.
  double ms = std::floor(seconds * 1000.0);
  auto milliseconds = static_cast<UINT>(ms >= double(USER_TIMER_MAXIMUM) ? USER_TIMER_MAXIMUM : ms);
  Scheduler& s = scheduler();
  std::unique_lock<std::mutex> guard(s.lock);
  if (!s.window) {
    guard.unlock();
    delete callback;
    return 0;
  }
  unsigned int id = ++s.lastId;
  if (GetCurrentThreadId() == s.windowThread) {
    UINT_PTR timer = SetTimer(s.window, id, milliseconds, onScheduledCallbackTimer);
    if (!timer) {
      guard.unlock();
      delete callback;
      return 0;
    }
    id = static_cast<unsigned int>(timer);
    qor::aip::scheduledCallbacks.remove(id);
    qor::aip::scheduledCallbacks.insert(id, callback);
    return id;
  }
  // Another thread: the entry exists at once (so it can be cancelled), the UI thread sets the timer.
  qor::aip::scheduledCallbacks.remove(id);
  qor::aip::scheduledCallbacks.insert(id, callback);
  HWND window = s.window;
  guard.unlock();
  if (!PostMessageW(window, setTimerMessage(), id, static_cast<LPARAM>(milliseconds))) {
    deleteEntry(id);
    return 0;
  }
  return id;
}

bool cancelScheduledCallback(unsigned int id)
{
  using namespace qorplatCallbackScheduler_detail;
  if (id == 0)
    return false;
  qor::utils::Callback* callback = nullptr;
  {
    std::lock_guard<std::mutex> guard(scheduler().lock);
    qor::utils::Map<unsigned int, qor::utils::Callback*>::iterator entry;
    if (!qor::aip::scheduledCallbacks.find(id, entry))
      return false;
    callback = entry->second;
    entry->second = nullptr; // the entry stays; its timer will fire and run nothing
  }
  delete callback;
  return true;
}

void CALLBACK onScheduledCallbackTimer(HWND window, UINT, UINT_PTR id, DWORD)
{
  using namespace qorplatCallbackScheduler_detail;
  if (!window || window != callbackWindow())
    return;
  KillTimer(window, id);
  qor::utils::Callback* callback = nullptr;
  {
    std::lock_guard<std::mutex> guard(scheduler().lock);
    auto key = static_cast<unsigned int>(id);
    if (!qor::aip::scheduledCallbacks.get(key, callback))
      return;
    qor::aip::scheduledCallbacks.remove(key);
  }
  if (!callback)
    return;
  // Outside the lock: the callback may schedule or cancel. Nothing it throws leaves the timer.
  try {
    callback->execute();
  } catch (...) {
    OutputDebugStringA("Scheduled callback ended with an exception\n");
  }
  delete callback;
}

bool findMainThreadId(uint32_t& id)
{
  {
    auto& s = qorplatCallbackScheduler_detail::scheduler();
    std::lock_guard<std::mutex> guard(s.lock);
    if (s.window) {
      id = s.windowThread;
      return true;
    }
  }
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return false;
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  auto value = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  uint64_t earliest = value(now) + 31536000000ULL;
  bool chosen = false;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != GetCurrentProcessId())
      continue;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    if (!thread)
      continue;
    FILETIME created{}, exited{}, kernel{}, user{};
    if (GetThreadTimes(thread, &created, &exited, &kernel, &user) && value(created) < earliest) {
      earliest = value(created);
      id = entry.th32ThreadID;
      chosen = true;
    }
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return chosen;
}

uint32_t modifierKeyMask()
{
  uint32_t mask = 0;
  if (GetAsyncKeyState(VK_SHIFT))
    mask |= 1;
  if (GetAsyncKeyState(VK_MENU))
    mask |= 2;
  if (GetAsyncKeyState(VK_CONTROL))
    mask |= 4;
  return mask;
}

bool isWindowsVersionAtLeast(uint32_t major, uint32_t minor, uint16_t servicePackMajor)
{
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof info;
  info.dwMajorVersion = major;
  info.dwMinorVersion = minor;
  info.wServicePackMajor = servicePackMajor;
  ULONGLONG condition = VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL);
  condition = VerSetConditionMask(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
  condition = VerSetConditionMask(condition, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
  return VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, condition) !=
         0;
}

uint32_t osVersionCode()
{
  static const struct
  {
    uint32_t major, minor;
    uint16_t servicePack;
    uint32_t code;
  } versions[] = {{10, 0, 0, 100000}, {6, 3, 0, 60300}, {6, 2, 0, 60200}, {6, 1, 1, 60101},
                  {6, 1, 0, 60100},   {6, 0, 2, 60002}, {6, 0, 1, 60001}, {6, 0, 0, 60000},
                  {5, 1, 3, 50103},   {5, 1, 2, 50102}, {5, 1, 1, 50101}};
  for (const auto& v : versions)
    if (isWindowsVersionAtLeast(v.major, v.minor, v.servicePack))
      return v.code;
  return 50100;
}

std::string sha1Hex(const std::string& text)
{
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (!EVP_Digest(text.data(), text.size(), digest, &length, EVP_sha1(), nullptr))
    return std::string();
  static const char hex[] = "0123456789abcdef";
  std::string out;
  for (unsigned int i = 0; i < length; ++i) {
    out.push_back(hex[digest[i] >> 4]);
    out.push_back(hex[digest[i] & 0xF]);
  }
  return out;
}

} // namespace plat
} // namespace qor

// Kernel services: last error, thread and process ids, kernel handles, system time, the held-key
// table, the version query, the thread snapshot, and the reset of the whole layer for tests.
#include "qorwinState.h"
#include "win/WinBase.h"
#include "win/WinTest.h"

#include <algorithm>
#include <chrono>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/syscall.h>
#include <unistd.h>

namespace qorwin_detail {

thread_local DWORD lastError = 0;

struct KernelObject
{
  enum Kind
  {
    Snapshot,
    Thread
  } kind;
  std::vector<THREADENTRY32> threads; // a snapshot's entries
  size_t next = 0;
  DWORD threadId = 0;
};

struct KernelHandles
{
  std::mutex lock;
  std::map<uintptr_t, KernelObject> objects;
  std::vector<uintptr_t> permanent;
  uintptr_t nextHandle = 0x100;
};

KernelHandles& kernelHandles()
{
  static KernelHandles* table = new KernelHandles;
  return *table;
}

void addPermanentHandle(HANDLE handle)
{
  auto& table = kernelHandles();
  std::lock_guard<std::mutex> guard(table.lock);
  auto value = reinterpret_cast<uintptr_t>(handle);
  if (std::find(table.permanent.begin(), table.permanent.end(), value) == table.permanent.end())
    table.permanent.push_back(value);
}

HANDLE addKernelObject(KernelObject object)
{
  auto& table = kernelHandles();
  std::lock_guard<std::mutex> guard(table.lock);
  uintptr_t handle = table.nextHandle;
  table.nextHandle += 4;
  table.objects.emplace(handle, std::move(object));
  return reinterpret_cast<HANDLE>(handle);
}

// 100 ns units since 1601 of a time in 100 ns units since 1970.
FILETIME fileTimeFromUnix(ULONGLONG hundredNs)
{
  ULONGLONG value = hundredNs + 116444736000000000ULL;
  return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFF), static_cast<DWORD>(value >> 32)};
}

// When a thread of this process started, from /proc: boot time plus its start in clock ticks.
bool threadStartTime(DWORD threadId, FILETIME* out)
{
  std::ifstream stat("/proc/self/task/" + std::to_string(threadId) + "/stat");
  std::string line;
  if (!std::getline(stat, line))
    return false;
  auto close = line.rfind(')');
  if (close == std::string::npos)
    return false;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  // Field 3 (state) is the first after the name; the start time is field 22.
  for (int i = 3; i <= 22; ++i)
    if (!(fields >> field))
      return false;
  ULONGLONG ticks = std::stoull(field);
  ULONGLONG bootSeconds = 0;
  std::ifstream procStat("/proc/stat");
  while (std::getline(procStat, line))
    if (line.compare(0, 6, "btime ") == 0)
      bootSeconds = std::stoull(line.substr(6));
  long perSecond = sysconf(_SC_CLK_TCK);
  if (perSecond <= 0)
    perSecond = 100;
  *out =
      fileTimeFromUnix(bootSeconds * 10000000ULL + ticks * 10000000ULL / static_cast<ULONGLONG>(perSecond));
  return true;
}

} // namespace qorwin_detail

DWORD GetLastError()
{
  return qorwin_detail::lastError;
}

void SetLastError(DWORD error)
{
  qorwin_detail::lastError = error;
}

DWORD GetCurrentThreadId()
{
  return static_cast<DWORD>(syscall(SYS_gettid));
}

DWORD GetCurrentProcessId()
{
  return static_cast<DWORD>(getpid());
}

BOOL CloseHandle(HANDLE handle)
{
  auto& table = qorwin_detail::kernelHandles();
  std::lock_guard<std::mutex> guard(table.lock);
  auto value = reinterpret_cast<uintptr_t>(handle);
  if (std::find(table.permanent.begin(), table.permanent.end(), value) != table.permanent.end())
    return TRUE;
  if (!table.objects.erase(value)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

void GetSystemTimeAsFileTime(LPFILETIME time)
{
  if (!time)
    return;
  using namespace std::chrono;
  auto since = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
  *time = qorwin_detail::fileTimeFromUnix(static_cast<ULONGLONG>(since / 100));
}

// Keys.

SHORT GetAsyncKeyState(int key)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  auto it = state().keys.find(key);
  return it != state().keys.end() && it->second ? static_cast<SHORT>(0x8000) : 0;
}

SHORT GetKeyState(int key)
{
  return GetAsyncKeyState(key);
}

// Version.

ULONGLONG VerSetConditionMask(ULONGLONG mask, DWORD typeBit, BYTE condition)
{
  for (int index = 0; index < 8; ++index)
    if (typeBit & (1u << index))
      mask |= static_cast<ULONGLONG>(condition & 7) << (index * 3);
  return mask;
}

BOOL VerifyVersionInfoW(LPOSVERSIONINFOEXW info, DWORD typeMask, ULONGLONG conditionMask)
{
  using namespace qorwin_detail;
  if (!info || !typeMask) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD major, minor, servicePack;
  {
    std::lock_guard<std::mutex> guard(state().lock);
    major = state().osMajor;
    minor = state().osMinor;
    servicePack = state().osServicePack;
  }
  auto condition = [&](DWORD bit) {
    for (int index = 0; index < 8; ++index)
      if (bit == (1u << index))
        return static_cast<int>((conditionMask >> (index * 3)) & 7);
    return 0;
  };
  // Major, minor and service pack form one version number, compared as a whole as the system does.
  struct Field
  {
    DWORD bit;
    DWORD system;
    DWORD wanted;
  };
  Field fields[] = {{VER_MAJORVERSION, major, info->dwMajorVersion},
                    {VER_MINORVERSION, minor, info->dwMinorVersion},
                    {VER_SERVICEPACKMAJOR, servicePack, info->wServicePackMajor}};
  int cmp = 0;
  int op = 0;
  for (auto& f : fields) {
    if (!(typeMask & f.bit))
      continue;
    if (!op)
      op = condition(f.bit);
    if (cmp == 0)
      cmp = f.system < f.wanted ? -1 : (f.system > f.wanted ? 1 : 0);
  }
  bool ok = false;
  switch (op) {
  case VER_EQUAL:
    ok = cmp == 0;
    break;
  case VER_GREATER:
    ok = cmp > 0;
    break;
  case VER_GREATER_EQUAL:
    ok = cmp >= 0;
    break;
  case VER_LESS:
    ok = cmp < 0;
    break;
  case VER_LESS_EQUAL:
    ok = cmp <= 0;
    break;
  default:
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!ok)
    SetLastError(ERROR_OLD_WIN_VERSION);
  return ok ? TRUE : FALSE;
}

// Thread snapshot.

HANDLE CreateToolhelp32Snapshot(DWORD flags, DWORD)
{
  using namespace qorwin_detail;
  if (!(flags & TH32CS_SNAPTHREAD)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  KernelObject snapshot{KernelObject::Snapshot, {}, 0, 0};
  DIR* dir = opendir("/proc/self/task");
  if (!dir)
    return INVALID_HANDLE_VALUE;
  std::vector<DWORD> ids;
  while (dirent* entry = readdir(dir))
    if (entry->d_name[0] >= '0' && entry->d_name[0] <= '9')
      ids.push_back(static_cast<DWORD>(std::stoul(entry->d_name)));
  closedir(dir);
  std::sort(ids.begin(), ids.end());
  for (DWORD id : ids) {
    THREADENTRY32 e{};
    e.dwSize = sizeof(THREADENTRY32);
    e.th32ThreadID = id;
    e.th32OwnerProcessID = GetCurrentProcessId();
    snapshot.threads.push_back(e);
  }
  return addKernelObject(std::move(snapshot));
}

BOOL Thread32First(HANDLE snapshot, LPTHREADENTRY32 entry)
{
  using namespace qorwin_detail;
  auto& table = kernelHandles();
  std::lock_guard<std::mutex> guard(table.lock);
  auto it = table.objects.find(reinterpret_cast<uintptr_t>(snapshot));
  if (!entry || it == table.objects.end() || it->second.kind != KernelObject::Snapshot) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  it->second.next = 0;
  if (it->second.threads.empty())
    return FALSE;
  *entry = it->second.threads[it->second.next++];
  return TRUE;
}

BOOL Thread32Next(HANDLE snapshot, LPTHREADENTRY32 entry)
{
  using namespace qorwin_detail;
  auto& table = kernelHandles();
  std::lock_guard<std::mutex> guard(table.lock);
  auto it = table.objects.find(reinterpret_cast<uintptr_t>(snapshot));
  if (!entry || it == table.objects.end() || it->second.kind != KernelObject::Snapshot) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (it->second.next >= it->second.threads.size()) {
    SetLastError(18); // ERROR_NO_MORE_FILES
    return FALSE;
  }
  *entry = it->second.threads[it->second.next++];
  return TRUE;
}

HANDLE OpenThread(DWORD, BOOL, DWORD threadId)
{
  using namespace qorwin_detail;
  if (access(("/proc/self/task/" + std::to_string(threadId)).c_str(), F_OK) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return addKernelObject(KernelObject{KernelObject::Thread, {}, 0, threadId});
}

BOOL GetThreadTimes(HANDLE thread, LPFILETIME creation, LPFILETIME exit, LPFILETIME kernel, LPFILETIME user)
{
  using namespace qorwin_detail;
  DWORD id;
  {
    auto& table = kernelHandles();
    std::lock_guard<std::mutex> guard(table.lock);
    auto it = table.objects.find(reinterpret_cast<uintptr_t>(thread));
    if (it == table.objects.end() || it->second.kind != KernelObject::Thread) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    id = it->second.threadId;
  }
  FILETIME start{};
  if (!threadStartTime(id, &start)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (creation)
    *creation = start;
  if (exit)
    *exit = FILETIME{};
  if (kernel)
    *kernel = FILETIME{};
  if (user)
    *user = FILETIME{};
  return TRUE;
}

// Test helpers.

namespace qorwin {

void setKeyDown(int virtualKey, bool down)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  state().keys[virtualKey] = down;
}

void setSystemVersion(DWORD major, DWORD minor, WORD servicePackMajor)
{
  using namespace qorwin_detail;
  std::lock_guard<std::mutex> guard(state().lock);
  state().osMajor = major;
  state().osMinor = minor;
  state().osServicePack = servicePackMajor;
}

void resetState()
{
  using namespace qorwin_detail;
  auto& s = state();
  DWORD thread = GetCurrentThreadId();
  // Windows of this thread get their messages; those of other threads are dropped silently.
  for (;;) {
    HWND next = nullptr;
    {
      std::lock_guard<std::mutex> guard(s.lock);
      for (auto& entry : s.windows) {
        Window* w = entry.second.get();
        if (w->thread == thread && !w->destroying && (!w->parent || w->parent == HWND_MESSAGE)) {
          next = w->handle;
          break;
        }
      }
    }
    if (!next)
      break;
    DestroyWindow(next);
  }
  {
    std::lock_guard<std::mutex> guard(s.lock);
    s.windows.clear();
    s.topLevel.clear();
    s.messageOnly.clear();
    s.classes.clear();
    s.timers.clear();
    for (auto& q : s.queues) {
      q.second->posted.clear();
      q.second->quit = false;
    }
    s.manualClock = 0;
    s.realTimeClock = false;
    s.focus = s.active = nullptr;
    s.keys.clear();
    s.osMajor = 10;
    s.osMinor = 0;
    s.osServicePack = 0;
    wakeAllLocked();
  }
  resetUiState();
  clearDebugOutput();
}

} // namespace qorwin

// Modules: a module handle is the address the module is loaded at, as on the real system.
// Module names come from the dynamic loader.
#include "qorwinState.h"
#include "win/WinBase.h"

#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace qorwin_detail {

struct LoadedModule
{
  uintptr_t base;
  std::string name;
};

int collectModule(dl_phdr_info* info, size_t, void* data)
{
  auto* out = static_cast<std::vector<LoadedModule>*>(data);
  uintptr_t lowest = UINTPTR_MAX;
  for (int i = 0; i < info->dlpi_phnum; ++i)
    if (info->dlpi_phdr[i].p_type == PT_LOAD)
      lowest = std::min<uintptr_t>(lowest, info->dlpi_phdr[i].p_vaddr & ~static_cast<uintptr_t>(0xFFF));
  if (lowest == UINTPTR_MAX)
    return 0;
  out->push_back(LoadedModule{info->dlpi_addr + lowest, info->dlpi_name ? info->dlpi_name : ""});
  return 0;
}

std::vector<LoadedModule> loadedModules()
{
  std::vector<LoadedModule> modules;
  dl_iterate_phdr(collectModule, &modules);
  return modules;
}

std::string executablePath()
{
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

// The file name of the module loaded at `base` (the executable when base is null); empty when unknown.
bool modulePath(HMODULE module, std::string& path)
{
  auto modules = loadedModules();
  if (!module) {
    path = executablePath();
    return !path.empty();
  }
  for (auto& m : modules)
    if (m.base == reinterpret_cast<uintptr_t>(module)) {
      path = m.name.empty() ? executablePath() : m.name;
      return !path.empty();
    }
  return false;
}

struct LibraryTable
{
  std::mutex lock;
  std::map<uintptr_t, std::pair<void*, int>> opened; // base -> loader handle, count
};

LibraryTable& libraries()
{
  static LibraryTable* table = new LibraryTable;
  return *table;
}

template <typename Char> DWORD copyPath(const std::basic_string<Char>& path, Char* out, DWORD size)
{
  if (!out || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (path.size() >= size) {
    std::copy(path.begin(), path.begin() + (size - 1), out);
    out[size - 1] = 0;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::copy(path.begin(), path.end(), out);
  out[path.size()] = 0;
  return static_cast<DWORD>(path.size());
}

} // namespace qorwin_detail

SIZE_T VirtualQuery(LPCVOID address, PMEMORY_BASIC_INFORMATION info, SIZE_T size)
{
  if (!info || size < sizeof(MEMORY_BASIC_INFORMATION)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  Dl_info found{};
  if (!address || !dladdr(address, &found) || !found.dli_fbase) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  long page = sysconf(_SC_PAGESIZE);
  auto value = reinterpret_cast<uintptr_t>(address);
  *info = MEMORY_BASIC_INFORMATION{};
  info->BaseAddress = reinterpret_cast<LPVOID>(value & ~static_cast<uintptr_t>(page - 1));
  info->AllocationBase = found.dli_fbase;
  info->AllocationProtect = PAGE_EXECUTE_READ;
  info->RegionSize = static_cast<SIZE_T>(page);
  info->State = MEM_COMMIT;
  info->Protect = PAGE_EXECUTE_READ;
  info->Type = MEM_IMAGE;
  return sizeof(MEMORY_BASIC_INFORMATION);
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR out, DWORD size)
{
  using namespace qorwin_detail;
  std::string path;
  if (!modulePath(module, path)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  return copyPath(widen(path.c_str()), out, size);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR out, DWORD size)
{
  using namespace qorwin_detail;
  std::string path;
  if (!modulePath(module, path)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  return copyPath(path, out, size);
}

HMODULE GetModuleHandleW(LPCWSTR name)
{
  using namespace qorwin_detail;
  auto modules = loadedModules();
  if (!name)
    return modules.empty() ? nullptr : reinterpret_cast<HMODULE>(modules.front().base);
  std::string wanted = narrow(name);
  for (auto& m : modules) {
    std::string file = m.name.substr(m.name.find_last_of('/') + 1);
    if (file == wanted || file == wanted + ".so" || m.name == wanted)
      return reinterpret_cast<HMODULE>(m.base);
  }
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

HMODULE LoadLibraryA(LPCSTR path)
{
  using namespace qorwin_detail;
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map) {
    dlclose(handle);
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  uintptr_t base = 0;
  for (auto& m : loadedModules())
    if (m.name == map->l_name)
      base = m.base;
  if (!base)
    base = static_cast<uintptr_t>(map->l_addr);
  auto& table = libraries();
  std::lock_guard<std::mutex> guard(table.lock);
  auto& entry = table.opened[base];
  if (entry.first)
    dlclose(handle); // the loader counts; one handle of ours is enough
  else
    entry.first = handle;
  entry.second++;
  return reinterpret_cast<HMODULE>(base);
}

HMODULE LoadLibraryW(LPCWSTR path)
{
  using namespace qorwin_detail;
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return LoadLibraryA(narrow(path).c_str());
}

void* GetProcAddress(HMODULE module, LPCSTR name)
{
  using namespace qorwin_detail;
  if (!name)
    return nullptr;
  void* handle = nullptr;
  {
    auto& table = libraries();
    std::lock_guard<std::mutex> guard(table.lock);
    auto it = table.opened.find(reinterpret_cast<uintptr_t>(module));
    if (it != table.opened.end())
      handle = it->second.first;
  }
  bool temporary = false;
  if (!handle) {
    std::string path;
    if (!modulePath(module, path)) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return nullptr;
    }
    handle = dlopen(module ? path.c_str() : nullptr, RTLD_NOW | RTLD_NOLOAD);
    temporary = handle != nullptr;
  }
  void* symbol = handle ? dlsym(handle, name) : nullptr;
  if (temporary)
    dlclose(handle);
  if (!symbol)
    SetLastError(ERROR_PROC_NOT_FOUND);
  return symbol;
}

BOOL FreeLibrary(HMODULE module)
{
  using namespace qorwin_detail;
  void* handle = nullptr;
  {
    auto& table = libraries();
    std::lock_guard<std::mutex> guard(table.lock);
    auto it = table.opened.find(reinterpret_cast<uintptr_t>(module));
    if (it == table.opened.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    if (--it->second.second == 0) {
      handle = it->second.first;
      table.opened.erase(it);
    }
  }
  if (handle)
    dlclose(handle);
  return TRUE;
}

#include "aip/qoraipPlatformServices.h"

#include "plat/qorplatInternetGET.h"
#include "plat/qorplatInternetPOST.h"

#include "plat/qorplatCallbackScheduler.h"
#include "win/WinBase.h"
#include "win/WinUser.h"

namespace qor {
namespace aip {
namespace platform {

void* hostInstanceOfWindow(PlatformWindow window)
{
  if (!window)
    return nullptr;
  return reinterpret_cast<void*>(GetWindowLongW(reinterpret_cast<HWND>(window), GWL_HINSTANCE));
}

void* moduleHandle()
{
  MEMORY_BASIC_INFORMATION info{};
  if (VirtualQuery(reinterpret_cast<LPCVOID>(&moduleHandle), &info, sizeof info) == 0)
    return nullptr;
  WCHAR path[520];
  if (GetModuleFileNameW(static_cast<HMODULE>(info.AllocationBase), path, 520) == 0)
    return nullptr;
  return info.AllocationBase;
}

void debuggerOutput(const std::string& text)
{
  OutputDebugStringA(text.c_str());
}

void createSchedulerWindow()
{
  qor::plat::createCallbackWindow();
}

void destroySchedulerWindow()
{
  qor::plat::destroyCallbackWindow();
}

bool schedulerWindowExists()
{
  return qor::plat::callbackWindow() != nullptr;
}

void* schedulerWindow()
{
  return qor::plat::callbackWindow();
}

void stopPendingHttpCallbacks(bool get)
{
  if (get)
    qor::plat::stopAllGetCallbacks();
  else
    qor::plat::stopAllPostCallbacks();
}

}  // namespace platform
}  // namespace aip
}  // namespace qor

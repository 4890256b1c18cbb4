// The calling thread's last error, as the Windows API keeps it. Weak, so that the kernel services of the
// layer may define the one the process uses.
#include "win/WinMinTypes.h"

namespace qorwinLastError_detail {
thread_local DWORD lastError = 0;
}

__attribute__((weak)) DWORD GetLastError()
{
  return qorwinLastError_detail::lastError;
}

__attribute__((weak)) void SetLastError(DWORD error)
{
  qorwinLastError_detail::lastError = error;
}

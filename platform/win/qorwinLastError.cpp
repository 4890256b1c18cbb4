// The calling thread's last error, as the Windows API keeps it.
#include "win/WinTypes.h"

namespace qorwinLastError_detail {
thread_local DWORD lastError = 0;
}

DWORD GetLastError()
{
  return qorwinLastError_detail::lastError;
}

void SetLastError(DWORD error)
{
  qorwinLastError_detail::lastError = error;
}

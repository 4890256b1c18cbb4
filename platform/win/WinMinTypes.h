// The types and result codes of the Windows API that the file and internet services add to the
// layer's basic types.
#pragma once

#include "win/WinTypes.h"

typedef LONG HRESULT;
typedef ULONGLONG DWORDLONG;
typedef HANDLE* PHANDLE;
typedef void* HLOCAL;
typedef DWORD* PDWORD;
typedef ULONG* PULONG;

#define S_OK ((HRESULT)0)
#define E_FAIL ((HRESULT)0x80004005L)
#define E_INVALIDARG ((HRESULT)0x80070057L)

DWORD GetLastError();
void SetLastError(DWORD error);
BOOL CloseHandle(HANDLE handle);

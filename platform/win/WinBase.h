// Kernel services of the Windows layer: errors, threads, time, modules, debugger output, code pages,
// the thread snapshot and the version query.
#pragma once

#include "win/WinTypes.h"

DWORD GetLastError();
void SetLastError(DWORD error);

DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();
BOOL CloseHandle(HANDLE handle);

// Milliseconds of the layer's one clock (see win/WinTest.h).
DWORD GetTickCount();
ULONGLONG GetTickCount64();
void GetSystemTimeAsFileTime(LPFILETIME time);

// Debugger output goes to a sink that tests read, and to stderr when QOR_DEBUG_OUTPUT is set.
void OutputDebugStringA(LPCSTR text);
void OutputDebugStringW(LPCWSTR text);

// Code pages. CP_ACP and CP_OEMCP are UTF-8 on this platform.
#define CP_ACP 0
#define CP_OEMCP 1
#define CP_MACCP 2
#define CP_THREAD_ACP 3
#define CP_UTF7 65000
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_NO_BEST_FIT_CHARS 0x00000400

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int byteCount, LPWSTR out, int outCount);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int charCount, LPSTR out, int outCount,
                        LPCSTR defaultChar, LPBOOL usedDefaultChar);
BOOL IsValidCodePage(UINT codePage);

// Modules. A module handle is the base address the module is loaded at.
struct MEMORY_BASIC_INFORMATION
{
  LPVOID BaseAddress;
  LPVOID AllocationBase;
  DWORD AllocationProtect;
  SIZE_T RegionSize;
  DWORD State;
  DWORD Protect;
  DWORD Type;
};
typedef MEMORY_BASIC_INFORMATION* PMEMORY_BASIC_INFORMATION;
#define MEM_COMMIT 0x1000
#define MEM_IMAGE 0x1000000
#define PAGE_EXECUTE_READ 0x20
#define MAX_PATH 260

// Memory. VirtualAlloc commits zeroed pages; MEM_RELEASE with size 0 frees a whole allocation.
#define MEM_RESERVE 0x2000
#define MEM_DECOMMIT 0x4000
#define MEM_RELEASE 0x8000
#define PAGE_NOACCESS 0x01
#define PAGE_READONLY 0x02
#define PAGE_READWRITE 0x04
LPVOID VirtualAlloc(LPVOID address, SIZE_T size, DWORD allocationType, DWORD protect);
BOOL VirtualFree(LPVOID address, SIZE_T size, DWORD freeType);

// a × b / c rounded half away from zero, computed without overflow; -1 when c is 0.
int MulDiv(int a, int b, int c);

SIZE_T VirtualQuery(LPCVOID address, PMEMORY_BASIC_INFORMATION info, SIZE_T size);
DWORD GetModuleFileNameW(HMODULE module, LPWSTR out, DWORD size);
DWORD GetModuleFileNameA(HMODULE module, LPSTR out, DWORD size);
HMODULE GetModuleHandleW(LPCWSTR name);
HMODULE LoadLibraryW(LPCWSTR path);
HMODULE LoadLibraryA(LPCSTR path);
void* GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);

// Thread snapshot and thread times.
#define TH32CS_SNAPTHREAD 0x00000004
struct THREADENTRY32
{
  DWORD dwSize;
  DWORD cntUsage;
  DWORD th32ThreadID;
  DWORD th32OwnerProcessID;
  LONG tpBasePri;
  LONG tpDeltaPri;
  DWORD dwFlags;
};
typedef THREADENTRY32* LPTHREADENTRY32;
#define THREAD_QUERY_INFORMATION 0x0040

HANDLE CreateToolhelp32Snapshot(DWORD flags, DWORD processId);
BOOL Thread32First(HANDLE snapshot, LPTHREADENTRY32 entry);
BOOL Thread32Next(HANDLE snapshot, LPTHREADENTRY32 entry);
HANDLE OpenThread(DWORD access, BOOL inherit, DWORD threadId);
BOOL GetThreadTimes(HANDLE thread, LPFILETIME creation, LPFILETIME exit, LPFILETIME kernel, LPFILETIME user);

// Operating-system version. The layer reports 10.0 service pack 0 unless a test sets another.
struct OSVERSIONINFOEXW
{
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  WCHAR szCSDVersion[128];
  WORD wServicePackMajor;
  WORD wServicePackMinor;
  WORD wSuiteMask;
  BYTE wProductType;
  BYTE wReserved;
};
typedef OSVERSIONINFOEXW* LPOSVERSIONINFOEXW;
#define VER_MINORVERSION 0x0000001
#define VER_MAJORVERSION 0x0000002
#define VER_BUILDNUMBER 0x0000004
#define VER_PLATFORMID 0x0000008
#define VER_SERVICEPACKMINOR 0x0000010
#define VER_SERVICEPACKMAJOR 0x0000020
#define VER_EQUAL 1
#define VER_GREATER 2
#define VER_GREATER_EQUAL 3
#define VER_LESS 4
#define VER_LESS_EQUAL 5

ULONGLONG VerSetConditionMask(ULONGLONG mask, DWORD typeBit, BYTE condition);
BOOL VerifyVersionInfoW(LPOSVERSIONINFOEXW info, DWORD typeMask, ULONGLONG conditionMask);

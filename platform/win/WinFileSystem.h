// The file-system, security and shell subset of the Windows API that the framework calls, over POSIX.
// Paths are UTF-16; "\" and "/" both separate folders (the layer maps "\" to "/" at the POSIX boundary).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "win/WinMinTypes.h"

// ---- Memory handed out by the system ----
#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)
HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
HLOCAL LocalFree(HLOCAL memory);

// ---- Files and folders ----
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_WRITE_FAULT 29L
#define ERROR_HANDLE_DISK_FULL 39L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_DISK_FULL 112L
#define ERROR_INSUFFICIENT_BUFFER 122L
#define ERROR_ALREADY_EXISTS 183L

typedef struct _SECURITY_ATTRIBUTES
{
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

// Creates the last folder of the path. With a descriptor, the current user's entry decides the folder's
// mode (read 0400, write 0200, execute 0100; all rights 0700); nobody else gets any right, since the
// Administrators and Local System trustees have no POSIX counterpart short of the superuser.
BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES attributes);

#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_WRITE_THROUGH 0x00000008
// With MOVEFILE_WRITE_THROUGH the move is on disk when it returns: the folder is synced after it.
BOOL MoveFileExW(LPCWSTR existing, LPCWSTR replacement, DWORD flags);
BOOL DeleteFileW(LPCWSTR path);

// The C runtime's wide stat: 0 when the path names a file or folder.
struct _stat
{
  std::uint32_t st_mode;
  std::int64_t st_size;
};
#define _S_IFMT 0xF000
#define _S_IFDIR 0x4000
#define _S_IFREG 0x8000
int _wstat(const WCHAR* path, struct _stat* buffer);
// The C runtime's wide chmod: gives the file the permission bits of mode (an st_mode from _wstat keeps
// them as they were, a read-only file stays read-only); 0 on success.
int _wchmod(const WCHAR* path, int mode);

// Sharing modes of the C runtime's shared opens.
#define _SH_DENYRW 0x10
#define _SH_DENYWR 0x20
#define _SH_DENYRD 0x30
#define _SH_DENYNO 0x40

// The C runtime's wide file streams in text mode under the "C" locale: each wide character is one byte
// on disk (its low eight bits), and a line feed is stored as carriage return and line feed.
class WideTextInputFile
{
public:
  WideTextInputFile() = default;
  WideTextInputFile(const WideTextInputFile&) = delete;
  WideTextInputFile& operator=(const WideTextInputFile&) = delete;
  ~WideTextInputFile();

  bool open(const WCHAR* path, int shareFlag);
  bool is_open() const { return fd >= 0; }
  // The next line without its line feed; a CR LF pair reads as a line feed. False at the end.
  bool getline(std::u16string& line);
  void close();

private:
  bool fill();

  int fd = -1;
  char buffer[4096];
  std::size_t begin = 0;
  std::size_t end = 0;
  bool atEnd = false;
};

class WideTextOutputFile
{
public:
  WideTextOutputFile() = default;
  WideTextOutputFile(const WideTextOutputFile&) = delete;
  WideTextOutputFile& operator=(const WideTextOutputFile&) = delete;
  ~WideTextOutputFile();

  // Creates or truncates the file.
  bool open(const WCHAR* path, int shareFlag);
  bool is_open() const { return fd >= 0; }
  void write(const WCHAR* text, std::size_t count);
  bool fail() const { return failed; }
  bool bad() const { return failed; }
  // Flushes the file to disk; a failure to do so sets the failed state.
  void close();

private:
  int fd = -1;
  bool failed = false;
};

// ---- Security identifiers and descriptors ----
typedef void* PSID;
typedef void* PSECURITY_DESCRIPTOR;

#define TOKEN_QUERY 0x0008
typedef enum _TOKEN_INFORMATION_CLASS
{
  TokenUser = 1
} TOKEN_INFORMATION_CLASS;

typedef struct _SID_AND_ATTRIBUTES
{
  PSID Sid;
  DWORD Attributes;
} SID_AND_ATTRIBUTES;

typedef struct _TOKEN_USER
{
  SID_AND_ATTRIBUTES User;
} TOKEN_USER, *PTOKEN_USER;

HANDLE GetCurrentProcess();
BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, PHANDLE token);
BOOL GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS infoClass, LPVOID info, DWORD length,
                         PDWORD returnLength);
BOOL ConvertSidToStringSidW(PSID sid, LPWSTR* text);

#define SDDL_REVISION_1 1
// The descriptor keeps its SDDL text, which CreateDirectoryW reads back.
BOOL ConvertStringSecurityDescriptorToSecurityDescriptorW(LPCWSTR text, DWORD revision,
                                                          PSECURITY_DESCRIPTOR* descriptor, PULONG size);

// ---- Shell folders ----
#define CSIDL_LOCAL_APPDATA 0x001c
#define SHGFP_TYPE_CURRENT 0
#define MAX_PATH 260
// The local application-data folder is $LOCALAPPDATA, else $XDG_DATA_HOME, else ~/.local/share; it is
// created (mode 0700) when missing, as it always exists on the real system.
HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);

namespace qorwin {
namespace test {
// The SDDL text of the descriptor that the last CreateDirectoryW of this thread was given ("" for none).
std::u16string lastCreateDirectorySddl();
}  // namespace test
}  // namespace qorwin

// Files, folders, process tokens, security descriptors and the shell's folders, over POSIX.
#include "win/WinFileSystem.h"
#include "qorwinState.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "win/qorwinTextCodec.h"

namespace qorwinFileSystem_detail {

DWORD errorFromErrno(int e)
{
  switch (e) {
  case ENOENT:
    return ERROR_FILE_NOT_FOUND;
  case ENOTDIR:
  case ENAMETOOLONG:
    return ERROR_PATH_NOT_FOUND;
  case EACCES:
  case EPERM:
  case EROFS:
  case EISDIR:
    return ERROR_ACCESS_DENIED;
  case EEXIST:
    return ERROR_ALREADY_EXISTS;
  case ENOSPC:
  case EFBIG:
  case EDQUOT:
    return ERROR_DISK_FULL;
  case ENOMEM:
    return ERROR_NOT_ENOUGH_MEMORY;
  default:
    return ERROR_WRITE_FAULT;
  }
}

// Every memory block of LocalAlloc starts with this header, so LocalFree can tell its own blocks.
struct LocalBlock
{
  std::uint64_t magic;
  std::size_t size;
};
constexpr std::uint64_t kLocalMagic = 0x4c6f63616c426c6bULL;

constexpr std::uint32_t kDescriptorMagic = 0x53444444;  // "SDDD"
struct Descriptor
{
  std::uint32_t magic;
  std::uint32_t length;
  char16_t text[1];
};

// The process token's one instance; its address is the token handle.
struct Token
{
  std::uint32_t magic;
};
Token processToken{0x544f4b4e};

// A security identifier as the system lays it out (revision, count, authority, sub-authorities).
struct Sid
{
  BYTE Revision;
  BYTE SubAuthorityCount;
  BYTE IdentifierAuthority[6];
  DWORD SubAuthority[5];
};

thread_local std::u16string lastSddl;

Sid userSid(uid_t uid)
{
  // A machine-independent domain part and the POSIX user id as the relative id.
  Sid sid{};
  sid.Revision = 1;
  sid.SubAuthorityCount = 5;
  sid.IdentifierAuthority[5] = 5;
  sid.SubAuthority[0] = 21;
  sid.SubAuthority[1] = 1;
  sid.SubAuthority[2] = 2;
  sid.SubAuthority[3] = 3;
  sid.SubAuthority[4] = DWORD(uid);
  return sid;
}

std::string sidText(const Sid& sid)
{
  std::uint64_t authority = 0;
  for (int i = 0; i < 6; ++i)
    authority = (authority << 8) | sid.IdentifierAuthority[i];
  std::string s = "S-" + std::to_string(sid.Revision) + "-" + std::to_string(authority);
  for (int i = 0; i < sid.SubAuthorityCount && i < 5; ++i)
    s += "-" + std::to_string(sid.SubAuthority[i]);
  return s;
}

// One access-control entry "(type;flags;rights;;;trustee)" of an SDDL text.
struct Ace
{
  std::string type, rights, trustee;
};

bool parseSddl(const std::string& text, std::vector<Ace>& aces)
{
  if (text.compare(0, 2, "D:") != 0)
    return false;
  std::size_t i = 2;
  // Optional DACL flags such as "P" or "AI" before the first entry.
  while (i < text.size() && text[i] != '(')
    if (!std::isupper(static_cast<unsigned char>(text[i++])))
      return false;
  if (i >= text.size())
    return false;
  while (i < text.size()) {
    if (text[i] != '(')
      return false;
    const std::size_t close = text.find(')', i);
    if (close == std::string::npos)
      return false;
    std::vector<std::string> fields;
    std::size_t start = i + 1;
    for (;;) {
      const std::size_t semi = text.find(';', start);
      if (semi == std::string::npos || semi > close) {
        fields.push_back(text.substr(start, close - start));
        break;
      }
      fields.push_back(text.substr(start, semi - start));
      start = semi + 1;
    }
    if (fields.size() != 6 || (fields[0] != "A" && fields[0] != "D") || fields[5].empty())
      return false;
    aces.push_back({fields[0], fields[2], fields[5]});
    i = close + 1;
  }
  return true;
}

mode_t rightsToMode(const std::string& rights)
{
  mode_t mode = 0;
  for (std::size_t i = 0; i + 1 < rights.size(); i += 2) {
    const std::string r = rights.substr(i, 2);
    if (r == "GA")
      mode |= 0700;
    else if (r == "GR")
      mode |= 0400;
    else if (r == "GW")
      mode |= 0200;
    else if (r == "GX")
      mode |= 0100;
  }
  return mode;
}

// The folder mode a descriptor gives the current user: the first entry naming the user decides.
mode_t modeForDescriptor(const Descriptor* d)
{
  std::vector<Ace> aces;
  if (!parseSddl(qorwin::codec::toUtf8(d->text, d->length), aces))
    return 0;
  const std::string me = sidText(userSid(geteuid()));
  for (const Ace& ace : aces) {
    if (ace.trustee != me)
      continue;
    return ace.type == "D" ? 0 : rightsToMode(ace.rights);
  }
  return 0;
}

bool makeFolders(const std::string& path)
{
  struct stat st;
  if (::stat(path.c_str(), &st) == 0)
    return S_ISDIR(st.st_mode);
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !makeFolders(path.substr(0, slash)))
    return false;
  return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

bool writeAll(int fd, const char* data, std::size_t size)
{
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      SetLastError(errorFromErrno(errno));
      return false;
    }
    data += n;
    size -= std::size_t(n);
  }
  return true;
}

}  // namespace qorwinFileSystem_detail


HLOCAL LocalAlloc(UINT flags, SIZE_T bytes)
{
  (void)flags;  // every block is zeroed, LMEM_ZEROINIT or not
  auto* block = static_cast<qorwinFileSystem_detail::LocalBlock*>(std::calloc(1, sizeof(qorwinFileSystem_detail::LocalBlock) + bytes));
  if (!block) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  block->magic = qorwinFileSystem_detail::kLocalMagic;
  block->size = bytes;
  return block + 1;
}

HLOCAL LocalFree(HLOCAL memory)
{
  if (!memory)
    return nullptr;
  auto* block = static_cast<qorwinFileSystem_detail::LocalBlock*>(memory) - 1;
  if (block->magic != qorwinFileSystem_detail::kLocalMagic) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return memory;
  }
  block->magic = 0;
  std::free(block);
  return nullptr;
}

BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES attributes)
{
  mode_t mode = 0777;  // default security: what the umask allows
  qorwinFileSystem_detail::lastSddl.clear();
  if (attributes && attributes->lpSecurityDescriptor) {
    const auto* d = static_cast<const qorwinFileSystem_detail::Descriptor*>(attributes->lpSecurityDescriptor);
    if (d->magic != qorwinFileSystem_detail::kDescriptorMagic) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    qorwinFileSystem_detail::lastSddl.assign(d->text, d->length);
    mode = qorwinFileSystem_detail::modeForDescriptor(d);
  }
  if (!path || !*path) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  const std::string p = qorwin::codec::posixPath(path);
  if (::mkdir(p.c_str(), mode) != 0) {
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : qorwinFileSystem_detail::errorFromErrno(errno));
    return FALSE;
  }
  return TRUE;
}

BOOL MoveFileExW(LPCWSTR existing, LPCWSTR replacement, DWORD flags)
{
  if (!existing || !replacement) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::string from = qorwin::codec::posixPath(existing);
  const std::string to = qorwin::codec::posixPath(replacement);
  struct stat st;
  if (!(flags & MOVEFILE_REPLACE_EXISTING) && ::lstat(to.c_str(), &st) == 0) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return FALSE;
  }
  if (::rename(from.c_str(), to.c_str()) != 0) {
    SetLastError(qorwinFileSystem_detail::errorFromErrno(errno));
    return FALSE;
  }
  if (flags & MOVEFILE_WRITE_THROUGH) {
    const size_t slash = to.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : to.substr(0, slash);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
      ::fsync(fd);
      ::close(fd);
    }
  }
  return TRUE;
}

BOOL DeleteFileW(LPCWSTR path)
{
  if (!path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (::unlink(qorwin::codec::posixPath(path).c_str()) != 0) {
    SetLastError(qorwinFileSystem_detail::errorFromErrno(errno));
    return FALSE;
  }
  return TRUE;
}

int _wstat(const WCHAR* path, struct _stat* buffer)
{
  if (!path || !buffer) {
    errno = EINVAL;
    return -1;
  }
  struct stat st;
  if (::stat(qorwin::codec::posixPath(path).c_str(), &st) != 0)
    return -1;
  buffer->st_mode = (S_ISDIR(st.st_mode) ? _S_IFDIR : S_ISREG(st.st_mode) ? _S_IFREG : 0) | (st.st_mode & 0777);
  buffer->st_size = st.st_size;
  return 0;
}

int _wchmod(const WCHAR* path, int mode)
{
  if (!path) {
    errno = EINVAL;
    return -1;
  }
  return ::chmod(qorwin::codec::posixPath(path).c_str(), static_cast<mode_t>(mode) & 0777);
}

WideTextInputFile::~WideTextInputFile()
{
  close();
}

bool WideTextInputFile::open(const WCHAR* path, int)
{
  close();
  if (!path)
    return false;
  fd = ::open(qorwin::codec::posixPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetLastError(qorwinFileSystem_detail::errorFromErrno(errno));
    return false;
  }
  begin = end = 0;
  atEnd = false;
  return true;
}

bool WideTextInputFile::fill()
{
  if (atEnd || fd < 0)
    return false;
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0) {
      atEnd = true;  // end of file, or a read error (a folder, say): the stream ends
      return false;
    }
    begin = 0;
    end = std::size_t(n);
    return true;
  }
}

bool WideTextInputFile::getline(std::u16string& line)
{
  line.clear();
  bool any = false;
  for (;;) {
    if (begin == end && !fill())
      break;
    any = true;
    const char* start = buffer + begin;
    const auto* nl = static_cast<const char*>(std::memchr(start, '\n', end - begin));
    const char* stop = nl ? nl : buffer + end;
    for (const char* c = start; c < stop; ++c)
      line += char16_t(static_cast<unsigned char>(*c));
    begin = std::size_t(stop - buffer);
    if (nl) {
      ++begin;
      // Text mode reads a carriage return that precedes a line feed as part of the line break.
      if (!line.empty() && line.back() == u'\r')
        line.pop_back();
      return true;
    }
  }
  return any;
}

void WideTextInputFile::close()
{
  if (fd >= 0)
    ::close(fd);
  fd = -1;
}

WideTextOutputFile::~WideTextOutputFile()
{
  close();
}

bool WideTextOutputFile::open(const WCHAR* path, int)
{
  close();
  failed = false;
  if (!path)
    return false;
  fd = ::open(qorwin::codec::posixPath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    SetLastError(qorwinFileSystem_detail::errorFromErrno(errno));
    failed = true;
    return false;
  }
  return true;
}

void WideTextOutputFile::write(const WCHAR* text, std::size_t count)
{
  if (fd < 0 || failed) {
    failed = true;
    return;
  }
  std::string bytes;
  bytes.reserve(count + count / 16);
  for (std::size_t i = 0; i < count; ++i) {
    if (text[i] == u'\n')
      bytes += '\r';
    bytes += char(text[i] & 0xFF);
  }
  if (!qorwinFileSystem_detail::writeAll(fd, bytes.data(), bytes.size()))
    failed = true;
}

void WideTextOutputFile::close()
{
  if (fd < 0)
    return;
  if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
    SetLastError(qorwinFileSystem_detail::errorFromErrno(errno));
    failed = true;
  }
  if (::close(fd) != 0) {
    SetLastError(qorwinFileSystem_detail::errorFromErrno(errno));
    failed = true;
  }
  fd = -1;
}

HANDLE GetCurrentProcess()
{
  return reinterpret_cast<HANDLE>(std::intptr_t(-1));
}

BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, PHANDLE token)
{
  if (process != GetCurrentProcess() || !token || !(desiredAccess & TOKEN_QUERY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  // The process has one token, which needs no closing.
  *token = &qorwinFileSystem_detail::processToken;
  qorwin_detail::addPermanentHandle(*token);  // CloseHandle accepts it and leaves it open
  return TRUE;
}

BOOL GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS infoClass, LPVOID info, DWORD length,
                         PDWORD returnLength)
{
  if (token != &qorwinFileSystem_detail::processToken) {
    SetLastError(6 /* ERROR_INVALID_HANDLE */);
    return FALSE;
  }
  const uid_t uid = geteuid();
  if (infoClass != TokenUser || !returnLength) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const DWORD needed = DWORD(sizeof(TOKEN_USER) + sizeof(qorwinFileSystem_detail::Sid));
  *returnLength = needed;
  if (!info || length < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  auto* user = static_cast<TOKEN_USER*>(info);
  auto* sid = reinterpret_cast<qorwinFileSystem_detail::Sid*>(static_cast<char*>(info) + sizeof(TOKEN_USER));
  *sid = qorwinFileSystem_detail::userSid(uid);
  user->User.Sid = sid;
  user->User.Attributes = 0;
  return TRUE;
}

BOOL ConvertSidToStringSidW(PSID sid, LPWSTR* text)
{
  const auto* s = static_cast<const qorwinFileSystem_detail::Sid*>(sid);
  if (!s || !text || s->Revision != 1 || s->SubAuthorityCount > 5) {
    SetLastError(1337 /* ERROR_INVALID_SID */);
    return FALSE;
  }
  const std::u16string w = qorwin::codec::toUtf16(qorwinFileSystem_detail::sidText(*s));
  auto* out = static_cast<LPWSTR>(LocalAlloc(LPTR, (w.size() + 1) * sizeof(WCHAR)));
  if (!out)
    return FALSE;
  std::memcpy(out, w.c_str(), (w.size() + 1) * sizeof(WCHAR));
  *text = out;
  return TRUE;
}

BOOL ConvertStringSecurityDescriptorToSecurityDescriptorW(LPCWSTR text, DWORD revision,
                                                          PSECURITY_DESCRIPTOR* descriptor, PULONG size)
{
  if (!text || !descriptor || revision != SDDL_REVISION_1) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::size_t n = 0;
  while (text[n])
    ++n;
  std::vector<qorwinFileSystem_detail::Ace> aces;
  if (!qorwinFileSystem_detail::parseSddl(qorwin::codec::toUtf8(text, n), aces)) {
    SetLastError(1336 /* ERROR_INVALID_ACL */);
    return FALSE;
  }
  const std::size_t bytes = sizeof(qorwinFileSystem_detail::Descriptor) + n * sizeof(char16_t);
  auto* d = static_cast<qorwinFileSystem_detail::Descriptor*>(LocalAlloc(LPTR, bytes));
  if (!d)
    return FALSE;
  d->magic = qorwinFileSystem_detail::kDescriptorMagic;
  d->length = std::uint32_t(n);
  std::memcpy(d->text, text, n * sizeof(char16_t));
  *descriptor = d;
  if (size)
    *size = ULONG(bytes);
  return TRUE;
}

HRESULT SHGetFolderPathW(HWND, int folder, HANDLE, DWORD, LPWSTR path)
{
  if (!path)
    return E_INVALIDARG;
  path[0] = 0;
  if ((folder & 0xFF) != CSIDL_LOCAL_APPDATA)
    return E_INVALIDARG;
  std::string root;
  const char* env = std::getenv("LOCALAPPDATA");
  if (env && *env) {
    root = env;
  } else if ((env = std::getenv("XDG_DATA_HOME")) && env[0] == '/') {
    root = env;
  } else {
    const char* home = std::getenv("HOME");
    std::string h = home && *home ? home : "";
    if (h.empty()) {
      if (const passwd* pw = ::getpwuid(geteuid()))
        h = pw->pw_dir ? pw->pw_dir : "";
    }
    if (h.empty())
      return E_FAIL;
    root = h + "/.local/share";
  }
  while (root.size() > 1 && root.back() == '/')
    root.pop_back();
  if (!qorwinFileSystem_detail::makeFolders(root))
    return E_FAIL;
  const std::u16string w = qorwin::codec::toUtf16(root);
  if (w.size() >= MAX_PATH)
    return E_FAIL;
  std::memcpy(path, w.c_str(), (w.size() + 1) * sizeof(WCHAR));
  return S_OK;
}

namespace qorwin {
namespace test {
std::u16string lastCreateDirectorySddl()
{
  return qorwinFileSystem_detail::lastSddl;
}
}  // namespace test
}  // namespace qorwin

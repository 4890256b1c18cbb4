#include "plat/qorplatFileSystem.h"

#include "plat/qorplatStrings.h"
#include "utils/qorutilsStrings.h"
#include "win/WinBase.h"
#include "win/WinFileSystem.h"

#include <atomic>
#include <string>

namespace qorplatFileSystem_detail {

// One trustee's entry: all three rights allow all, some allow those, none deny all.
std::u16string trusteeEntry(unsigned int bits, const std::u16string& trustee)
{
  if (bits == 7)
    return u"(A;OICI;GA;;;" + trustee + u")";
  if (bits == 0)
    return u"(D;OICI;GA;;;" + trustee + u")";
  std::u16string entry = u"(A;OICI;";
  if (bits & 4)
    entry += u"GR";
  if (bits & 2)
    entry += u"GW";
  if (bits & 1)
    entry += u"GX";
  return entry + u";;;" + trustee + u")";
}

}  // namespace qorplatFileSystem_detail

namespace qor {
namespace plat {

bool pathExists(const std::string& path)
{
  std::u16string wide = qor::utils::utf8ToUtf16(path);
  while (wide.size() >= 2 && wide.back() == u'\\')
    wide.pop_back();
  struct _stat info;
  return _wstat(wide.c_str(), &info) == 0;
}

std::string readTextFile(const std::string& path)
{
  std::string result;
  WideTextInputFile in;
  if (!in.open(qor::utils::utf8ToUtf16(path).c_str(), _SH_DENYNO))
    return result;
  std::u16string line;
  std::string bytes;
  while (in.getline(line)) {
    bytes.clear();
    for (char16_t c : line)
      bytes += char(c & 0xFF);
    result += qor::utils::replaceAll(bytes, "\r", "");
    result += "\r\n";
  }
  in.close();
  return result;
}

bool writeTextFile(const std::string& path, const std::string& bytes)
{
  // Written beside the file and moved over it only when complete, so that a full disk or a failed
  // write never leaves a truncated file in place of the old one. The temporary name is unique to this
  // process and this write: two processes saving at once must not write into one temporary file.
  static std::atomic<unsigned> serial{0};
  const std::u16string target = qor::utils::utf8ToUtf16(path);
  const std::u16string temporary = target + u".~" + qor::utils::utf8ToUtf16(std::to_string(GetCurrentProcessId())) +
                                   u"-" + qor::utils::utf8ToUtf16(std::to_string(serial++)) + u".tmp";
  WideTextOutputFile out;
  if (!out.open(temporary.c_str(), _SH_DENYNO))
    return false;
  std::u16string wide;
  wide.reserve(bytes.size());
  for (unsigned char c : bytes)
    wide += char16_t(c);
  out.write(wide.data(), wide.size());
  bool ok = !out.fail() && !out.bad();
  out.close();
  ok = ok && !out.fail() && !out.bad();
  // The new file takes the old one's permissions (a read-only file stays read-only).
  struct _stat existing;
  if (ok && _wstat(target.c_str(), &existing) == 0)
    ok = _wchmod(temporary.c_str(), int(existing.st_mode)) == 0;
  if (ok)
    ok = MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok)
    DeleteFileW(temporary.c_str());
  return ok;
}

LPWSTR currentUserSidString()
{
  static WCHAR empty[1] = {0};
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return empty;
  LPWSTR text = empty;
  DWORD length = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &length);
  if (length > 0) {
    if (HLOCAL buffer = LocalAlloc(LPTR, length)) {
      LPWSTR converted = nullptr;
      if (GetTokenInformation(token, TokenUser, buffer, length, &length) &&
          ConvertSidToStringSidW(static_cast<TOKEN_USER*>(buffer)->User.Sid, &converted))
        text = converted;
      LocalFree(buffer);
    }
  }
  CloseHandle(token);
  return text;
}

bool createDirectoryWithPermissions(const std::string& path, unsigned int permissions)
{
  LPWSTR sid = currentUserSidString();
  const std::u16string user(sid);
  if (sid[0])
    LocalFree(sid);
  const std::u16string sddl = u"D:" + qorplatFileSystem_detail::trusteeEntry((permissions >> 6) & 7, user) +
                              qorplatFileSystem_detail::trusteeEntry((permissions >> 3) & 7, u"BA") +
                              qorplatFileSystem_detail::trusteeEntry(permissions & 7, u"SY");
  SECURITY_ATTRIBUTES attributes;
  attributes.nLength = sizeof(SECURITY_ATTRIBUTES);
  attributes.bInheritHandle = FALSE;
  attributes.lpSecurityDescriptor = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
    attributes.lpSecurityDescriptor = descriptor;
  const bool created = CreateDirectoryW(qor::utils::utf8ToUtf16(path).c_str(), &attributes) != 0;
  if (descriptor)
    LocalFree(descriptor);
  return created;
}

std::string localAppDataPath(const std::string& subPath, bool create)
{
  WCHAR folder[MAX_PATH] = {0};
  // Without the folder there is no safe place to name: a path made of the sub-path alone would land at
  // the root of the drive.
  if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
    return std::string();
  const std::string path = wideStringToUtf8(CStringW(folder)) + "\\" + subPath;
  if (create)
    createDirectoryWithPermissions(path, 0770);
  return path;
}

}  // namespace plat
}  // namespace qor

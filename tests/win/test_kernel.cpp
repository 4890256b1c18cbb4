// Kernel services: module handles and file names, code pages, the version query and the thread walk.
#include "win/WinTest.h"
#include "win/Windows.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>

namespace test_kernel {

std::string realPath(const char* path)
{
  char buffer[PATH_MAX];
  return realpath(path, buffer) ? buffer : "";
}

std::string utf8(const std::u16string& text)
{
  std::string out(text.size() * 4, '\0');
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                              static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(static_cast<size_t>(n));
  return out;
}

TEST(Modules, ALoadedModuleIsNamedThroughTheAddressOfItsCode)
{
  void* module = dlopen(QOR_PLUGIN_MODULE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr) << dlerror();
  void* entry = dlsym(module, "PluginMain");
  ASSERT_NE(entry, nullptr);

  MEMORY_BASIC_INFORMATION info{};
  ASSERT_EQ(VirtualQuery(entry, &info, sizeof info), sizeof info);
  auto handle = static_cast<HMODULE>(info.AllocationBase);
  WCHAR name[520];
  DWORD length = GetModuleFileNameW(handle, name, 520);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(realPath(utf8(std::u16string(name, length)).c_str()), realPath(QOR_PLUGIN_MODULE));

  // A short buffer gets a truncated, terminated name and the error.
  WCHAR small[4];
  EXPECT_EQ(GetModuleFileNameW(handle, small, 4), 4u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(small[3], 0);

  // Loading it through the layer gives the same handle, and its entry point.
  std::u16string path;
  for (const char* p = QOR_PLUGIN_MODULE; *p; ++p)
    path.push_back(static_cast<char16_t>(*p));
  HMODULE loaded = LoadLibraryW(path.c_str());
  EXPECT_EQ(loaded, handle);
  EXPECT_EQ(GetProcAddress(loaded, "PluginMain"), entry);
  EXPECT_EQ(GetProcAddress(loaded, "NoSuchEntry"), nullptr);
  EXPECT_TRUE(FreeLibrary(loaded));
  dlclose(module);

  // The executable is the module of a null handle.
  ASSERT_GT(GetModuleFileNameW(nullptr, name, 520), 0u);
  EXPECT_NE(utf8(name).find("test_win"), std::string::npos);
  EXPECT_EQ(VirtualQuery(nullptr, &info, sizeof info), 0u);
}

struct Decoding
{
  UINT codePage;
  std::string bytes;
  std::u16string text;
};

TEST(CodePages, DecodeWithTheSystemsRules)
{
  const Decoding cases[] = {
      {CP_UTF8, "a\xc3\xa9\xe2\x82\xac", u"a\u00e9\u20ac"},
      {CP_UTF8, "\xf0\x9f\x98\x80", u"\U0001F600"},
      {CP_UTF8,
       "a\xff"
       "b",
       u"a\uFFFDb"},                                    // invalid byte
      {CP_UTF8, "\xc0\xaf", u"\uFFFD\uFFFD"},           // overlong form
      {CP_UTF8, "\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
      {CP_UTF8, std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {10000, "\x8e\xa5", u"\u00e9\u2022"}, // Mac Roman
      {932, "\x82\xa0", u"\u3042"},         // Shift JIS
      {936, "\xc4\xe3", u"\u4f60"},
      {950, "\xa4\xa4", u"\u4e2d"},
      {20949, "\xb0\xa1", u"\uac00"},
      {1252, "\x80", u"\u20ac"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.codePage);
    WCHAR out[16] = {};
    int n = MultiByteToWideChar(c.codePage, 0, c.bytes.data(), static_cast<int>(c.bytes.size()), out, 16);
    EXPECT_EQ(std::u16string(out, static_cast<size_t>(n)), c.text);
    EXPECT_EQ(
        MultiByteToWideChar(c.codePage, 0, c.bytes.data(), static_cast<int>(c.bytes.size()), nullptr, 0), n);
  }
}

TEST(CodePages, CountsBuffersAndFailures)
{
  WCHAR out[8];
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", -1, out, 8), 4); // with the terminator
  EXPECT_EQ(out[3], 0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 3, out, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xff", 2, out, 8), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(MultiByteToWideChar(10004, 0, "a", 1, out, 8), 0); // a code page this platform lacks
  EXPECT_FALSE(IsValidCodePage(10004));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a", 0, out, 8), 0);

  char bytes[16];
  const char16_t lone[] = {u'a', 0xD800, u'b'};
  int n = WideCharToMultiByte(CP_UTF8, 0, lone, 3, bytes, 16, nullptr, nullptr);
  EXPECT_EQ(std::string(bytes, static_cast<size_t>(n)), "a\xef\xbf\xbd"
                                                        "b");
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 3, bytes, 16, nullptr, nullptr), 0);
  BOOL usedDefault = FALSE;
  n = WideCharToMultiByte(1252, 0, u"\u20ac\u4e2d", 2, bytes, 16, nullptr, &usedDefault);
  EXPECT_EQ(std::string(bytes, static_cast<size_t>(n)), "\x80?");
  EXPECT_TRUE(usedDefault);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"\u00e9", -1, nullptr, 0, nullptr, nullptr), 3);
}

TEST(Version, ComparesMajorMinorAndServicePackAsOneNumber)
{
  qorwin::setSystemVersion(6, 1, 1);
  struct Case
  {
    DWORD major, minor;
    WORD servicePack;
    bool atLeast;
  } cases[] = {{10, 0, 0, false}, {6, 2, 0, false}, {6, 1, 2, false}, {6, 1, 1, true},
               {6, 1, 0, true},   {6, 0, 2, true},  {5, 1, 3, true}};
  for (auto& c : cases) {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwMajorVersion = c.major;
    info.dwMinorVersion = c.minor;
    info.wServicePackMajor = c.servicePack;
    ULONGLONG mask = VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    EXPECT_EQ(VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, mask) !=
                  0,
              c.atLeast)
        << c.major << "." << c.minor << " sp" << c.servicePack;
  }
}

TEST(Threads, TheSnapshotListsThisThreadWithItsStartTime)
{
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    EXPECT_EQ(entry.th32OwnerProcessID, GetCurrentProcessId());
    if (entry.th32ThreadID != GetCurrentThreadId())
      continue;
    found = true;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    ASSERT_NE(thread, nullptr);
    FILETIME created{}, exited, kernel, user, now;
    ASSERT_TRUE(GetThreadTimes(thread, &created, &exited, &kernel, &user));
    GetSystemTimeAsFileTime(&now);
    auto value = [](FILETIME t) {
      return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    EXPECT_GT(value(created), 116444736000000000ULL); // after 1970
    EXPECT_LE(value(created), value(now) + 20000000ULL);
    EXPECT_TRUE(CloseHandle(thread));
  }
  EXPECT_TRUE(found);
  EXPECT_TRUE(CloseHandle(snapshot));
  EXPECT_FALSE(CloseHandle(snapshot));
}

TEST(Keys, HeldKeysAreReportedWithTheHighBit)
{
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
  qorwin::setKeyDown(VK_SHIFT, true);
  EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  qorwin::setKeyDown(VK_SHIFT, false);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
}

} // namespace test_kernel

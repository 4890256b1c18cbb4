// Files, folders and access rights of the platform layer, checked on a scratch folder.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "plat/qorplatFileSystem.h"
#include "win/WinFileSystem.h"

namespace qortest_files {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p)
{
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void spit(const fs::path& p, const std::string& bytes)
{
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

// The framework's form of a POSIX path: "\" between folders.
std::string framework(const fs::path& p)
{
  std::string s = p.string();
  for (char& c : s)
    if (c == '/')
      c = '\\';
  return s;
}

// Runs body in a child process and answers its exit code (or 128 + signal).
int inChild(const std::function<int()>& body)
{
  const pid_t pid = fork();
  if (pid == 0)
    _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class FileSystem : public ::testing::Test
{
protected:
  void SetUp() override
  {
    std::string pattern = (fs::temp_directory_path() / "qorfilesXXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
    chmod(root.c_str(), 0755);  // reachable by the unprivileged child of the permission test
  }
  void TearDown() override
  {
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(root, ec))
      if (e.is_directory())
        chmod(e.path().c_str(), 0755);
    fs::remove_all(root, ec);
  }
  fs::path root;
};

TEST_F(FileSystem, ReadTurnsEveryLineEndIntoCrLfAndKeepsOtherBytes)
{
  struct Case
  {
    const char* what;
    std::string onDisk, read;
  };
  const Case cases[] = {
      {"CR LF line end", "a\r\nb", "a\r\nb\r\n"},
      {"LF line ends, empty line kept", "a\n\nb\n", "a\r\n\r\nb\r\n"},
      {"empty file", "", ""},
      {"stored preference line ends", "{\r\r\n}\r\r\n", "{\r\n}\r\n"},
      {"a carriage return inside a line is dropped", "a\rb\n", "ab\r\n"},
      {"UTF-8 and high bytes intact", "\xc3\xa9t\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80 \xff\x80\n",
       "\xc3\xa9t\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80 \xff\x80\r\n"},
      {"NUL byte", std::string("a\0b", 3), std::string("a\0b\r\n", 5)},
  };
  for (const Case& c : cases) {
    spit(root / "in.txt", c.onDisk);
    EXPECT_EQ(qor::plat::readTextFile(framework(root / "in.txt")), c.read) << c.what;
  }
  EXPECT_EQ(qor::plat::readTextFile(framework(root / "missing.txt")), "");
  EXPECT_EQ(qor::plat::readTextFile(framework(root)), "") << "a folder reads as nothing";
}

TEST_F(FileSystem, LongLinesCrossTheReadBuffer)
{
  const std::string line(10000, 'x');
  spit(root / "long.txt", line + "\r\n" + line);
  EXPECT_EQ(qor::plat::readTextFile(framework(root / "long.txt")), line + "\r\n" + line + "\r\n");
}

TEST_F(FileSystem, WriteStoresLineFeedsAsCrLfAndEveryOtherByteUnchanged)
{
  const std::string file = framework(root / "out.txt");
  ASSERT_TRUE(qor::plat::writeTextFile(file, "x\ny"));
  EXPECT_EQ(slurp(root / "out.txt"), "x\r\ny");

  std::string all;
  for (int b = 0; b < 256; ++b)
    if (b != '\n')
      all += char(b);
  ASSERT_TRUE(qor::plat::writeTextFile(file, all));
  EXPECT_EQ(slurp(root / "out.txt"), all);

  // The preference writer's CR LF gives CR CR LF on disk, which reads back as CR LF.
  const std::string text = "{\r\n  \"n\": \"\xc3\xa9\xe2\x82\xac\"\r\n}\r\n";
  ASSERT_TRUE(qor::plat::writeTextFile(file, text));
  EXPECT_EQ(slurp(root / "out.txt"), "{\r\r\n  \"n\": \"\xc3\xa9\xe2\x82\xac\"\r\r\n}\r\r\n");
  EXPECT_EQ(qor::plat::readTextFile(file), text);

  ASSERT_TRUE(qor::plat::writeTextFile(file, ""));
  EXPECT_EQ(slurp(root / "out.txt"), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1) << "no temporary file is left";
}

TEST_F(FileSystem, ConcurrentWritersNeverTearTheFileAndTheModeStays)
{
  const std::string file = framework(root / "prefs.txt");
  ASSERT_TRUE(qor::plat::writeTextFile(file, "first"));
  ASSERT_EQ(::chmod((root / "prefs.txt").c_str(), 0444), 0);
  ASSERT_TRUE(qor::plat::writeTextFile(file, "second"));
  struct stat info {};
  ASSERT_EQ(::stat((root / "prefs.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0444u) << "a read-only file stays read-only";
  ASSERT_EQ(::chmod((root / "prefs.txt").c_str(), 0644), 0);

  // Two processes save at once, over and over: the file is always one whole document of one of them.
  const std::string a = "{\"who\":\"a\",\"pad\":\"" + std::string(20000, 'a') + "\"}";
  const std::string b = "{\"who\":\"b\"}";
  auto writer = [&](const std::string& text) {
    return [&file, text] {
      for (int i = 0; i < 200; ++i)
        if (!qor::plat::writeTextFile(file, text))
          return 1;
      return 0;
    };
  };
  const pid_t other = fork();
  if (other == 0)
    _exit(writer(b)());
  const int mine = writer(a)();
  int status = 0;
  waitpid(other, &status, 0);
  EXPECT_EQ(mine, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::string last = slurp(root / "prefs.txt");
  EXPECT_TRUE(last == a || last == b) << last.size() << " bytes: " << last.substr(0, 40);
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1) << "no temporary file is left";
}

TEST_F(FileSystem, WriteIntoAMissingFolderFailsAndCreatesNothing)
{
  EXPECT_FALSE(qor::plat::writeTextFile(framework(root / "nofolder" / "f.txt"), "data"));
  EXPECT_FALSE(fs::exists(root / "nofolder"));
  EXPECT_FALSE(qor::plat::writeTextFile(framework(root), "data")) << "a folder is not replaced by a file";
  EXPECT_TRUE(fs::is_directory(root));
  EXPECT_TRUE(fs::is_empty(root));
}

TEST_F(FileSystem, WriteIntoAFolderWithoutWritePermissionFailsAndKeepsTheOldFile)
{
  fs::create_directory(root / "ro");
  spit(root / "ro" / "f.txt", "old");
  chmod((root / "ro").c_str(), 0555);
  const std::string file = framework(root / "ro" / "f.txt");
  const int rc = inChild([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
      return 3;
    return qor::plat::writeTextFile(file, "new") ? 1 : 0;
  });
  EXPECT_EQ(rc, 0) << "the write must be reported as failed";
  EXPECT_EQ(slurp(root / "ro" / "f.txt"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(root / "ro"), fs::directory_iterator()), 1);
}

TEST_F(FileSystem, WriteOnAFullDiskFailsAndKeepsTheOldFile)
{
  const fs::path disk = root / "disk";
  fs::create_directory(disk);
  const std::string big(256 * 1024, 'z');
  const int rc = inChild([&] {
    // A small private file system where possible, else a limit on the size of any file.
    bool mounted = unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") == 0;
    spit(disk / "f.txt", "old");
    if (!mounted) {
      signal(SIGXFSZ, SIG_IGN);
      rlimit limit{64 * 1024, 64 * 1024};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 3;
    }
    if (qor::plat::writeTextFile(framework(disk / "f.txt"), big))
      return 1;
    if (slurp(disk / "f.txt") != "old")
      return 2;
    if (std::distance(fs::directory_iterator(disk), fs::directory_iterator()) != 1)
      return 4;
    return 0;
  });
  EXPECT_EQ(rc, 0) << "1: reported success, 2: old file damaged, 3: no way to fill a disk, 4: leftover file";
}

TEST_F(FileSystem, PathExistsIgnoresTrailingBackslashes)
{
  fs::create_directories(root / "d" / "e");
  spit(root / "d" / "f.txt", "");
  EXPECT_TRUE(qor::plat::pathExists(framework(root / "d")));
  EXPECT_TRUE(qor::plat::pathExists(framework(root / "d") + "\\"));
  EXPECT_TRUE(qor::plat::pathExists(framework(root / "d") + "\\\\\\"));
  EXPECT_TRUE(qor::plat::pathExists(framework(root / "d" / "e")));
  EXPECT_TRUE(qor::plat::pathExists(framework(root / "d" / "f.txt")));
  EXPECT_TRUE(qor::plat::pathExists("\\")) << "the root folder itself";
  EXPECT_FALSE(qor::plat::pathExists(framework(root / "nothing")));
  EXPECT_FALSE(qor::plat::pathExists(""));
}

TEST_F(FileSystem, CurrentUserSidNamesThisUser)
{
  LPWSTR sid = qor::plat::currentUserSidString();
  std::string text;
  for (const WCHAR* c = sid; *c; ++c)
    text += char(*c);
  ASSERT_FALSE(text.empty());
  LocalFree(sid);
  EXPECT_EQ(text.rfind("S-1-5-21-", 0), 0u) << text;
  EXPECT_EQ(text.substr(text.rfind('-') + 1), std::to_string(geteuid())) << text;
}

TEST_F(FileSystem, FolderAccessListAndModeFollowThePermissionBits)
{
  LPWSTR sidText = qor::plat::currentUserSidString();
  const std::u16string sid(sidText);
  LocalFree(sidText);
  umask(0);  // the mode must come from the bits alone, never wider than the user's own rights
  struct Case
  {
    unsigned int permissions;
    std::u16string sddl;
    unsigned int mode;
  };
  const Case cases[] = {
      {0770, u"D:(A;OICI;GA;;;" + sid + u")(A;OICI;GA;;;BA)(D;OICI;GA;;;SY)", 0700},
      {0644, u"D:(A;OICI;GRGW;;;" + sid + u")(A;OICI;GR;;;BA)(A;OICI;GR;;;SY)", 0600},
      {0, u"D:(D;OICI;GA;;;" + sid + u")(D;OICI;GA;;;BA)(D;OICI;GA;;;SY)", 0},
      {0777, u"D:(A;OICI;GA;;;" + sid + u")(A;OICI;GA;;;BA)(A;OICI;GA;;;SY)", 0700},
      {0531, u"D:(A;OICI;GRGX;;;" + sid + u")(A;OICI;GWGX;;;BA)(A;OICI;GX;;;SY)", 0500},
      {01770, u"D:(A;OICI;GA;;;" + sid + u")(A;OICI;GA;;;BA)(D;OICI;GA;;;SY)", 0700},
  };
  int n = 0;
  for (const Case& c : cases) {
    const fs::path dir = root / ("p" + std::to_string(n++));
    ASSERT_TRUE(qor::plat::createDirectoryWithPermissions(framework(dir), c.permissions)) << c.permissions;
    EXPECT_TRUE(qorwin::test::lastCreateDirectorySddl() == c.sddl) << std::oct << c.permissions;
    struct stat st;
    ASSERT_EQ(stat(dir.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.mode) << std::oct << c.permissions;
  }
  EXPECT_FALSE(qor::plat::createDirectoryWithPermissions(framework(root / "p0"), 0770)) << "exists already";
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(qor::plat::createDirectoryWithPermissions(framework(root / "no" / "child"), 0770))
      << "parent missing";
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(fs::exists(root / "no"));
}

TEST_F(FileSystem, LocalAppDataFolderComesFromTheEnvironmentInOrder)
{
  struct Case
  {
    const char* what;
    const char* localAppData;
    const char* xdgDataHome;
    fs::path expected;
  };
  const Case cases[] = {
      {"LOCALAPPDATA first", "lad", "xdg", root / "lad"},
      {"then XDG_DATA_HOME", nullptr, "xdg", root / "xdg"},
      {"then HOME/.local/share", nullptr, nullptr, root / "home" / ".local" / "share"},
      {"empty values count as unset", "", "", root / "home" / ".local" / "share"},
  };
  setenv("HOME", (root / "home").c_str(), 1);
  for (const Case& c : cases) {
    for (auto [name, value] : {std::pair{"LOCALAPPDATA", c.localAppData}, std::pair{"XDG_DATA_HOME", c.xdgDataHome}}) {
      if (!value)
        unsetenv(name);
      else
        setenv(name, *value ? (root / value).c_str() : "", 1);
    }
    const std::string path = qor::plat::localAppDataPath("Sub", false);
    EXPECT_EQ(path, c.expected.string() + "\\Sub") << c.what;
    EXPECT_TRUE(fs::is_directory(c.expected)) << c.what << ": the base folder always exists";
    EXPECT_FALSE(fs::exists(c.expected / "Sub")) << c.what;
  }
}

TEST_F(FileSystem, LocalAppDataPathCreatesOnlyTheLastFolderForTheUserAlone)
{
  setenv("LOCALAPPDATA", root.c_str(), 1);
  umask(0);
  const std::string expected = root.string() + "\\Vendor\\Product 16";
  EXPECT_EQ(qor::plat::localAppDataPath("Vendor\\Product 16", true), expected);
  EXPECT_FALSE(fs::exists(root / "Vendor")) << "the first folder is missing, so nothing is made";

  fs::create_directory(root / "Vendor");
  EXPECT_EQ(qor::plat::localAppDataPath("Vendor\\Product 16", true), expected);
  struct stat st;
  ASSERT_EQ(stat((root / "Vendor" / "Product 16").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  // An existing folder stays as it is.
  chmod((root / "Vendor" / "Product 16").c_str(), 0750);
  EXPECT_EQ(qor::plat::localAppDataPath("Vendor\\Product 16", true), expected);
  ASSERT_EQ(stat((root / "Vendor" / "Product 16").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0750u);

  // The path names a real folder and files in it are reached with "\" separators.
  EXPECT_TRUE(qor::plat::writeTextFile(expected + "\\Preferences", "{}\n"));
  EXPECT_EQ(slurp(root / "Vendor" / "Product 16" / "Preferences"), "{}\r\n");
}

}  // namespace qortest_files

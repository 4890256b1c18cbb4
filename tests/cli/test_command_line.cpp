// The hostsim program as a user runs it: a bare drawing joined beside itself, the usage, one summary line
// at the end of every run, errors last with their reason, and saving that never loses the old file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

#include "hostsimAtomicFile.h"
#include "hostsimRunner.h"
#include "prefs/prefsTestSupport.h"

namespace clitest {

using prefsTest::readBytes;
using prefsTest::writeBytes;

bool recordHelp(hostsim::HostApp&, const std::string&, std::ostream&) { return true; }
// Actions of other areas register themselves; the usage must list them too.
const hostsim::CommandAction extraAction("cli-extra", "WHAT", "an action of another area", &recordHelp);

struct Result
{
  int code = -1;
  std::string out, err;
};

Result run(std::vector<const char*> args, const char* program = "hostsim")
{
  args.insert(args.begin(), program);
  std::ostringstream out, err;
  Result r;
  r.code = hostsim::runCommandLine(int(args.size()), args.data(), out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

std::string lastLine(const std::string& text)
{
  std::string t = text;
  while (!t.empty() && t.back() == '\n')
    t.pop_back();
  return t.substr(t.rfind('\n') + 1);
}

class CommandLine : public ::testing::Test
{
protected:
  std::string copyExample(const char* name)
  {
    const std::string to = folder.file(name);
    std::filesystem::copy_file(std::string(QOR_SOURCE_DIR "/examples/") + name, to);
    return to;
  }
  prefsTest::TempFolder folder;
};

TEST_F(CommandLine, ABareDrawingIsJoinedAndSavedBesideIt)
{
  const std::string drawing = copyExample("sketch.svg");
  Result r = run({QOR_PLUGIN_MODULE, drawing.c_str()});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string joined = folder.file("sketch-joined.svg");
  EXPECT_TRUE(std::filesystem::exists(joined));
  EXPECT_EQ(r.out, "hostsim: " + drawing + ": 12 paths in, 6 out, 6 joins made, 1 path closed; result: " + joined +
                       "\n")
      << "one summary line and no report unless asked";
  // The progress on the terminal ends at its total, not one short of it.
  EXPECT_NE(r.err.find("Junctating paths... 11/11\n"), std::string::npos) << r.err;

  // The first run's welcome alert reaches the user through the debugger output.
  EXPECT_NE(r.err.find("hostsim: the plug-in's debugger output:\nAlert: Welcome to Junctate!"), std::string::npos)
      << r.err;

  Result reported = run({QOR_PLUGIN_MODULE, "--quiet", "--report", drawing.c_str()});
  EXPECT_NE(reported.out.find("Suites acquired"), std::string::npos);
  EXPECT_NE(reported.out.find("Debugger output:"), std::string::npos);
  EXPECT_EQ(reported.err, "");
}

TEST_F(CommandLine, HelpListsActionsSettingsMenuItemsAndAnExample)
{
  for (const char* help : {"--help", "-h", "help"}) {
    Result r = run({QOR_PLUGIN_MODULE, help}, "/somewhere/run");
    EXPECT_EQ(r.code, 0) << help << r.err;
    EXPECT_EQ(r.out.rfind("usage: ./run [DRAWING.svg ...] [options]\n", 0), 0u) << r.out;
    for (const char* listed : {"--open FILE.svg", "--select all|ID", "--save FILE.svg", "--menu TEXT|GROUP>TEXT",
                               "--cli-extra WHAT", "--report", "--quiet", "--answer",
                               "\"Objects Paths Popup>Junctate\"", "\"Tool Palettes>Junctate\"", "\"Assimilate\"",
                               "Example:\n  ./run --open"})
      EXPECT_NE(r.out.find(listed), std::string::npos) << help << ": " << listed << "\n" << r.out;
    EXPECT_EQ(r.out.find("Suites acquired"), std::string::npos);
  }
  Result bare = run({"--help"});
  EXPECT_EQ(bare.code, 0);
  EXPECT_EQ(bare.out.rfind("usage: hostsim MODULE [DRAWING.svg ...] [options]\n", 0), 0u) << bare.out;
}

TEST_F(CommandLine, EveryFailureSaysWhyInPlainWordsAfterTheSummary)
{
  const std::string sketch = copyExample("sketch.svg");
  std::filesystem::create_directory(folder.file("folder.svg"));
  writeBytes(folder.file("empty.svg"), "");
  writeBytes(folder.file("image.svg"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  writeBytes(folder.file("text.svg"), "just some words");
  const std::string missing = folder.file("missing.svg");
  const std::string folderSvg = folder.file("folder.svg"), empty = folder.file("empty.svg"),
                    image = folder.file("image.svg"), text = folder.file("text.svg");
  const std::string intoMissing = folder.file("no/such/out.svg");
  const struct
  {
    std::vector<const char*> args;
    std::string error;
  } cases[] = {
      {{missing.c_str()}, "hostsim: cannot open " + missing + ": No such file or directory"},
      {{"--open", folderSvg.c_str()}, "hostsim: cannot open " + folderSvg + ": it is a folder, not a drawing"},
      {{"--open", empty.c_str()}, "hostsim: cannot open " + empty + ": the file is empty"},
      {{"--open", image.c_str()}, "hostsim: cannot open " + image + ": it is a PNG image, not an SVG drawing"},
      {{"--open", text.c_str()},
       "hostsim: cannot open " + text + ": it is not an SVG drawing (an SVG file starts with '<')"},
      {{"--open", sketch.c_str(), "--save", intoMissing.c_str()},
       "hostsim: --save: cannot write " + intoMissing + ": No such file or directory"},
      {{"--open", sketch.c_str(), "--select", ""},
       "hostsim: --select: no ids given (\"all\", or ids separated by commas)"},
      {{"--open", sketch.c_str(), "--menu", "Objects Paths Popup>Assimilate"},
       "hostsim: --menu: \"Objects Paths Popup>Assimilate\" is disabled (nothing is selected: --select all selects "
       "every path)"},
  };
  for (const auto& c : cases) {
    std::vector<const char*> args{QOR_PLUGIN_MODULE, "--quiet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    Result r = run(args);
    EXPECT_EQ(r.code, 1) << c.error;
    EXPECT_EQ(lastLine(r.err), c.error) << r.err;
    EXPECT_EQ(r.err.find(c.error), r.err.size() - c.error.size() - 1) << "said once, at the end:\n" << r.err;
    EXPECT_EQ(r.out.rfind("hostsim: ", 0), 0u) << "the summary line: " << r.out;
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
  }

  // From the program, the error is the last thing on the screen.
  const std::string command = "'" QOR_HOSTSIM_PROGRAM "' '" QOR_PLUGIN_MODULE "' '" + missing + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, n);
  EXPECT_NE(pclose(pipe), 0);
  EXPECT_EQ(lastLine(output), "hostsim: cannot open " + missing + ": No such file or directory") << output;
}

TEST_F(CommandLine, AMenuItemThatChangesNothingSaysSo)
{
  const std::string sketch = copyExample("sketch.svg");
  Result r = run({QOR_PLUGIN_MODULE, "--quiet", "--open", sketch.c_str(), "--select", "all", "--menu", "Assimilate"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.err.find("hostsim: --menu: \"Assimilate\" left the drawing as it was: every path is selected, so "
                       "there is no unselected path for the selected ones to absorb\n"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("12 paths in, 12 out, 0 joins made"), std::string::npos) << r.out;
}

TEST(AtomicFile, AFailedWriteLeavesTheOldFileWhole)
{
  prefsTest::TempFolder folder;
  const std::string target = folder.file("drawing.svg");
  writeBytes(target, "the user's only copy");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  // The disk fills up part way: the process may write no file larger than 1 KB.
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{1024, 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    bool ok = hostsim::AtomicFile::write(target, std::string(100000, 'x'), error);
    _exit(!ok && error.rfind("cannot write " + target + ": File too large", 0) == 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write must fail and say why";
  EXPECT_EQ(readBytes(target), "the user's only copy");

  std::string error;
  ASSERT_TRUE(hostsim::AtomicFile::write(target, "new drawing", error)) << error;
  EXPECT_EQ(readBytes(target), "new drawing");
  struct stat info{};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u) << "the target keeps its mode";
  size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    entries += entry.exists();
  EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
}

} // namespace clitest

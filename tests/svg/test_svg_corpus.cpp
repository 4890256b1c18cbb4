// Real drawings opened and saved must look the same: each file of the corpus is read, written, and both
// texts are rendered at 256 pixels wide; a drawing looks the same when at most 0.5% of its pixels differ
// by more than 32 of 255 in any channel. The test runs on a sample; with QOR_SVG_CORPUS=full (as
// scripts/svg-corpus sets it) it runs on every file and prints the table of what went wrong.
#include "hostsimDocument.h"
#include "hostsimSvg.h"
#include "support/svgPictures.h"

#include <gtest/gtest.h>

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>

namespace svgCorpusTest {
namespace fs = std::filesystem;
using namespace svgPictures;

// Generous: the renderer alone takes seconds on the largest files, and the machine may be busy.
constexpr int kSecondsPerFile = 60;
// The share of drawings that must look the same; raised as causes of difference are mended.
constexpr double kSameAtLeast = 95;

// What became of one file, worst first.
enum class Verdict
{
  Crash,
  Hang,
  Invalid,  // the saved text is not a drawing the renderer reads
  Refused,  // the host would not open a drawing the renderer shows
  Different,
  Same,
  Skipped,  // the renderer does not show the original either
};

const char* verdictName(Verdict v)
{
  switch (v) {
  case Verdict::Crash: return "crash";
  case Verdict::Hang: return "hang";
  case Verdict::Invalid: return "invalid output";
  case Verdict::Refused: return "refused";
  case Verdict::Different: return "different";
  case Verdict::Same: return "same";
  case Verdict::Skipped: return "skipped";
  }
  return "?";
}

std::string readFile(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Result
{
  Verdict verdict = Verdict::Same;
  std::string detail;
};

// Opens and saves one file in this process; rendered is called once the renderer has drawn the original.
Result check(const fs::path& path, const std::function<void()>& rendered = {})
{
  std::string original = readFile(path);
  Image before, after;
  std::string error;
  if (!render(original, path, before, error))
    return {Verdict::Skipped, error};
  if (rendered)
    rendered();
  hostsim::Document doc("corpus");
  if (!hostsim::Svg::read(original.data(), original.size(), doc, error))
    return {Verdict::Refused, error};
  std::string saved = hostsim::Svg::write(doc);
  if (const char* keep = std::getenv("QOR_SVG_CORPUS_KEEP"))
    std::ofstream(fs::path(keep) / path.filename(), std::ios::binary) << saved;
  if (!render(saved, path, after, error))
    return {Verdict::Invalid, error};
  double fraction = differingFraction(before, after);
  if (fraction > kPixelTolerance)
    return {Verdict::Different, std::to_string(fraction * 100) + "% of pixels"};
  return {Verdict::Same, {}};
}

// Runs check in a child process, so that a crash or a hang is a verdict rather than the end of the run.
// The child first sends kRendered once the original is drawn, then the verdict.
constexpr char kRendered = 'R';
class Runner
{
public:
  explicit Runner(int jobs) : jobs_(std::max(1, jobs)) {}

  std::vector<Result> run(const std::vector<fs::path>& files)
  {
    std::vector<Result> results(files.size());
    size_t next = 0;
    while (next < files.size() || !running_.empty()) {
      while (next < files.size() && static_cast<int>(running_.size()) < jobs_)
        start(next, files[next]), ++next;
      std::vector<pollfd> fds;
      for (const Child& c : running_)
        fds.push_back({c.fd, POLLIN, 0});
      ::poll(fds.data(), fds.size(), 1000);
      for (size_t i = 0; i < running_.size();) {
        Child& c = running_[i];
        char buf[4096];
        ssize_t n = ::read(c.fd, buf, sizeof buf);
        if (n > 0) {
          c.text.append(buf, static_cast<size_t>(n));
          ++i;
          continue;
        }
        bool timedOut = std::chrono::steady_clock::now() - c.started > std::chrono::seconds(kSecondsPerFile);
        if (n < 0 && !timedOut) {
          ++i;
          continue;
        }
        if (timedOut)
          ::kill(c.pid, SIGKILL);
        int status = 0;
        ::waitpid(c.pid, &status, 0);
        ::close(c.fd);
        Result& r = results[c.index];
        // A file the renderer alone takes too long on says nothing of the host.
        bool started = !c.text.empty() && c.text[0] == kRendered;
        if (started)
          c.text.erase(0, 1);
        if (timedOut) {
          r = {started ? Verdict::Hang : Verdict::Skipped, started ? "" : "the renderer takes too long"};
        } else if (!WIFEXITED(status) || c.text.empty()) {
          r = {Verdict::Crash, WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status)) : ""};
        } else {
          r.verdict = static_cast<Verdict>(c.text[0] - '0');
          r.detail = c.text.substr(1);
        }
        running_.erase(running_.begin() + static_cast<ptrdiff_t>(i));
      }
    }
    return results;
  }

private:
  struct Child
  {
    pid_t pid;
    int fd;
    size_t index;
    std::chrono::steady_clock::time_point started;
    std::string text;
  };

  void start(size_t index, const fs::path& file)
  {
    int p[2];
    if (::pipe(p) != 0)
      std::abort();
    pid_t pid = ::fork();
    if (pid == 0) {
      ::close(p[0]);
      Result r = check(file, [&] {
        if (::write(p[1], &kRendered, 1) != 1)
          ::_exit(1);
      });
      std::string text = std::string(1, static_cast<char>('0' + static_cast<int>(r.verdict))) + r.detail;
      ssize_t written = ::write(p[1], text.data(), text.size());
      ::_exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    ::close(p[1]);
    ::fcntl(p[0], F_SETFL, O_NONBLOCK);
    running_.push_back({pid, p[0], index, std::chrono::steady_clock::now(), {}});
  }

  int jobs_;
  std::vector<Child> running_;
};

// The drawings of the packages the setup script installs; QOR_SVG_CORPUS_DIRS (colon-separated) adds more.
// QOR_SVG_CORPUS_KEEP=dir writes each saved text there.
std::vector<fs::path> corpus()
{
  // QOR_SVG_CORPUS_FILES (colon-separated) checks only those files, e.g. to look at one difference.
  if (const char* only = std::getenv("QOR_SVG_CORPUS_FILES")) {
    std::vector<fs::path> files;
    std::stringstream s(only);
    for (std::string f; std::getline(s, f, ':');)
      if (!f.empty())
        files.push_back(f);
    return files;
  }
  std::vector<std::string> dirs = {"/usr/share/iso-flags-svg", "/usr/libexec/installed-tests/RSVG/fixtures"};
  if (const char* extra = std::getenv("QOR_SVG_CORPUS_DIRS")) {
    std::stringstream s(extra);
    for (std::string d; std::getline(s, d, ':');)
      if (!d.empty())
        dirs.push_back(d);
  }
  std::vector<fs::path> files;
  for (const std::string& d : dirs) {
    std::error_code ec;
    for (fs::recursive_directory_iterator it(d, ec), end; !ec && it != end; it.increment(ec))
      if (it->is_regular_file() && (it->path().extension() == ".svg" || it->path().extension() == ".svgz"))
        files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(SvgRealDrawings, LookTheSameAfterOpenAndSave)
{
  std::vector<fs::path> files = corpus();
  if (files.empty())
    GTEST_SKIP() << "no corpus installed (scripts/setup installs it)";
  const char* mode = std::getenv("QOR_SVG_CORPUS");
  bool full = (mode && !std::strcmp(mode, "full")) || std::getenv("QOR_SVG_CORPUS_FILES");
  if (!full) {
    // An even spread over the sorted list, so that every source is in the sample.
    std::vector<fs::path> sample;
    for (size_t i = 0; i < files.size(); i += 23)
      sample.push_back(files[i]);
    files = std::move(sample);
  }
  const char* jobsText = std::getenv("QOR_JOBS");
  int jobs = full ? (jobsText ? std::atoi(jobsText) : 3) : 1;
  std::vector<Result> results = Runner(jobs).run(files);

  std::map<Verdict, int> counts;
  size_t shown = 0;
  for (size_t i = 0; i < files.size(); ++i) {
    const Result& r = results[i];
    ++counts[r.verdict];
    if (r.verdict != Verdict::Same && r.verdict != Verdict::Skipped)
      std::cout << verdictName(r.verdict) << "\t" << files[i].string() << "\t" << r.detail << "\n", ++shown;
  }
  int judged = static_cast<int>(files.size()) - counts[Verdict::Skipped];
  double same = judged ? 100.0 * counts[Verdict::Same] / judged : 100;
  std::cout << "\n";
  for (auto& [v, n] : counts)
    std::cout << verdictName(v) << ": " << n << "\n";
  std::cout << "look the same: " << same << "% of " << judged << " drawings the renderer shows\n";
  EXPECT_EQ(counts[Verdict::Crash] + counts[Verdict::Hang] + counts[Verdict::Invalid], 0);
  EXPECT_GE(same, kSameAtLeast);
}

} // namespace svgCorpusTest

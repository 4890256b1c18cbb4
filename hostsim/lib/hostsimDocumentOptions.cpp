#include "hostsimDocumentOptions.h"

#include "hostsimApp.h"
#include "hostsimRunSummary.h"
#include "hostsimRunner.h"
#include "hostsimUser.h"
#include "hostsimWorkspace.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace hostsim {

std::vector<std::string> DocumentOptions::splitIds(const std::string& list)
{
  std::vector<std::string> ids;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos)
      comma = list.size();
    if (comma > start)
      ids.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return ids;
}

namespace hostsimDocumentOptions_detail {

// Shows progress the way the host's progress bar does on the terminal (when the program shows it).
void showProgress(const std::string& text, int32_t current, int32_t maximum, bool closed)
{
  HostApp* app = HostApp::current();
  if (!app || !app->area<User>().onProgress)
    return;
  User::Progress progress;
  progress.text = text;
  progress.current = current;
  progress.maximum = maximum;
  progress.closed = closed;
  app->area<User>().onProgress(progress);
}

// What a file that cannot be a drawing is, by its first bytes; empty when it may be one.
std::string notADrawing(const std::string& head)
{
  static const unsigned char png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (head.size() >= sizeof png && std::memcmp(head.data(), png, sizeof png) == 0)
    return "it is a PNG image, not an SVG drawing";
  size_t at = head.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (at < head.size() && std::isspace(static_cast<unsigned char>(head[at])))
    ++at;
  if (at < head.size() && head[at] != '<')
    return "it is not an SVG drawing (an SVG file starts with '<')";
  return std::string();
}

// Reads the whole file, with progress for a large one; on failure says why in plain words.
bool readDrawing(const std::string& path, std::string& bytes, std::string& error)
{
  auto fail = [&](const std::string& reason) {
    error = "cannot open " + path + ": " + reason;
    return false;
  };
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return fail(std::strerror(errno));
  struct stat info{};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return fail(S_ISDIR(info.st_mode) ? "it is a folder, not a drawing" : std::strerror(errno));
  }
  constexpr size_t kChunk = 1 << 20;
  const bool large = info.st_size > off_t(4 * kChunk);
  const int32_t kilobytes = int32_t(info.st_size / 1024);
  const std::string label = "Reading " + path + " (KB)";
  bytes.clear();
  bytes.reserve(size_t(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      int code = errno;
      ::close(fd);
      return fail(std::strerror(code));
    }
    if (n == 0)
      break;
    const size_t before = bytes.size();
    bytes.append(buffer, size_t(n));
    if (large && before / kChunk != bytes.size() / kChunk)
      showProgress(label, int32_t(bytes.size() / 1024), kilobytes, false);
  }
  ::close(fd);
  if (large)
    showProgress(label, kilobytes, kilobytes, true);
  if (bytes.empty())
    return fail("the file is empty");
  if (std::string reason = notADrawing(bytes.substr(0, 64)); !reason.empty())
    return fail(reason);
  return true;
}

} // namespace hostsimDocumentOptions_detail

bool DocumentOptions::open(const std::string& path, std::ostream& err)
{
  using namespace hostsimDocumentOptions_detail;
  std::string bytes, error;
  if (!readDrawing(path, bytes, error)) {
    err << "hostsim: " << error << "\n";
    return false;
  }
  // Building the document takes longer than reading the bytes; a large drawing says that it is at it.
  const bool large = bytes.size() > (4u << 20);
  if (large)
    showProgress("Reading the paths of " + path + "...", 0, 0, false);
  Document* doc = Workspace::instance().openSvgText(bytes, path, error);
  if (large)
    showProgress("Reading the paths of " + path + "...", 0, 0, true);
  if (!doc) {
    err << "hostsim: cannot open " << path << ": " << error << "\n";
    return false;
  }
  if (HostApp* app = HostApp::current()) {
    app->area<RunSummary>().opened(doc, path);
    if (app->isConnected()) {
      app->sendNotification("AI Document Opened Notifier");
      app->sendNotification("AI Document Changed Notifier");
    }
  }
  return true;
}

bool DocumentOptions::select(const std::string& list, std::ostream& err)
{
  std::string error;
  std::vector<std::string> ids = splitIds(list);
  if (ids.empty()) {
    err << "hostsim: --select: no ids given (\"all\", or ids separated by commas)\n";
    return false;
  }
  if (!Workspace::instance().select(ids, error)) {
    err << "hostsim: --select: " << error << "\n";
    return false;
  }
  if (HostApp* app = HostApp::current(); app && app->isConnected())
    app->sendNotification("AI Art Selection Changed Notifier");
  return true;
}

bool DocumentOptions::save(const std::string& path, std::ostream& err)
{
  std::string error;
  Workspace& ws = Workspace::instance();
  if (!ws.saveSvg(ws.current(), path, error)) {
    err << "hostsim: --save: " << error << "\n";
    return false;
  }
  if (HostApp* app = HostApp::current())
    app->area<RunSummary>().saved(path);
  return true;
}

namespace hostsimDocumentOptions_detail {
bool openAction(HostApp&, const std::string& path, std::ostream& err) { return DocumentOptions::open(path, err); }
bool selectAction(HostApp&, const std::string& ids, std::ostream& err) { return DocumentOptions::select(ids, err); }
bool saveAction(HostApp&, const std::string& path, std::ostream& err) { return DocumentOptions::save(path, err); }

const CommandAction openCommand("open", "FILE.svg", "open a drawing as the current document", &openAction);
const CommandAction selectCommand("select", "all|ID[,ID...]", "select all art, or the art with these ids",
                                  &selectAction);
const CommandAction saveCommand("save", "FILE.svg", "save the current document as SVG", &saveAction);
} // namespace hostsimDocumentOptions_detail

} // namespace hostsim

#include "hostsimAtomicFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hostsim {

namespace hostsimAtomicFile_detail {

std::atomic<unsigned> counter{0};

bool writeAll(int fd, const char* data, size_t size)
{
  while (size) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    data += n;
    size -= size_t(n);
  }
  return true;
}

void syncFolder(const std::string& folder)
{
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

} // namespace hostsimAtomicFile_detail

bool AtomicFile::write(const std::string& path, const std::string& bytes, std::string& error)
{
  using namespace hostsimAtomicFile_detail;
  auto fail = [&](int code) {
    error = "cannot write " + path + ": " + std::strerror(code);
    return false;
  };
  // A link is followed, so that the file it names is replaced and the link stays.
  std::string target = path;
  struct stat link{};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved))
      return fail(errno);
    target = resolved;
  }
  struct stat existing{};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode))
    return fail(EISDIR);

  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = folder + "/." + base + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt > 100))
      return fail(errno);
  }
  int code = 0;
  if (!writeAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0 ||
      (exists && ::fchmod(fd, existing.st_mode & 07777) != 0))
    code = errno;
  if (::close(fd) != 0 && !code)
    code = errno;
  if (!code && ::rename(temporary.c_str(), target.c_str()) != 0)
    code = errno;
  if (code) {
    ::unlink(temporary.c_str());
    return fail(code);
  }
  syncFolder(folder);
  return true;
}

} // namespace hostsim

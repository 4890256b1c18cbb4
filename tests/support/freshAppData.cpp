// Every test process gets its own local application-data folder, so tests that start the plug-in in
// parallel never share (or race on) one preference file, and each starts as a first run.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace freshAppData_detail {

struct FreshAppData
{
  std::string path;

  FreshAppData()
  {
    const char* base = std::getenv("LOCALAPPDATA");
    if (!base || !*base)
      return;
    path = std::string(base) + "/process-" + std::to_string(::getpid());
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    std::filesystem::create_directories(path, ignored);
    ::setenv("LOCALAPPDATA", path.c_str(), 1);
  }

  ~FreshAppData()
  {
    if (path.empty())
      return;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

const FreshAppData freshAppData;

} // namespace freshAppData_detail

// The host's file-path objects (POSIX paths as UTF-8) and the "AI File Path Suite".
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"
#include "hostsimHandleTable.h"

#include <string>

namespace hostsim {

class FilePaths : public Area
{
public:
  explicit FilePaths(HostApp& app) : app_(app) {}

  // Creates the object when *out is null, else replaces the path of the live object.
  HostErr write(FilePathHandle* out, std::string path);
  const std::string* find(FilePathHandle path) const { return paths_.find(path); }
  bool release(FilePathHandle path) { return paths_.remove(path); }
  size_t liveCount() const { return paths_.liveCount(); }

  int reportOrder() const override { return 900; }
  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  HandleTable<FilePathHandle, std::string> paths_;
};

} // namespace hostsim

#pragma once
// What one run of the hostsim program did to its drawing, for the line it ends with: the drawing that was
// opened and its paths then, the paths it holds at the end, the joins that made the difference, the paths
// that were closed, and where the result was saved.
#include "hostsimApp.h"

#include <cstdint>
#include <string>

namespace hostsim {

class Document;

class RunSummary : public Area
{
public:
  explicit RunSummary(HostApp&) {}

  struct Counts
  {
    size_t paths = 0;
    size_t closed = 0;
    // Changes with any path's points or the tree's shape: tells whether an action changed the drawing.
    uint64_t fingerprint = 0;
    static Counts of(const Document* doc);
  };

  void opened(const Document* doc, const std::string& path);
  void saved(const std::string& path) { saved_ = path; }
  // The summary line of the run so far (without a line break).
  std::string line() const;

private:
  const Document* doc_ = nullptr;
  std::string opened_;
  Counts in_;
  std::string saved_;
};

} // namespace hostsim

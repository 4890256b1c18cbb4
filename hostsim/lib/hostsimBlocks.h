// The host's one memory-block allocator: the SP Blocks suite and every block the host hands out
// (texts of the Unicode string and string-format suites) come from here, so any of them can be freed
// through the SP Blocks suite.
#pragma once

#include "hostsimApp.h"

#include <cstddef>
#include <set>

namespace hostsim {

class Blocks : public Area
{
public:
  explicit Blocks(HostApp&) {}
  ~Blocks() override;

  // A zero-filled block of at least one byte.
  void* allocate(size_t byteCount);
  // False for a pointer that is no live block.
  bool free(void* block);
  size_t liveCount() const { return live_.size(); }
  int badFrees() const { return badFrees_; }

  int reportOrder() const override { return 900; }
  void report(std::ostream& out) const override;

private:
  std::set<void*> live_;
  int badFrees_ = 0;
};

} // namespace hostsim

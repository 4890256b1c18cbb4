// The host's browser: it records the addresses the plug-in opens and never opens them; the
// "AI URL Suite".
#pragma once

#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class Urls : public Area
{
public:
  explicit Urls(HostApp&) {}

  // Test hook: whether the host can open addresses.
  bool canOpen = true;
  // The addresses asked for, as UTF-8.
  const std::vector<std::string>& opened() const { return opened_; }
  void open(const std::string& url) { opened_.push_back(url); }

  int reportOrder() const override { return 450; }
  void report(std::ostream& out) const override;

private:
  std::vector<std::string> opened_;
};

} // namespace hostsim

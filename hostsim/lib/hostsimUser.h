// The host's user interaction: the progress bar (with a scriptable cancel) and the conversions between
// numbers and texts; the "AI User Suite".
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <functional>
#include <string>
#include <vector>

namespace hostsim {

class User : public Area
{
public:
  explicit User(HostApp&) {}

  struct Progress
  {
    std::string text; // UTF-8
    int32_t current = 0;
    int32_t maximum = 0;
    int updates = 0;
    bool cancelled = false;
    bool closed = false;
  };

  // Test hook: the user cancels once the progress has been updated this many times (-1: never).
  int cancelAfterUpdates = -1;
  // Called after every progress change (the command line shows it on the terminal).
  std::function<void(const Progress&)> onProgress;

  bool isCancelled();
  void update(int32_t current, int32_t maximum);
  void setText(std::string text);
  void close();
  // Every progress run, the current one last.
  const std::vector<Progress>& progressRuns() const { return runs_; }

  // The number texts of the user suite.
  static bool parseNumber(const std::u16string& text, double& value);
  static std::string formatNumber(double value, int32_t decimals);

private:
  Progress& current();
  std::vector<Progress> runs_;
};

} // namespace hostsim

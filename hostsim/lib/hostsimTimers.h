// The host's timers ("AI Timer Suite"). Tests advance time in ticks of 1/60 second; an active timer
// is called with ("AI Timer", "AI Go") every period ticks.
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class Timers : public Area
{
public:
  explicit Timers(HostApp& app) : app_(app) {}

  struct Timer
  {
    TimerHandle handle = nullptr;
    std::string name; // as the plug-in passed it (platform encoding)
    int32_t periodTicks = 0;
    bool active = true;
    int32_t elapsed = 0;
  };

  TimerHandle add(const std::string& name, int32_t periodTicks);
  Timer* find(TimerHandle handle);
  Timer* find(const std::string& name);
  const std::vector<Timer>& timers() const { return timers_; }
  void refuseAdds(bool refuse) { refuseAdds_ = refuse; }

  // Advances the clock; every active timer whose period has run out is called (a period below one
  // tick runs every tick).
  void tick(int32_t ticks = 1);
  // Sends ("AI Timer", "AI Go") for the timer at once, active or not.
  HostErr fire(TimerHandle handle);

  int reportOrder() const override { return 320; }
  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  std::vector<Timer> timers_;
  bool refuseAdds_ = false;
};

} // namespace hostsim

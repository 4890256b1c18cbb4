#include "hostsimTimers.h"

#include "hostapi/MessageRecords.h"
#include "hostapi/TimerSuite.h"

#include <ostream>

namespace hostsim {

namespace hostsimTimers_detail {

Timers& area() { return HostApp::instance().area<Timers>(); }

HostErr addTimer(PluginRef, const char* name, int32_t periodTicks, TimerHandle* outTimer)
{
  if (!outTimer || !name)
    return kHostErrBadParameter;
  TimerHandle handle = area().add(name, periodTicks);
  if (!handle)
    return kHostErrBadParameter;
  *outTimer = handle;
  return kHostNoErr;
}

HostErr getTimerName(TimerHandle timer, const char** outName)
{
  Timers::Timer* t = area().find(timer);
  if (!t || !outName)
    return kHostErrBadParameter;
  *outName = t->name.c_str();
  return kHostNoErr;
}

HostErr isTimerActive(TimerHandle timer, bool8* outActive)
{
  Timers::Timer* t = area().find(timer);
  if (!t || !outActive)
    return kHostErrBadParameter;
  *outActive = t->active ? 1 : 0;
  return kHostNoErr;
}

HostErr setTimerActive(TimerHandle timer, bool8 active)
{
  Timers::Timer* t = area().find(timer);
  if (!t)
    return kHostErrBadParameter;
  t->active = active != 0;
  t->elapsed = 0;
  return kHostNoErr;
}

HostErr getTimerPeriod(TimerHandle timer, int32_t* outTicks)
{
  Timers::Timer* t = area().find(timer);
  if (!t || !outTicks)
    return kHostErrBadParameter;
  *outTicks = t->periodTicks;
  return kHostNoErr;
}

HostErr setTimerPeriod(TimerHandle timer, int32_t ticks)
{
  Timers::Timer* t = area().find(timer);
  if (!t)
    return kHostErrBadParameter;
  t->periodTicks = ticks;
  return kHostNoErr;
}

void install(HostApp& app)
{
  TimerSuite& suite = app.publishSuite<TimerSuite>(kTimerSuiteName, kTimerSuiteVersion);
  suite.addTimer = &addTimer;
  suite.getTimerName = &getTimerName;
  suite.isTimerActive = &isTimerActive;
  suite.setTimerActive = &setTimerActive;
  suite.getTimerPeriod = &getTimerPeriod;
  suite.setTimerPeriod = &setTimerPeriod;
}

const AreaInstaller installer(320, &install);

} // namespace hostsimTimers_detail

TimerHandle Timers::add(const std::string& name, int32_t periodTicks)
{
  if (refuseAdds_)
    return nullptr;
  Timer t;
  t.handle = app_.mintHandle<TimerHandle>();
  t.name = name;
  t.periodTicks = periodTicks;
  timers_.push_back(t);
  return t.handle;
}

Timers::Timer* Timers::find(TimerHandle handle)
{
  if (!handle)
    return nullptr;
  for (Timer& t : timers_)
    if (t.handle == handle)
      return &t;
  return nullptr;
}

Timers::Timer* Timers::find(const std::string& name)
{
  for (Timer& t : timers_)
    if (t.name == name)
      return &t;
  return nullptr;
}

void Timers::tick(int32_t ticks)
{
  for (int32_t i = 0; i < ticks; ++i) {
    std::vector<TimerHandle> due;
    for (Timer& t : timers_) {
      if (!t.active)
        continue;
      if (++t.elapsed >= (t.periodTicks < 1 ? 1 : t.periodTicks)) {
        t.elapsed = 0;
        due.push_back(t.handle);
      }
    }
    for (TimerHandle handle : due) {
      Timer* t = find(handle);
      if (t && t->active)
        fire(handle);
    }
  }
}

HostErr Timers::fire(TimerHandle handle)
{
  TimerMessage record{};
  record.timer = handle;
  return app_.callPlugin(kTimerCaller, kGoSelector, &record);
}

void Timers::report(std::ostream& out) const
{
  out << "timers:\n";
  for (const Timer& t : timers_)
    out << "  " << t.name << " every " << t.periodTicks << " ticks" << (t.active ? "" : " (inactive)") << "\n";
}

} // namespace hostsim

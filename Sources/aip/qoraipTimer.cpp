#include "aip/qoraipTimer.h"

#include <cmath>
#include <limits>

#include "core/qorcoreCallback.h"
#include "utils/qorutilsCallback.h"

namespace qor::aip {

Timer::Timer(const std::string& name, double periodSeconds, utils::Callback* callback)
    : frameworkCallback(callback)
{
  add(name, periodSeconds);
}

Timer::Timer(const std::string& name, double periodSeconds, core::Callback* clientCallback)
    : heldClientCallback(clientCallback)
{
  add(name, periodSeconds);
}

void Timer::add(const std::string& name, double periodSeconds)
{
  const TimerSuite* suite = msgTimerSuite();
  if (!suite)
    return;
  std::string hostName = msgToHostDefaultEncoding(name);
  suite->addTimer(msgPluginRef(), hostName.c_str(), secondsToTicks(periodSeconds), &handle);
}

Timer::~Timer()
{
  deactivate();
  delete frameworkCallback;
  delete heldClientCallback;
}

int32_t Timer::secondsToTicks(double seconds)
{
  double ticks = seconds * 60.0;
  if (std::isnan(ticks))
    return 0;
  double rounded = ticks >= 0 ? std::floor(ticks + 0.5) : std::ceil(ticks - 0.5);
  if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(rounded);
}

TimerHandle Timer::hostHandle() const { return handle; }

void Timer::fire()
{
  if (frameworkCallback)
    frameworkCallback->execute();
  else if (heldClientCallback)
    heldClientCallback->execute();
}

std::string Timer::name() const
{
  const char* text = nullptr;
  if (const TimerSuite* suite = msgTimerSuite())
    suite->getTimerName(handle, &text);
  return text ? std::string(text) : std::string();
}

bool Timer::isActive() const
{
  bool8 active = 0;
  if (const TimerSuite* suite = msgTimerSuite())
    suite->isTimerActive(handle, &active);
  return active != 0;
}

void Timer::setActive(bool active) { active ? activate() : deactivate(); }

void Timer::activate()
{
  if (const TimerSuite* suite = msgTimerSuite())
    suite->setTimerActive(handle, 1);
}

void Timer::deactivate()
{
  if (const TimerSuite* suite = msgTimerSuite())
    suite->setTimerActive(handle, 0);
}

double Timer::period() const
{
  int32_t ticks = 0;
  if (const TimerSuite* suite = msgTimerSuite())
    if (suite->getTimerPeriod(handle, &ticks) != 0)
      ticks = 0;
  return ticks / 60.0;
}

void Timer::setPeriod(double seconds)
{
  if (const TimerSuite* suite = msgTimerSuite())
    suite->setTimerPeriod(handle, secondsToTicks(seconds));
}

utils::Callback* Timer::callback() const { return frameworkCallback; }

void Timer::setCallback(utils::Callback* callback)
{
  if (callback == frameworkCallback)
    return;
  delete frameworkCallback;
  frameworkCallback = callback;
}

core::Callback* Timer::clientCallback() const { return heldClientCallback; }

void Timer::setClientCallback(core::Callback* callback)
{
  if (callback == heldClientCallback)
    return;
  delete heldClientCallback;
  heldClientCallback = callback;
}

} // namespace qor::aip

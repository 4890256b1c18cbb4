#include "core/qorcoreTimer.h"

#include "aip/qoraipEventDispatcher.h"
#include "aip/qoraipTimer.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreDispatcher.h"
#include "core/qorcoreMsgEnv.h"

namespace qor::core {

__IntTimerData::~__IntTimerData() { delete timer; }

Timer::Timer(const std::string& name, double periodSeconds, const Callback& callback)
    : data(new __IntTimerData())
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals)
    return;
  auto* timer = new aip::Timer(name, periodSeconds, cloneCallback(callback));
  if (!timer->hostHandle()) {
    delete timer;
    return;
  }
  data->hostHandle = timer->hostHandle();
  data->timer = timer;
  globals->timerRegistry.insert(data->hostHandle, data);
  // A client timer only fires when the router knows it: hand it to the dispatcher, which enters
  // it with the router and keeps a handle by name for the timer messages.
  if (Dispatcher* dispatcher = msgDispatcher())
    dispatcher->registerTimer(*this);
}

Timer::Timer() : data(new __IntTimerData()) {}

Timer::~Timer() { release(); }

void Timer::release()
{
  if (!data)
    return;
  if (--data->refCount <= 0) {
    if (data->timer) {
      // Never leave a freed timer in the router's map.
      if (aip::EventDispatcher* router = msgRouter())
        router->removeTimerIfRegistered(data->timer);
    }
    if (CoreGlobals* globals = msgCoreGlobals())
      if (data->hostHandle)
        globals->timerRegistry.remove(data->hostHandle);
    delete data;
  }
  data = nullptr;
}

Timer& Timer::operator=(const Timer& other)
{
  if (this == &other || !msgCoreGlobals() || !data || !other.data || data == other.data)
    return *this;
  __IntTimerData* shared = other.data;
  ++shared->refCount;
  release();
  data = shared;
  return *this;
}

bool Timer::operator==(const Timer& other) const
{
  aip::Timer* mine = hostTimer();
  aip::Timer* theirs = other.hostTimer();
  if (mine && theirs)
    return mine->hostHandle() == theirs->hostHandle();
  return !mine && !theirs;
}

bool Timer::operator!=(const Timer& other) const { return !(*this == other); }

void Timer::destroy()
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals || !data || !data->timer)
    return;
  data->timer->deactivate();
  if (aip::EventDispatcher* router = msgRouter())
    router->removeTimerIfRegistered(data->timer);
  if (Dispatcher* dispatcher = msgDispatcher())
    dispatcher->unregisterTimer(*this);
  globals->timerRegistry.remove(data->hostHandle);
  delete data->timer;
  data->timer = nullptr;
  data->hostHandle = nullptr;
}

aip::Timer* Timer::hostTimer() const { return data ? data->timer : nullptr; }
::TimerHandle Timer::hostHandle() const { return hostTimer() ? data->hostHandle : nullptr; }
bool Timer::isEmpty() const { return hostTimer() == nullptr; }
std::string Timer::name() const { return hostTimer() ? hostTimer()->name() : std::string(); }
bool Timer::isEnabled() const { return hostTimer() && hostTimer()->isActive(); }
void Timer::setEnabled(bool enabled) { enabled ? enable() : disable(); }

void Timer::enable()
{
  if (hostTimer())
    hostTimer()->activate();
}

void Timer::disable()
{
  if (hostTimer())
    hostTimer()->deactivate();
}

double Timer::period() const { return hostTimer() ? hostTimer()->period() : 0.0; }

void Timer::setPeriod(double seconds)
{
  if (hostTimer())
    hostTimer()->setPeriod(seconds);
}

Callback* Timer::callback() const { return hostTimer() ? hostTimer()->clientCallback() : nullptr; }

void Timer::setCallback(const Callback& callback)
{
  if (hostTimer())
    hostTimer()->setClientCallback(cloneCallback(callback));
}

} // namespace qor::core

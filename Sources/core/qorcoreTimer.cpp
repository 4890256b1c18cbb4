#include "core/qorcoreTimer.h"

#include "aip/qoraipEventDispatcher.h"
#include "aip/qoraipTimer.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreDispatcher.h"
#include "core/qorcoreMsgEnv.h"

namespace qor::core {

__IntTimerData::~__IntTimerData() { delete timer; }

Timer::Timer(const std::string& name, double periodSeconds, const Callback& callback)
    : data_(new __IntTimerData())
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals)
    return;
  auto* timer = new aip::Timer(name, periodSeconds, cloneCallback(callback));
  if (!timer->hostHandle()) {
    delete timer;
    return;
  }
  data_->hostHandle = timer->hostHandle();
  data_->timer = timer;
  globals->timerRegistry.insert(data_->hostHandle, data_);
  // A client timer only fires when the router knows it: hand it to the dispatcher, which enters
  // it with the router and keeps a handle by name for the timer messages.
  if (Dispatcher* dispatcher = msgDispatcher())
    dispatcher->registerTimer(*this);
}

Timer::Timer() : data_(new __IntTimerData()) {}

Timer::~Timer() { release(); }

void Timer::release()
{
  if (!data_)
    return;
  if (--data_->refCount <= 0) {
    if (data_->timer) {
      // Never leave a freed timer in the router's map.
      if (aip::EventDispatcher* router = msgRouter())
        router->removeTimerIfRegistered(data_->timer);
    }
    if (CoreGlobals* globals = msgCoreGlobals())
      if (data_->hostHandle)
        globals->timerRegistry.remove(data_->hostHandle);
    delete data_;
  }
  data_ = nullptr;
}

Timer& Timer::operator=(const Timer& other)
{
  if (this == &other || !msgCoreGlobals() || !data_ || !other.data_ || data_ == other.data_)
    return *this;
  __IntTimerData* shared = other.data_;
  ++shared->refCount;
  release();
  data_ = shared;
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
  if (!globals || !data_ || !data_->timer)
    return;
  data_->timer->deactivate();
  if (aip::EventDispatcher* router = msgRouter())
    router->removeTimerIfRegistered(data_->timer);
  if (Dispatcher* dispatcher = msgDispatcher())
    dispatcher->unregisterTimer(*this);
  globals->timerRegistry.remove(data_->hostHandle);
  delete data_->timer;
  data_->timer = nullptr;
  data_->hostHandle = nullptr;
}

aip::Timer* Timer::hostTimer() const
{
  return data_ ? data_->timer : nullptr;
}
::TimerHandle Timer::hostHandle() const
{
  return hostTimer() ? data_->hostHandle : nullptr;
}
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

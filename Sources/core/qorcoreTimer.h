// Client handle of a host timer: a name, a period in seconds and a callback. Handles assigned from
// one another share one record, which owns the host-facing timer.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipMsgEnv.h"

namespace qor::aip {
class Timer;
}

namespace qor::core {

class Callback;

class __IntTimerData
{
public:
  virtual ~__IntTimerData();

  int32_t refCount = 1;
  ::TimerHandle hostHandle = nullptr;
  aip::Timer* timer = nullptr;
};

class Timer
{
public:
  // Adds a host timer; while it is enabled the host calls the plug-in and the callback runs.
  Timer(const std::string& name, double periodSeconds, const Callback& callback);
  Timer();

  virtual ~Timer();
  virtual Timer& operator=(const Timer& other);
  virtual bool operator==(const Timer& other) const;
  virtual bool operator!=(const Timer& other) const;
  virtual void destroy();
  virtual ::TimerHandle hostHandle() const;
  virtual bool isEmpty() const;
  virtual std::string name() const;
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual void enable();
  virtual void disable();
  virtual double period() const;
  virtual void setPeriod(double seconds);
  virtual Callback* callback() const;
  virtual void setCallback(const Callback& callback);

  aip::Timer* hostTimer() const;

  __IntTimerData* data() const { return data_; }

private:
  Timer(const Timer&) = delete;
  void release();

  __IntTimerData* data_ = nullptr;
};

} // namespace qor::core

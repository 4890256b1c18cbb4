// Host-facing wrapper of one host timer made through the host's timer suite. Periods are seconds
// here and ticks of 1/60 second at the host; the conversion happens only in this class.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipMsgEnv.h"

namespace qor::utils {
class Callback;
}
namespace qor::core {
class Callback;
}

namespace qor::aip {

class Timer
{
public:
  // `name` is UTF-8 and reaches the host in its default 8-bit encoding. The callback is owned; a
  // timer holds either a framework callback or a client one (the clone a client timer made).
  Timer(const std::string& name, double periodSeconds, utils::Callback* callback);
  Timer(const std::string& name, double periodSeconds, core::Callback* clientCallback);

  virtual ~Timer();
  virtual TimerHandle hostHandle() const;
  virtual void fire();
  virtual std::string name() const;
  virtual bool isActive() const;
  virtual void setActive(bool active);
  virtual void activate();
  virtual void deactivate();
  virtual double period() const;
  virtual void setPeriod(double seconds);
  virtual utils::Callback* callback() const;
  virtual void setCallback(utils::Callback* callback);
  virtual core::Callback* clientCallback() const;
  virtual void setClientCallback(core::Callback* callback);

  // Seconds to host ticks: times 60, rounded half away from zero, clamped to the 32-bit range.
  static int32_t secondsToTicks(double seconds);

private:
  void add(const std::string& name, double periodSeconds);

  TimerHandle handle = nullptr;
  utils::Callback* frameworkCallback = nullptr;
  core::Callback* heldClientCallback = nullptr;
};

} // namespace qor::aip

// Host-facing wrapper of one host notifier subscription made through the host's notifier suite.
// The router keeps these by host handle and fires them.
#pragma once

#include <string>

#include "aip/qoraipMsgEnv.h"

namespace qor::utils {
class Callback;
}

namespace qor::aip {

class Notifier
{
public:
  // `name` is UTF-8 and reaches the host in its default 8-bit encoding; the callback is owned.
  Notifier(const std::string& name, const std::string& notifierTypeName, utils::Callback* callback);

  virtual ~Notifier();
  virtual NotifierHandle hostHandle() const;
  virtual void fire();
  virtual std::string name() const;
  virtual std::string notifierTypeName() const;
  virtual bool isActive() const;
  virtual void setActive(bool active);
  virtual void activate();
  virtual void deactivate();
  virtual utils::Callback* callback() const;
  virtual void setCallback(utils::Callback* callback);

private:
  NotifierHandle handle = nullptr;
  utils::Callback* heldCallback = nullptr;
};

} // namespace qor::aip

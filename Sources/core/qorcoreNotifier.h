// Client handle of a notifier registration: a notifier type, a cloned callback and an enabled flag,
// shared by every handle made from one another. The dispatcher delivers the host's notifications.
#pragma once

#include <cstdint>

#include "core/qorcoreNotifierType.h"

namespace qor::core {

class Callback;

class __NotifierImpl
{
public:
  virtual ~__NotifierImpl();

  NotifierType type = NoNotifierType;
  Callback* callback = nullptr;
  bool enabled = true;
};

class __IntNotifierData
{
public:
  virtual ~__IntNotifierData();

  __NotifierImpl* impl = nullptr;
};

class __IntNotifierContainer
{
public:
  virtual ~__IntNotifierContainer();

  uint32_t id = 0;
  int32_t refCount = 1;
  __IntNotifierData* data = nullptr;
};

class Notifier
{
public:
  Notifier(NotifierType type, const Callback& callback);
  Notifier(const Notifier& other);
  Notifier();

  virtual ~Notifier();
  virtual Notifier& operator=(const Notifier& other);
  virtual bool operator==(const Notifier& other) const;
  virtual bool operator!=(const Notifier& other) const;
  virtual bool isEmpty() const;
  virtual NotifierType type() const;
  virtual bool isEnabled() const;
  virtual void setEnabled(bool enabled);
  virtual void enable();
  virtual void disable();
  virtual Callback* callback() const;
  virtual void setCallback(const Callback& callback);

  // Id of the shared container (the registry key); 0 without one.
  uint32_t containerId() const;

  __IntNotifierContainer* data() const { return container; }

private:
  __NotifierImpl* impl() const;
  void release();

  __IntNotifierContainer* container = nullptr;
};

} // namespace qor::core

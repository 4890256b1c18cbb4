#include "core/qorcoreNotifier.h"

#include "core/qorcoreCallback.h"
#include "core/qorcoreMsgEnv.h"

namespace qor::core {

namespace qorcoreNotifier_detail {
// One counter per loaded plug-in; every constructor takes the next id, the first being 1.
uint32_t notifierCounter = 0;

__IntNotifierContainer* newContainer()
{
  auto* container = new __IntNotifierContainer();
  container->id = ++notifierCounter;
  return container;
}
} // namespace qorcoreNotifier_detail

__NotifierImpl::~__NotifierImpl() { delete callback; }
__IntNotifierData::~__IntNotifierData() { delete impl; }
__IntNotifierContainer::~__IntNotifierContainer() { delete data; }

Notifier::Notifier(NotifierType type, const Callback& callback)
    : container(qorcoreNotifier_detail::newContainer())
{
  CoreGlobals* globals = msgCoreGlobals();
  if (!globals)
    return;
  auto* impl = new __NotifierImpl();
  impl->type = type;
  impl->callback = cloneCallback(callback);
  container->data = new __IntNotifierData();
  container->data->impl = impl;
  globals->notifierRegistry.insert(container->id, container);
}

Notifier::Notifier(const Notifier& other) : container(qorcoreNotifier_detail::newContainer())
{
  if (other.container) {
    delete container;
    container = other.container;
    ++container->refCount;
  }
}

Notifier::Notifier() : container(qorcoreNotifier_detail::newContainer()) {}

Notifier::~Notifier() { release(); }

void Notifier::release()
{
  if (!container)
    return;
  // The count is kept even without the globals, so a container that no handle holds is freed
  // instead of leaking; only the registry entry needs the globals.
  if (--container->refCount <= 0) {
    if (CoreGlobals* globals = msgCoreGlobals())
      globals->notifierRegistry.remove(container->id);
    delete container;
  }
  container = nullptr;
}

Notifier& Notifier::operator=(const Notifier& other)
{
  if (this == &other || !msgCoreGlobals() || !container || !other.container)
    return *this;
  if (container == other.container)
    return *this;
  __IntNotifierContainer* shared = other.container;
  ++shared->refCount;
  release();
  container = shared;
  return *this;
}

bool Notifier::operator==(const Notifier& other) const
{
  if (!container || !other.container)
    return !container && !other.container;
  if (container->data && other.container->data)
    return container->id == other.container->id;
  return !container->data && !other.container->data;
}

bool Notifier::operator!=(const Notifier& other) const { return !(*this == other); }

__NotifierImpl* Notifier::impl() const
{
  return container && container->data ? container->data->impl : nullptr;
}

bool Notifier::isEmpty() const { return impl() == nullptr; }
NotifierType Notifier::type() const { return impl() ? impl()->type : NoNotifierType; }
bool Notifier::isEnabled() const { return impl() && impl()->enabled; }
void Notifier::setEnabled(bool enabled) { enabled ? enable() : disable(); }

void Notifier::enable()
{
  if (impl())
    impl()->enabled = true;
}

void Notifier::disable()
{
  if (impl())
    impl()->enabled = false;
}

Callback* Notifier::callback() const { return impl() ? impl()->callback : nullptr; }

void Notifier::setCallback(const Callback& callback)
{
  __NotifierImpl* i = impl();
  if (!i)
    return;
  // Clone first: the argument may be the stored callback itself.
  Callback* clone = cloneCallback(callback);
  delete i->callback;
  i->callback = clone;
}

uint32_t Notifier::containerId() const { return container ? container->id : 0; }

} // namespace qor::core

// The reference-counted container behind the client's group-like handles (widget groups, tab
// orders) and the handle operations they share: made and registered under a per-class id while the
// framework's globals exist, shared by copies, unregistered and freed by the last handle.
#pragma once

#include <cstdint>

#include "core/qorcoreCoreGlobals.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace core {

// Self is the container class, Data what it owns.
template <class Self, class Data>
struct __IntSharedContainer
{
  __IntSharedContainer() : id(++counter()) {}
  __IntSharedContainer(const __IntSharedContainer&) = delete;
  __IntSharedContainer& operator=(const __IntSharedContainer&) = delete;
  ~__IntSharedContainer() { delete data; }

  using DataType = Data;
  const uint32_t id;
  int32_t refCount = 1;
  Data* data = nullptr;

private:
  // One counter per container class; the first id is 1.
  static uint32_t& counter()
  {
    static uint32_t value = 0;
    return value;
  }
};

// The handle side: Registry is the CoreGlobals map the containers live in while they hold data.
template <class Container, qor::utils::Map<unsigned int, Container*> CoreGlobals::*Registry>
class __IntSharedHandle
{
protected:
  static CoreGlobals* coreGlobals()
  {
    pui::BasePlugin* plugin = pui::BasePlugin::instance();
    UiGlobals* ui = plugin ? plugin->uiGlobals() : nullptr;
    return ui ? ui->coreGlobals : nullptr;
  }

  // A new container; with the globals, new data from make() and the container registered.
  explicit __IntSharedHandle(typename Container::DataType* (*make)()) : container_(new Container())
  {
    if (CoreGlobals* globals = coreGlobals()) {
      container_->data = make();
      (globals->*Registry).insert(container_->id, container_);
    }
  }
  __IntSharedHandle(const __IntSharedHandle& other) : container_(other.container_) { ++container_->refCount; }
  ~__IntSharedHandle() { release(); }

  void share(const __IntSharedHandle& other)
  {
    if (&other == this || other.container_ == container_ || !coreGlobals())
      return;
    Container* shared = other.container_;
    release();
    container_ = shared;
    ++container_->refCount;
  }

  bool sameAs(const __IntSharedHandle& other) const
  {
    const bool mine = data(), theirs = other.data();
    if (!mine || !theirs)
      return !mine && !theirs;
    return container_->id == other.container_->id;
  }

  typename Container::DataType* data() const { return container_ && container_->data ? container_->data : nullptr; }

private:
  void release()
  {
    CoreGlobals* globals = coreGlobals();
    if (container_ && --container_->refCount <= 0) {
      // Without the globals only an empty container is freed; one with data is left to the layer.
      if (globals)
        (globals->*Registry).remove(container_->id);
      if (globals || !container_->data)
        delete container_;
    }
    container_ = nullptr;
  }

  Container* container_;
};

}  // namespace core
}  // namespace qor

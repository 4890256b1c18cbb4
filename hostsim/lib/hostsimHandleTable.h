// A table of host objects behind opaque handles. Handles come from HostApp::mintHandle, so they increase
// and are never reused; a removed object leaves a dead entry whose handle keeps failing.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

namespace hostsim {

template <class Handle, class Object> class HandleTable
{
public:
  // Stores the object under a handle minted by the caller.
  Object& add(Handle handle, Object object)
  {
    auto& slot = entries_[key(handle)];
    slot = std::make_unique<Object>(std::move(object));
    return *slot;
  }

  // The live object of a handle, or null for a null, unknown or dead handle.
  Object* find(Handle handle) const
  {
    if (!handle)
      return nullptr;
    auto it = entries_.find(key(handle));
    return it == entries_.end() ? nullptr : it->second.get();
  }

  bool isLive(Handle handle) const { return find(handle) != nullptr; }

  // Kills the object; false when the handle was not live.
  bool remove(Handle handle)
  {
    auto it = handle ? entries_.find(key(handle)) : entries_.end();
    if (it == entries_.end() || !it->second)
      return false;
    it->second.reset();
    return true;
  }

  size_t liveCount() const
  {
    size_t count = 0;
    for (const auto& entry : entries_)
      count += entry.second ? 1 : 0;
    return count;
  }

  // Calls f(handle, object) for every live object in handle order.
  template <class F> void forEach(F&& f) const
  {
    for (const auto& entry : entries_)
      if (entry.second)
        f(reinterpret_cast<Handle>(entry.first), *entry.second);
  }

private:
  static uintptr_t key(Handle handle) { return reinterpret_cast<uintptr_t>(handle); }

  std::map<uintptr_t, std::unique_ptr<Object>> entries_;
};

} // namespace hostsim

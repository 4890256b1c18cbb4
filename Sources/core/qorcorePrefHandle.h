// The common ground of the typed preference handle classes: a clone of the handle's own class that
// shares the record. Copying and assigning a handle of the same class share the record as the base does.
#pragma once

#include "core/qorcorePrefData.h"

namespace qor {
namespace core {

template <class Derived> class PrefHandle : public PrefData
{
public:
  PrefData* clone() const override { return new Derived(static_cast<const Derived&>(*this)); }

protected:
  PrefHandle() = default;
  PrefHandle(const PrefHandle& other) = default;
  PrefHandle& operator=(const PrefHandle& other) = default;

  // The record's value when it is a T (a run-time class check), else null.
  template <class T> T* stored() const { return dynamic_cast<T*>(value()); }

  // The stored T's value made into a client value by wrap; fallback when the value is not a T.
  template <class T, class Client, class Impl>
  Client storedValue(Client (*wrap)(const Impl&), const Client& fallback) const
  {
    T* s = stored<T>();
    return s ? wrap(s->value()) : fallback;
  }

  // Writes an implementation value into the stored T; false, changing nothing, when the value is not a T.
  template <class T, class Impl> bool setStoredValue(const Impl& impl)
  {
    T* s = stored<T>();
    return s && s->setValue(impl);
  }
};

} // namespace core
} // namespace qor

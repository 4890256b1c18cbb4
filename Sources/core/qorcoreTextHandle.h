// What every client text handle shares: a pointer to its counted implementation object (null for an
// empty handle) and one count of it; construction from an implementation object (found again through
// its registry by the engine reference), destruction, assignment, comparison, the wrapper hand-out and
// the emptiness test. Also the conversions of the text objects' results into client handles.
#pragma once

#include <memory>
#include <vector>

#include "aip/qoraipTextObject.h"

namespace qor {
namespace core {

template <class Impl> class TextHandle
{
public:
  using Wrapper = typename Impl::Wrapper;

  // An empty handle.
  TextHandle() = default;
  // The object the registry holds for the given object's engine reference, with a count of its own;
  // empty without the plug-in's globals. The object must not be null.
  explicit TextHandle(Impl* object)
  {
    Wrapper copy = object->wrapper();
    impl_ = Impl::getOrCreate(copy.ref());
  }
  TextHandle(const TextHandle&) = delete;
  virtual ~TextHandle()
  {
    if (impl_)
      impl_->release();
    impl_ = nullptr;
  }
  // Shares the other handle's object.
  virtual TextHandle& operator=(const TextHandle& other)
  {
    if (&other == this)
      return *this;
    if (impl_)
      impl_->release();
    impl_ = nullptr;
    impl_ = aip::retain(other.impl_);
    return *this;
  }
  // The same object (two empty handles are equal).
  virtual bool operator==(const TextHandle& other) const { return impl_ == other.impl_; }
  virtual bool operator!=(const TextHandle& other) const { return !(*this == other); }
  virtual bool isEmpty() const { return impl_ == nullptr; }

  Impl* impl() const { return impl_; }

protected:
  // A new engine wrapper with a reference of its own, owned by the caller; null for an empty handle.
  std::unique_ptr<Wrapper> handOut() const { return impl_ ? std::make_unique<Wrapper>(impl_->wrapper()) : nullptr; }

  Impl* impl_ = nullptr;
};

template <class Impl> Impl* implPointer(const TextHandle<Impl>& handle)
{
  return handle.impl();
}

// A new client handle over an object that carries one count for the caller (the count is given back
// once the handle took its own); null for a null object.
template <class Handle, class Impl> std::unique_ptr<Handle> handleOf(Impl* counted)
{
  aip::ObjectRef<Impl> held(counted);
  return held ? std::make_unique<Handle>(held.get()) : nullptr;
}

// A walk list made into new client handles owned by the caller; the list and its counts are given back
// (also when making a handle fails, and then the handles made are deleted).
template <class Handle, class Entry> std::vector<Handle*> clientList(aip::WalkList<Entry>* list)
{
  aip::WalkListPtr<Entry> owned(list);
  std::vector<std::unique_ptr<Handle>> made;
  if (owned)
    for (Entry* entry : *owned)
      made.push_back(std::make_unique<Handle>(entry));
  std::vector<Handle*> out;
  for (auto& handle : made)
    out.push_back(handle.release());
  return out;
}

}  // namespace core
}  // namespace qor

// What every text-engine wrapper shares: one counted engine reference, copied with the suite's first
// position, released with its second and tested with its third, and the calling pattern of its
// methods (the wrapper's reference first; a non-zero result throws ATE::Exception).
#pragma once

#include "aip/qoraipTextEngineSuites.h"
#include "hostapi/HostTypes.h"
#include "sdk/qorATEException.h"

namespace ATE {

template <class SuiteTable, class Ref, AteSuiteIndex Index>
class Wrapper
{
public:
  using RefType = Ref;

  // Null: no engine object and no engine call.
  Wrapper() = default;
  // Adopts a reference the engine handed out, without calling the engine.
  explicit Wrapper(Ref ref) : ref_(ref) {}
  Wrapper(const Wrapper& other) : ref_(other.ref_)
  {
    if (const SuiteTable* s = suite())
      s->addRef(ref_);
  }
  virtual ~Wrapper()
  {
    if (const SuiteTable* s = suite())
      s->release(ref_);
  }
  // Release, then add, also when both hold the same reference: the other keeps it alive in between.
  Wrapper& operator=(const Wrapper& other)
  {
    if (&other == this)
      return *this;
    const SuiteTable* s = suite();
    if (s)
      s->release(ref_);
    ref_ = other.ref_;
    if (s)
      s->addRef(ref_);
    return *this;
  }

  // The engine's answer; without the suite there is no engine object to stand for.
  bool isNull() const
  {
    const SuiteTable* s = suite();
    return s ? s->isNull(ref_) != 0 : true;
  }
  Ref ref() const { return ref_; }

protected:
  static const SuiteTable* suite() { return qor::aip::ateSuite<SuiteTable>(Index); }

  // Calls one engine function with this wrapper's reference first. A suite the host never gave is
  // reported like an unimplemented function instead of being called through.
  template <class Fn, class... Args>
  void call(Fn SuiteTable::*function, Args... args) const
  {
    const SuiteTable* s = suite();
    if (!s || !(s->*function))
      throwException(kHostErrNotImplemented);
    if (HostErr err = (s->*function)(ref_, args...))
      throwException(err);
  }

  // The same, for a function whose last argument is one output: its value.
  template <class Out, class Fn, class... Args>
  Out callFor(Fn SuiteTable::*function, Args... args) const
  {
    Out out{};
    call(function, args..., &out);
    return out;
  }

  Ref ref_ = nullptr;
};

}  // namespace ATE

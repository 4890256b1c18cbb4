// The wrapper base of the text-engine suites that are reached by position: one counted engine reference,
// copied with position 0, released with position 1 and tested with position 2, and calls of any other
// position with the reference first (a non-zero result throws ATE::Exception). The suites of the text
// model repeat a few function shapes at many positions (getters, setters and clearers of features, the
// getters of inspectors), so one calling mechanism serves them all; the engine defines each function
// with exactly the types the call passes.
#pragma once

#include "aip/qoraipTextEngineSuites.h"
#include "hostapi/HostTypes.h"
#include "sdk/qorATEException.h"

namespace ATE {

// A slot of a table as the function type it holds (through the generic function type, which converts to
// and from any other).
template <class Fn> Fn slotAs(HostStubProc slot)
{
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(slot));
}

// The function table of a suite, or null when the host never gave it.
inline const HostStubProc* suiteTable(AteSuiteIndex index)
{
  return static_cast<const HostStubProc*>(qor::aip::ateSuitePointers[index]);
}

// Position pos of a suite with the given arguments; throws for an error or a missing suite or function.
template <class... Args> void callPosition(AteSuiteIndex index, int pos, Args... args)
{
  const HostStubProc* table = suiteTable(index);
  if (!table || !table[pos])
    throwException(kHostErrNotImplemented);
  auto fn = slotAs<HostErr (*)(Args...)>(table[pos]);
  if (HostErr err = fn(args...))
    throwException(err);
}

// The three common positions: harmless for a null reference and without the suite.
template <class Ref> void addRefAt(AteSuiteIndex index, Ref ref)
{
  if (const HostStubProc* table = suiteTable(index))
    slotAs<HostErr (*)(Ref)>(table[0])(ref);
}
template <class Ref> void releaseAt(AteSuiteIndex index, Ref ref)
{
  if (const HostStubProc* table = suiteTable(index))
    slotAs<HostErr (*)(Ref)>(table[1])(ref);
}
template <class Ref> bool isNullAt(AteSuiteIndex index, Ref ref)
{
  const HostStubProc* table = suiteTable(index);
  return table ? slotAs<bool8 (*)(Ref)>(table[2])(ref) != 0 : true;
}

// Marks the constructor that makes a new, empty engine object through position 3.
struct CreateNew
{
};

template <class Ref, AteSuiteIndex Index> class Object
{
public:
  using RefType = Ref;
  static constexpr AteSuiteIndex kSuite = Index;

  // Null: no engine object and no engine call.
  Object() = default;
  // Adopts a reference the engine handed out, without calling the engine.
  explicit Object(Ref ref) : ref_(ref) {}
  // A new, empty engine object (position 3, no reference of its own first).
  explicit Object(CreateNew)
  {
    Ref created = nullptr;
    callPosition(Index, 3, &created);
    ref_ = created;
  }
  Object(const Object& other) : ref_(other.ref_) { addRefAt(Index, ref_); }
  virtual ~Object() { releaseAt(Index, ref_); }
  // Release, then add, also for the same reference: the other keeps it alive in between.
  Object& operator=(const Object& other)
  {
    if (&other == this)
      return *this;
    releaseAt(Index, ref_);
    ref_ = other.ref_;
    addRefAt(Index, ref_);
    return *this;
  }

  bool isNull() const { return isNullAt(Index, ref_); }
  Ref ref() const { return ref_; }

protected:
  template <class... Args> void call(int pos, Args... args) const { callPosition(Index, pos, ref_, args...); }
  // The value of a function whose last argument is its one output.
  template <class Out, class... Args> Out callFor(int pos, Args... args) const
  {
    Out out{};
    call(pos, args..., &out);
    return out;
  }
  // An engine object handed out by a function whose last argument is its output: adopted by a wrapper.
  template <class W, class... Args> W callForObject(int pos, Args... args) const
  {
    return W(callFor<typename W::RefType>(pos, args...));
  }
  bool callForBool(int pos) const { return callFor<bool8>(pos) != 0; }

  Ref ref_ = nullptr;
};

}  // namespace ATE

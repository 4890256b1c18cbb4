#pragma once
// The simulated host's handle table: every document object gets a handle value minted in increasing order
// and never reused, so client registries keyed by handle value never join a stale record.
#include <cstdint>
#include <vector>

namespace hostsim {

enum class ObjKind : uint8_t
{
  Document,
  Layer,
  Art,
  View,
  Dictionary,
  DictIterator,
  Array,
  Entry,
  UID,
  UIDRef,
  Gradient,
  Pattern,
  Symbol,
  CustomColor,
  ArtStyle,
  StyleParser,
  StylePart,
  ArtboardList,
  ArtboardProps,
};

// Error codes of the simulated host's document suites.
constexpr int32_t kErrParam = 0x5041524D;    // 'PARM': null or dead handle, bad argument
constexpr int32_t kErrNotFound = 0x4E464E44; // 'NFND': missing name, key or index

class Object
{
public:
  explicit Object(ObjKind kind);
  virtual ~Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  ObjKind kind() const { return kind_; }
  uint64_t id() const { return id_; }
  // The opaque value handed to clients.
  void* handle() const;
  bool dead() const { return dead_; }
  // A dead object keeps its slot so its handle keeps failing; it is never looked up again.
  void kill();

private:
  ObjKind kind_;
  uint64_t id_;
  bool dead_ = false;
};

class Handles
{
public:
  static Handles& instance();

  uint64_t mint(Object* object);
  void forget(uint64_t id);
  // The live object behind a handle value when it has the expected kind, else null.
  Object* find(const void* handle, ObjKind kind) const;
  // The object behind a handle value, dead or alive, while its document keeps it.
  Object* findAny(const void* handle) const;
  static void* toHandle(uint64_t id);

  template <class T> T* get(const void* handle) const { return static_cast<T*>(find(handle, T::kKind)); }

private:
  std::vector<Object*> table_{nullptr};
};

template <class T> T* lookup(const void* handle)
{
  return Handles::instance().get<T>(handle);
}

// The shape of the suites' getters: the answer about the live object behind a handle (the caller finds
// it) written to out; kErrParam, writing nothing, for a null or dead handle or a null out pointer.
template <class T, class Out, class F> int32_t answer(T* object, Out* out, F&& value)
{
  if (!object || !out)
    return kErrParam;
  *out = value(*object);
  return 0;
}

} // namespace hostsim

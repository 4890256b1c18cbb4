#include "hostsimHandles.h"

namespace hostsim {

// Handle values are id × 16: non-null, pointer-aligned and increasing with the id.
constexpr uintptr_t kHandleStep = 16;

Object::Object(ObjKind kind) : kind_(kind), id_(Handles::instance().mint(this)) {}

Object::~Object() { Handles::instance().forget(id_); }

void* Object::handle() const { return Handles::toHandle(id_); }

void Object::kill()
{
  dead_ = true;
  Handles::instance().forget(id_);
}

Handles& Handles::instance()
{
  // Never destroyed: documents may die after other statics at exit.
  static Handles* handles = new Handles;
  return *handles;
}

uint64_t Handles::mint(Object* object)
{
  table_.push_back(object);
  return table_.size() - 1;
}

void Handles::forget(uint64_t id)
{
  if (id < table_.size())
    table_[id] = nullptr;
}

void* Handles::toHandle(uint64_t id) { return reinterpret_cast<void*>(static_cast<uintptr_t>(id) * kHandleStep); }

Object* Handles::findAny(const void* handle) const
{
  auto value = reinterpret_cast<uintptr_t>(handle);
  if (value == 0 || value % kHandleStep != 0)
    return nullptr;
  uintptr_t id = value / kHandleStep;
  if (id >= table_.size())
    return nullptr;
  return table_[id];
}

Object* Handles::find(const void* handle, ObjKind kind) const
{
  Object* object = findAny(handle);
  return object && object->kind() == kind ? object : nullptr;
}

} // namespace hostsim

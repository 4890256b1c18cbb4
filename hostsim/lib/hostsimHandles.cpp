#include "hostsimHandles.h"

namespace hostsim {

// Handle values are base + id × 16: non-null, pointer-aligned and increasing with the id. The base keeps
// them clear of the handles the application core mints for its own objects.
constexpr uintptr_t kHandleStep = 16;
constexpr uintptr_t kHandleBase = uintptr_t(1) << 44;

Object::Object(ObjKind kind) : kind_(kind), id_(Handles::instance().mint(this)) {}

Object::~Object()
{
  Handles::instance().forget(id_);
}

void* Object::handle() const
{
  return Handles::toHandle(id_);
}

void Object::kill()
{
  dead_ = true;
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

void* Handles::toHandle(uint64_t id)
{
  return reinterpret_cast<void*>(kHandleBase + static_cast<uintptr_t>(id) * kHandleStep);
}

Object* Handles::findAny(const void* handle) const
{
  auto value = reinterpret_cast<uintptr_t>(handle);
  if (value <= kHandleBase || value % kHandleStep != 0)
    return nullptr;
  uintptr_t id = (value - kHandleBase) / kHandleStep;
  if (id >= table_.size())
    return nullptr;
  return table_[id];
}

Object* Handles::find(const void* handle, ObjKind kind) const
{
  Object* object = findAny(handle);
  return object && object->kind() == kind && !object->dead() ? object : nullptr;
}

} // namespace hostsim

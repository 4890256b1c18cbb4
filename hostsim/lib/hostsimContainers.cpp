#include "hostsimContainers.h"

#include <unordered_set>

namespace hostsim {

namespace hostsimContainers_detail {
int32_t& failures()
{
  static int32_t count = 0;
  return count;
}
} // namespace hostsimContainers_detail

void Counted::release()
{
  if (refs <= 0) {
    ++hostsimContainers_detail::failures();
    return;
  }
  if (--refs == 0) {
    dropContents();
    kill();
  }
}

HostErrCode Counted::releaseHandle(const void* handle, ObjKind kind)
{
  Object* o = Handles::instance().findAny(handle);
  if (!o || o->kind() != kind)
    return kErrParam;
  if (o->dead()) {
    ++hostsimContainers_detail::failures();
    return kErrParam;
  }
  static_cast<Counted*>(o)->release();
  return 0;
}

int32_t Counted::auditFailures()
{
  return hostsimContainers_detail::failures();
}
void Counted::resetAudit()
{
  hostsimContainers_detail::failures() = 0;
}

void Entry::dropContents()
{
  if (dictionary)
    dictionary->release();
  if (array)
    array->release();
  if (uid)
    uid->release();
  if (uidref)
    uidref->release();
  dictionary = nullptr;
  array = nullptr;
  uid = nullptr;
  uidref = nullptr;
}

const char* Dictionary::key(const char* text)
{
  static std::unordered_set<std::string> keys;
  return keys.insert(text ? text : "").first->c_str();
}

void Dictionary::set(const char* k, Entry* entry)
{
  auto it = entries.find(k);
  if (it != entries.end()) {
    Entry* old = it->second;
    it->second = entry;
    old->release();
    return;
  }
  entries.emplace(k, entry);
}

bool Dictionary::remove(const char* k)
{
  auto it = entries.find(k);
  if (it == entries.end())
    return false;
  Entry* old = it->second;
  entries.erase(it);
  old->release();
  return true;
}

void Dictionary::dropContents()
{
  auto held = std::move(entries);
  entries.clear();
  for (auto& kv : held)
    kv.second->release();
}

DictIter::DictIter(Dictionary* dict) : Object(kKind), dict(dict)
{
  if (dict->entries.empty())
    atEnd = true;
  else
    current = dict->entries.begin()->first;
}

void DictIter::advance()
{
  if (atEnd)
    return;
  auto it = dict->entries.upper_bound(current);
  if (it == dict->entries.end())
    atEnd = true;
  else
    current = it->first;
}

void Array::dropContents()
{
  auto held = std::move(entries);
  entries.clear();
  for (Entry* e : held)
    e->release();
}

void UIDRef::dropContents()
{
  if (uid)
    uid->release();
  uid = nullptr;
}

} // namespace hostsim

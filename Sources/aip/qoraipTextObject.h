// What the reference-counted implementation objects of the text model share: one object per engine
// reference, found again through its registry map in the plug-in's globals; the count (first field) and
// the held wrapper, which owns one engine reference; get-or-create, release and the wrapper hand-out.
// Also the walks over the engine's iterators that the text objects run, and the lists they fill.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "aip/qoraipHostRefs.h"
#include "aip/qoraipPluginGlobals.h"
#include "aip/qoraipTextEngineSuites.h"
#include "sdk/qorATETextObjects.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace aip {

class TextArt;

// Text of n UTF-16 units read by copy(buffer, capacity) (which reports the units copied), as UTF-8 with
// every "\r\n" and then every "\r" written as the line ending. A negative n reads as 0, and the count
// copied is kept within the buffer.
std::string engineText(int32_t n, const std::function<int32_t(char16_t*, int32_t)>& copy,
                       const std::string& lineEnding);

template <class Derived, class W, AteFirstSuite First,
          utils::Map<typename W::RefType, Derived*> PluginGlobals::*Registry>
class TextObject
{
public:
  using Ref = typename W::RefType;
  using Wrapper = W;

  // The object of the engine reference with one more count for the caller, made when there is none;
  // null for a null reference or without the plug-in's globals.
  static Derived* getOrCreate(const Ref& ref)
  {
    if (!ref || !wrapperGlobals())
      return nullptr;
    acquireTextEngineSuites(First);
    PluginGlobals* globals = wrapperGlobals();
    if (!globals)
      return nullptr;
    Derived* found = nullptr;
    if ((globals->*Registry).get(ref, found) && found) {
      found->retain();
      return found;
    }
    Derived* created = new Derived(ref);
    created->retain();
    return created;
  }

  TextObject(const TextObject&) = delete;
  TextObject& operator=(const TextObject&) = delete;

  void retain() { ++count_; }
  // One count less; the last unregisters the object, releases its engine reference and frees it.
  void release()
  {
    if (--count_ < 1)
      delete static_cast<Derived*>(this);
  }
  int32_t refCount() const { return count_; }
  // A copy of the held wrapper, with an engine reference of its own.
  W wrapper() const { return wrapper_; }

protected:
  // The wrapper member is default-constructed first (a creating family makes a throwaway engine object
  // there); then the engine's count goes add, release, add, so it never drops on the way.
  explicit TextObject(const Ref& ref)
  {
    {
      W adopted(ref);
      wrapper_ = adopted;
    }
    ATE::addRefAt(W::kSuite, ref);
    if (PluginGlobals* globals = wrapperGlobals())
      (globals->*Registry).insert(wrapper_.ref(), static_cast<Derived*>(this));
  }
  ~TextObject()
  {
    if (PluginGlobals* globals = wrapperGlobals())
      (globals->*Registry).remove(wrapper_.ref());
  }

  // The count comes first: retain relies on it.
  int32_t count_ = 0;
  W wrapper_;
};

// The object of an engine object handed out (one count for the caller), or null for a null one.
template <class T, class W> T* objectOf(const W& w)
{
  return w.isNull() ? nullptr : T::getOrCreate(w.ref());
}

// One count of an implementation object given back when the holder goes (also on an exception).
template <class T> struct ReleaseObject
{
  void operator()(T* object) const
  {
    if (object)
      object->release();
  }
};
template <class T> using ObjectRef = std::unique_ptr<T, ReleaseObject<T>>;

// A walk list: a new heap vector whose elements each carry one count (or, for text art, are owned) by
// whoever takes the list.
template <class T> using WalkList = utils::Vector<T*>;

void dropEntry(TextArt* entry);
template <class T> void dropEntry(T* entry)
{
  entry->release();
}

// Frees a list and what its elements hold: the cleanup of an interrupted walk or conversion.
template <class T> struct DropList
{
  void operator()(WalkList<T>* list) const
  {
    if (!list)
      return;
    for (T* entry : *list)
      dropEntry(entry);
    delete list;
  }
};
template <class T> using WalkListPtr = std::unique_ptr<WalkList<T>, DropList<T>>;

// Runs an engine iterator to its end: each element is taken before the iterator moves on, and the entry
// made from it is appended unless null. An exception frees the entries made so far and passes on.
template <class T, class Iterator, class MakeEntry> WalkList<T>* walk(Iterator iterator, MakeEntry makeEntry)
{
  WalkListPtr<T> list(new WalkList<T>());
  if (iterator.isNull())
    return list.release();
  while (iterator.isNotDone()) {
    typename Iterator::Element element = iterator.item();
    iterator.next();
    if (element.isNull())
      continue;
    if (T* entry = makeEntry(element))
      list->pushBack(entry);
  }
  return list.release();
}

}  // namespace aip
}  // namespace qor

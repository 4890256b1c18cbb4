// The client handle of one host entry: a typed value that can be read as its kind, or stored into a
// dictionary or an array. Handles of one host entry share its one registered wrapper.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipIllustratorEntry.h"

namespace qor {
namespace core {

class Art;
class UID;

namespace ai {

class Array;
class Dictionary;

// Kinds of entry values.
enum EntryKind : int32_t
{
  EntryKindNone = 0,
  EntryKindBool = 10,
  EntryKindInteger = 20,
  EntryKindReal = 30,
  EntryKindString = 40,
  EntryKindOther50 = 50,
  EntryKindDictionary = 60,
  EntryKindArray = 70,
  EntryKindOther130 = 130,
  EntryKindUID = 310,
};

// Hands out a wrapper obtained with one count through a client handle: the handle takes a count of its
// own and the obtained one is released. False for null, leaving the handle alone.
template <class Handle, class Wrapper> bool handOut(Wrapper* wrapper, Handle& out)
{
  if (!wrapper)
    return false;
  out.assign(Handle(wrapper));
  wrapper->release();
  return true;
}

// The kind of a host entry type; 0 for types without a meaning here.
int32_t entryKindFromHost(int32_t hostType);

class Entry
{
public:
  Entry() = default;
  // Holds the registered wrapper of the given wrapper's host entry (one more count).
  explicit Entry(aip::IllustratorEntry* wrapper);
  Entry(const Entry& other);
  virtual ~Entry();
  virtual Entry& assign(const Entry& other);
  virtual bool equals(const Entry& other) const;
  virtual bool notEquals(const Entry& other) const;
  virtual bool isEmpty() const;
  virtual EntryHandle hostHandle() const;
  virtual int32_t kind() const;
  // Each reader answers false, leaving the out value alone, unless the entry is of its kind.
  virtual bool asArray(Array& out) const;
  virtual bool asBool(bool& out) const;
  virtual bool asDictionary(Dictionary& out) const;
  virtual bool asInteger(int64_t& out) const;
  virtual bool asReal(double& out) const;
  virtual bool asString(std::string& out) const;
  virtual bool asUID(UID& out) const;
  virtual bool asArt(Art& out) const;

  aip::IllustratorEntry* impl() const { return wrapper_; }

  aip::IllustratorEntry* data() const { return wrapper_; }

private:
  aip::IllustratorEntry* wrapper_ = nullptr;
};

Entry wrapAiEntry(aip::IllustratorEntry* wrapper);

} // namespace ai
} // namespace core
} // namespace qor

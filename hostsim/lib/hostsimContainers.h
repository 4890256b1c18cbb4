#pragma once
// Reference-counted dictionaries, arrays, entries, unique ids and references to unique ids of the
// simulated document. Every counted object audits its count: a release below zero is recorded (tests
// assert none happen) and never frees twice.
#include "hostsimHandles.h"

#include <map>
#include <string>
#include <vector>

namespace hostsim {

using HostErrCode = int32_t;

class Art;
class Document;
class Dictionary;
class Array;
class UID;
class UIDRef;

class Counted : public Object
{
public:
  Counted(ObjKind kind, Document* doc) : Object(kind), doc(doc) {}
  Document* doc;
  int32_t refs = 1;
  void retain() { ++refs; }
  // Drops one reference; at zero the object releases what it holds and dies.
  void release();
  // Releases through a handle; a handle whose object already died counts as an audit failure.
  static HostErrCode releaseHandle(const void* handle, ObjKind kind);
  static int32_t auditFailures();
  static void resetAudit();

protected:
  virtual void dropContents() {}
};

class Entry : public Counted
{
public:
  static constexpr ObjKind kKind = ObjKind::Entry;
  enum Type : int32_t
  {
    kInteger = 1,
    kBoolean = 2,
    kReal = 3,
    kByteString = 4,
    kDictionary = 5,
    kArray = 6,
    kUID = 17,
    kUIDRef = 18,
    kUnicodeString = 26,
  };
  Entry(Document* doc, int32_t type) : Counted(kKind, doc), type(type) {}
  int32_t type;
  bool boolean = false;
  int32_t integer = 0;
  double real = 0;
  std::string text;
  // Each held with one reference.
  Dictionary* dictionary = nullptr;
  Array* array = nullptr;
  UID* uid = nullptr;
  UIDRef* uidref = nullptr;

protected:
  void dropContents() override;
};

class Dictionary : public Counted
{
public:
  static constexpr ObjKind kKind = ObjKind::Dictionary;
  explicit Dictionary(Document* doc) : Counted(kKind, doc) {}
  // Keys are interned texts; each slot holds one entry reference.
  std::map<std::string, Entry*> entries;
  // Interns a key; the pointer stays valid for the run.
  static const char* key(const char* text);
  void set(const char* key, Entry* entry);
  bool remove(const char* key);

protected:
  void dropContents() override;
};

class DictIter : public Object
{
public:
  static constexpr ObjKind kKind = ObjKind::DictIterator;
  explicit DictIter(Dictionary* dict);
  Dictionary* dict;
  // The key the iterator stands on; survives the deletion of entries it has left.
  std::string current;
  bool atEnd = false;
  void advance();
};

class Array : public Counted
{
public:
  static constexpr ObjKind kKind = ObjKind::Array;
  explicit Array(Document* doc) : Counted(kKind, doc) {}
  std::vector<Entry*> entries;

protected:
  void dropContents() override;
};

class UID : public Counted
{
public:
  static constexpr ObjKind kKind = ObjKind::UID;
  UID(Document* doc, Art* art, std::string name) : Counted(kKind, doc), art(art), name(std::move(name)) {}
  Art* art;
  std::string name;
};

class UIDRef : public Counted
{
public:
  static constexpr ObjKind kKind = ObjKind::UIDRef;
  UIDRef(Document* doc, UID* uid) : Counted(kKind, doc), uid(uid) { uid->retain(); }
  UID* uid;

protected:
  void dropContents() override;
};

} // namespace hostsim

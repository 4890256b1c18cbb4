// Dictionary, array, entry and unique-id suites of the simulated host. Counting rule: every getter of a
// container or entry hands out a new reference, every store consumes one entry reference, and every typed
// reader and kind conversion of an entry consumes one.
#include "hostsimContainers.h"
#include "hostsimDocumentSuites.h"
#include "hostsimPaint.h"
#include "hostsimWorkspace.h"

namespace hostsim {

namespace hostsimContainerSuites_detail {

Document* owner()
{
  Document* doc = Workspace::instance().current();
  return doc ? doc : Workspace::instance().scratch();
}

Dictionary* dict(DictHandle h)
{
  return lookup<Dictionary>(h);
}
Array* array(ArrayHandle h)
{
  return lookup<Array>(h);
}
Entry* entry(EntryHandle h)
{
  return lookup<Entry>(h);
}
const char* keyText(DictKey k)
{
  return reinterpret_cast<const char*>(k);
}
EntryHandle handleOf(Entry* e)
{
  return e ? static_cast<EntryHandle>(e->handle()) : nullptr;
}

Entry* newEntry(int32_t type)
{
  return owner()->make<Entry>(owner(), type);
}

// ---- Entries ----

HostErr addEntryRef(EntryHandle h)
{
  Entry* e = entry(h);
  if (!e)
    return kErrParam;
  e->retain();
  return 0;
}

HostErr releaseEntry(EntryHandle h)
{
  return Counted::releaseHandle(h, ObjKind::Entry);
}

int32_t getEntryType(EntryHandle h)
{
  Entry* e = entry(h);
  return e ? e->type : 0;
}

// Reads an entry of the expected type and consumes the reference the caller added for the read.
template <class F> HostErr consume(EntryHandle h, int32_t type, F&& read)
{
  Entry* e = entry(h);
  if (!e)
    return kErrParam;
  HostErr err = e->type == type ? read(e) : kErrParam;
  e->release();
  return err;
}

HostErr entryToBoolean(EntryHandle h, bool8* out)
{
  return consume(h, Entry::kBoolean, [&](Entry* e) { return out ? (*out = e->boolean, 0) : kErrParam; });
}

HostErr entryToInteger(EntryHandle h, int32_t* out)
{
  return consume(h, Entry::kInteger, [&](Entry* e) { return out ? (*out = e->integer, 0) : kErrParam; });
}

HostErr entryToReal(EntryHandle h, double* out)
{
  return consume(h, Entry::kReal, [&](Entry* e) { return out ? (*out = e->real, 0) : kErrParam; });
}

HostErr entryToByteString(EntryHandle h, const char** out)
{
  return consume(h, Entry::kByteString,
                 [&](Entry* e) { return out ? (*out = e->text.c_str(), 0) : kErrParam; });
}

HostErr entryToDictionary(EntryHandle h, DictHandle* out)
{
  return consume(h, Entry::kDictionary, [&](Entry* e) {
    if (!out || !e->dictionary)
      return kErrParam;
    e->dictionary->retain();
    *out = static_cast<DictHandle>(e->dictionary->handle());
    return 0;
  });
}

HostErr entryToArray(EntryHandle h, ArrayHandle* out)
{
  return consume(h, Entry::kArray, [&](Entry* e) {
    if (!out || !e->array)
      return kErrParam;
    e->array->retain();
    *out = static_cast<ArrayHandle>(e->array->handle());
    return 0;
  });
}

HostErr entryToUIDRef(EntryHandle h, UIDRefHandle* out)
{
  return consume(h, Entry::kUIDRef, [&](Entry* e) {
    if (!out || !e->uidref)
      return kErrParam;
    e->uidref->retain();
    *out = static_cast<UIDRefHandle>(e->uidref->handle());
    return 0;
  });
}

EntryHandle entryFromUIDRef(UIDRefHandle h)
{
  UIDRef* r = lookup<UIDRef>(h);
  if (!r)
    return nullptr;
  Entry* e = newEntry(Entry::kUIDRef);
  r->retain();
  e->uidref = r;
  return handleOf(e);
}

HostErr entryToUnicodeString(EntryHandle h, HostString* out)
{
  return consume(h, Entry::kUnicodeString,
                 [&](Entry* e) { return out ? DocumentSuites::assignString(out, e->text) : kErrParam; });
}

// Paint objects seen through entries: lookup A answers for patterns, B for symbols, C for gradients;
// conversion 44 (kind 20) takes patterns, 24 (kind 30) symbols, 22 (kind 10) gradients.
constexpr int32_t kObjectEntry = 7;

EntryHandle lookupObject(PatternHandle h, ObjKind kind)
{
  Object* o = Handles::instance().find(h, kind);
  if (!o)
    return nullptr;
  Entry* e = newEntry(kObjectEntry);
  e->text = std::to_string(o->id());
  e->integer = static_cast<int32_t>(kind);
  return handleOf(e);
}

EntryHandle entryLookupA(PatternHandle h)
{
  return lookupObject(h, ObjKind::Pattern);
}
EntryHandle entryLookupB(PatternHandle h)
{
  return lookupObject(h, ObjKind::Symbol);
}
EntryHandle entryLookupC(PatternHandle h)
{
  return lookupObject(h, ObjKind::Gradient);
}

HostErr convert(EntryHandle h, void** out, ObjKind kind)
{
  return consume(h, kObjectEntry, [&](Entry* e) {
    if (!out || e->integer != static_cast<int32_t>(kind))
      return kErrParam;
    *out = Handles::toHandle(std::stoull(e->text));
    return 0;
  });
}

HostErr entryConvertKind10(EntryHandle h, void** out)
{
  return convert(h, out, ObjKind::Gradient);
}
HostErr entryConvertKind20(EntryHandle h, void** out)
{
  return convert(h, out, ObjKind::Pattern);
}
HostErr entryConvertKind30(EntryHandle h, void** out)
{
  return convert(h, out, ObjKind::Symbol);
}

// ---- Dictionaries ----

HostErr releaseDictionary(DictHandle h)
{
  return Counted::releaseHandle(h, ObjKind::Dictionary);
}

HostErr newDictIterator(DictHandle h, DictIterator* out)
{
  return answer(dict(h), out, [&](Dictionary& d) {
    return static_cast<DictIterator>(d.doc->make<hostsim::DictIter>(&d)->handle());
  });
}

DictKey keyFromText(const char* text)
{
  return reinterpret_cast<DictKey>(const_cast<char*>(Dictionary::key(text)));
}

const char* textOfKey(DictKey key)
{
  return key ? keyText(key) : nullptr;
}

bool8 dictionaryHasKey(DictHandle h, DictKey key)
{
  Dictionary* d = dict(h);
  return d && key && d->entries.count(keyText(key)) != 0;
}

HostErr deleteDictionaryEntry(DictHandle h, DictKey key)
{
  Dictionary* d = dict(h);
  if (!d || !key)
    return kErrParam;
  d->remove(keyText(key)); // an absent key is no error
  return 0;
}

EntryHandle getDictionaryEntry(DictHandle h, DictKey key)
{
  Dictionary* d = dict(h);
  if (!d || !key)
    return nullptr;
  auto it = d->entries.find(keyText(key));
  if (it == d->entries.end())
    return nullptr;
  it->second->retain();
  return handleOf(it->second);
}

HostErr setDictionaryEntry(DictHandle h, DictKey key, EntryHandle eh)
{
  Dictionary* d = dict(h);
  Entry* e = entry(eh);
  if (!d || !key || !e)
    return kErrParam;
  d->set(keyText(key), e);
  return 0;
}

template <class F> HostErr store(DictHandle h, DictKey key, int32_t type, F&& fill)
{
  Dictionary* d = dict(h);
  if (!d || !key)
    return kErrParam;
  Entry* e = d->doc->make<Entry>(d->doc, type);
  if (HostErr err = fill(e)) {
    e->release();
    return err;
  }
  d->set(keyText(key), e);
  return 0;
}

HostErr setDictionaryBoolean(DictHandle h, DictKey key, bool8 value)
{
  return store(h, key, Entry::kBoolean, [&](Entry* e) { return e->boolean = value != 0, 0; });
}
HostErr setDictionaryInteger(DictHandle h, DictKey key, int32_t value)
{
  return store(h, key, Entry::kInteger, [&](Entry* e) { return e->integer = value, 0; });
}
HostErr setDictionaryReal(DictHandle h, DictKey key, double value)
{
  return store(h, key, Entry::kReal, [&](Entry* e) { return e->real = value, 0; });
}
HostErr setDictionaryUnicodeString(DictHandle h, DictKey key, HostString text)
{
  return store(h, key, Entry::kUnicodeString,
               [&](Entry* e) { return DocumentSuites::stringText(text, e->text) ? 0 : kErrParam; });
}
HostErr setDictionaryDictionary(DictHandle h, DictKey key, DictHandle value)
{
  Dictionary* v = dict(value);
  if (!v || v == dict(h))
    return kErrParam;
  return store(h, key, Entry::kDictionary, [&](Entry* e) { return v->retain(), e->dictionary = v, 0; });
}
HostErr setDictionaryArray(DictHandle h, DictKey key, ArrayHandle value)
{
  Array* v = array(value);
  if (!v)
    return kErrParam;
  return store(h, key, Entry::kArray, [&](Entry* e) { return v->retain(), e->array = v, 0; });
}

HostErr getDictionaryDictionary(DictHandle h, DictKey key, DictHandle* out)
{
  Dictionary* d = dict(h);
  if (!d || !key || !out)
    return kErrParam;
  auto it = d->entries.find(keyText(key));
  if (it == d->entries.end() || !it->second->dictionary)
    return kErrNotFound;
  it->second->dictionary->retain();
  *out = static_cast<DictHandle>(it->second->dictionary->handle());
  return 0;
}

HostErr getDictionaryArray(DictHandle h, DictKey key, ArrayHandle* out)
{
  Dictionary* d = dict(h);
  if (!d || !key || !out)
    return kErrParam;
  auto it = d->entries.find(keyText(key));
  if (it == d->entries.end() || !it->second->array)
    return kErrNotFound;
  it->second->array->retain();
  *out = static_cast<ArrayHandle>(it->second->array->handle());
  return 0;
}

hostsim::DictIter* iter(DictIterator h)
{
  hostsim::DictIter* it = lookup<hostsim::DictIter>(h);
  return it && !it->dict->dead() ? it : nullptr;
}

HostErr releaseDictIterator(DictIterator h)
{
  hostsim::DictIter* it = lookup<hostsim::DictIter>(h);
  if (!it)
    return kErrParam;
  it->kill();
  return 0;
}

bool8 isDictIteratorAtEnd(DictIterator h)
{
  hostsim::DictIter* it = iter(h);
  return !it || it->atEnd;
}

HostErr advanceDictIterator(DictIterator h)
{
  hostsim::DictIter* it = iter(h);
  if (!it)
    return kErrParam;
  it->advance();
  return 0;
}

DictKey getDictIteratorKey(DictIterator h)
{
  hostsim::DictIter* it = iter(h);
  if (!it || it->atEnd)
    return nullptr;
  return keyFromText(it->current.c_str());
}

// ---- Arrays ----

HostErr newArray(ArrayHandle* out)
{
  if (!out)
    return kErrParam;
  *out = static_cast<ArrayHandle>(owner()->make<Array>(owner())->handle());
  return 0;
}

HostErr releaseArray(ArrayHandle h)
{
  return Counted::releaseHandle(h, ObjKind::Array);
}

Entry* copyEntry(Document* doc, const Entry* e);

Array* copyOf(Document* doc, const Array* a)
{
  Array* copy = doc->make<Array>(doc);
  for (const Entry* e : a->entries)
    copy->entries.push_back(copyEntry(doc, e));
  return copy;
}

Dictionary* copyOf(Document* doc, const Dictionary* d)
{
  Dictionary* copy = doc->make<Dictionary>(doc);
  for (auto& kv : d->entries)
    copy->entries.emplace(kv.first, copyEntry(doc, kv.second));
  return copy;
}

Entry* copyEntry(Document* doc, const Entry* e)
{
  Entry* c = doc->make<Entry>(doc, e->type);
  c->boolean = e->boolean;
  c->integer = e->integer;
  c->real = e->real;
  c->text = e->text;
  if (e->dictionary)
    c->dictionary = copyOf(doc, e->dictionary);
  if (e->array)
    c->array = copyOf(doc, e->array);
  if ((c->uid = e->uid))
    c->uid->retain();
  if ((c->uidref = e->uidref))
    c->uidref->retain();
  return c;
}

HostErr copyArray(ArrayHandle h, ArrayHandle* out)
{
  return answer(array(h), out,
                [&](Array& a) { return static_cast<ArrayHandle>(copyOf(a.doc, &a)->handle()); });
}

int32_t getArrayCount(ArrayHandle h)
{
  Array* a = array(h);
  return a ? static_cast<int32_t>(a->entries.size()) : 0;
}

bool inRange(const Array* a, int32_t index)
{
  return index >= 0 && static_cast<size_t>(index) < a->entries.size();
}

HostErr deleteArrayEntry(ArrayHandle h, int32_t index)
{
  Array* a = array(h);
  if (!a || !inRange(a, index))
    return kErrParam;
  Entry* e = a->entries[index];
  a->entries.erase(a->entries.begin() + index);
  e->release();
  return 0;
}

HostErr swapArrayEntries(ArrayHandle h, ArrayHandle same, int32_t first, int32_t second)
{
  Array* a = array(h);
  if (!a || array(same) != a || !inRange(a, first) || !inRange(a, second))
    return kErrParam;
  std::swap(a->entries[first], a->entries[second]);
  return 0;
}

EntryHandle getArrayEntry(ArrayHandle h, int32_t index)
{
  Array* a = array(h);
  if (!a || !inRange(a, index))
    return nullptr;
  a->entries[index]->retain();
  return handleOf(a->entries[index]);
}

// Stores at an index in range (replacing) or just past the end (appending).
HostErr put(Array* a, int32_t index, Entry* e)
{
  if (index < 0 || static_cast<size_t>(index) > a->entries.size())
    return kErrParam;
  if (static_cast<size_t>(index) == a->entries.size()) {
    a->entries.push_back(e);
    return 0;
  }
  Entry* old = a->entries[index];
  a->entries[index] = e;
  old->release();
  return 0;
}

HostErr setArrayEntry(ArrayHandle h, int32_t index, EntryHandle eh)
{
  Array* a = array(h);
  Entry* e = entry(eh);
  if (!a || !e)
    return kErrParam;
  return put(a, index, e);
}

template <class F> HostErr storeAt(ArrayHandle h, int32_t index, int32_t type, F&& fill)
{
  Array* a = array(h);
  if (!a || index < 0 || static_cast<size_t>(index) > a->entries.size())
    return kErrParam;
  Entry* e = a->doc->make<Entry>(a->doc, type);
  if (HostErr err = fill(e)) {
    e->release();
    return err;
  }
  return put(a, index, e);
}

HostErr setArrayBoolean(ArrayHandle h, int32_t index, bool8 value)
{
  return storeAt(h, index, Entry::kBoolean, [&](Entry* e) { return e->boolean = value != 0, 0; });
}
HostErr setArrayInteger(ArrayHandle h, int32_t index, int32_t value)
{
  return storeAt(h, index, Entry::kInteger, [&](Entry* e) { return e->integer = value, 0; });
}
HostErr setArrayReal(ArrayHandle h, int32_t index, double value)
{
  return storeAt(h, index, Entry::kReal, [&](Entry* e) { return e->real = value, 0; });
}
HostErr setArrayUnicodeString(ArrayHandle h, int32_t index, HostString text)
{
  return storeAt(h, index, Entry::kUnicodeString,
                 [&](Entry* e) { return DocumentSuites::stringText(text, e->text) ? 0 : kErrParam; });
}
HostErr setArrayDictionary(ArrayHandle h, int32_t index, DictHandle value)
{
  Dictionary* v = dict(value);
  if (!v)
    return kErrParam;
  return storeAt(h, index, Entry::kDictionary, [&](Entry* e) { return v->retain(), e->dictionary = v, 0; });
}
HostErr setArrayArray(ArrayHandle h, int32_t index, ArrayHandle value)
{
  Array* v = array(value);
  if (!v || v == array(h))
    return kErrParam;
  return storeAt(h, index, Entry::kArray, [&](Entry* e) { return v->retain(), e->array = v, 0; });
}

HostErr getArrayDictionary(ArrayHandle h, int32_t index, DictHandle* out)
{
  Array* a = array(h);
  if (!a || !out || !inRange(a, index) || !a->entries[index]->dictionary)
    return kErrParam;
  a->entries[index]->dictionary->retain();
  *out = static_cast<DictHandle>(a->entries[index]->dictionary->handle());
  return 0;
}

HostErr getArrayArray(ArrayHandle h, int32_t index, ArrayHandle* out)
{
  Array* a = array(h);
  if (!a || !out || !inRange(a, index) || !a->entries[index]->array)
    return kErrParam;
  a->entries[index]->array->retain();
  *out = static_cast<ArrayHandle>(a->entries[index]->array->handle());
  return 0;
}

HostErr appendArrayEntry(ArrayHandle h, EntryHandle eh)
{
  Array* a = array(h);
  Entry* e = entry(eh);
  if (!a || !e)
    return kErrParam;
  a->entries.push_back(e);
  return 0;
}

// ---- Unique ids ----

HostErr releaseUID(UIDHandle h)
{
  return Counted::releaseHandle(h, ObjKind::UID);
}

HostErr getUIDName(UIDHandle h, HostString* out)
{
  UID* u = lookup<UID>(h);
  if (!u || !out)
    return kErrParam;
  return DocumentSuites::assignString(out, u->name);
}

HostErr newUIDRef(UIDHandle h, UIDRefHandle* out)
{
  return answer(lookup<UID>(h), out,
                [&](UID& u) { return static_cast<UIDRefHandle>(u.doc->make<UIDRef>(u.doc, &u)->handle()); });
}

HostErr releaseUIDRef(UIDRefHandle h)
{
  return Counted::releaseHandle(h, ObjKind::UIDRef);
}

HostErr getUIDOfRef(UIDRefHandle h, UIDHandle* out)
{
  UIDRef* r = lookup<UIDRef>(h);
  if (!r || !out || !r->uid || r->uid->dead())
    return kErrParam;
  r->uid->retain();
  *out = static_cast<UIDHandle>(r->uid->handle());
  return 0;
}

HostErr getArtUID(ArtHandle h, int32_t flag, UIDHandle* out)
{
  Art* a = lookup<Art>(h);
  if (!a || !out)
    return kErrParam;
  if (!a->uid) {
    if (!flag)
      return kErrNotFound;
    std::string name = a->svgId.empty() ? "uid" + std::to_string(a->id()) : a->svgId;
    a->uid = a->doc->make<UID>(a->doc, a, name); // the art holds this first reference
  }
  a->uid->retain();
  *out = static_cast<UIDHandle>(a->uid->handle());
  return 0;
}

HostErr getArtOfUIDRef(UIDRefHandle h, ArtHandle* out)
{
  UIDRef* r = lookup<UIDRef>(h);
  if (!r || !out || !r->uid || !r->uid->art || r->uid->art->dead())
    return kErrParam;
  *out = static_cast<ArtHandle>(r->uid->art->handle());
  return 0;
}

} // namespace hostsimContainerSuites_detail

const EntrySuite& DocumentSuites::entry()
{
  using namespace hostsimContainerSuites_detail;
  static const EntrySuite table = [] {
    EntrySuite s{};
    s.addEntryRef = &addEntryRef;
    s.releaseEntry = &releaseEntry;
    s.getEntryType = &getEntryType;
    s.entryToBoolean = &entryToBoolean;
    s.entryToInteger = &entryToInteger;
    s.entryToReal = &entryToReal;
    s.entryToByteString = &entryToByteString;
    s.entryToDictionary = &entryToDictionary;
    s.entryToArray = &entryToArray;
    s.entryConvertKind10 = &entryConvertKind10;
    s.entryLookupC = &entryLookupC;
    s.entryConvertKind30 = &entryConvertKind30;
    s.entryLookupA = &entryLookupA;
    s.entryToUIDRef = &entryToUIDRef;
    s.entryFromUIDRef = &entryFromUIDRef;
    s.entryConvertKind20 = &entryConvertKind20;
    s.entryLookupB = &entryLookupB;
    s.entryToUnicodeString = &entryToUnicodeString;
    return s;
  }();
  return table;
}

const DictionarySuite& DocumentSuites::dictionary()
{
  using namespace hostsimContainerSuites_detail;
  static const DictionarySuite table = [] {
    DictionarySuite s{};
    s.releaseDictionary = &releaseDictionary;
    s.newDictIterator = &newDictIterator;
    s.keyFromText = &keyFromText;
    s.textOfKey = &textOfKey;
    s.dictionaryHasKey = &dictionaryHasKey;
    s.deleteDictionaryEntry = &deleteDictionaryEntry;
    s.getDictionaryEntry = &getDictionaryEntry;
    s.setDictionaryEntry = &setDictionaryEntry;
    s.setDictionaryBoolean = &setDictionaryBoolean;
    s.setDictionaryInteger = &setDictionaryInteger;
    s.setDictionaryReal = &setDictionaryReal;
    s.getDictionaryDictionary = &getDictionaryDictionary;
    s.setDictionaryDictionary = &setDictionaryDictionary;
    s.getDictionaryArray = &getDictionaryArray;
    s.setDictionaryArray = &setDictionaryArray;
    s.setDictionaryUnicodeString = &setDictionaryUnicodeString;
    return s;
  }();
  return table;
}

const DictionaryIteratorSuite& DocumentSuites::dictionaryIterator()
{
  using namespace hostsimContainerSuites_detail;
  static const DictionaryIteratorSuite table = [] {
    DictionaryIteratorSuite s{};
    s.releaseDictIterator = &releaseDictIterator;
    s.isDictIteratorAtEnd = &isDictIteratorAtEnd;
    s.advanceDictIterator = &advanceDictIterator;
    s.getDictIteratorKey = &getDictIteratorKey;
    return s;
  }();
  return table;
}

const ArraySuite& DocumentSuites::array()
{
  using namespace hostsimContainerSuites_detail;
  static const ArraySuite table = [] {
    ArraySuite s{};
    s.newArray = &newArray;
    s.releaseArray = &releaseArray;
    s.copyArray = &copyArray;
    s.getArrayCount = &getArrayCount;
    s.deleteArrayEntry = &deleteArrayEntry;
    s.swapArrayEntries = &swapArrayEntries;
    s.getArrayEntry = &getArrayEntry;
    s.setArrayEntry = &setArrayEntry;
    s.setArrayBoolean = &setArrayBoolean;
    s.setArrayInteger = &setArrayInteger;
    s.setArrayReal = &setArrayReal;
    s.getArrayDictionary = &getArrayDictionary;
    s.setArrayDictionary = &setArrayDictionary;
    s.getArrayArray = &getArrayArray;
    s.setArrayArray = &setArrayArray;
    s.setArrayUnicodeString = &setArrayUnicodeString;
    s.appendArrayEntry = &appendArrayEntry;
    return s;
  }();
  return table;
}

const UIDSuite& DocumentSuites::uid()
{
  using namespace hostsimContainerSuites_detail;
  static const UIDSuite table = [] {
    UIDSuite s{};
    s.releaseUID = &releaseUID;
    s.getUIDName = &getUIDName;
    s.newUIDRef = &newUIDRef;
    return s;
  }();
  return table;
}

const UIDREFSuite& DocumentSuites::uidref()
{
  using namespace hostsimContainerSuites_detail;
  static const UIDREFSuite table = [] {
    UIDREFSuite s{};
    s.releaseUIDRef = &releaseUIDRef;
    s.getUIDOfRef = &getUIDOfRef;
    return s;
  }();
  return table;
}

const UIDUtilsSuite& DocumentSuites::uidUtils()
{
  using namespace hostsimContainerSuites_detail;
  static const UIDUtilsSuite table = [] {
    UIDUtilsSuite s{};
    s.getArtUID = &getArtUID;
    s.getArtOfUIDRef = &getArtOfUIDRef;
    return s;
  }();
  return table;
}

} // namespace hostsim

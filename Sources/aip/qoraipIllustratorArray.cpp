#include "aip/qoraipIllustratorArray.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustratorDictionary.h"
#include "aip/qoraipIllustratorEntry.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "aip/qoraipUID.h"

namespace qor {
namespace aip {

void IllustratorArray::acquireSuites()
{
  acquireSuite(arraySuite, kArraySuiteName, kArraySuiteVersion);
  acquireSuite(entrySuite, kEntrySuiteName, kEntrySuiteVersion);
  Document::acquireDocumentSuite();
  acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

IllustratorArray::IllustratorArray(ArrayHandle array) : array_(array)
{
  acquireSuites();
  registerWrapper(&PluginGlobals::arrayWrappers, array_, this);
}

IllustratorArray::~IllustratorArray()
{
  if (!array_)
    return;
  unregisterWrapper(&PluginGlobals::arrayWrappers, array_, this);
  if (arraySuite && hostHasDocument())
    arraySuite->releaseArray(array_);
  array_ = nullptr;
}

IllustratorArray* IllustratorArray::IllustratorArrayNew()
{
  acquireSuites();
  ArrayHandle array = nullptr;
  if (!arraySuite || arraySuite->newArray(&array) != 0 || !array)
    return nullptr;
  IllustratorArray* created = new IllustratorArray(array);
  created->retain();
  return created;
}

IllustratorArray* IllustratorArray::getOrCreate(ArrayHandle array)
{
  return getOrCreateWrapper(&PluginGlobals::arrayWrappers, array);
}

IllustratorArray* IllustratorArray::adopt(ArrayHandle array)
{
  acquireSuites();
  return adoptHostRef(&PluginGlobals::arrayWrappers, array, [](ArrayHandle a) { arraySuite->releaseArray(a); });
}

void IllustratorArray::release()
{
  if (--count_ <= 0)
    delete this;
}

int32_t IllustratorArray::entryCount() const
{
  return arraySuite ? arraySuite->getArrayCount(array_) : 0;
}

IllustratorEntry* IllustratorArray::getEntry(int32_t index) const
{
  return arraySuite ? IllustratorEntry::adopt(arraySuite->getArrayEntry(array_, index)) : nullptr;
}

IllustratorDictionary* IllustratorArray::getDictionary(int32_t index) const
{
  return IllustratorDictionary::fromArray(array_, index);
}

IllustratorArray* IllustratorArray::getArray(int32_t index) const
{
  ArrayHandle nested = nullptr;
  if (!arraySuite || arraySuite->getArrayArray(array_, index, &nested) != 0)
    return nullptr;
  return adopt(nested);
}

UID* IllustratorArray::getUID(int32_t index) const
{
  IllustratorEntry* entry = getEntry(index);
  if (!entry)
    return nullptr;
  UID* uid = entry->type() == 18 ? entry->uid() : nullptr;
  entry->release();
  return uid;
}

Art* IllustratorArray::getArt(int32_t index) const
{
  UID* uid = getUID(index);
  if (!uid)
    return nullptr;
  Art* art = uid->artObject();
  uid->release();
  return art;
}

bool IllustratorArray::storeEntry(int32_t index, IllustratorEntry* entry, bool append)
{
  if (!entry || !arraySuite || !entrySuite)
    return false;
  entrySuite->addEntryRef(entry->hostHandle());
  if (append)
    return arraySuite->appendArrayEntry(array_, entry->hostHandle()) == 0;
  return arraySuite->setArrayEntry(array_, index, entry->hostHandle()) == 0;
}

bool IllustratorArray::setEntry(int32_t index, IllustratorEntry* entry)
{
  return storeEntry(index, entry, false);
}

bool IllustratorArray::appendEntry(IllustratorEntry* entry)
{
  return storeEntry(0, entry, true);
}

bool IllustratorArray::removeEntry(int32_t index)
{
  return arraySuite && arraySuite->deleteArrayEntry(array_, index) == 0;
}

bool IllustratorArray::setBool(int32_t index, bool value)
{
  return arraySuite && arraySuite->setArrayBoolean(array_, index, value ? 1 : 0) == 0;
}

bool IllustratorArray::setInteger(int32_t index, int64_t value)
{
  return arraySuite &&
         arraySuite->setArrayInteger(array_, index, static_cast<int32_t>(static_cast<uint32_t>(value))) == 0;
}

bool IllustratorArray::setReal(int32_t index, double value)
{
  return arraySuite && arraySuite->setArrayReal(array_, index, safeHostReal(value)) == 0;
}

bool IllustratorArray::setDictionary(int32_t index, IllustratorDictionary* value)
{
  return value && arraySuite && arraySuite->setArrayDictionary(array_, index, value->hostHandle()) == 0;
}

bool IllustratorArray::setArray(int32_t index, IllustratorArray* value)
{
  return value && arraySuite && arraySuite->setArrayArray(array_, index, value->hostHandle()) == 0;
}

bool IllustratorArray::setString(int32_t index, const std::string& value)
{
  if (!arraySuite)
    return false;
  ai::HostUnicodeString text = utf8ToHostString(value);
  return arraySuite->setArrayUnicodeString(array_, index, text.handle()) == 0;
}

bool IllustratorArray::setUID(int32_t index, UID* uid)
{
  if (!uid)
    return false;
  IllustratorEntry* entry = IllustratorEntry::fromUID(uid);
  if (!entry)
    return false;
  bool ok = setEntry(index, entry);
  entry->release();
  return ok;
}

bool IllustratorArray::setArt(int32_t index, Art* art)
{
  if (!art)
    return false;
  IllustratorEntry* entry = IllustratorEntry::fromArt(art);
  if (!entry)
    return false;
  bool ok = setEntry(index, entry);
  entry->release();
  return ok;
}

bool IllustratorArray::swapEntries(int32_t first, int32_t second)
{
  uint32_t n = static_cast<uint32_t>(entryCount());
  if (first == second || static_cast<uint32_t>(first) >= n || static_cast<uint32_t>(second) >= n)
    return false;
  return arraySuite->swapArrayEntries(array_, array_, first, second) == 0;
}

IllustratorArray* IllustratorArray::clone() const
{
  ArrayHandle copy = nullptr;
  if (!arraySuite || arraySuite->copyArray(array_, &copy) != 0 || !copy)
    return nullptr;
  return adopt(copy);
}

} // namespace aip
} // namespace qor

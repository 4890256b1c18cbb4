#include "aip/qoraipIllustratorDictionary.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipIllustratorArray.h"
#include "aip/qoraipIllustratorEntry.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "aip/qoraipUID.h"

namespace qor {
namespace aip {

namespace qoraipIllustratorDictionary_detail {
DictKey hostKey(const std::string& key)
{
  return dictionarySuite->keyFromText(key.c_str());
}
} // namespace qoraipIllustratorDictionary_detail

void IllustratorDictionary::acquireSuites()
{
  acquireSuite(arraySuite, kArraySuiteName, kArraySuiteVersion);
  acquireSuite(dictionarySuite, kDictionarySuiteName, kDictionarySuiteVersion);
  acquireSuite(entrySuite, kEntrySuiteName, kEntrySuiteVersion);
  Document::acquireDocumentSuite();
  acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
}

IllustratorDictionary::IllustratorDictionary(DictHandle dictionary) : dictionary_(dictionary)
{
  acquireSuites();
  registerWrapper(&PluginGlobals::dictionaryWrappers, dictionary_, this);
}

IllustratorDictionary::~IllustratorDictionary()
{
  if (!dictionary_)
    return;
  unregisterWrapper(&PluginGlobals::dictionaryWrappers, dictionary_, this);
  if (dictionarySuite && hostHasDocument())
    dictionarySuite->releaseDictionary(dictionary_);
  dictionary_ = nullptr;
}

IllustratorDictionary* IllustratorDictionary::getOrCreate(DictHandle dictionary)
{
  return getOrCreateWrapper(&PluginGlobals::dictionaryWrappers, dictionary);
}

IllustratorDictionary* IllustratorDictionary::adopt(DictHandle dictionary)
{
  acquireSuites();
  return adoptHostRef(&PluginGlobals::dictionaryWrappers, dictionary,
                      [](DictHandle d) { dictionarySuite->releaseDictionary(d); });
}

IllustratorDictionary* IllustratorDictionary::forArt(ArtHandle art)
{
  if (!art || !wrapperGlobals())
    return nullptr;
  acquireSuite(artSuite, kArtSuiteName, kArtSuiteVersion);
  acquireSuites();
  DictHandle dictionary = nullptr;
  if (!artSuite || artSuite->getArtDictionary(art, &dictionary) != 0)
    return nullptr;
  return adopt(dictionary);
}

IllustratorDictionary* IllustratorDictionary::fromArray(ArrayHandle array, int32_t index)
{
  if (!array || !wrapperGlobals())
    return nullptr;
  acquireSuites();
  DictHandle dictionary = nullptr;
  if (!arraySuite || arraySuite->getArrayDictionary(array, index, &dictionary) != 0)
    return nullptr;
  return adopt(dictionary);
}

void IllustratorDictionary::release()
{
  if (--count_ <= 0)
    delete this;
}

bool IllustratorDictionary::allowedKey(const std::string& key)
{
  return !key.empty() && key[0] != '-';
}

bool IllustratorDictionary::hasKey(const std::string& key) const
{
  if (!allowedKey(key) || !dictionarySuite)
    return false;
  return dictionarySuite->dictionaryHasKey(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key)) != 0;
}

bool IllustratorDictionary::deleteEntry(const std::string& key)
{
  if (!allowedKey(key) || !dictionarySuite)
    return false;
  return dictionarySuite->deleteDictionaryEntry(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key)) ==
         0;
}

IllustratorEntry* IllustratorDictionary::getEntry(const std::string& key) const
{
  if (!allowedKey(key) || !dictionarySuite)
    return nullptr;
  return IllustratorEntry::adopt(
      dictionarySuite->getDictionaryEntry(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key)));
}

IllustratorDictionary* IllustratorDictionary::getDictionary(const std::string& key) const
{
  if (!allowedKey(key) || !dictionarySuite || !wrapperGlobals())
    return nullptr;
  DictHandle nested = nullptr;
  if (dictionarySuite->getDictionaryDictionary(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key),
                                               &nested) != 0)
    return nullptr;
  return adopt(nested);
}

IllustratorArray* IllustratorDictionary::getArray(const std::string& key) const
{
  if (!allowedKey(key) || !dictionarySuite)
    return nullptr;
  ArrayHandle nested = nullptr;
  if (dictionarySuite->getDictionaryArray(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key),
                                          &nested) != 0)
    return nullptr;
  return IllustratorArray::adopt(nested);
}

UID* IllustratorDictionary::getUID(const std::string& key) const
{
  IllustratorEntry* entry = getEntry(key);
  if (!entry)
    return nullptr;
  UID* uid = entry->type() == 18 ? entry->uid() : nullptr;
  entry->release();
  return uid;
}

Art* IllustratorDictionary::getArt(const std::string& key) const
{
  UID* uid = getUID(key);
  if (!uid)
    return nullptr;
  Art* art = uid->artObject();
  uid->release();
  return art;
}

bool IllustratorDictionary::prepareSet(const std::string& key)
{
  return allowedKey(key) && dictionarySuite && deleteEntry(key);
}

bool IllustratorDictionary::setEntry(const std::string& key, IllustratorEntry* entry)
{
  if (!entry || !prepareSet(key))
    return false;
  entrySuite->addEntryRef(entry->hostHandle());
  return dictionarySuite->setDictionaryEntry(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key),
                                             entry->hostHandle()) == 0;
}

bool IllustratorDictionary::setBool(const std::string& key, bool value)
{
  return prepareSet(key) && dictionarySuite->setDictionaryBoolean(
                                dictionary_, qoraipIllustratorDictionary_detail::hostKey(key), value ? 1 : 0) == 0;
}

bool IllustratorDictionary::setInteger(const std::string& key, int64_t value)
{
  return prepareSet(key) &&
         dictionarySuite->setDictionaryInteger(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key),
                                               static_cast<int32_t>(static_cast<uint32_t>(value))) == 0;
}

bool IllustratorDictionary::setReal(const std::string& key, double value)
{
  return prepareSet(key) && dictionarySuite->setDictionaryReal(
                                dictionary_, qoraipIllustratorDictionary_detail::hostKey(key), safeHostReal(value)) == 0;
}

bool IllustratorDictionary::setDictionary(const std::string& key, IllustratorDictionary* value)
{
  return value && prepareSet(key) &&
         dictionarySuite->setDictionaryDictionary(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key),
                                                  value->hostHandle()) == 0;
}

bool IllustratorDictionary::setArray(const std::string& key, IllustratorArray* value)
{
  return value && prepareSet(key) &&
         dictionarySuite->setDictionaryArray(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key),
                                             value->hostHandle()) == 0;
}

bool IllustratorDictionary::setString(const std::string& key, const std::string& value)
{
  if (!prepareSet(key))
    return false;
  ai::HostUnicodeString text = utf8ToHostString(value);
  return dictionarySuite->setDictionaryUnicodeString(dictionary_, qoraipIllustratorDictionary_detail::hostKey(key),
                                                     text.handle()) == 0;
}

bool IllustratorDictionary::setUID(const std::string& key, UID* uid)
{
  if (!uid || !allowedKey(key))
    return false;
  IllustratorEntry* entry = IllustratorEntry::fromUID(uid);
  if (!entry)
    return false;
  bool ok = setEntry(key, entry);
  entry->release();
  return ok;
}

bool IllustratorDictionary::setArt(const std::string& key, Art* art)
{
  if (!art || !allowedKey(key))
    return false;
  IllustratorEntry* entry = IllustratorEntry::fromArt(art);
  if (!entry)
    return false;
  bool ok = setEntry(key, entry);
  entry->release();
  return ok;
}

bool IllustratorDictionary::clear()
{
  Iterator it(this);
  while (!it.atEnd()) {
    // The iterator leaves the entry before it is deleted.
    std::string key = it.key();
    it.next();
    if (!allowedKey(key) || !deleteEntry(key))
      return false;
  }
  return true;
}

// ---- Iterator ----

IllustratorDictionary::Iterator::Iterator(IllustratorDictionary* dictionary) : dictionary_(dictionary)
{
  acquireSuite(dictionaryIteratorSuite, kDictionaryIteratorSuiteName, kDictionaryIteratorSuiteVersion);
  if (!dictionary_ || !dictionarySuite ||
      dictionarySuite->newDictIterator(dictionary_->hostHandle(), &iterator_) != 0)
    iterator_ = nullptr;
  skipHidden();
}

IllustratorDictionary::Iterator::~Iterator()
{
  if (iterator_ && dictionaryIteratorSuite && hostHasDocument())
    dictionaryIteratorSuite->releaseDictIterator(iterator_);
}

bool IllustratorDictionary::Iterator::atEnd() const
{
  return !iterator_ || !dictionaryIteratorSuite || dictionaryIteratorSuite->isDictIteratorAtEnd(iterator_) != 0;
}

void IllustratorDictionary::Iterator::skipHidden()
{
  while (!atEnd()) {
    std::string k = key();
    if (!k.empty() && k[0] == '-')
      dictionaryIteratorSuite->advanceDictIterator(iterator_);
    else
      break;
  }
}

void IllustratorDictionary::Iterator::next()
{
  if (atEnd())
    return;
  dictionaryIteratorSuite->advanceDictIterator(iterator_);
  skipHidden();
}

std::string IllustratorDictionary::Iterator::key() const
{
  if (atEnd())
    return std::string();
  const char* text = dictionarySuite->textOfKey(dictionaryIteratorSuite->getDictIteratorKey(iterator_));
  return text ? std::string(text) : std::string();
}

} // namespace aip
} // namespace qor

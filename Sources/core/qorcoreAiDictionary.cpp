#include "core/qorcoreAiDictionary.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipIllustratorArray.h"
#include "aip/qoraipIllustratorEntry.h"
#include "aip/qoraipUID.h"
#include "core/qorcoreAiArray.h"
#include "core/qorcoreAiEntry.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreUID.h"

namespace qor {
namespace core {
namespace ai {

Dictionary::Dictionary(aip::IllustratorDictionary* wrapper)
    : wrapper_(wrapper ? aip::IllustratorDictionary::getOrCreate(wrapper->hostHandle()) : nullptr)
{
}

Dictionary::Dictionary(const Dictionary& other) : wrapper_(aip::retain(other.wrapper_)) {}
Dictionary::~Dictionary() { aip::releaseHeld(wrapper_); }

Dictionary& Dictionary::assign(const Dictionary& other)
{
  if (&other != this)
    aip::reassign(wrapper_, other.wrapper_);
  return *this;
}

bool Dictionary::equals(const Dictionary& other) const { return wrapper_ == other.wrapper_; }
bool Dictionary::notEquals(const Dictionary& other) const { return !equals(other); }
DictHandle Dictionary::hostHandle() const { return wrapper_ ? wrapper_->hostHandle() : nullptr; }

bool Dictionary::getEntry(const std::string& key, Entry& out) const
{
  return wrapper_ && handOut(wrapper_->getEntry(key), out);
}

bool Dictionary::setEntry(const std::string& key, const Entry& entry)
{
  return wrapper_ && wrapper_->setEntry(key, entry.impl());
}

bool Dictionary::deleteEntry(const std::string& key) { return wrapper_ && wrapper_->deleteEntry(key); }

bool Dictionary::getArray(const std::string& key, Array& out) const
{
  return wrapper_ && handOut(wrapper_->getArray(key), out);
}

bool Dictionary::setArray(const std::string& key, const Array& array)
{
  return wrapper_ && wrapper_->setArray(key, array.impl());
}

bool Dictionary::getBool(const std::string& key, bool& out) const
{
  Entry entry;
  return getEntry(key, entry) && entry.asBool(out);
}

bool Dictionary::setBool(const std::string& key, bool value) { return wrapper_ && wrapper_->setBool(key, value); }

bool Dictionary::getDictionary(const std::string& key, Dictionary& out) const
{
  return wrapper_ && handOut(wrapper_->getDictionary(key), out);
}

bool Dictionary::setDictionary(const std::string& key, const Dictionary& dictionary)
{
  return wrapper_ && wrapper_->setDictionary(key, dictionary.impl());
}

bool Dictionary::getInteger(const std::string& key, int64_t& out) const
{
  Entry entry;
  return getEntry(key, entry) && entry.asInteger(out);
}

bool Dictionary::setInteger(const std::string& key, int64_t value)
{
  return wrapper_ && wrapper_->setInteger(key, value);
}

bool Dictionary::getReal(const std::string& key, double& out) const
{
  Entry entry;
  return getEntry(key, entry) && entry.asReal(out);
}

bool Dictionary::setReal(const std::string& key, double value) { return wrapper_ && wrapper_->setReal(key, value); }

bool Dictionary::getString(const std::string& key, std::string& out) const
{
  Entry entry;
  return getEntry(key, entry) && entry.asString(out);
}

bool Dictionary::setString(const std::string& key, const std::string& value)
{
  return wrapper_ && wrapper_->setString(key, value);
}

bool Dictionary::getUID(const std::string& key, UID& out) const
{
  return wrapper_ && handOut(wrapper_->getUID(key), out);
}

bool Dictionary::setUID(const std::string& key, const UID& uid)
{
  return wrapper_ && wrapper_->setUID(key, uid.impl());
}

bool Dictionary::getArt(const std::string& key, Art& out) const
{
  return wrapper_ && assignFromImpl(out, wrapper_->getArt(key));
}

bool Dictionary::setArt(const std::string& key, const Art& art)
{
  return wrapper_ && wrapper_->setArt(key, prefDataImpl(art));
}

bool Dictionary::hasKey(const std::string& key) const { return wrapper_ && wrapper_->hasKey(key); }
bool Dictionary::clear() { return wrapper_ && wrapper_->clear(); }

Dictionary wrapAiDictionary(aip::IllustratorDictionary* wrapper) { return Dictionary(wrapper); }

} // namespace ai
} // namespace core
} // namespace qor

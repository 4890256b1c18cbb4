#include "core/qorcoreAiArray.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipHostRefs.h"
#include "aip/qoraipIllustratorDictionary.h"
#include "aip/qoraipIllustratorEntry.h"
#include "aip/qoraipUID.h"
#include "core/qorcoreAiDictionary.h"
#include "core/qorcoreAiEntry.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreUID.h"

namespace qor {
namespace core {
namespace ai {

Array::Array(aip::IllustratorArray* wrapper)
    : wrapper_(wrapper ? aip::IllustratorArray::getOrCreate(wrapper->hostHandle()) : nullptr)
{
}

Array::Array(const Array& other) : wrapper_(aip::retain(other.wrapper_)) {}
Array::~Array() { aip::releaseHeld(wrapper_); }

Array& Array::assign(const Array& other)
{
  if (&other != this)
    aip::reassign(wrapper_, other.wrapper_);
  return *this;
}

bool Array::equals(const Array& other) const { return wrapper_ == other.wrapper_; }
bool Array::notEquals(const Array& other) const { return !equals(other); }
ArrayHandle Array::hostHandle() const { return wrapper_ ? wrapper_->hostHandle() : nullptr; }

bool Array::getEntry(int32_t index, Entry& out) const
{
  return wrapper_ && handOut(wrapper_->getEntry(index), out);
}

bool Array::setEntry(int32_t index, const Entry& entry) { return wrapper_ && wrapper_->setEntry(index, entry.impl()); }
bool Array::appendEntry(const Entry& entry) { return wrapper_ && wrapper_->appendEntry(entry.impl()); }
bool Array::removeEntry(int32_t index) { return wrapper_ && wrapper_->removeEntry(index); }
int32_t Array::count() const { return wrapper_ ? wrapper_->entryCount() : 0; }

bool Array::getArray(int32_t index, Array& out) const
{
  return wrapper_ && handOut(wrapper_->getArray(index), out);
}

bool Array::setArray(int32_t index, const Array& array) { return wrapper_ && wrapper_->setArray(index, array.impl()); }

bool Array::getDictionary(int32_t index, Dictionary& out) const
{
  return wrapper_ && handOut(wrapper_->getDictionary(index), out);
}

bool Array::setDictionary(int32_t index, const Dictionary& dictionary)
{
  return wrapper_ && wrapper_->setDictionary(index, dictionary.impl());
}

bool Array::getBool(int32_t index, bool& out) const
{
  Entry entry;
  return getEntry(index, entry) && entry.asBool(out);
}

bool Array::setBool(int32_t index, bool value) { return wrapper_ && wrapper_->setBool(index, value); }

bool Array::getInteger(int32_t index, int64_t& out) const
{
  Entry entry;
  return getEntry(index, entry) && entry.asInteger(out);
}

bool Array::setInteger(int32_t index, int64_t value) { return wrapper_ && wrapper_->setInteger(index, value); }

bool Array::getReal(int32_t index, double& out) const
{
  Entry entry;
  return getEntry(index, entry) && entry.asReal(out);
}

bool Array::setReal(int32_t index, double value) { return wrapper_ && wrapper_->setReal(index, value); }

bool Array::getString(int32_t index, std::string& out) const
{
  Entry entry;
  return getEntry(index, entry) && entry.asString(out);
}

bool Array::setString(int32_t index, const std::string& value)
{
  return wrapper_ && wrapper_->setString(index, value);
}

bool Array::getUID(int32_t index, UID& out) const { return wrapper_ && handOut(wrapper_->getUID(index), out); }
bool Array::setUID(int32_t index, const UID& uid) { return wrapper_ && wrapper_->setUID(index, uid.impl()); }

bool Array::getArt(int32_t index, Art& out) const
{
  return wrapper_ && assignFromImpl(out, wrapper_->getArt(index));
}

bool Array::setArt(int32_t index, const Art& art)
{
  return wrapper_ && wrapper_->setArt(index, prefDataImpl(art));
}

Array* Array::clone() const
{
  aip::IllustratorArray* copy = wrapper_ ? wrapper_->clone() : nullptr;
  if (!copy)
    copy = aip::IllustratorArray::IllustratorArrayNew();
  Array* handle = new Array(copy);
  // The handle holds its own count now.
  if (copy)
    copy->release();
  return handle;
}

bool Array::swapEntries(int32_t first, int32_t second) { return wrapper_ && wrapper_->swapEntries(first, second); }

bool Array::clear()
{
  if (!wrapper_)
    return false;
  while (wrapper_->entryCount() != 0)
    if (!wrapper_->removeEntry(0))
      return false;
  return true;
}

Array wrapAiArray(aip::IllustratorArray* wrapper) { return Array(wrapper); }

} // namespace ai
} // namespace core
} // namespace qor

#include "core/qorcoreDictionaryPref.h"

#include "aip/qoraipPersistentDictionary.h"

namespace qor {
namespace core {

DictionaryPref::DictionaryPref(const std::vector<PrefData*>* members, const std::string& name)
{
  if (!reachableGlobals())
    return;
  plat::PersistentDataVector values = valuesOf(members);
  adoptValue(new aip::PersistentDictionary(&values, name));
}

aip::PersistentDictionary* DictionaryPref::getterStore() const
{
  return stored<aip::PersistentDictionary>();
}

bool DictionaryPref::addPref(const PrefData& pref)
{
  return getterStore() && prefDataImpl(pref) && getterStore()->add(prefDataImpl(pref));
}

bool DictionaryPref::getPref(const std::string& key, std::unique_ptr<PrefData>& out)
{
  return getterStore() && handOut(getterStore()->member(key), out);
}

bool DictionaryPref::takePref(const std::string& key, std::unique_ptr<PrefData>& out)
{
  return getterStore() && handOut(getterStore()->take(key), out);
}

DictionaryPref::Iterator DictionaryPref::begin() const
{
  return Iterator(*this);
}

__IntDictPrefIterData::~__IntDictPrefIterData()
{
  delete dictionary;
  delete position;
}

DictionaryPref::Iterator::Iterator(const DictionaryPref& dictionary) : data_(new __IntDictPrefIterData)
{
  data_->dictionary = new DictionaryPref(dictionary);
  aip::PersistentDictionary* store = dictionary.getterStore();
  const json::MemberMap* members = store && store->nodeRef() ? store->nodeRef()->members() : nullptr;
  if (members && !members->empty())
    data_->position = new std::string(members->begin()->first.view());
}

DictionaryPref::Iterator::Iterator(const Iterator& other) : data_(new __IntDictPrefIterData)
{
  data_->dictionary = new DictionaryPref(*other.data_->dictionary);
  if (other.data_->position)
    data_->position = new std::string(*other.data_->position);
}

DictionaryPref::Iterator& DictionaryPref::Iterator::operator=(const Iterator& other)
{
  if (&other != this) {
    Iterator copy(other);
    std::swap(data_, copy.data_);
  }
  return *this;
}

DictionaryPref::Iterator::~Iterator()
{
  delete data_;
}

bool DictionaryPref::Iterator::atEnd() const
{
  return !data_->position;
}

std::string DictionaryPref::Iterator::key() const
{
  return data_->position ? *data_->position : std::string();
}

bool DictionaryPref::Iterator::current(std::unique_ptr<PrefData>& out) const
{
  return data_->position && data_->dictionary->getPref(*data_->position, out);
}

DictionaryPref::Iterator& DictionaryPref::Iterator::operator++()
{
  if (!data_->position)
    return *this;
  aip::PersistentDictionary* store = data_->dictionary->getterStore();
  const json::MemberMap* members = store && store->nodeRef() ? store->nodeRef()->members() : nullptr;
  auto next = members ? members->upper_bound(*data_->position) : nullptr;
  if (members && next != members->end()) {
    *data_->position = std::string(next->first.view());
  } else {
    delete data_->position;
    data_->position = nullptr;
  }
  return *this;
}

} // namespace core
} // namespace qor

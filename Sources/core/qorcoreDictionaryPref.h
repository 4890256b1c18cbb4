// The preference handle of a named group of preference values (a JSON object): adding, looking up and
// taking out members, iteration in key order, and the typed get and get-or-create operations by name.
#pragma once

#include "core/qorcorePrefGetters.h"
#include "core/qorcorePrefHandle.h"

#include <memory>
#include <string>
#include <vector>

namespace qor {
namespace aip {
class PersistentDictionary;
}
namespace core {

class DictionaryPref;

// The state of a member iterator: a handle sharing the iterated dictionary's record and the key of the
// current member (null once past the last).
class __IntDictPrefIterData
{
public:
  virtual ~__IntDictPrefIterData();
  DictionaryPref* dictionary = nullptr;
  std::string* position = nullptr;
};

class DictionaryPref : public PrefHandle<DictionaryPref>,
                       public PrefGetters<aip::PersistentDictionary, std::string>
{
public:
  // Walks the members in the byte order of their keys. It remembers the current key, not a place in the
  // member map, so removing the current member while iterating is safe.
  class Iterator
  {
  public:
    explicit Iterator(const DictionaryPref& dictionary);
    Iterator(const Iterator& other);
    Iterator& operator=(const Iterator& other);
    ~Iterator();

    bool atEnd() const;
    // The current member's key; "" at the end.
    std::string key() const;
    // The current member as a new handle of its class (deleting what out held); false at the end or
    // when the member has gone.
    bool current(std::unique_ptr<PrefData>& out) const;
    // On to the member with the next greater key.
    Iterator& operator++();

  private:
    __IntDictPrefIterData* data_;
  };

  // An empty handle that wrapPrefData fills.
  struct Empty
  {
  };
  explicit DictionaryPref(Empty) {}
  // A new dictionary named name holding the values of members (first of equal keys wins; null
  // entries and empty handles left out). Empty when the plug-in's globals are not reachable.
  explicit DictionaryPref(const std::vector<PrefData*>* members = nullptr,
                          const std::string& name = std::string());
  DictionaryPref(const DictionaryPref& other) = default;
  DictionaryPref& operator=(const DictionaryPref& other) = default;
  using PrefData::operator=;

  virtual bool addPref(const PrefData& pref);
  virtual bool getPref(const std::string& key, std::unique_ptr<PrefData>& out);
  virtual bool takePref(const std::string& key, std::unique_ptr<PrefData>& out);
  virtual Iterator begin() const;

protected:
  aip::PersistentDictionary* getterStore() const override;
};

} // namespace core
} // namespace qor

// The client handle of a host dictionary: typed values under UTF-8 keys. Handles of one host
// dictionary share its one registered wrapper. Getters assign their out value and answer true only
// when a value was found.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipIllustratorDictionary.h"

namespace qor {
namespace core {

class Art;
class UID;

namespace ai {

class Array;
class Entry;

class Dictionary
{
public:
  Dictionary() = default;
  // Holds the registered wrapper of the given wrapper's host dictionary (one more count).
  explicit Dictionary(aip::IllustratorDictionary* wrapper);
  Dictionary(const Dictionary& other);
  virtual ~Dictionary();
  virtual Dictionary& assign(const Dictionary& other);
  virtual bool equals(const Dictionary& other) const;
  virtual bool notEquals(const Dictionary& other) const;
  virtual DictHandle hostHandle() const;
  virtual bool getEntry(const std::string& key, Entry& out) const;
  virtual bool setEntry(const std::string& key, const Entry& entry);
  virtual bool deleteEntry(const std::string& key);
  virtual bool getArray(const std::string& key, Array& out) const;
  virtual bool setArray(const std::string& key, const Array& array);
  virtual bool getBool(const std::string& key, bool& out) const;
  virtual bool setBool(const std::string& key, bool value);
  virtual bool getDictionary(const std::string& key, Dictionary& out) const;
  virtual bool setDictionary(const std::string& key, const Dictionary& dictionary);
  virtual bool getInteger(const std::string& key, int64_t& out) const;
  virtual bool setInteger(const std::string& key, int64_t value);
  virtual bool getReal(const std::string& key, double& out) const;
  virtual bool setReal(const std::string& key, double value);
  virtual bool getString(const std::string& key, std::string& out) const;
  virtual bool setString(const std::string& key, const std::string& value);
  virtual bool getUID(const std::string& key, UID& out) const;
  virtual bool setUID(const std::string& key, const UID& uid);
  virtual bool getArt(const std::string& key, Art& out) const;
  virtual bool setArt(const std::string& key, const Art& art);
  virtual bool hasKey(const std::string& key) const;
  virtual bool clear();

  aip::IllustratorDictionary* impl() const { return wrapper_; }

  aip::IllustratorDictionary* data() const { return wrapper_; }

private:
  aip::IllustratorDictionary* wrapper_ = nullptr;
};

Dictionary wrapAiDictionary(aip::IllustratorDictionary* wrapper);

} // namespace ai
} // namespace core
} // namespace qor

// The client handle of a host array: an ordered list of typed entries. Handles of one host array share
// its one registered wrapper. Getters assign their out value and answer true only on success.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipIllustratorArray.h"

namespace qor {
namespace core {

class Art;
class UID;

namespace ai {

class Dictionary;
class Entry;

class Array
{
public:
  Array() = default;
  // Holds the registered wrapper of the given wrapper's host array (one more count).
  explicit Array(aip::IllustratorArray* wrapper);
  Array(const Array& other);
  virtual ~Array();
  virtual Array& assign(const Array& other);
  virtual bool equals(const Array& other) const;
  virtual bool notEquals(const Array& other) const;
  virtual ArrayHandle hostHandle() const;
  virtual bool getEntry(int32_t index, Entry& out) const;
  virtual bool setEntry(int32_t index, const Entry& entry);
  virtual bool appendEntry(const Entry& entry);
  virtual bool removeEntry(int32_t index);
  virtual int32_t count() const;
  virtual bool getArray(int32_t index, Array& out) const;
  virtual bool setArray(int32_t index, const Array& array);
  virtual bool getDictionary(int32_t index, Dictionary& out) const;
  virtual bool setDictionary(int32_t index, const Dictionary& dictionary);
  virtual bool getBool(int32_t index, bool& out) const;
  virtual bool setBool(int32_t index, bool value);
  virtual bool getInteger(int32_t index, int64_t& out) const;
  virtual bool setInteger(int32_t index, int64_t value);
  virtual bool getReal(int32_t index, double& out) const;
  virtual bool setReal(int32_t index, double value);
  virtual bool getString(int32_t index, std::string& out) const;
  virtual bool setString(int32_t index, const std::string& value);
  virtual bool getUID(int32_t index, UID& out) const;
  virtual bool setUID(int32_t index, const UID& uid);
  virtual bool getArt(int32_t index, Art& out) const;
  virtual bool setArt(int32_t index, const Art& art);
  // A new handle, owned by the caller: over a host copy of this array, else over a new empty array.
  virtual Array* clone() const;
  virtual bool swapEntries(int32_t first, int32_t second);
  // Removes every entry; true when the array ends empty.
  virtual bool clear();

  aip::IllustratorArray* impl() const { return wrapper_; }

  aip::IllustratorArray* data() const { return wrapper_; }

private:
  aip::IllustratorArray* wrapper_ = nullptr;
};

Array wrapAiArray(aip::IllustratorArray* wrapper);

} // namespace ai
} // namespace core
} // namespace qor

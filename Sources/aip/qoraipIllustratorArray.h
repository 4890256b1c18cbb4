// One wrapper per host array reference, counted by the handles and holders that use it and registered
// in the plug-in globals: an ordered list of typed entries. Indices go to the host unchecked, except
// for swapping.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;
class IllustratorDictionary;
class IllustratorEntry;
class UID;

class IllustratorArray
{
public:
  // Wraps a host reference this wrapper now holds; count 0; registers itself.
  explicit IllustratorArray(ArrayHandle array);
  IllustratorArray(const IllustratorArray&) = delete;
  IllustratorArray& operator=(const IllustratorArray&) = delete;

  // A new empty host array, registered, with count 1; null when the host refuses.
  static IllustratorArray* IllustratorArrayNew();
  static IllustratorArray* getOrCreate(ArrayHandle array);
  // A reference just received from the host, with one count for the caller.
  static IllustratorArray* adopt(ArrayHandle array);
  static void acquireSuites();

  void retain() { ++count_; }
  void release();
  int32_t count() const { return count_; }
  ArrayHandle hostHandle() const { return array_; }

  int32_t entryCount() const;
  // Getters hand out one count for the caller, or null.
  IllustratorEntry* getEntry(int32_t index) const;
  IllustratorDictionary* getDictionary(int32_t index) const;
  IllustratorArray* getArray(int32_t index) const;
  UID* getUID(int32_t index) const;
  // A new art implementation, owned by the caller.
  Art* getArt(int32_t index) const;

  bool setEntry(int32_t index, IllustratorEntry* entry);
  bool appendEntry(IllustratorEntry* entry);
  bool removeEntry(int32_t index);
  bool setBool(int32_t index, bool value);
  bool setInteger(int32_t index, int64_t value);
  bool setReal(int32_t index, double value);
  bool setDictionary(int32_t index, IllustratorDictionary* value);
  bool setArray(int32_t index, IllustratorArray* value);
  bool setString(int32_t index, const std::string& value);
  bool setUID(int32_t index, UID* uid);
  bool setArt(int32_t index, Art* art);
  // False for equal indices or either not below the count.
  bool swapEntries(int32_t first, int32_t second);
  // A registered wrapper of a host copy whose one count belongs to the caller, or null.
  IllustratorArray* clone() const;

private:
  ~IllustratorArray();
  // Stores an entry at an index or appends it, adding first the entry reference the store consumes.
  bool storeEntry(int32_t index, IllustratorEntry* entry, bool append);

  int32_t count_ = 0;
  ArrayHandle array_;
};

} // namespace aip
} // namespace qor

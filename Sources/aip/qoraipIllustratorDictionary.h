// One wrapper per host dictionary reference, counted by the handles and holders that use it and
// registered in the plug-in globals: typed values under UTF-8 keys. Keys that are empty or begin with
// "-" are refused and never cleared.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Art;
class IllustratorArray;
class IllustratorEntry;
class UID;

class IllustratorDictionary
{
public:
  // Walks the keys of a dictionary, skipping those that begin with "-".
  class Iterator
  {
  public:
    explicit Iterator(IllustratorDictionary* dictionary);
    Iterator(const Iterator&) = delete;
    Iterator& operator=(const Iterator&) = delete;
    ~Iterator();

    bool atEnd() const;
    void next();
    // "" at the end.
    std::string key() const;

  private:
    void skipHidden();

    IllustratorDictionary* dictionary_;
    DictIterator iterator_ = nullptr;
  };

  // Wraps a host reference this wrapper now holds; count 0; registers itself.
  explicit IllustratorDictionary(DictHandle dictionary);
  IllustratorDictionary(const IllustratorDictionary&) = delete;
  IllustratorDictionary& operator=(const IllustratorDictionary&) = delete;

  static IllustratorDictionary* getOrCreate(DictHandle dictionary);
  // The dictionary of an art, of an array element, or a reference just received from the host; each
  // with one count for the caller, or null.
  static IllustratorDictionary* forArt(ArtHandle art);
  static IllustratorDictionary* fromArray(ArrayHandle array, int32_t index);
  static IllustratorDictionary* adopt(DictHandle dictionary);
  static void acquireSuites();

  void retain() { ++count_; }
  // Count - 1; destroyed at 0 or below.
  void release();
  int32_t count() const { return count_; }
  DictHandle hostHandle() const { return dictionary_; }

  bool hasKey(const std::string& key) const;
  bool deleteEntry(const std::string& key);
  // Getters hand out one count for the caller, or null.
  IllustratorEntry* getEntry(const std::string& key) const;
  IllustratorDictionary* getDictionary(const std::string& key) const;
  IllustratorArray* getArray(const std::string& key) const;
  UID* getUID(const std::string& key) const;
  // A new art implementation, owned by the caller.
  Art* getArt(const std::string& key) const;

  bool setEntry(const std::string& key, IllustratorEntry* entry);
  bool setBool(const std::string& key, bool value);
  bool setInteger(const std::string& key, int64_t value);
  bool setReal(const std::string& key, double value);
  bool setDictionary(const std::string& key, IllustratorDictionary* value);
  bool setArray(const std::string& key, IllustratorArray* value);
  bool setString(const std::string& key, const std::string& value);
  bool setUID(const std::string& key, UID* uid);
  bool setArt(const std::string& key, Art* art);
  // Deletes every entry whose key is allowed; true when all of them went.
  bool clear();

  static bool allowedKey(const std::string& key);

private:
  ~IllustratorDictionary();
  // Refuses the key, then deletes its current entry; false when the key is refused or the delete fails.
  bool prepareSet(const std::string& key);

  int32_t count_ = 0;
  DictHandle dictionary_;
};

} // namespace aip
} // namespace qor

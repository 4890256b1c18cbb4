// Function table of the host's "AI Dictionary Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kDictionarySuiteName[] = "AI Dictionary Suite";
inline constexpr int32_t kDictionarySuiteVersion = 8;

extern "C" {
struct DictionarySuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  // Drops one reference.
  HostErr (*releaseDictionary)(DictHandle dict);
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  // Iterator over the entries.
  HostErr (*newDictIterator)(DictHandle dict, DictIterator* outIterator);
  // Interns the key.
  DictKey (*keyFromText)(const char* text);
  const char* (*textOfKey)(DictKey key);
  bool8 (*dictionaryHasKey)(DictHandle dict, DictKey key);
  HostErr (*deleteDictionaryEntry)(DictHandle dict, DictKey key);
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostStubProc reserved19;
  HostStubProc reserved20;
  HostStubProc reserved21;
  HostStubProc reserved22;
  // Counted entry reference or null.
  EntryHandle (*getDictionaryEntry)(DictHandle dict, DictKey key);
  // Consumes one entry reference.
  HostErr (*setDictionaryEntry)(DictHandle dict, DictKey key, EntryHandle entry);
  HostStubProc reserved25;
  // Entry type 2.
  HostErr (*setDictionaryBoolean)(DictHandle dict, DictKey key, bool8 value);
  HostStubProc reserved27;
  // Entry type 1.
  HostErr (*setDictionaryInteger)(DictHandle dict, DictKey key, int32_t value);
  HostStubProc reserved29;
  HostStubProc reserved30;
  HostStubProc reserved31;
  // Entry type 3.
  HostErr (*setDictionaryReal)(DictHandle dict, DictKey key, double value);
  HostStubProc reserved33;
  HostStubProc reserved34;
  HostStubProc reserved35;
  HostStubProc reserved36;
  // New counted reference.
  HostErr (*getDictionaryDictionary)(DictHandle dict, DictKey key, DictHandle* outDict);
  // Entry type 5.
  HostErr (*setDictionaryDictionary)(DictHandle dict, DictKey key, DictHandle value);
  // New counted reference.
  HostErr (*getDictionaryArray)(DictHandle dict, DictKey key, ArrayHandle* outArray);
  // Entry type 6.
  HostErr (*setDictionaryArray)(DictHandle dict, DictKey key, ArrayHandle value);
  HostStubProc reserved41;
  // Entry type 26.
  HostErr (*setDictionaryUnicodeString)(DictHandle dict, DictKey key, HostString text);
};
}

static_assert(offsetof(DictionarySuite, releaseDictionary) == 2 * sizeof(void*));
static_assert(offsetof(DictionarySuite, newDictIterator) == 6 * sizeof(void*));
static_assert(offsetof(DictionarySuite, keyFromText) == 7 * sizeof(void*));
static_assert(offsetof(DictionarySuite, textOfKey) == 8 * sizeof(void*));
static_assert(offsetof(DictionarySuite, dictionaryHasKey) == 9 * sizeof(void*));
static_assert(offsetof(DictionarySuite, deleteDictionaryEntry) == 10 * sizeof(void*));
static_assert(offsetof(DictionarySuite, getDictionaryEntry) == 23 * sizeof(void*));
static_assert(offsetof(DictionarySuite, setDictionaryEntry) == 24 * sizeof(void*));
static_assert(offsetof(DictionarySuite, setDictionaryBoolean) == 26 * sizeof(void*));
static_assert(offsetof(DictionarySuite, setDictionaryInteger) == 28 * sizeof(void*));
static_assert(offsetof(DictionarySuite, setDictionaryReal) == 32 * sizeof(void*));
static_assert(offsetof(DictionarySuite, getDictionaryDictionary) == 37 * sizeof(void*));
static_assert(offsetof(DictionarySuite, setDictionaryDictionary) == 38 * sizeof(void*));
static_assert(offsetof(DictionarySuite, getDictionaryArray) == 39 * sizeof(void*));
static_assert(offsetof(DictionarySuite, setDictionaryArray) == 40 * sizeof(void*));
static_assert(offsetof(DictionarySuite, setDictionaryUnicodeString) == 42 * sizeof(void*));
static_assert(sizeof(DictionarySuite) == 43 * sizeof(void*));

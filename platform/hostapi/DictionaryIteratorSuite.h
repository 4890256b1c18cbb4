// Function table of the host's "AI Dictionary Iterator Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kDictionaryIteratorSuiteName[] = "AI Dictionary Iterator Suite";
inline constexpr int32_t kDictionaryIteratorSuiteVersion = 3;

extern "C" {
struct DictionaryIteratorSuite
{
  HostStubProc reserved0;
  HostErr (*releaseDictIterator)(DictIterator iterator);
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  // Non-zero at the end.
  bool8 (*isDictIteratorAtEnd)(DictIterator iterator);
  HostErr (*advanceDictIterator)(DictIterator iterator);
  HostStubProc reserved8;
  // The current entry's key.
  DictKey (*getDictIteratorKey)(DictIterator iterator);
};
}

static_assert(offsetof(DictionaryIteratorSuite, releaseDictIterator) == 1 * sizeof(void*));
static_assert(offsetof(DictionaryIteratorSuite, isDictIteratorAtEnd) == 6 * sizeof(void*));
static_assert(offsetof(DictionaryIteratorSuite, advanceDictIterator) == 7 * sizeof(void*));
static_assert(offsetof(DictionaryIteratorSuite, getDictIteratorKey) == 9 * sizeof(void*));
static_assert(sizeof(DictionaryIteratorSuite) == 10 * sizeof(void*));

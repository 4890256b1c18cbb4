// Function table of the host's "AI Array Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kArraySuiteName[] = "AI Array Suite";
inline constexpr int32_t kArraySuiteVersion = 6;

extern "C" {
struct ArraySuite
{
  // New empty array with one reference.
  HostErr (*newArray)(ArrayHandle* outArray);
  HostStubProc reserved1;
  // Drops one reference; result ignored.
  HostErr (*releaseArray)(ArrayHandle array);
  // Deep copy with one reference.
  HostErr (*copyArray)(ArrayHandle array, ArrayHandle* outCopy);
  HostStubProc reserved4;
  int32_t (*getArrayCount)(ArrayHandle array);
  // Removes the entry; later entries move down.
  HostErr (*deleteArrayEntry)(ArrayHandle array, int32_t index);
  HostStubProc reserved7;
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  // Swaps two entries of the array (sameArray is the same array).
  HostErr (*swapArrayEntries)(ArrayHandle array, ArrayHandle sameArray, int32_t first, int32_t second);
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostStubProc reserved19;
  // Counted entry reference, null when out of range.
  EntryHandle (*getArrayEntry)(ArrayHandle array, int32_t index);
  // Stores the entry at index; consumes one entry reference.
  HostErr (*setArrayEntry)(ArrayHandle array, int32_t index, EntryHandle entry);
  HostStubProc reserved22;
  // Entry type 2.
  HostErr (*setArrayBoolean)(ArrayHandle array, int32_t index, bool8 value);
  HostStubProc reserved24;
  HostErr (*setArrayInteger)(ArrayHandle array, int32_t index, int32_t value);
  HostStubProc reserved26;
  HostErr (*setArrayReal)(ArrayHandle array, int32_t index, double value);
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostStubProc reserved30;
  HostStubProc reserved31;
  // Nested dictionary with a new reference.
  HostErr (*getArrayDictionary)(ArrayHandle array, int32_t index, DictHandle* outDict);
  // Entry type 5.
  HostErr (*setArrayDictionary)(ArrayHandle array, int32_t index, DictHandle dict);
  // Nested array with a new reference.
  HostErr (*getArrayArray)(ArrayHandle array, int32_t index, ArrayHandle* outArray);
  // Entry type 6.
  HostErr (*setArrayArray)(ArrayHandle array, int32_t index, ArrayHandle value);
  HostStubProc reserved36;
  // Entry type 26.
  HostErr (*setArrayUnicodeString)(ArrayHandle array, int32_t index, HostString text);
  // Appends; consumes one entry reference.
  HostErr (*appendArrayEntry)(ArrayHandle array, EntryHandle entry);
};
}

static_assert(offsetof(ArraySuite, newArray) == 0 * sizeof(void*));
static_assert(offsetof(ArraySuite, releaseArray) == 2 * sizeof(void*));
static_assert(offsetof(ArraySuite, copyArray) == 3 * sizeof(void*));
static_assert(offsetof(ArraySuite, getArrayCount) == 5 * sizeof(void*));
static_assert(offsetof(ArraySuite, deleteArrayEntry) == 6 * sizeof(void*));
static_assert(offsetof(ArraySuite, swapArrayEntries) == 11 * sizeof(void*));
static_assert(offsetof(ArraySuite, getArrayEntry) == 20 * sizeof(void*));
static_assert(offsetof(ArraySuite, setArrayEntry) == 21 * sizeof(void*));
static_assert(offsetof(ArraySuite, setArrayBoolean) == 23 * sizeof(void*));
static_assert(offsetof(ArraySuite, setArrayInteger) == 25 * sizeof(void*));
static_assert(offsetof(ArraySuite, setArrayReal) == 27 * sizeof(void*));
static_assert(offsetof(ArraySuite, getArrayDictionary) == 32 * sizeof(void*));
static_assert(offsetof(ArraySuite, setArrayDictionary) == 33 * sizeof(void*));
static_assert(offsetof(ArraySuite, getArrayArray) == 34 * sizeof(void*));
static_assert(offsetof(ArraySuite, setArrayArray) == 35 * sizeof(void*));
static_assert(offsetof(ArraySuite, setArrayUnicodeString) == 37 * sizeof(void*));
static_assert(offsetof(ArraySuite, appendArrayEntry) == 38 * sizeof(void*));
static_assert(sizeof(ArraySuite) == 39 * sizeof(void*));

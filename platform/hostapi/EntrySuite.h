// Function table of the host's "AI Entry Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kEntrySuiteName[] = "AI Entry Suite";
inline constexpr int32_t kEntrySuiteVersion = 7;

extern "C" {
struct EntrySuite
{
  // One more reference.
  HostErr (*addEntryRef)(EntryHandle entry);
  // One reference less.
  HostErr (*releaseEntry)(EntryHandle entry);
  // Types: 1 integer, 2 boolean, 3 real, 4 byte string, 5 dictionary, 6 array, 17 unique id, 18 reference to
  // a unique id, 26 Unicode string.
  int32_t (*getEntryType)(EntryHandle entry);
  // Type 2.
  HostErr (*entryToBoolean)(EntryHandle entry, bool8* out);
  HostStubProc reserved4;
  HostErr (*entryToInteger)(EntryHandle entry, int32_t* out);
  HostStubProc reserved6;
  // Type 3; out preset 0.
  HostErr (*entryToReal)(EntryHandle entry, double* out);
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostStubProc reserved11;
  HostStubProc reserved12;
  // Type 4; bytes taken unchanged.
  HostErr (*entryToByteString)(EntryHandle entry, const char** out);
  HostStubProc reserved14;
  // Type 5; new counted reference.
  HostErr (*entryToDictionary)(EntryHandle entry, DictHandle* out);
  HostStubProc reserved16;
  HostStubProc reserved17;
  // Type 6; new counted reference.
  HostErr (*entryToArray)(EntryHandle entry, ArrayHandle* out);
  HostStubProc reserved19;
  HostStubProc reserved20;
  HostStubProc reserved21;
  // Pattern-kind conversion giving kind 10.
  HostErr (*entryConvertKind10)(EntryHandle entry, void** outValue);
  // Third pattern-kind lookup.
  EntryHandle (*entryLookupC)(PatternHandle object);
  // Conversion giving kind 30.
  HostErr (*entryConvertKind30)(EntryHandle entry, void** outValue);
  // First pattern-kind lookup.
  EntryHandle (*entryLookupA)(PatternHandle object);
  HostStubProc reserved26;
  HostStubProc reserved27;
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostStubProc reserved30;
  HostStubProc reserved31;
  HostStubProc reserved32;
  HostStubProc reserved33;
  HostStubProc reserved34;
  HostStubProc reserved35;
  HostStubProc reserved36;
  HostStubProc reserved37;
  // Type 18; new counted reference.
  HostErr (*entryToUIDRef)(EntryHandle entry, UIDRefHandle* out);
  // New entry of type 18.
  EntryHandle (*entryFromUIDRef)(UIDRefHandle ref);
  HostStubProc reserved40;
  HostStubProc reserved41;
  HostStubProc reserved42;
  HostStubProc reserved43;
  // Conversion giving kind 20.
  HostErr (*entryConvertKind20)(EntryHandle entry, void** outValue);
  // Second pattern-kind lookup.
  EntryHandle (*entryLookupB)(PatternHandle object);
  HostStubProc reserved46;
  HostStubProc reserved47;
  HostStubProc reserved48;
  HostStubProc reserved49;
  HostStubProc reserved50;
  HostStubProc reserved51;
  HostStubProc reserved52;
  // Type 26.
  HostErr (*entryToUnicodeString)(EntryHandle entry, HostString* out);
};
}

static_assert(offsetof(EntrySuite, addEntryRef) == 0 * sizeof(void*));
static_assert(offsetof(EntrySuite, releaseEntry) == 1 * sizeof(void*));
static_assert(offsetof(EntrySuite, getEntryType) == 2 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToBoolean) == 3 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToInteger) == 5 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToReal) == 7 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToByteString) == 13 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToDictionary) == 15 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToArray) == 18 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryConvertKind10) == 22 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryLookupC) == 23 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryConvertKind30) == 24 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryLookupA) == 25 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToUIDRef) == 38 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryFromUIDRef) == 39 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryConvertKind20) == 44 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryLookupB) == 45 * sizeof(void*));
static_assert(offsetof(EntrySuite, entryToUnicodeString) == 53 * sizeof(void*));
static_assert(sizeof(EntrySuite) == 54 * sizeof(void*));

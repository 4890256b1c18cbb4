// Function table of the host's "AI Unicode String Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kUnicodeStringSuiteName[] = "AI Unicode String Suite";
inline constexpr int32_t kUnicodeStringSuiteVersion = 8;

extern "C" {
struct UnicodeStringSuite
{
  // Encoding 1 is UTF-8, 0 the platform encoding.
  HostErr (*initStringFromBytes)(HostString* outString, const char* bytes, int32_t byteCount,
                                 int32_t encoding);
  // length -1: zero-terminated.
  HostErr (*initStringFromUtf16)(HostString* outString, const char16_t* text, int32_t length);
  // count copies of one code point.
  HostErr (*initStringRepeated)(HostString* outString, int32_t count, uint32_t codePoint);
  // Frees the object and nulls the handle.
  HostErr (*destroyString)(HostString* string);
  // Appends other to *target, creating *target when it is null.
  HostErr (*appendString)(HostString* target, HostString other);
  HostStubProc reserved5;
  HostStubProc reserved6;
  HostStubProc reserved7;
  // Code point at a character (code-point) index.
  HostErr (*getCodePointAt)(HostString string, int32_t index, uint32_t* outCodePoint);
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  HostStubProc reserved15;
  // Number of characters (code points).
  int32_t (*getStringLength)(HostString string);
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostStubProc reserved19;
  HostStubProc reserved20;
  HostStubProc reserved21;
  HostStubProc reserved22;
  HostStubProc reserved23;
  HostStubProc reserved24;
  HostStubProc reserved25;
  HostStubProc reserved26;
  HostStubProc reserved27;
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostStubProc reserved30;
  HostStubProc reserved31;
  HostStubProc reserved32;
  HostStubProc reserved33;
  // Pointer to the object's own UTF-16 units (valid while the object lives and is unchanged) and their
  // number.
  int32_t (*getStringUtf16)(HostString string, const char16_t** outUnits);
  // Text in the encoding, in a block from the SP Blocks suite that the caller frees; the byte count gives the
  // length.
  HostErr (*getStringBytes)(HostString string, int32_t encoding, SPBlockBuffer* outBlock,
                            int32_t* outByteCount);
};
}

static_assert(offsetof(UnicodeStringSuite, initStringFromBytes) == 0 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, initStringFromUtf16) == 1 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, initStringRepeated) == 2 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, destroyString) == 3 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, appendString) == 4 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, getCodePointAt) == 8 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, getStringLength) == 16 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, getStringUtf16) == 34 * sizeof(void*));
static_assert(offsetof(UnicodeStringSuite, getStringBytes) == 35 * sizeof(void*));
static_assert(sizeof(UnicodeStringSuite) == 36 * sizeof(void*));

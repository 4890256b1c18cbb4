// Function table of the host's "AI String Format Utils Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kStringFormatUtilsSuiteName[] = "AI String Format Utils Suite";
inline constexpr int32_t kStringFormatUtilsSuiteVersion = 3;

extern "C" {
struct StringFormatUtilsSuite
{
  // Writes count characters into a block from the SP Blocks suite, which the caller frees.
  HostErr (*getLanguageText)(int32_t selector, SPBlockBuffer* outText);
  // The host's language code for the text.
  HostErr (*languageCodeFromText)(const char* text, int32_t* outCode);
};
}

static_assert(offsetof(StringFormatUtilsSuite, getLanguageText) == 0 * sizeof(void*));
static_assert(offsetof(StringFormatUtilsSuite, languageCodeFromText) == 1 * sizeof(void*));
static_assert(sizeof(StringFormatUtilsSuite) == 2 * sizeof(void*));

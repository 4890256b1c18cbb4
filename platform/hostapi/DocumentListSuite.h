// Function table of the host's "AI Document List Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kDocumentListSuiteName[] = "AI Document List Suite";
inline constexpr int32_t kDocumentListSuiteVersion = 10;

extern "C" {
struct DocumentListSuite
{
  HostErr (*countDocuments)(int32_t* outCount);
};
}

static_assert(offsetof(DocumentListSuite, countDocuments) == 0 * sizeof(void*));
static_assert(sizeof(DocumentListSuite) == 1 * sizeof(void*));

// Function table of the host's "AI Document Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kDocumentSuiteName[] = "AI Document Suite";
inline constexpr int32_t kDocumentSuiteVersion16 = 16;
inline constexpr int32_t kDocumentSuiteVersion19 = 19;

extern "C" {
struct DocumentSuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  HostStubProc reserved6;
  HostStubProc reserved7;
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  // The current document; error or null = none.
  HostErr (*getCurrentDocument)(DocumentHandle* outDocument);
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
  HostStubProc reserved34;
  HostStubProc reserved35;
  // Clears the selection of the current document.
  HostErr (*deselectAllArt)(void);
};
}

static_assert(offsetof(DocumentSuite, getCurrentDocument) == 19 * sizeof(void*));
static_assert(offsetof(DocumentSuite, deselectAllArt) == 36 * sizeof(void*));
static_assert(sizeof(DocumentSuite) == 37 * sizeof(void*));

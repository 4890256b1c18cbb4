// Function table of the host's "AI Symbol Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kSymbolSuiteName[] = "AI Symbol Suite";
inline constexpr int32_t kSymbolSuiteVersion = 7;

extern "C" {
struct SymbolSuite
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
  HostErr (*disposeSymbol)(SymbolHandle symbol);
  bool8 (*isSymbolValid)(SymbolHandle symbol);
  // Definition art.
  HostErr (*getSymbolArt)(SymbolHandle symbol, ArtHandle* outArt);
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostErr (*setSymbolArt)(SymbolHandle symbol, ArtHandle art, int32_t zero);
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostStubProc reserved19;
  HostStubProc reserved20;
  // New instance (host type 13).
  HostErr (*placeSymbolInstance)(SymbolHandle symbol, RealPoint position, int32_t paintOrder,
                                 ArtHandle relative, ArtHandle* outInstance);
  HostStubProc reserved22;
  // Type 13 only.
  HostErr (*getSymbolOfInstance)(ArtHandle instance, SymbolHandle* outSymbol);
  HostErr (*setSymbolOfInstance)(ArtHandle instance, SymbolHandle symbol);
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
  HostStubProc reserved36;
  HostStubProc reserved37;
  HostStubProc reserved38;
  HostStubProc reserved39;
  HostStubProc reserved40;
  HostStubProc reserved41;
  HostStubProc reserved42;
  HostStubProc reserved43;
  HostStubProc reserved44;
  HostStubProc reserved45;
  HostStubProc reserved46;
  HostStubProc reserved47;
  // 0 reads as true.
  int32_t (*symbolCheck48)(SymbolHandle symbol, ArtHandle art);
  HostStubProc reserved49;
  HostStubProc reserved50;
  HostStubProc reserved51;
  // Non-zero reads as true.
  int32_t (*symbolFlag52)(SymbolHandle symbol);
};
}

static_assert(offsetof(SymbolSuite, disposeSymbol) == 9 * sizeof(void*));
static_assert(offsetof(SymbolSuite, isSymbolValid) == 10 * sizeof(void*));
static_assert(offsetof(SymbolSuite, getSymbolArt) == 11 * sizeof(void*));
static_assert(offsetof(SymbolSuite, setSymbolArt) == 14 * sizeof(void*));
static_assert(offsetof(SymbolSuite, placeSymbolInstance) == 21 * sizeof(void*));
static_assert(offsetof(SymbolSuite, getSymbolOfInstance) == 23 * sizeof(void*));
static_assert(offsetof(SymbolSuite, setSymbolOfInstance) == 24 * sizeof(void*));
static_assert(offsetof(SymbolSuite, symbolCheck48) == 48 * sizeof(void*));
static_assert(offsetof(SymbolSuite, symbolFlag52) == 52 * sizeof(void*));
static_assert(sizeof(SymbolSuite) == 53 * sizeof(void*));

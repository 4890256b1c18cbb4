// Function table of the host's "AI Art Style Parser Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kArtStyleParserSuiteName[] = "AI Art Style Parser Suite";
inline constexpr int32_t kArtStyleParserSuiteVersion = 8;

extern "C" {
struct ArtStyleParserSuite
{
  HostErr (*newStyleParser)(StyleParser* outParser);
  HostErr (*disposeStyleParser)(StyleParser parser);
  HostErr (*parseArtStyle)(StyleParser parser, ArtStyleHandle style);
  HostStubProc reserved3;
  bool8 (*isParserUsable)(StyleParser parser);
  int32_t (*countEffectsA)(StyleParser parser);
  int32_t (*countEffectsB)(StyleParser parser);
  int32_t (*countPaintFields)(StyleParser parser);
  HostStubProc reserved8;
  HostErr (*getEffectA)(StyleParser parser, int32_t index, StyleEffect* out);
  HostErr (*getEffectB)(StyleParser parser, int32_t index, StyleEffect* out);
  HostErr (*getPaintField)(StyleParser parser, int32_t index, StylePaintField* out);
  HostStubProc reserved12;
  HostErr (*getBlendField)(StyleParser parser, StyleBlendField* out);
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostStubProc reserved19;
  HostStubProc reserved20;
  HostStubProc reserved21;
  HostStubProc reserved22;
  HostStubProc reserved23;
  HostErr (*getDesignatedPaintFieldA)(StyleParser parser, StylePaintField* out);
  HostErr (*getDesignatedPaintFieldB)(StyleParser parser, StylePaintField* out);
  HostStubProc reserved26;
  HostStubProc reserved27;
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostStubProc reserved30;
  bool8 (*parserQueryA)(StyleParser parser);
  bool8 (*parserQueryB)(StyleParser parser);
  bool8 (*parserQueryC)(StyleParser parser);
  bool8 (*parserQueryD)(StyleParser parser);
};
}

static_assert(offsetof(ArtStyleParserSuite, newStyleParser) == 0 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, disposeStyleParser) == 1 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, parseArtStyle) == 2 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, isParserUsable) == 4 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, countEffectsA) == 5 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, countEffectsB) == 6 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, countPaintFields) == 7 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, getEffectA) == 9 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, getEffectB) == 10 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, getPaintField) == 11 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, getBlendField) == 13 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, getDesignatedPaintFieldA) == 24 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, getDesignatedPaintFieldB) == 25 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, parserQueryA) == 31 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, parserQueryB) == 32 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, parserQueryC) == 33 * sizeof(void*));
static_assert(offsetof(ArtStyleParserSuite, parserQueryD) == 34 * sizeof(void*));
static_assert(sizeof(ArtStyleParserSuite) == 35 * sizeof(void*));

// Function table of the host's "AI Font Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kFontSuiteName[] = "AI Font Suite";
inline constexpr int32_t kFontSuiteVersion = 6;

extern "C" {
struct FontSuite
{
  HostErr (*countFonts)(int32_t* outCount);
  HostErr (*getNthFont)(int32_t index, FontKey* outFont);
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostErr (*countTypefaceStyles)(TypefaceKey typeface, int32_t* outCount);
  HostErr (*getTypefaceStyleFont)(TypefaceKey typeface, int32_t style, FontKey* outFont);
  HostErr (*getFontTypeface)(FontKey font, TypefaceKey* outTypeface, int16_t* outStyle);
  HostStubProc reserved7;
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostStubProc reserved11;
  HostStubProc reserved12;
  // Fills the 15-word font information record.
  HostErr (*getFontInfo)(FontKey font, FontInfoRecord* outInfo);
  HostStubProc reserved14;
  HostStubProc reserved15;
  HostStubProc reserved16;
  // The host's fallback font.
  HostErr (*getDefaultFont)(int32_t selector, FontKey* outFont);
  HostStubProc reserved18;
  HostStubProc reserved19;
  HostStubProc reserved20;
  HostStubProc reserved21;
  HostStubProc reserved22;
  HostStubProc reserved23;
  HostStubProc reserved24;
  HostStubProc reserved25;
  // Hands out a new counted text-engine font reference.
  HostErr (*fontToAteFont)(FontKey font, AteFontRef* outAteFont);
  // Does not consume the engine reference.
  HostErr (*fontFromAteFont)(AteFontRef ateFont, FontKey* outFont);
  // Preset 0; meaning is the host's.
  HostErr (*fontQuery28)(FontKey font, int32_t* outValue);
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
  // Writes the full name, zero-terminated, into at most maxUnits + 1 units.
  HostErr (*getFontFullName)(FontKey font, char16_t* buffer, int32_t maxUnits);
  // The face (family) name; an error gives the empty name.
  HostErr (*getFontFaceName)(FontKey font, char16_t* buffer, int32_t maxUnits);
  // A third name; an error gives the empty name.
  HostErr (*getFontName50)(FontKey font, char16_t* buffer, int32_t maxUnits);
  HostStubProc reserved51;
  HostStubProc reserved52;
  HostStubProc reserved53;
  HostStubProc reserved54;
  HostStubProc reserved55;
  HostStubProc reserved56;
  HostStubProc reserved57;
  HostStubProc reserved58;
  HostStubProc reserved59;
  HostStubProc reserved60;
  HostStubProc reserved61;
  HostStubProc reserved62;
  // The host creates the string.
  HostErr (*getTypefaceName)(TypefaceKey typeface, HostString* outName);
};
}

static_assert(offsetof(FontSuite, countFonts) == 0 * sizeof(void*));
static_assert(offsetof(FontSuite, getNthFont) == 1 * sizeof(void*));
static_assert(offsetof(FontSuite, countTypefaceStyles) == 4 * sizeof(void*));
static_assert(offsetof(FontSuite, getTypefaceStyleFont) == 5 * sizeof(void*));
static_assert(offsetof(FontSuite, getFontTypeface) == 6 * sizeof(void*));
static_assert(offsetof(FontSuite, getFontInfo) == 13 * sizeof(void*));
static_assert(offsetof(FontSuite, getDefaultFont) == 17 * sizeof(void*));
static_assert(offsetof(FontSuite, fontToAteFont) == 26 * sizeof(void*));
static_assert(offsetof(FontSuite, fontFromAteFont) == 27 * sizeof(void*));
static_assert(offsetof(FontSuite, fontQuery28) == 28 * sizeof(void*));
static_assert(offsetof(FontSuite, getFontFullName) == 48 * sizeof(void*));
static_assert(offsetof(FontSuite, getFontFaceName) == 49 * sizeof(void*));
static_assert(offsetof(FontSuite, getFontName50) == 50 * sizeof(void*));
static_assert(offsetof(FontSuite, getTypefaceName) == 63 * sizeof(void*));
static_assert(sizeof(FontSuite) == 64 * sizeof(void*));

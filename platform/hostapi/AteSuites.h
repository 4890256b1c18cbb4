// The host's text-engine suites: the list of every suite the text model acquires (in acquisition order,
// with its version), and the function tables of the suites whose functions are called.
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

// X(identifier, name, version) for the text-engine suites in the order the text model acquires them.
// The host's "AIATE Paint Suite" comes first; "AI Text Frame Suite" has its own header.
#define QOR_ATE_SUITES(X)                                                                                    \
  X(AiatePaint, "AIATE Paint Suite", 3)                                                                      \
  X(ApplicationPaint, "ATE ApplicationPaint Suite", 1)                                                       \
  X(ApplicationTextResources, "ATE ApplicationTextResources Suite", 1)                                       \
  X(ArrayApplicationPaintRef, "ATE ArrayApplicationPaintRef Suite", 1)                                       \
  X(ArrayArrayReal, "ATE ArrayArrayReal Suite", 1)                                                           \
  X(ArrayAutoKernType, "ATE ArrayAutoKernType Suite", 1)                                                     \
  X(ArrayBaselineDirection, "ATE ArrayBaselineDirection Suite", 1)                                           \
  X(ArrayBool, "ATE ArrayBool Suite", 1)                                                                     \
  X(ArrayBurasagariType, "ATE ArrayBurasagariType Suite", 1)                                                 \
  X(ArrayFigureStyle, "ATE ArrayFigureStyle Suite", 1)                                                       \
  X(ArrayFontBaselineOption, "ATE ArrayFontBaselineOption Suite", 1)                                         \
  X(ArrayFontCapsOption, "ATE ArrayFontCapsOption Suite", 1)                                                 \
  X(ArrayFontOpenTypePositionOption, "ATE ArrayFontOpenTypePositionOption Suite", 1)                         \
  X(ArrayFontRef, "ATE ArrayFontRef Suite", 1)                                                               \
  X(ArrayGlyphID, "ATE ArrayGlyphID Suite", 1)                                                               \
  X(ArrayInteger, "ATE ArrayInteger Suite", 1)                                                               \
  X(ArrayKinsokuRef, "ATE ArrayKinsokuRef Suite", 1)                                                         \
  X(ArrayLanguage, "ATE ArrayLanguage Suite", 1)                                                             \
  X(ArrayLeadingType, "ATE ArrayLeadingType Suite", 1)                                                       \
  X(ArrayLineCapType, "ATE ArrayLineCapType Suite", 1)                                                       \
  X(ArrayLineJoinType, "ATE ArrayLineJoinType Suite", 1)                                                     \
  X(ArrayMojiKumiRef, "ATE ArrayMojiKumiRef Suite", 1)                                                       \
  X(ArrayMojiKumiSetRef, "ATE ArrayMojiKumiSetRef Suite", 1)                                                 \
  X(ArrayParagraphJustification, "ATE ArrayParagraphJustification Suite", 1)                                \
  X(ArrayPreferredKinsokuOrder, "ATE ArrayPreferredKinsokuOrder Suite", 1)                                   \
  X(ArrayReal, "ATE ArrayReal Suite", 1)                                                                     \
  X(ArrayRealMatrix, "ATE ArrayRealMatrix Suite", 1)                                                         \
  X(ArrayRealPoint, "ATE ArrayRealPoint Suite", 1)                                                           \
  X(ArrayStrikethroughPosition, "ATE ArrayStrikethroughPosition Suite", 1)                                   \
  X(ArrayStyleRunAlignment, "ATE ArrayStyleRunAlignment Suite", 1)                                           \
  X(ArrayTabStopsRef, "ATE ArrayTabStopsRef Suite", 1)                                                       \
  X(ArrayUnderlinePosition, "ATE ArrayUnderlinePosition Suite", 1)                                           \
  X(ArrayWariChuJustification, "ATE ArrayWariChuJustification Suite", 1)                                     \
  X(CharFeatures, "ATE CharFeatures Suite", 101)                                                             \
  X(CharInspector, "ATE CharInspector Suite", 101)                                                           \
  X(CharStyle, "ATE CharStyle Suite", 1)                                                                     \
  X(CharStyles, "ATE CharStyles Suite", 1)                                                                   \
  X(CharStylesIterator, "ATE CharStylesIterator Suite", 1)                                                   \
  X(CompFont, "ATE CompFont Suite", 1)                                                                       \
  X(CompFontClass, "ATE CompFontClass Suite", 1)                                                             \
  X(CompFontClassSet, "ATE CompFontClassSet Suite", 1)                                                       \
  X(CompFontComponent, "ATE CompFontComponent Suite", 1)                                                     \
  X(CompFontSet, "ATE CompFontSet Suite", 1)                                                                 \
  X(DocumentTextResources, "ATE DocumentTextResources Suite", 101)                                           \
  X(Find, "ATE Find Suite", 101)                                                                             \
  X(Font, "ATE Font Suite", 1)                                                                               \
  X(Glyph, "ATE Glyph Suite", 1)                                                                             \
  X(GlyphRun, "ATE GlyphRun Suite", 1)                                                                       \
  X(GlyphRunsIterator, "ATE GlyphRunsIterator Suite", 1)                                                     \
  X(Glyphs, "ATE Glyphs Suite", 1)                                                                           \
  X(GlyphsIterator, "ATE GlyphsIterator Suite", 1)                                                           \
  X(Kinsoku, "ATE Kinsoku Suite", 1)                                                                         \
  X(KinsokuSet, "ATE KinsokuSet Suite", 1)                                                                   \
  X(MojiKumi, "ATE MojiKumi Suite", 1)                                                                       \
  X(MojiKumiSet, "ATE MojiKumiSet Suite", 1)                                                                 \
  X(ParaFeatures, "ATE ParaFeatures Suite", 101)                                                             \
  X(ParaInspector, "ATE ParaInspector Suite", 101)                                                           \
  X(ParaStyle, "ATE ParaStyle Suite", 1)                                                                     \
  X(ParaStyles, "ATE ParaStyles Suite", 1)                                                                   \
  X(ParaStylesIterator, "ATE ParaStylesIterator Suite", 1)                                                   \
  X(Paragraph, "ATE Paragraph Suite", 1)                                                                     \
  X(ParagraphsIterator, "ATE ParagraphsIterator Suite", 1)                                                   \
  X(Spell, "ATE Spell Suite", 101)                                                                           \
  X(Stories, "ATE Stories Suite", 1)                                                                         \
  X(Story, "ATE Story Suite", 1)                                                                             \
  X(TabStop, "ATE TabStop Suite", 1)                                                                         \
  X(TabStops, "ATE TabStops Suite", 1)                                                                       \
  X(TabStopsIterator, "ATE TabStopsIterator Suite", 1)                                                       \
  X(TextFrame, "ATE TextFrame Suite", 101)                                                                   \
  X(TextFramesIterator, "ATE TextFramesIterator Suite", 1)                                                   \
  X(TextLine, "ATE TextLine Suite", 2)                                                                       \
  X(TextLinesIterator, "ATE TextLinesIterator Suite", 1)                                                     \
  X(TextRange, "ATE TextRange Suite", 1)                                                                     \
  X(TextRanges, "ATE TextRanges Suite", 1)                                                                   \
  X(TextRangesIterator, "ATE TextRangesIterator Suite", 1)                                                   \
  X(TextResources, "ATE TextResources Suite", 1)                                                             \
  X(TextRunsIterator, "ATE TextRunsIterator Suite", 1)                                                       \
  X(VersionInfo, "ATE VersionInfo Suite", 1)                                                                 \
  X(WordsIterator, "ATE WordsIterator Suite", 1)                                                             \
  X(ArrayComposerEngine, "ATE ArrayComposerEngine Suite", 1)                                                 \
  X(ArrayDiacVPos, "ATE ArrayDiacVPos Suite", 1)                                                             \
  X(ArrayDigitSet, "ATE ArrayDigitSet Suite", 1)                                                             \
  X(ArrayDirOverride, "ATE ArrayDirOverride Suite", 1)                                                       \
  X(ArrayJustificationMethod, "ATE ArrayJustificationMethod Suite", 1)                                       \
  X(ArrayKashidas, "ATE ArrayKashidas Suite", 1)                                                             \
  X(ArrayLine, "ATE ArrayLine Suite", 1)                                                                     \
  X(ArrayParagraphDirection, "ATE ArrayParagraphDirection Suite", 1)                                         \
  X(ArrayKashidaWidth, "ATE ArrayKashidaWidth Suite", 1)

// Index of each suite in QOR_ATE_SUITES.
enum AteSuiteIndex : int
{
#define QOR_ATE_SUITE_INDEX(id, name, version) kAteSuite##id,
  QOR_ATE_SUITES(QOR_ATE_SUITE_INDEX)
#undef QOR_ATE_SUITE_INDEX
      kAteSuiteCount
};

struct AteSuiteInfo
{
  const char* name;
  int32_t version;
};

inline constexpr AteSuiteInfo kAteSuites[] = {
#define QOR_ATE_SUITE_INFO(id, name, version) {name, version},
    QOR_ATE_SUITES(QOR_ATE_SUITE_INFO)
#undef QOR_ATE_SUITE_INFO
};
static_assert(sizeof(kAteSuites) / sizeof(kAteSuites[0]) == kAteSuiteCount);
static_assert(kAteSuiteCount == 88, "the paint suite and the 87 text-engine suites");

// The first three positions of every text-engine suite: add a reference, release one, and the null test
// (its result is a boolean, not an error code).
#define QOR_ATE_REF_POSITIONS(Ref)                                                                           \
  HostErr (*addRef)(Ref ref);                                                                                \
  HostErr (*release)(Ref ref);                                                                               \
  bool8 (*isNull)(Ref ref)

extern "C" {

// "ATE TextRange Suite" 1, up to the last position the text model calls.
struct AteTextRangeSuite
{
  QOR_ATE_REF_POSITIONS(AteTextRangeRef);
  HostErr (*getStart)(AteTextRangeRef range, int32_t* outStart);
  HostErr (*setStart)(AteTextRangeRef range, int32_t start);
  HostErr (*getEnd)(AteTextRangeRef range, int32_t* outEnd);
  HostErr (*setEnd)(AteTextRangeRef range, int32_t end);
  // UTF-16 units.
  HostErr (*getCharacterCount)(AteTextRangeRef range, int32_t* outCount);
  HostErr (*getStory)(AteTextRangeRef range, AteStoryRef* outStory);
  HostStubProc reserved9[9];
  HostErr (*position18)(AteTextRangeRef range, const char16_t* text, bool8* outFlag);
  HostErr (*position19)(AteTextRangeRef range, const char16_t* text, bool8* outFlag);
  HostErr (*position20)(AteTextRangeRef range);
  HostErr (*position21)(AteTextRangeRef range);
  HostStubProc reserved22[2];
  HostErr (*position24)(AteTextRangeRef range, bool8* outFlag);
  HostErr (*position25)(AteTextRangeRef range, bool8* outFlag);
  HostStubProc reserved26[4];
  HostErr (*position30)(AteTextRangeRef range);
  HostStubProc reserved31[2];
  HostErr (*position33)(AteTextRangeRef range);
  HostStubProc reserved34;
  // Narrows the range to the characters start to end, end exclusive.
  HostErr (*setRange)(AteTextRangeRef range, int32_t start, int32_t end);
  HostErr (*position36)(AteTextRangeRef range, int32_t value);
  HostErr (*position37)(AteTextRangeRef range, int32_t value, int32_t* outValue);
  HostErr (*position38)(AteTextRangeRef range, AteTextRangeRef* outRange);
  // Zero-terminated UTF-16 text; the length -1 says so.
  HostErr (*position39)(AteTextRangeRef range, const char16_t* text, int32_t length);
  HostErr (*position40)(AteTextRangeRef range, const char16_t* text, int32_t length);
  HostErr (*position41)(AteTextRangeRef range, AteTextRangeRef other);
  HostErr (*position42)(AteTextRangeRef range, AteTextRangeRef other);
  // Copies at most capacity UTF-16 units (no terminator) and reports how many it copied.
  HostErr (*getContents)(AteTextRangeRef range, char16_t* buffer, int32_t capacity, int32_t* outCount);
  HostStubProc reserved44[2];
  HostErr (*position46)(AteTextRangeRef range, bool8 flag);
  HostStubProc reserved47;
  HostErr (*position48)(AteTextRangeRef range, int32_t value);
  HostErr (*position49)(AteTextRangeRef range);
  HostErr (*position50)(AteTextRangeRef range);
};

// "ATE Story Suite" 1.
struct AteStorySuite
{
  QOR_ATE_REF_POSITIONS(AteStoryRef);
  HostStubProc reserved3;
  HostErr (*getSize)(AteStoryRef story, int32_t* outSize);
  HostStubProc reserved5;
  // The range over the whole story.
  HostErr (*getTextRange)(AteStoryRef story, AteTextRangeRef* outRange);
  HostStubProc reserved7[10];
  HostErr (*getTextRangeBetween)(AteStoryRef story, int32_t start, int32_t end, AteTextRangeRef* outRange);
  HostStubProc reserved18[4];
};

// "ATE TextFrame Suite" 101.
struct AteTextFrameSuite
{
  QOR_ATE_REF_POSITIONS(AteTextFrameRef);
  HostStubProc reserved3;
  HostErr (*getTextRange)(AteTextFrameRef frame, int32_t flag, AteTextRangeRef* outRange);
};

}  // extern "C"

static_assert(offsetof(AteTextRangeSuite, getStart) == 3 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, getCharacterCount) == 7 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, getStory) == 8 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, setRange) == 35 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position37) == 37 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position18) == 18 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position24) == 24 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position30) == 30 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position33) == 33 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position38) == 38 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position42) == 42 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, getContents) == 43 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position46) == 46 * sizeof(void*));
static_assert(offsetof(AteTextRangeSuite, position50) == 50 * sizeof(void*));
static_assert(sizeof(AteTextRangeSuite) == 51 * sizeof(void*));
static_assert(offsetof(AteStorySuite, getSize) == 4 * sizeof(void*));
static_assert(offsetof(AteStorySuite, getTextRange) == 6 * sizeof(void*));
static_assert(offsetof(AteStorySuite, getTextRangeBetween) == 17 * sizeof(void*));
static_assert(sizeof(AteStorySuite) == 22 * sizeof(void*));
static_assert(offsetof(AteTextFrameSuite, getTextRange) == 4 * sizeof(void*));

// Slots published for a text-engine suite whose functions the text model does not call.
inline constexpr size_t kAteUncalledSuiteSlots = 64;

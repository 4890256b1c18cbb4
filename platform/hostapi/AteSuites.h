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

// The element arrays of the inspectors share one reference type (every array suite but "ATE ArrayReal
// Suite", whose arrays are also values of features).
struct AteArrayRefOpaque;
typedef AteArrayRefOpaque* AteArrayRef;

// Slots published for every text-engine suite: enough for the highest position any of them has.
inline constexpr size_t kAteSuiteSlots = 246;

// The attributes of "ATE CharFeatures Suite": X(getter, setter, clearer, engine kind, client
// conversion, name, Name), in the order of the client's getters. Engine kinds: Real (float), Bool (bool8),
// Int (int32), Font, Paint, RealArray (engine objects). Numbers in names are getter positions.
#define QOR_ATE_CHAR_FEATURES(X)                                                                             \
  X(5, 80, 155, Font, Font, font, Font)                                                                            \
  X(6, 81, 156, Real, Plain, charAttribute6, CharAttribute6)                                                                 \
  X(7, 82, 157, Real, Plain, charAttribute7, CharAttribute7)                                                                 \
  X(8, 83, 158, Real, Plain, charAttribute8, CharAttribute8)                                                                 \
  X(9, 84, 159, Bool, Plain, charAttribute9, CharAttribute9)                                                                 \
  X(10, 85, 160, Real, Plain, charAttribute10, CharAttribute10)                                                               \
  X(11, 86, 161, Int, Plain, charAttribute11, CharAttribute11)                                                                \
  X(12, 87, 162, Real, Plain, charAttribute12, CharAttribute12)                                                               \
  X(13, 88, 163, Real, Angle, angle, Angle)                                                                         \
  X(14, 89, 164, Int, E4, charAttribute14, CharAttribute14)                                                                   \
  X(15, 90, 165, Int, E4, fontCapsOption, FontCapsOption)                                                                    \
  X(16, 91, 166, Int, E3, fontBaselineOption, FontBaselineOption)                                                                \
  X(17, 92, 167, Int, E5, fontOpenTypePositionOption, FontOpenTypePositionOption)                                                        \
  X(18, 93, 168, Int, E3, strikethroughPosition, StrikethroughPosition)                                                             \
  X(19, 94, 169, Int, E3, underlinePosition, UnderlinePosition)                                                                 \
  X(20, 95, 170, Real, Plain, charAttribute20, CharAttribute20)                                                               \
  X(21, 96, 171, Bool, Plain, charAttribute21, CharAttribute21)                                                               \
  X(22, 97, 172, Bool, Plain, charAttribute22, CharAttribute22)                                                               \
  X(23, 98, 173, Bool, Plain, charAttribute23, CharAttribute23)                                                               \
  X(24, 99, 174, Bool, Plain, charAttribute24, CharAttribute24)                                                               \
  X(25, 100, 175, Bool, Plain, charAttribute25, CharAttribute25)                                                              \
  X(26, 101, 176, Bool, Plain, charAttribute26, CharAttribute26)                                                              \
  X(27, 102, 177, Bool, Plain, charAttribute27, CharAttribute27)                                                              \
  X(28, 103, 178, Bool, Plain, charAttribute28, CharAttribute28)                                                              \
  X(29, 104, 179, Bool, Plain, charAttribute29, CharAttribute29)                                                              \
  X(30, 105, 180, Bool, Plain, charAttribute30, CharAttribute30)                                                              \
  X(31, 106, 181, Bool, Plain, charAttribute31, CharAttribute31)                                                              \
  X(32, 107, 182, Bool, Plain, charAttribute32, CharAttribute32)                                                              \
  X(33, 108, 183, Int, E5, figureStyle, FigureStyle)                                                                      \
  X(39, 114, 189, Int, E59, charAttribute39, CharAttribute39)                                                                 \
  X(55, 130, 204, Bool, Plain, charAttribute55, CharAttribute55)                                                              \
  X(56, 131, 205, Paint, Paint, paint56, Paint56)                                                                     \
  X(57, 132, 206, Paint, Paint, paint57, Paint57)                                                                     \
  X(58, 133, 207, Bool, Plain, charAttribute58, CharAttribute58)                                                              \
  X(59, 134, 208, Bool, Plain, charAttribute59, CharAttribute59)                                                              \
  X(60, 135, 209, Bool, Plain, charAttribute60, CharAttribute60)                                                              \
  X(61, 136, 210, Bool, Plain, charAttribute61, CharAttribute61)                                                              \
  X(62, 137, 211, Bool, Plain, charAttribute62, CharAttribute62)                                                              \
  X(63, 138, 212, Int, E3h, lineCapType, LineCapType)                                                                     \
  X(64, 139, 213, Int, E3h, lineJoinType, LineJoinType)                                                                    \
  X(65, 140, 214, Real, Plain, charAttribute65, CharAttribute65)                                                              \
  X(66, 141, 215, Real, Plain, charAttribute66, CharAttribute66)                                                              \
  X(67, 142, 216, Real, Plain, charAttribute67, CharAttribute67)                                                              \
  X(68, 143, 217, RealArray, RealArray, realArray, RealArray)                                                           \
  X(234, 236, 238, Bool, Plain, charAttribute234, CharAttribute234)                                                            \
  X(235, 237, 239, Bool, Plain, charAttribute235, CharAttribute235)                                                            \
  X(240, 242, 244, Paint, Paint, paint240, Paint240)                                                                   \
  X(241, 243, 245, Bool, Plain, charAttribute241, CharAttribute241)

// The attributes of "ATE ParaFeatures Suite", the same way; the clearer 0 means none of its own (the
// reals 19 to 27 are cleared by groups of three at 101, 102 and 103). In the client's order.
#define QOR_ATE_PARA_FEATURES(X)                                                                             \
  X(5, 46, 87, Int, Justification, justification5, Justification5)                                                           \
  X(6, 47, 88, Real, Plain, paraAttribute6, ParaAttribute6)                                                                  \
  X(7, 48, 89, Real, Plain, paraAttribute7, ParaAttribute7)                                                                  \
  X(8, 49, 90, Real, Plain, paraAttribute8, ParaAttribute8)                                                                  \
  X(9, 50, 91, Real, Plain, paraAttribute9, ParaAttribute9)                                                                  \
  X(10, 51, 92, Real, Plain, paraAttribute10, ParaAttribute10)                                                                \
  X(11, 52, 93, Bool, Plain, paraAttribute11, ParaAttribute11)                                                                \
  X(12, 53, 94, Int, Plain, paraAttribute12, ParaAttribute12)                                                                 \
  X(13, 54, 95, Int, Plain, paraAttribute13, ParaAttribute13)                                                                 \
  X(14, 55, 96, Int, Plain, paraAttribute14, ParaAttribute14)                                                                 \
  X(15, 56, 97, Int, Plain, paraAttribute15, ParaAttribute15)                                                                 \
  X(16, 57, 98, Real, Plain, paraAttribute16, ParaAttribute16)                                                                \
  X(17, 58, 99, Bool, Plain, paraAttribute17, ParaAttribute17)                                                                \
  X(18, 59, 100, Real, Plain, paraAttribute18, ParaAttribute18)                                                               \
  X(19, 60, 0, Real, Plain, paraAttribute19, ParaAttribute19)                                                                 \
  X(21, 62, 0, Real, Plain, paraAttribute21, ParaAttribute21)                                                                 \
  X(20, 61, 0, Real, Plain, paraAttribute20, ParaAttribute20)                                                                 \
  X(22, 63, 0, Real, Plain, paraAttribute22, ParaAttribute22)                                                                 \
  X(24, 65, 0, Real, Plain, paraAttribute24, ParaAttribute24)                                                                 \
  X(23, 64, 0, Real, Plain, paraAttribute23, ParaAttribute23)                                                                 \
  X(25, 66, 0, Real, Plain, paraAttribute25, ParaAttribute25)                                                                 \
  X(27, 68, 0, Real, Plain, paraAttribute27, ParaAttribute27)                                                                 \
  X(26, 67, 0, Real, Plain, paraAttribute26, ParaAttribute26)                                                                 \
  X(28, 69, 104, Int, Justification, justification28, Justification28)                                                        \
  X(29, 70, 105, Real, Plain, paraAttribute29, ParaAttribute29)                                                               \
  X(30, 71, 106, Int, E2, leadingType, LeadingType)                                                                       \
  X(31, 72, 107, TabStops, TabStops, tabStops, TabStops)                                                               \
  X(32, 73, 0, Real, Plain, paraAttribute32, ParaAttribute32)                                                                 \
  X(41, 82, 116, Bool, Plain, paraAttribute41, ParaAttribute41)                                                               \
  X(42, 83, 117, CharFeatures, CharFeatures, charFeatures, CharFeatures)                                                   \
  X(126, 127, 128, Int, E2, composerEngine, ComposerEngine)

// The clears of the groups of reals: clearer, first and last getter.
#define QOR_ATE_PARA_GROUP_CLEARS(X) X(101, 19, 21) X(102, 22, 24) X(103, 25, 27)

// The getters of "ATE CharInspector Suite": X(position, attribute getter of the features, element array
// suite, client name), in the client's order. The attribute 0 marks the two that only inspectors have.
#define QOR_ATE_CHAR_INSPECTOR(X)                                                                            \
  X(4, 5, ArrayFontRef, fonts)                                                                               \
  X(5, 6, ArrayReal, charAttribute6Values)                                                                   \
  X(6, 7, ArrayReal, charAttribute7Values)                                                                   \
  X(7, 8, ArrayReal, charAttribute8Values)                                                                   \
  X(8, 0, ArrayBool, charInspectorAttribute8Values)                                                          \
  X(9, 0, ArrayBool, charInspectorAttribute9Values)                                                          \
  X(10, 9, ArrayBool, charAttribute9Values)                                                                  \
  X(11, 10, ArrayReal, charAttribute10Values)                                                                \
  X(12, 11, ArrayInteger, charAttribute11Values)                                                             \
  X(13, 12, ArrayReal, charAttribute12Values)                                                                \
  X(14, 13, ArrayReal, angleValues)                                                                          \
  X(15, 15, ArrayFontCapsOption, fontCapsOptions)                                                            \
  X(16, 16, ArrayFontBaselineOption, fontBaselineOptions)                                                    \
  X(17, 17, ArrayFontOpenTypePositionOption, fontOpenTypePositionOptions)                                    \
  X(18, 18, ArrayStrikethroughPosition, strikethroughPositions)                                              \
  X(19, 19, ArrayUnderlinePosition, underlinePositions)                                                      \
  X(20, 20, ArrayReal, charAttribute20Values)                                                                \
  X(21, 21, ArrayBool, charAttribute21Values)                                                                \
  X(22, 22, ArrayBool, charAttribute22Values)                                                                \
  X(23, 23, ArrayBool, charAttribute23Values)                                                                \
  X(24, 24, ArrayBool, charAttribute24Values)                                                                \
  X(25, 25, ArrayBool, charAttribute25Values)                                                                \
  X(26, 26, ArrayBool, charAttribute26Values)                                                                \
  X(27, 27, ArrayBool, charAttribute27Values)                                                                \
  X(28, 28, ArrayBool, charAttribute28Values)                                                                \
  X(29, 29, ArrayBool, charAttribute29Values)                                                                \
  X(30, 30, ArrayBool, charAttribute30Values)                                                                \
  X(31, 31, ArrayBool, charAttribute31Values)                                                                \
  X(32, 32, ArrayBool, charAttribute32Values)                                                                \
  X(33, 33, ArrayFigureStyle, figureStyles)                                                                  \
  X(54, 55, ArrayBool, charAttribute55Values)                                                                \
  X(57, 58, ArrayBool, charAttribute58Values)                                                                \
  X(79, 234, ArrayBool, charAttribute234Values)                                                              \
  X(55, 56, ArrayApplicationPaintRef, paint56Values)                                                         \
  X(59, 60, ArrayBool, charAttribute60Values)                                                                \
  X(60, 61, ArrayBool, charAttribute61Values)                                                                \
  X(82, 241, ArrayBool, charAttribute241Values)                                                              \
  X(81, 240, ArrayApplicationPaintRef, paint240Values)                                                       \
  X(58, 59, ArrayBool, charAttribute59Values)                                                                \
  X(80, 235, ArrayBool, charAttribute235Values)                                                              \
  X(56, 57, ArrayApplicationPaintRef, paint57Values)                                                         \
  X(61, 62, ArrayBool, charAttribute62Values)                                                                \
  X(62, 63, ArrayLineCapType, lineCapTypes)                                                                  \
  X(63, 64, ArrayLineJoinType, lineJoinTypes)                                                                \
  X(64, 65, ArrayReal, charAttribute65Values)                                                                \
  X(65, 66, ArrayReal, charAttribute66Values)                                                                \
  X(66, 67, ArrayReal, charAttribute67Values)                                                                \
  X(67, 68, ArrayArrayReal, realArrayValues)

// The getters of "ATE ParaInspector Suite", the same way.
#define QOR_ATE_PARA_INSPECTOR(X)                                                                            \
  X(4, 5, ArrayParagraphJustification, justification5Values)                                                 \
  X(5, 6, ArrayReal, paraAttribute6Values)                                                                   \
  X(6, 7, ArrayReal, paraAttribute7Values)                                                                   \
  X(7, 8, ArrayReal, paraAttribute8Values)                                                                   \
  X(8, 9, ArrayReal, paraAttribute9Values)                                                                   \
  X(9, 10, ArrayReal, paraAttribute10Values)                                                                 \
  X(10, 11, ArrayBool, paraAttribute11Values)                                                                \
  X(11, 12, ArrayInteger, paraAttribute12Values)                                                             \
  X(12, 13, ArrayInteger, paraAttribute13Values)                                                             \
  X(13, 14, ArrayInteger, paraAttribute14Values)                                                             \
  X(14, 15, ArrayInteger, paraAttribute15Values)                                                             \
  X(15, 16, ArrayReal, paraAttribute16Values)                                                                \
  X(16, 17, ArrayBool, paraAttribute17Values)                                                                \
  X(17, 18, ArrayReal, paraAttribute18Values)                                                                \
  X(18, 19, ArrayReal, paraAttribute19Values)                                                                \
  X(19, 20, ArrayReal, paraAttribute20Values)                                                                \
  X(20, 21, ArrayReal, paraAttribute21Values)                                                                \
  X(21, 22, ArrayReal, paraAttribute22Values)                                                                \
  X(22, 23, ArrayReal, paraAttribute23Values)                                                                \
  X(23, 24, ArrayReal, paraAttribute24Values)                                                                \
  X(24, 25, ArrayReal, paraAttribute25Values)                                                                \
  X(25, 26, ArrayReal, paraAttribute26Values)                                                                \
  X(26, 27, ArrayReal, paraAttribute27Values)                                                                \
  X(27, 28, ArrayParagraphJustification, justification28Values)                                             \
  X(28, 29, ArrayReal, paraAttribute29Values)                                                                \
  X(29, 30, ArrayLeadingType, leadingTypes)                                                                  \
  X(31, 32, ArrayReal, paraAttribute32Values)                                                                \
  X(40, 41, ArrayBool, paraAttribute41Values)                                                                \
  X(44, 126, ArrayComposerEngine, composerEngines)

// The record "AIATE Paint Suite" position 7 makes a real array of: a count (at most 6), padding, a zero
// word and six floats of which the first count are used.
struct AteRealArrayRecord
{
  int16_t count;
  int16_t padding;
  int32_t zero;
  float values[6];
};
static_assert(sizeof(AteRealArrayRecord) == 32);
static_assert(offsetof(AteRealArrayRecord, values) == 8);

// The pointer variables of the host suites the artwork and document model uses, beyond those of the
// lifecycle layers (aip/qoraipSuitePointers.h). Each site fills its variable through acquireSuite.
#pragma once

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

extern const ArtSuite* artSuite;
extern const ArtStyleSuite* artStyleSuite;
extern const ArtStyleParserSuite* artStyleParserSuite;
extern const ArtboardSuite* artboardSuite;
extern const ArraySuite* arraySuite;
extern const BlendStyleSuite* blendStyleSuite;
extern const ColorConversionSuite* colorConversionSuite;
extern const CustomColorSuite* customColorSuite;
extern const DictionarySuite* dictionarySuite;
extern const DictionaryIteratorSuite* dictionaryIteratorSuite;
extern const EntrySuite* entrySuite;
extern const ExpandSuite* expandSuite;
extern const GradientSuite* gradientSuite;
extern const GroupSuite* groupSuite;
extern const IsolationModeSuite* isolationModeSuite;
extern const LayerSuite* layerSuite;
extern const MatchingArtSuite* matchingArtSuite;
extern const MdMemorySuite* mdMemorySuite;
extern const PaintStyleSuite* paintStyleSuite;
extern const PathStyleSuite* pathStyleSuite;
extern const PathSuite* pathSuite;
extern const PatternSuite* patternSuite;
extern const RealBezierSuite* realBezierSuite;
extern const SymbolSuite* symbolSuite;
extern const TextFrameSuite* textFrameSuite;
extern const TransformArtSuite* transformArtSuite;
extern const UIDSuite* uidSuite;
extern const UIDREFSuite* uidrefSuite;
extern const UIDUtilsSuite* uidUtilsSuite;
// Acquired only.
extern const void* ateTextUtilSuite;
extern const void* maskSuite;
extern const void* meshSuite;
extern const void* placedSuite;
extern const void* rasterSuite;
extern const void* uidPoolSuite;

}  // namespace aip
}  // namespace qor

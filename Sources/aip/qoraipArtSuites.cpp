#include "aip/qoraipArtSuites.h"

namespace qor {
namespace aip {

const ArtSuite* artSuite = nullptr;
const ArtStyleSuite* artStyleSuite = nullptr;
const ArtStyleParserSuite* artStyleParserSuite = nullptr;
const ArtboardSuite* artboardSuite = nullptr;
const ArraySuite* arraySuite = nullptr;
const BlendStyleSuite* blendStyleSuite = nullptr;
const ColorConversionSuite* colorConversionSuite = nullptr;
const CustomColorSuite* customColorSuite = nullptr;
const DictionarySuite* dictionarySuite = nullptr;
const DictionaryIteratorSuite* dictionaryIteratorSuite = nullptr;
const EntrySuite* entrySuite = nullptr;
const ExpandSuite* expandSuite = nullptr;
const GradientSuite* gradientSuite = nullptr;
const GroupSuite* groupSuite = nullptr;
const IsolationModeSuite* isolationModeSuite = nullptr;
const LayerSuite* layerSuite = nullptr;
const MatchingArtSuite* matchingArtSuite = nullptr;
const MdMemorySuite* mdMemorySuite = nullptr;
const PaintStyleSuite* paintStyleSuite = nullptr;
const PathStyleSuite* pathStyleSuite = nullptr;
const PathSuite* pathSuite = nullptr;
const PatternSuite* patternSuite = nullptr;
const RealBezierSuite* realBezierSuite = nullptr;
const SymbolSuite* symbolSuite = nullptr;
const TextFrameSuite* textFrameSuite = nullptr;
const TransformArtSuite* transformArtSuite = nullptr;
const UIDSuite* uidSuite = nullptr;
const UIDREFSuite* uidrefSuite = nullptr;
const UIDUtilsSuite* uidUtilsSuite = nullptr;
const void* ateTextUtilSuite = nullptr;
const void* maskSuite = nullptr;
const void* meshSuite = nullptr;
const void* placedSuite = nullptr;
const void* rasterSuite = nullptr;
const void* uidPoolSuite = nullptr;

}  // namespace aip
}  // namespace qor

#include "hostapi/AnnotatorDrawerSuite.h"
#include "hostapi/AnnotatorSuite.h"
#include "hostapi/ArraySuite.h"
#include "hostapi/ArtStyleParserSuite.h"
#include "hostapi/ArtStyleSuite.h"
#include "hostapi/ArtSuite.h"
#include "hostapi/ArtboardSuite.h"
#include "hostapi/BlendStyleSuite.h"
#include "hostapi/ColorConversionSuite.h"
#include "hostapi/ContextSuite.h"
#include "hostapi/CursorSnapSuite.h"
#include "hostapi/CustomColorSuite.h"
#include "hostapi/DataFilterSuite.h"
#include "hostapi/DictionaryIteratorSuite.h"
#include "hostapi/DictionarySuite.h"
#include "hostapi/DocumentListSuite.h"
#include "hostapi/DocumentSuite.h"
#include "hostapi/DocumentViewSuite.h"
#include "hostapi/EntrySuite.h"
#include "hostapi/ExpandSuite.h"
#include "hostapi/FilePathSuite.h"
#include "hostapi/FontSuite.h"
#include "hostapi/GradientSuite.h"
#include "hostapi/GroupSuite.h"
#include "hostapi/IsolationModeSuite.h"
#include "hostapi/LayerSuite.h"
#include "hostapi/MatchingArtSuite.h"
#include "hostapi/MdMemorySuite.h"
#include "hostapi/MenuSuite.h"
#include "hostapi/ModalParentSuite.h"
#include "hostapi/NotifierSuite.h"
#include "hostapi/OnlyAcquiredSuites.h"
#include "hostapi/PaintStyleSuite.h"
#include "hostapi/PanelFlyoutMenuSuite.h"
#include "hostapi/PanelSuite.h"
#include "hostapi/PathStyleSuite.h"
#include "hostapi/PathSuite.h"
#include "hostapi/PatternSuite.h"
#include "hostapi/PluginGroupSuite.h"
#include "hostapi/PluginSuite.h"
#include "hostapi/PreferenceSuite.h"
#include "hostapi/RealBezierSuite.h"
#include "hostapi/RuntimeSuite.h"
#include "hostapi/SpAccessSuite.h"
#include "hostapi/SpBlocksSuite.h"
#include "hostapi/SpPluginsSuite.h"
#include "hostapi/StringFormatUtilsSuite.h"
#include "hostapi/SymbolSuite.h"
#include "hostapi/TextFrameSuite.h"
#include "hostapi/TimerSuite.h"
#include "hostapi/ToolSuite.h"
#include "hostapi/TransformArtSuite.h"
#include "hostapi/UIDREFSuite.h"
#include "hostapi/UIDSuite.h"
#include "hostapi/UIDUtilsSuite.h"
#include "hostapi/URLSuite.h"
#include "hostapi/UndoSuite.h"
#include "hostapi/UnicodeStringSuite.h"
#include "hostapi/UserInterfaceThemeSuite.h"
#include "hostapi/UserSuite.h"
#include "hostsimApp.h"

namespace hostsim {

// Publishes every suite of the host interface with all positions answering 'NIMP'; the areas then fill
// the positions they implement.
namespace hostsimCatalogue_detail {

void install(HostApp& app)
{
  app.publishSuite<AnnotatorDrawerSuite>(kAnnotatorDrawerSuiteName, kAnnotatorDrawerSuiteVersion);
  app.publishSuite<AnnotatorSuite>(kAnnotatorSuiteName, kAnnotatorSuiteVersion);
  app.publishSuite<ArraySuite>(kArraySuiteName, kArraySuiteVersion);
  app.publishSuite<ArtStyleParserSuite>(kArtStyleParserSuiteName, kArtStyleParserSuiteVersion);
  app.publishSuite<ArtStyleSuite>(kArtStyleSuiteName, kArtStyleSuiteVersion);
  app.publishSuite<ArtSuite>(kArtSuiteName, kArtSuiteVersion);
  app.publishSuite<ArtboardSuite>(kArtboardSuiteName, kArtboardSuiteVersion);
  app.publishSuite<BlendStyleSuite>(kBlendStyleSuiteName, kBlendStyleSuiteVersion);
  app.publishSuite<ColorConversionSuite>(kColorConversionSuiteName, kColorConversionSuiteVersion);
  app.publishSuite<ContextSuite>(kContextSuiteName, kContextSuiteVersion);
  app.publishSuite<CursorSnapSuite>(kCursorSnapSuiteName, kCursorSnapSuiteVersion);
  app.publishSuite<CustomColorSuite>(kCustomColorSuiteName, kCustomColorSuiteVersion);
  app.publishSuite<DataFilterSuite>(kDataFilterSuiteName, kDataFilterSuiteVersion);
  app.publishSuite<DictionaryIteratorSuite>(kDictionaryIteratorSuiteName, kDictionaryIteratorSuiteVersion);
  app.publishSuite<DictionarySuite>(kDictionarySuiteName, kDictionarySuiteVersion);
  app.publishSuite<DocumentListSuite>(kDocumentListSuiteName, kDocumentListSuiteVersion);
  app.publishSuite<DocumentSuite>(kDocumentSuiteName, kDocumentSuiteVersion19);
  app.publishAlias(kDocumentSuiteName, kDocumentSuiteVersion16, kDocumentSuiteName, kDocumentSuiteVersion19);
  app.publishSuite<DocumentViewSuite>(kDocumentViewSuiteName, kDocumentViewSuiteVersion);
  app.publishSuite<EntrySuite>(kEntrySuiteName, kEntrySuiteVersion);
  app.publishSuite<ExpandSuite>(kExpandSuiteName, kExpandSuiteVersion);
  app.publishSuite<FilePathSuite>(kFilePathSuiteName, kFilePathSuiteVersion);
  app.publishSuite<FontSuite>(kFontSuiteName, kFontSuiteVersion);
  app.publishSuite<GradientSuite>(kGradientSuiteName, kGradientSuiteVersion);
  app.publishSuite<GroupSuite>(kGroupSuiteName, kGroupSuiteVersion);
  app.publishSuite<IsolationModeSuite>(kIsolationModeSuiteName, kIsolationModeSuiteVersion);
  app.publishSuite<LayerSuite>(kLayerSuiteName, kLayerSuiteVersion);
  app.publishSuite<MatchingArtSuite>(kMatchingArtSuiteName, kMatchingArtSuiteVersion);
  app.publishSuite<MdMemorySuite>(kMdMemorySuiteName, kMdMemorySuiteVersion);
  app.publishSuite<MenuSuite>(kMenuSuiteName, kMenuSuiteVersion);
  app.publishSuite<ModalParentSuite>(kModalParentSuiteName, kModalParentSuiteVersion);
  app.publishSuite<NotifierSuite>(kNotifierSuiteName, kNotifierSuiteVersion);
  app.publishSuite<PaintStyleSuite>(kPaintStyleSuiteName, kPaintStyleSuiteVersion);
  app.publishSuite<PanelFlyoutMenuSuite>(kPanelFlyoutMenuSuiteName, kPanelFlyoutMenuSuiteVersion);
  app.publishSuite<PanelSuite>(kPanelSuiteName, kPanelSuiteVersion);
  app.publishSuite<PathStyleSuite>(kPathStyleSuiteName, kPathStyleSuiteVersion);
  app.publishSuite<PathSuite>(kPathSuiteName, kPathSuiteVersion);
  app.publishSuite<PatternSuite>(kPatternSuiteName, kPatternSuiteVersion);
  app.publishSuite<PluginGroupSuite>(kPluginGroupSuiteName, kPluginGroupSuiteVersion);
  app.publishSuite<PluginSuite>(kPluginSuiteName, kPluginSuiteVersion);
  app.publishSuite<PreferenceSuite>(kPreferenceSuiteName, kPreferenceSuiteVersion);
  app.publishSuite<RealBezierSuite>(kRealBezierSuiteName, kRealBezierSuiteVersion);
  app.publishSuite<RuntimeSuite>(kRuntimeSuiteName, kRuntimeSuiteVersion);
  app.publishSuite<SpAccessSuite>(kSpAccessSuiteName, kSpAccessSuiteVersion);
  app.publishSuite<SpBlocksSuite>(kSpBlocksSuiteName, kSpBlocksSuiteVersion);
  app.publishSuite<SpPluginsSuite>(kSpPluginsSuiteName, kSpPluginsSuiteVersion);
  app.publishSuite<StringFormatUtilsSuite>(kStringFormatUtilsSuiteName, kStringFormatUtilsSuiteVersion);
  app.publishSuite<SymbolSuite>(kSymbolSuiteName, kSymbolSuiteVersion);
  app.publishSuite<TextFrameSuite>(kTextFrameSuiteName, kTextFrameSuiteVersion);
  app.publishSuite<TimerSuite>(kTimerSuiteName, kTimerSuiteVersion);
  app.publishSuite<ToolSuite>(kToolSuiteName, kToolSuiteVersion);
  app.publishSuite<TransformArtSuite>(kTransformArtSuiteName, kTransformArtSuiteVersion);
  app.publishSuite<UIDREFSuite>(kUIDREFSuiteName, kUIDREFSuiteVersion);
  app.publishSuite<UIDSuite>(kUIDSuiteName, kUIDSuiteVersion);
  app.publishSuite<UIDUtilsSuite>(kUIDUtilsSuiteName, kUIDUtilsSuiteVersion);
  app.publishSuite<URLSuite>(kURLSuiteName, kURLSuiteVersion);
  app.publishSuite<UndoSuite>(kUndoSuiteName, kUndoSuiteVersion);
  app.publishSuite<UnicodeStringSuite>(kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
  app.publishSuite<UserInterfaceThemeSuite>(kUserInterfaceThemeSuiteName, kUserInterfaceThemeSuiteVersion);
  app.publishSuite<UserSuite>(kUserSuiteName, kUserSuiteVersion);
  for (const OnlyAcquiredSuite& suite : kOnlyAcquiredSuites)
    app.publishTable(suite.name, suite.version, 32);
}

const AreaInstaller installer(0, &install);

} // namespace hostsimCatalogue_detail

} // namespace hostsim

#pragma once
// The simulated host's suites over its document model: art, paths, layers, documents, views,
// artboards, dictionaries, arrays, entries, unique ids and the paint and style suites. Each accessor
// gives a table whose implemented positions are set and whose other positions are null; install copies
// the implemented positions into the tables the application publishes.
#include "hostapi/ArraySuite.h"
#include "hostapi/ArtStyleParserSuite.h"
#include "hostapi/ArtStyleSuite.h"
#include "hostapi/ArtSuite.h"
#include "hostapi/ArtboardSuite.h"
#include "hostapi/BlendStyleSuite.h"
#include "hostapi/ColorConversionSuite.h"
#include "hostapi/CustomColorSuite.h"
#include "hostapi/DictionaryIteratorSuite.h"
#include "hostapi/DictionarySuite.h"
#include "hostapi/DocumentListSuite.h"
#include "hostapi/DocumentSuite.h"
#include "hostapi/DocumentViewSuite.h"
#include "hostapi/EntrySuite.h"
#include "hostapi/ExpandSuite.h"
#include "hostapi/GradientSuite.h"
#include "hostapi/GroupSuite.h"
#include "hostapi/IsolationModeSuite.h"
#include "hostapi/LayerSuite.h"
#include "hostapi/MatchingArtSuite.h"
#include "hostapi/MdMemorySuite.h"
#include "hostapi/PathStyleSuite.h"
#include "hostapi/PathSuite.h"
#include "hostapi/PatternSuite.h"
#include "hostapi/PluginGroupSuite.h"
#include "hostapi/RealBezierSuite.h"
#include "hostapi/SymbolSuite.h"
#include "hostapi/TransformArtSuite.h"
#include "hostapi/UIDREFSuite.h"
#include "hostapi/UIDSuite.h"
#include "hostapi/UIDUtilsSuite.h"
#include "hostapi/UnicodeStringSuite.h"

#include <string>

namespace hostsim {

class DocumentSuites
{
public:
  static const ArtSuite& art();
  static const PathSuite& path();
  static const PathStyleSuite& pathStyle();
  static const BlendStyleSuite& blendStyle();
  static const GroupSuite& group();
  static const PluginGroupSuite& pluginGroup();
  static const ExpandSuite& expand();
  static const TransformArtSuite& transformArt();
  static const MatchingArtSuite& matchingArt();
  static const MdMemorySuite& mdMemory();
  static const IsolationModeSuite& isolationMode();

  static const LayerSuite& layer();
  static const DocumentSuite& document();
  static const DocumentListSuite& documentList();
  static const DocumentViewSuite& documentView();
  static const ArtboardSuite& artboard();

  static const DictionarySuite& dictionary();
  static const DictionaryIteratorSuite& dictionaryIterator();
  static const ArraySuite& array();
  static const EntrySuite& entry();
  static const UIDSuite& uid();
  static const UIDREFSuite& uidref();
  static const UIDUtilsSuite& uidUtils();

  static const GradientSuite& gradient();
  static const PatternSuite& pattern();
  static const SymbolSuite& symbol();
  static const CustomColorSuite& customColor();
  static const ColorConversionSuite& colorConversion();
  static const ArtStyleSuite& artStyle();
  static const ArtStyleParserSuite& artStyleParser();
  static const RealBezierSuite& realBezier();

  // Host Unicode strings, through the application's string suite, as UTF-8. A null handle is the empty
  // string; an output handle that is null gets a new string object.
  static bool stringText(HostString s, std::string& out);
  static HostErr assignString(HostString* out, const std::string& text);
  static void setStringSuite(const UnicodeStringSuite* suite);
};

} // namespace hostsim

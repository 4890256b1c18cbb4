// The base layer's globals block, the root of all framework-wide state: the suite registry, the
// per-host-handle wrapper registries, the localiser and the host-application singleton.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "hostapi/HostApi.h"
#include "utils/qorutilsList.h"
#include "utils/qorutilsMap.h"

struct UiGlobals;

namespace qor {
namespace aip {

class BaseTool;
class MenuItem;
class Font;
class IllustratorArray;
class IllustratorDictionary;
class IllustratorEntry;
class UID;
class TextCharFeatures;
class TextCharInspector;
class TextCharStyle;
class TextCharStyleSet;
class TextGlyphRun;
class TextLine;
class TextPara;
class TextParaFeatures;
class TextParaInspector;
class TextParaStyle;
class TextParaStyleSet;
class TextRange;
class TextRangeSet;
class TextStory;
class TextStorySet;
class TextTabStop;
class TextTabStopSet;
class TextWord;
class Localizer;
class Illustrator;
class Suite;

struct PluginGlobals
{
  PluginGlobals() = default;
  PluginGlobals(const PluginGlobals&) = delete;
  PluginGlobals& operator=(const PluginGlobals&) = delete;
  ~PluginGlobals() { delete uidNameEscapeTable; }

  UiGlobals* uiGlobals = nullptr;
  // (suite name, version) to reference count.
  utils::Map<std::pair<std::string, int>, int> suiteRegistry;
  // One wrapper per host handle; none of these maps owns its wrappers.
  utils::Map<ToolHandle, BaseTool*> toolWrappers;
  utils::Map<MenuItemHandle, MenuItem*> menuItemWrappers;
  utils::Map<FontKey, Font*> fontWrappers;
  utils::Map<ArrayHandle, IllustratorArray*> arrayWrappers;
  utils::Map<DictHandle, IllustratorDictionary*> dictionaryWrappers;
  utils::Map<EntryHandle, IllustratorEntry*> entryWrappers;
  utils::Map<UIDHandle, UID*> uidWrappers;
  utils::Map<AteCharFeaturesRef, TextCharFeatures*> charFeaturesWrappers;
  utils::Map<AteCharInspectorRef, TextCharInspector*> charInspectorWrappers;
  utils::Map<AteCharStyleRef, TextCharStyle*> charStyleWrappers;
  utils::Map<AteCharStylesRef, TextCharStyleSet*> charStyleSetWrappers;
  utils::Map<void*, TextGlyphRun*> glyphRunWrappers;
  utils::Map<void*, TextLine*> textLineWrappers;
  utils::Map<AteParagraphRef, TextPara*> paragraphWrappers;
  utils::Map<AteParaFeaturesRef, TextParaFeatures*> paraFeaturesWrappers;
  utils::Map<AteParaInspectorRef, TextParaInspector*> paraInspectorWrappers;
  utils::Map<AteParaStyleRef, TextParaStyle*> paraStyleWrappers;
  utils::Map<AteParaStylesRef, TextParaStyleSet*> paraStyleSetWrappers;
  utils::Map<AteTextRangeRef, TextRange*> textRangeWrappers;
  utils::Map<AteTextRangesRef, TextRangeSet*> textRangeSetWrappers;
  utils::Map<AteStoryRef, TextStory*> storyWrappers;
  utils::Map<AteStoriesRef, TextStorySet*> storySetWrappers;
  utils::Map<AteTabStopRef, TextTabStop*> tabStopWrappers;
  utils::Map<AteTabStopsRef, TextTabStopSet*> tabStopSetWrappers;
  utils::Map<AteWordsIteratorRef, TextWord*> wordWrappers;
  Localizer* localizer = nullptr;
  Illustrator* illustrator = nullptr;
  // Suites acquired and not yet released, in order of first acquisition; the sweep deletes them.
  utils::List<Suite*> suiteList;
  DocumentHandle textDocument = nullptr;
  int32_t textUseCount = 0;
  // The document cached by the outermost open unique-id scope, and how many scopes are open.
  DocumentHandle uidScopeDocument = nullptr;
  int32_t uidScopeDepth = 0;
  // Character to its "_x..._" escape in unique-id names; built on first use, owned here.
  utils::Map<std::string, std::string>* uidNameEscapeTable = nullptr;
};

}  // namespace aip
}  // namespace qor

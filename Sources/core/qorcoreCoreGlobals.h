// The core layer's globals block: the registries of the client handle classes and the state the
// dispatcher, the name tables, the font cache and the document-window tracking keep between host
// calls. Created by the core layer and freed with it, after the last client handle.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/qorcoreDispatchState.h"
#include "hostapi/HostApi.h"
#include "utils/qorutilsMap.h"

struct HWND__;
struct LOGFONTW;

namespace qor {
namespace json {
class Node;
}
namespace pui {
class Panel;
}
namespace core {
enum MessageType : int32_t;
enum NotifierType : int32_t;
class __IntPrefsData;
class __IntPrefData;
class __IntWidgetGroupContainer;
class __IntRadioGroupContainer;
class __IntTabOrderContainer;
class __IntCursorContainer;
class __IntWidgetContainer;
class __IntWindowContainer;
class __IntListEntryContainer;
class __IntColumnEntryContainer;
class __IntTreeEntryContainer;
class __IntTreeColumnEntryContainer;
class __IntMenuItemContainer;
class __IntTimerData;
class __Int3PPluginData;
class __IntDocData;
class __IntLayerData;
class __IntNotifierContainer;
class __IntAnnotatorData;
class __IntArtData;
class __IntArtboardData;
class __IntArtStyleData;
class __IntDocViewData;
class __IntGradientData;
class __IntPatternData;
class __IntToolData;
class __IntMenuGroupContainer;
class __IntDispatcherData;
class Illustrator;
class NotifyMessage;
}  // namespace core
}  // namespace qor

namespace qor {
namespace core {
// Deletes every cached logical font, then empties the cache.
void clearFontCache(std::map<std::string, LOGFONTW*>& cache);
}  // namespace core
}  // namespace qor

struct CoreGlobals
{
  CoreGlobals();
  CoreGlobals(const CoreGlobals&) = delete;
  CoreGlobals& operator=(const CoreGlobals&) = delete;
  ~CoreGlobals();

  // True when no handle record is registered any more.
  bool registriesEmpty() const;

  // Handle registries: a record is entered when created and removed when its last handle goes;
  // the registries never own the records.
  qor::utils::Map<qor::json::Node*, qor::core::__IntPrefsData*> prefsRegistry;
  qor::utils::Map<qor::json::Node*, qor::core::__IntPrefData*> prefRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntWidgetGroupContainer*> widgetGroupRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntRadioGroupContainer*> radioGroupRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntTabOrderContainer*> tabOrderRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntCursorContainer*> cursorRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntWidgetContainer*> widgetRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntWindowContainer*> windowRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntListEntryContainer*> listEntryRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntColumnEntryContainer*> columnEntryRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntTreeEntryContainer*> treeEntryRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntTreeColumnEntryContainer*> treeColumnEntryRegistry;
  qor::utils::Map<MenuItemHandle, qor::core::__IntMenuItemContainer*> menuItemRegistry;
  qor::utils::Map<TimerHandle, qor::core::__IntTimerData*> timerRegistry;
  qor::utils::Map<PluginRef, qor::core::__Int3PPluginData*> pluginRegistry;
  qor::utils::Map<DocumentHandle, qor::core::__IntDocData*> documentRegistry;
  qor::utils::Map<LayerHandle, qor::core::__IntLayerData*> layerRegistry;
  qor::utils::Map<unsigned int, qor::core::__IntNotifierContainer*> notifierRegistry;
  qor::utils::Map<AnnotatorHandle, qor::core::__IntAnnotatorData*> annotatorRegistry;
  qor::utils::Map<ArtHandle, qor::core::__IntArtData*> artRegistry;
  qor::utils::Map<int, qor::core::__IntArtboardData*> artboardRegistry;
  qor::utils::Map<ArtStyleHandle, qor::core::__IntArtStyleData*> artStyleRegistry;
  qor::utils::Map<DocViewHandle, qor::core::__IntDocViewData*> docViewRegistry;
  qor::utils::Map<void*, qor::core::__IntGradientData*> gradientRegistry;
  qor::utils::Map<void*, qor::core::__IntPatternData*> patternRegistry;
  qor::utils::Map<ToolHandle, qor::core::__IntToolData*> toolRegistry;
  qor::utils::Map<MenuGroupHandle, qor::core::__IntMenuGroupContainer*> menuGroupRegistry;

  bool internetGETConstructing = false;
  bool internetPOSTConstructing = false;
  // A platform panel to the id of the window container of the core panel handles that own it.
  std::map<qor::pui::Panel*, uint32_t> panelMap;
  bool dispatching = false;
  int32_t artboardPollTick = 0;
  qor::core::__IntDispatcherData* notifierDispatchData = nullptr;
  bool messageTypesBuilt = false;
  qor::utils::Map<std::pair<std::string, std::string>, qor::core::MessageType> messageTypes;
  // Full font name to an owned copy of the logical font that produced it.
  std::map<std::string, LOGFONTW*> fontCache;
  PluginGroupHandle customArtGroup = nullptr;
  qor::core::Illustrator* coreIllustrator = nullptr;
  // The dispatches in progress, the innermost last.
  std::vector<qor::core::DispatchStackEntry> dispatchStack;
  std::vector<qor::core::NotifyMessage*> preparedNotifyMessages;
  bool notifierTypesBuilt = false;
  qor::utils::Map<std::string, qor::core::NotifierType> notifierTypes;
  std::map<DocumentHandle, HWND__*> documentWindows;
};

#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

const SpAccessSuite* accessSuite = nullptr;
const SpBlocksSuite* blocksSuite = nullptr;
const SpPluginsSuite* pluginsSuite = nullptr;
const void* suitesSuite = nullptr;
const CursorSnapSuite* cursorSnapSuite = nullptr;
const DataFilterSuite* dataFilterSuite = nullptr;
const DocumentViewSuite* documentViewSuite = nullptr;
const void* foldersSuite = nullptr;
const MenuSuite* menuSuite = nullptr;
const PluginSuite* pluginSuite = nullptr;
const UndoSuite* undoSuite = nullptr;
const UserSuite* userSuite = nullptr;
const UnicodeStringSuite* unicodeStringSuite = nullptr;
const FilePathSuite* filePathSuite = nullptr;
const ContextSuite* contextSuite = nullptr;
const DocumentListSuite* documentListSuite = nullptr;
const FontSuite* fontSuite = nullptr;
const PreferenceSuite* preferenceSuite = nullptr;
const RuntimeSuite* runtimeSuite = nullptr;
const StringFormatUtilsSuite* stringFormatUtilsSuite = nullptr;
const void* toolboxSuite = nullptr;
const URLSuite* urlSuite = nullptr;
const DocumentSuite* documentSuite = nullptr;
const UserInterfaceThemeSuite* uiThemeSuite = nullptr;
const void* fileFormatSuite = nullptr;
const void* liveEffectSuite = nullptr;
const PluginGroupSuite* pluginGroupSuite = nullptr;

}  // namespace aip
}  // namespace qor

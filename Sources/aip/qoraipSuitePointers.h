// The one pointer variable per (host suite name, version) that the lifecycle layers use; every
// site that needs one of these suites tests and fills this variable (aip/qoraipSuite.h).
#pragma once

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

extern const SpAccessSuite* accessSuite;
extern const SpBlocksSuite* blocksSuite;
extern const SpPluginsSuite* pluginsSuite;
extern const void* suitesSuite;
extern const CursorSnapSuite* cursorSnapSuite;
extern const DataFilterSuite* dataFilterSuite;
extern const DocumentViewSuite* documentViewSuite;
extern const void* foldersSuite;
extern const MenuSuite* menuSuite;
extern const PluginSuite* pluginSuite;
extern const UndoSuite* undoSuite;
extern const UserSuite* userSuite;
extern const UnicodeStringSuite* unicodeStringSuite;
extern const FilePathSuite* filePathSuite;
extern const ContextSuite* contextSuite;
extern const DocumentListSuite* documentListSuite;
extern const FontSuite* fontSuite;
extern const PreferenceSuite* preferenceSuite;
extern const RuntimeSuite* runtimeSuite;
extern const StringFormatUtilsSuite* stringFormatUtilsSuite;
extern const void* toolboxSuite;
extern const URLSuite* urlSuite;
// Version 16 or 19, never both while the plug-in is loaded.
extern const DocumentSuite* documentSuite;
extern const UserInterfaceThemeSuite* uiThemeSuite;
extern const void* fileFormatSuite;
extern const void* liveEffectSuite;
extern const PluginGroupSuite* pluginGroupSuite;

}  // namespace aip
}  // namespace qor

// What the message and registration classes need of the host and of the plug-in object, in one
// place: the suites they acquire, the plug-in's identity, the current document's state and text
// conversions to the host's encodings.
#pragma once

#include <string>

#include "hostapi/HostApi.h"

struct CoreGlobals;

namespace qor::aip {

class EventDispatcher;

// Host records under names that do not clash with the framework's typed message classes.
using MenuMsgRecord = ::MenuMessage;
using NotifierMsgRecord = ::NotifierMessage;
using TimerMsgRecord = ::TimerMessage;
using ToolMsgRecord = ::ToolMessage;
using AnnotationMsgRecord = ::AnnotationMessage;
using FileFormatMsgRecord = ::FileFormatMessage;
using PluginGroupMsgRecord = ::PluginGroupMessage;

// Suites, each acquired once into its pointer variable; null when the host refuses.
const NotifierSuite* msgNotifierSuite();
const TimerSuite* msgTimerSuite();
const MenuSuite* msgMenuSuite();
const UnicodeStringSuite* msgUnicodeStringSuite();
const DocumentViewSuite* msgDocumentViewSuite();
const AnnotatorSuite* msgAnnotatorSuite();
const AnnotatorDrawerSuite* msgAnnotatorDrawerSuite();
const ToolSuite* msgToolSuite();
const void* msgFileFormatSuite();
const void* msgArtboardRangeSuite();

// The plug-in's identity.
PluginRef msgPluginRef();
const SpBasicSuite* msgHostBasicSuite();
std::string msgPluginName();
std::string msgPluginFileName();
// The router of the plug-in object (created on first use); null without a plug-in object.
EventDispatcher* msgRouter();

// UTF-8 to the host's default 8-bit encoding.
std::string msgToHostDefaultEncoding(const std::string& utf8);
// Host Unicode strings made from UTF-8 (the caller destroys them) and read back as UTF-8.
HostString msgMakeHostString(const std::string& utf8);
std::string msgHostStringToUtf8(HostString text);
void msgDestroyHostString(HostString& text);

// The current document and what the router and the artboard poll read of it.
DocumentHandle msgCurrentDocument();
bool msgCurrentViewBounds(double bounds[4]);
LayerHandle msgCurrentLayer();
int32_t msgViewCount();
bool msgHasCurrentView();
// Artboards of the current document: count, one artboard's snapshot (false for an index outside the
// document's artboards) and the current artboard's index (false when there is none).
int32_t msgArtboardCount();
bool msgArtboardAt(int32_t index, RealRect& bounds, RealPoint& rulerOrigin, std::string& name);
bool msgCurrentArtboardIndex(int32_t& index);

} // namespace qor::aip

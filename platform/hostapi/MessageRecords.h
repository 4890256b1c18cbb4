// Message records the host passes to the plug-in's entry point, PluginMain(caller, selector, record),
// with the caller and selector names the host sends. Every record starts with MessageHeader.
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

struct SpBasicSuite;

extern "C" {
// The plug-in's entry point as the host calls it.
typedef HostErr (*PluginMainProc)(const char* caller, const char* selector, void* message);
}

// Check value of valid message data.
inline constexpr uint32_t kMessageCheckValue = 0x5350436B;

struct MessageHeader
{
  uint32_t checkValue;
  PluginRef plugin;
  void* pluginGlobals;
  const SpBasicSuite* basicSuite;
};

// "AI Menu": "AI Go" (item chosen), "AI Update" (before the menu opens).
struct MenuMessage
{
  MessageHeader header;
  MenuItemHandle menuItem;
};

// "AI Notifier"/"AI Notify": one call per active subscription of the type.
struct NotifierMessage
{
  MessageHeader header;
  NotifierHandle notifier;
  const char* notifierType;
  const void* notifyData;
};

// Notify data of "AI Art Symbol Set Changed Notifier".
struct SymbolSetChangedNotifyData
{
  uint32_t reserved0;
  uint32_t count;
  const uint32_t* secondList;
  const uint32_t* firstList;
};

// "AI Timer"/"AI Go".
struct TimerMessage
{
  MessageHeader header;
  TimerHandle timer;
};

struct ToolExtraEntry
{
  uint8_t bytes[16];
};

// "AI Tool". Pressure and wheel: 127 = 0.5, else value / 255; angles in degrees.
struct ToolMessage
{
  MessageHeader header;
  ToolHandle tool;
  uint32_t reserved20;
  RealPoint cursor;
  int16_t pressure;
  int16_t reserved42;
  HostEvent* event;
  int16_t stylusWheel;
  int16_t tilt;
  int16_t bearing;
  int16_t rotation;
  uint32_t reserved56;
  int32_t extraCount;
  ToolExtraEntry* extraEntries;
  uint32_t reserved68;
};

// "AI Annotation": "AI Draw", "AI Invalidate". A null port means "invalidate instead of draw".
struct AnnotationMessage
{
  MessageHeader header;
  AnnotatorHandle annotator;
  DocViewHandle view;
  DrawingPort port;
  int32_t firstFlag;
  uint8_t reserved32[8];
  int32_t secondFlag;
  const RealRect* rects;
  int32_t rectCount;
  AnnotatorDrawer drawer;
};

// "AI File Format". A null handle makes the message invalid.
struct FileFormatMessage
{
  MessageHeader header;
  FileFormatHandle fileFormat;
};

// "AI Plugin Group".
struct PluginGroupMessage
{
  MessageHeader header;
  void* reserved16;
  ArtHandle art;
  uint8_t reserved[136];
};

// Records whose body is never read, only copied: N is the record's size on the host that defined it.
template <size_t N> struct CopiedMessage
{
  MessageHeader header;
  uint8_t body[N - 16];
};

template <> struct CopiedMessage<16>
{
  MessageHeader header;
};

using ClipboardMessage = CopiedMessage<28>;
using CommandManagerMessage = CopiedMessage<36>;
using FilterMessage = CopiedMessage<24>;
using LayerListMessage = CopiedMessage<24>;
using LiveEffectGoLiveMessage = CopiedMessage<32>;
using LiveEffectEditParametersMessage = CopiedMessage<36>;
using LiveEffectInterpolateParametersMessage = CopiedMessage<40>;
using LiveEffectInputTypeMessage = CopiedMessage<32>;
using LiveEffectConvertColorSpaceMessage = CopiedMessage<28>;
using LiveEffectAdjustColorsMessage = CopiedMessage<44>;
using LiveEffectScaleParametersMessage = CopiedMessage<40>;
using LiveEffectHandleMergeMessage = CopiedMessage<36>;
using LiveEffectGetSvgFilterMessage = CopiedMessage<28>;
using LiveEffectIsCompatibleMessage = CopiedMessage<32>;
using ObjectSetMessage = CopiedMessage<48>;
using ToolboxMessage = CopiedMessage<44>;
using TransformAgainMessage = CopiedMessage<16>;
using WorkspaceManagerMessage = CopiedMessage<32>;

// Callers and selectors of the host's lifecycle calls; the records of "SP Interface" and
// "SP Access" are the header alone.
inline constexpr const char kSPInterfaceCaller[] = "SP Interface";
inline constexpr const char kSPAccessCaller[] = "SP Access";
inline constexpr const char kStartupSelector[] = "Startup";
inline constexpr const char kShutdownSelector[] = "Shutdown";
inline constexpr const char kAboutSelector[] = "About";
inline constexpr const char kNotifierCaller[] = "AI Notifier";
inline constexpr const char kNotifySelector[] = "AI Notify";
inline constexpr const char kMenuCaller[] = "AI Menu";
inline constexpr const char kTimerCaller[] = "AI Timer";
inline constexpr const char kGoSelector[] = "AI Go";
inline constexpr const char kUpdateSelector[] = "AI Update";
inline constexpr const char kApplicationStartedNotifier[] = "AI Application Started Notifier";
inline constexpr const char kApplicationShutdownNotifier[] = "AI Application Shutdown Notifier";

static_assert(offsetof(MessageHeader, basicSuite) == 3 * sizeof(void*));
static_assert(offsetof(NotifierMessage, notifierType) == offsetof(NotifierMessage, notifier) + sizeof(void*));

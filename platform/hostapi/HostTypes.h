// Basic types of the host's C interface: error codes, the one-byte boolean, opaque handles and
// four-character codes.
#pragma once

#include <cstdint>

// Host error code: 0 is success, anything else a failure.
typedef int32_t HostErr;
// Host boolean: 0 false, anything else true.
typedef uint8_t bool8;

// Four-character code, first character most significant ("SUFE" = 0x53554645).
constexpr uint32_t fourCharCode(const char (&code)[5])
{
  return (uint32_t(uint8_t(code[0])) << 24) | (uint32_t(uint8_t(code[1])) << 16) |
         (uint32_t(uint8_t(code[2])) << 8) | uint32_t(uint8_t(code[3]));
}

inline constexpr HostErr kHostNoErr = 0;
// A position of a suite table that the host does not implement.
inline constexpr HostErr kHostErrNotImplemented = HostErr(fourCharCode("NIMP"));
// A null or dead handle or a bad argument.
inline constexpr HostErr kHostErrBadParameter = HostErr(fourCharCode("PARM"));
// A missing name, key, index or resource.
inline constexpr HostErr kHostErrNotFound = HostErr(fourCharCode("NFND"));

// Opaque host handles: one distinct pointer type per kind, never dereferenced by the plug-in.
#define QOR_HOST_HANDLE(Name)                                                                                \
  struct Name##Opaque;                                                                                       \
  typedef Name##Opaque* Name

QOR_HOST_HANDLE(PluginRef);
QOR_HOST_HANDLE(AccessRef);
QOR_HOST_HANDLE(AppContext);
QOR_HOST_HANDLE(PlatformWindow);
QOR_HOST_HANDLE(DocumentHandle);
QOR_HOST_HANDLE(DocViewHandle);
QOR_HOST_HANDLE(LayerHandle);
QOR_HOST_HANDLE(ArtHandle);
QOR_HOST_HANDLE(ArtStyleHandle);
QOR_HOST_HANDLE(StyleParser);
QOR_HOST_HANDLE(StylePaintField);
QOR_HOST_HANDLE(StyleEffect);
QOR_HOST_HANDLE(StyleBlendField);
QOR_HOST_HANDLE(DictHandle);
QOR_HOST_HANDLE(DictKey);
QOR_HOST_HANDLE(DictIterator);
QOR_HOST_HANDLE(ArrayHandle);
QOR_HOST_HANDLE(EntryHandle);
QOR_HOST_HANDLE(UIDHandle);
QOR_HOST_HANDLE(UIDRefHandle);
QOR_HOST_HANDLE(GradientHandle);
QOR_HOST_HANDLE(PatternHandle);
QOR_HOST_HANDLE(SymbolHandle);
QOR_HOST_HANDLE(CustomColorHandle);
QOR_HOST_HANDLE(NotifierHandle);
QOR_HOST_HANDLE(TimerHandle);
QOR_HOST_HANDLE(MenuItemHandle);
QOR_HOST_HANDLE(MenuGroupHandle);
QOR_HOST_HANDLE(ToolHandle);
QOR_HOST_HANDLE(AnnotatorHandle);
QOR_HOST_HANDLE(AnnotatorDrawer);
QOR_HOST_HANDLE(DrawingPort);
QOR_HOST_HANDLE(FileFormatHandle);
QOR_HOST_HANDLE(PluginGroupHandle);
QOR_HOST_HANDLE(FilePathHandle);
QOR_HOST_HANDLE(DataFilter);
QOR_HOST_HANDLE(PanelRef);
QOR_HOST_HANDLE(FlyoutMenuRef);
QOR_HOST_HANDLE(FontKey);
QOR_HOST_HANDLE(TypefaceKey);
QOR_HOST_HANDLE(ArtboardListRef);
QOR_HOST_HANDLE(ArtboardPropsRef);
// A host Unicode string object; null stands for the empty string.
QOR_HOST_HANDLE(HostString);

// Text-engine references.
QOR_HOST_HANDLE(AteApplicationPaintRef);
QOR_HOST_HANDLE(AteArrayRealRef);
QOR_HOST_HANDLE(AteCharFeaturesRef);
QOR_HOST_HANDLE(AteCharInspectorRef);
QOR_HOST_HANDLE(AteCharStyleRef);
QOR_HOST_HANDLE(AteCharStylesIteratorRef);
QOR_HOST_HANDLE(AteCharStylesRef);
QOR_HOST_HANDLE(AteFontRef);
QOR_HOST_HANDLE(AteParaFeaturesRef);
QOR_HOST_HANDLE(AteParaInspectorRef);
QOR_HOST_HANDLE(AteParaStyleRef);
QOR_HOST_HANDLE(AteParaStylesIteratorRef);
QOR_HOST_HANDLE(AteParaStylesRef);
QOR_HOST_HANDLE(AteParagraphRef);
QOR_HOST_HANDLE(AteParagraphsIteratorRef);
QOR_HOST_HANDLE(AteStoriesRef);
QOR_HOST_HANDLE(AteStoryRef);
QOR_HOST_HANDLE(AteTabStopRef);
QOR_HOST_HANDLE(AteTabStopsIteratorRef);
QOR_HOST_HANDLE(AteTabStopsRef);
QOR_HOST_HANDLE(AteTextFrameRef);
QOR_HOST_HANDLE(AteTextFramesIteratorRef);
QOR_HOST_HANDLE(AteTextRangeRef);
QOR_HOST_HANDLE(AteTextRangesRef);
QOR_HOST_HANDLE(AteTextRunsIteratorRef);
QOR_HOST_HANDLE(AteWordsIteratorRef);

#undef QOR_HOST_HANDLE

extern "C" {
// Type of a suite-table position that nothing calls.
typedef HostErr (*HostStubProc)(void);
}

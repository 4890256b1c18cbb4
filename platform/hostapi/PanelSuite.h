// Function table of the host's "AI Panel Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPanelSuiteName[] = "AI Panel Suite";
inline constexpr int32_t kPanelSuiteVersion = 3;

extern "C" {
// Procedures the host calls on the UI thread.
typedef void (*PanelFlyoutPreOpenProc)(PanelRef panel);
typedef void (*PanelFlyoutItemProc)(PanelRef panel, int32_t itemId);
typedef void (*PanelVisibilityProc)(PanelRef panel, bool8 shown);
typedef void (*PanelSizeChangedProc)(PanelRef panel);

struct PanelSuite
{
  // Creates a hidden panel; userData comes back through getPanelUserData.
  HostErr (*createPanel)(PluginRef plugin, HostString identifier, HostString title, int32_t stateCount,
                         const SizeRecord* minimumSize, bool8 resizable, FlyoutMenuRef flyout, void* userData,
                         PanelRef* outPanel);
  // The child window that receives the content view.
  HostErr (*getPanelPlatformWindow)(PanelRef panel, PlatformWindow* outWindow);
  HostErr (*showPanel)(PanelRef panel, bool8 show);
  HostErr (*isPanelShown)(PanelRef panel, bool8* outShown);
  // The procedures find the panel object through it.
  HostErr (*getPanelUserData)(PanelRef panel, void** outUserData);
  HostErr (*setPanelIconResourceIds)(PanelRef panel, const uint32_t* lightIds, int32_t lightCount,
                                     const uint32_t* darkIds, int32_t darkCount);
  HostErr (*getPanelSize)(PanelRef panel, SizeRecord* outSize);
  HostErr (*setPanelMinimumSize)(PanelRef panel, const SizeRecord* size);
  HostErr (*getPanelMinimumSize)(PanelRef panel, SizeRecord* outSize);
  HostErr (*setPanelMaximumSize)(PanelRef panel, const SizeRecord* size);
  HostErr (*getPanelMaximumSize)(PanelRef panel, SizeRecord* outSize);
  // Logical (unscaled) size; applied on a later event-loop turn, clamped to the minimum and maximum.
  HostErr (*setPanelSize)(PanelRef panel, const SizeRecord* size);
  HostErr (*setPanelFlyoutMenu)(PanelRef panel, FlyoutMenuRef menu);
  // Moves the frame (screen coordinates).
  HostErr (*movePanel)(PanelRef panel, int32_t x, int32_t y);
  HostErr (*setPanelFlyoutPreOpenProc)(PanelRef panel, PanelFlyoutPreOpenProc proc);
  HostErr (*setPanelFlyoutItemProc)(PanelRef panel, PanelFlyoutItemProc proc);
  HostErr (*setPanelVisibilityProc)(PanelRef panel, PanelVisibilityProc proc);
  HostErr (*setPanelSizeChangedProc)(PanelRef panel, PanelSizeChangedProc proc);
  // Destroys the frame and child windows.
  HostErr (*destroyPanel)(PanelRef panel);
};
}

static_assert(offsetof(PanelSuite, createPanel) == 0 * sizeof(void*));
static_assert(offsetof(PanelSuite, getPanelPlatformWindow) == 1 * sizeof(void*));
static_assert(offsetof(PanelSuite, showPanel) == 2 * sizeof(void*));
static_assert(offsetof(PanelSuite, isPanelShown) == 3 * sizeof(void*));
static_assert(offsetof(PanelSuite, getPanelUserData) == 4 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelIconResourceIds) == 5 * sizeof(void*));
static_assert(offsetof(PanelSuite, getPanelSize) == 6 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelMinimumSize) == 7 * sizeof(void*));
static_assert(offsetof(PanelSuite, getPanelMinimumSize) == 8 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelMaximumSize) == 9 * sizeof(void*));
static_assert(offsetof(PanelSuite, getPanelMaximumSize) == 10 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelSize) == 11 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelFlyoutMenu) == 12 * sizeof(void*));
static_assert(offsetof(PanelSuite, movePanel) == 13 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelFlyoutPreOpenProc) == 14 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelFlyoutItemProc) == 15 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelVisibilityProc) == 16 * sizeof(void*));
static_assert(offsetof(PanelSuite, setPanelSizeChangedProc) == 17 * sizeof(void*));
static_assert(offsetof(PanelSuite, destroyPanel) == 18 * sizeof(void*));
static_assert(sizeof(PanelSuite) == 19 * sizeof(void*));

// Function table of the host's "AI Panel Flyout Menu Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kPanelFlyoutMenuSuiteName[] = "AI Panel Flyout Menu Suite";
inline constexpr int32_t kPanelFlyoutMenuSuiteVersion = 2;

extern "C" {
struct PanelFlyoutMenuSuite
{
  // New empty flyout menu.
  HostErr (*createFlyoutMenu)(FlyoutMenuRef* outMenu);
  HostErr (*destroyFlyoutMenu)(FlyoutMenuRef menu);
  HostErr (*appendFlyoutItem)(FlyoutMenuRef menu, int32_t itemId, HostString text);
  HostErr (*appendFlyoutSeparator)(FlyoutMenuRef menu, int32_t itemId);
  HostErr (*removeFlyoutItem)(FlyoutMenuRef menu, int32_t itemId);
  HostErr (*setFlyoutItemEnabled)(FlyoutMenuRef menu, int32_t itemId, bool8 enabled);
  // Mark 1 = checked, 0 = none.
  HostErr (*setFlyoutItemMark)(FlyoutMenuRef menu, int32_t itemId, int32_t mark);
  HostErr (*getFlyoutItemMark)(FlyoutMenuRef menu, int32_t itemId, int32_t* outMark);
  // Meaning is the host's; writes 0 for every existing position.
  HostErr (*queryFlyoutItemAtPosition)(FlyoutMenuRef menu, int32_t zeroBasedPosition, int32_t* outValue);
};
}

static_assert(offsetof(PanelFlyoutMenuSuite, createFlyoutMenu) == 0 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, destroyFlyoutMenu) == 1 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, appendFlyoutItem) == 2 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, appendFlyoutSeparator) == 3 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, removeFlyoutItem) == 4 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, setFlyoutItemEnabled) == 5 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, setFlyoutItemMark) == 6 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, getFlyoutItemMark) == 7 * sizeof(void*));
static_assert(offsetof(PanelFlyoutMenuSuite, queryFlyoutItemAtPosition) == 8 * sizeof(void*));
static_assert(sizeof(PanelFlyoutMenuSuite) == 9 * sizeof(void*));

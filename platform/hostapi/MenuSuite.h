// Function table of the host's "AI Menu Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kMenuSuiteName[] = "AI Menu Suite";
inline constexpr int32_t kMenuSuiteVersion = 11;

extern "C" {
struct MenuSuite
{
  // Adds an item to spec->groupName; the keyboard name is the group name, a space and the item text.
  HostErr (*addMenuItem)(PluginRef plugin, const char* keyboardName, const MenuItemSpec* spec,
                         int32_t options, MenuItemHandle* outItem);
  HostStubProc reserved1;
  HostErr (*getMenuItemKeyboardName)(MenuItemHandle item, const char** outName);
  // Separator when value 4 is set.
  HostErr (*getMenuItemOptions)(MenuItemHandle item, int32_t* outOptions);
  HostStubProc reserved4;
  HostStubProc reserved5;
  // All items of the host, in host order.
  HostErr (*countMenuItems)(int32_t* outCount);
  HostErr (*getNthMenuItem)(int32_t index, MenuItemHandle* outItem);
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostErr (*enableMenuItem)(MenuItemHandle item);
  HostErr (*disableMenuItem)(MenuItemHandle item);
  // Display text (separate from the keyboard name).
  HostErr (*getMenuItemText)(MenuItemHandle item, HostString* outText);
  HostErr (*setMenuItemText)(MenuItemHandle item, HostString text);
  HostStubProc reserved15;
  HostErr (*checkMenuItem)(MenuItemHandle item, bool8 checked);
  HostErr (*getMenuItemGroup)(MenuItemHandle item, MenuGroupHandle* outGroup);
  // A plain group placed next to another.
  HostErr (*addMenuGroup)(const char* name, int32_t options, const char* nearGroupName,
                          MenuGroupHandle* outGroup);
  // A group opened by the header item.
  HostErr (*addMenuGroupAsSubmenu)(const char* name, int32_t options, MenuItemHandle headerItem,
                                   MenuGroupHandle* outGroup);
  HostErr (*getMenuGroupName)(MenuGroupHandle group, const char** outName);
  HostErr (*getMenuGroupOptions)(MenuGroupHandle group, int32_t* outOptions);
  HostErr (*setMenuGroupOptions)(MenuGroupHandle group, int32_t options);
  HostStubProc reserved23;
  HostErr (*countMenuGroups)(int32_t* outCount);
  HostErr (*getNthMenuGroup)(int32_t index, MenuGroupHandle* outGroup);
  HostStubProc reserved26;
  HostStubProc reserved27;
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostErr (*isMenuItemEnabled)(MenuItemHandle item, bool8* outEnabled);
  HostErr (*isMenuItemChecked)(MenuItemHandle item, bool8* outChecked);
  HostErr (*removeMenuItem)(MenuItemHandle item);
};
}

static_assert(offsetof(MenuSuite, addMenuItem) == 0 * sizeof(void*));
static_assert(offsetof(MenuSuite, getMenuItemKeyboardName) == 2 * sizeof(void*));
static_assert(offsetof(MenuSuite, getMenuItemOptions) == 3 * sizeof(void*));
static_assert(offsetof(MenuSuite, countMenuItems) == 6 * sizeof(void*));
static_assert(offsetof(MenuSuite, getNthMenuItem) == 7 * sizeof(void*));
static_assert(offsetof(MenuSuite, enableMenuItem) == 11 * sizeof(void*));
static_assert(offsetof(MenuSuite, disableMenuItem) == 12 * sizeof(void*));
static_assert(offsetof(MenuSuite, getMenuItemText) == 13 * sizeof(void*));
static_assert(offsetof(MenuSuite, setMenuItemText) == 14 * sizeof(void*));
static_assert(offsetof(MenuSuite, checkMenuItem) == 16 * sizeof(void*));
static_assert(offsetof(MenuSuite, getMenuItemGroup) == 17 * sizeof(void*));
static_assert(offsetof(MenuSuite, addMenuGroup) == 18 * sizeof(void*));
static_assert(offsetof(MenuSuite, addMenuGroupAsSubmenu) == 19 * sizeof(void*));
static_assert(offsetof(MenuSuite, getMenuGroupName) == 20 * sizeof(void*));
static_assert(offsetof(MenuSuite, getMenuGroupOptions) == 21 * sizeof(void*));
static_assert(offsetof(MenuSuite, setMenuGroupOptions) == 22 * sizeof(void*));
static_assert(offsetof(MenuSuite, countMenuGroups) == 24 * sizeof(void*));
static_assert(offsetof(MenuSuite, getNthMenuGroup) == 25 * sizeof(void*));
static_assert(offsetof(MenuSuite, isMenuItemEnabled) == 30 * sizeof(void*));
static_assert(offsetof(MenuSuite, isMenuItemChecked) == 31 * sizeof(void*));
static_assert(offsetof(MenuSuite, removeMenuItem) == 32 * sizeof(void*));
static_assert(sizeof(MenuSuite) == 33 * sizeof(void*));

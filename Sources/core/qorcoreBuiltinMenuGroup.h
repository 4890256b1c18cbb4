// The host's own menu groups by which client code places menu items and groups.
#pragma once

#include <cstdint>
#include <string>

namespace qor::core {

enum BuiltinMenuGroup : int32_t
{
  NoBuiltinMenuGroup = 0,
#define QOR_BUILTIN_MENU_GROUP(value, stem, name) stem##BuiltinMenuGroup = value,
#include "core/qorcoreBuiltinMenuGroupList.h"
#undef QOR_BUILTIN_MENU_GROUP
};

// The host's name of the group; the empty string for any value outside the table.
std::string builtinMenuGroupToName(BuiltinMenuGroup group);

} // namespace qor::core

#include "core/qorcoreBuiltinMenuGroup.h"

namespace qor::core {

std::string builtinMenuGroupToName(BuiltinMenuGroup group)
{
  switch (group) {
#define QOR_BUILTIN_MENU_GROUP(value, stem, name)                                                           \
  case stem##BuiltinMenuGroup:                                                                               \
    return name;
#include "core/qorcoreBuiltinMenuGroupList.h"
#undef QOR_BUILTIN_MENU_GROUP
  default:
    return std::string();
  }
}

} // namespace qor::core
